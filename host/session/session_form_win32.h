// Ondrel_S: the hidden session form of a saver session.
#pragma once

#include <vector>

#include "host/session/monitor_layout.h"

namespace Ondrel_B {

// Loads the form without showing it; its load handler takes the snapshot
// of the primary and of each further monitor (in the files the settings
// file lists them with) and starts the renderer and the music. False when there is no form, and
// so nothing that could ever end the session.
[[nodiscard]] bool LoadSessionForm(const std::vector<MonitorRect>& further);

}  // namespace Ondrel_B
