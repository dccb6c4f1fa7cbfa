// Ondrel_P: the settings dialog, where the music is chosen.
#pragma once

namespace Ondrel_B {

// Shows the dialog modally, without an owner, and returns once it has closed.
void ShowSettingsDialog();

}  // namespace Ondrel_B
