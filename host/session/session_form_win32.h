// Ondrel_S: the hidden session form of a saver session.
#pragma once

namespace Ondrel_B {

// Loads the form without showing it; its load handler takes the snapshot
// and starts the renderer and the music. False when there is no form, and
// so nothing that could ever end the session.
bool LoadSessionForm();

}  // namespace Ondrel_B
