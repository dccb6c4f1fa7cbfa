// Ondrel_B start-up: the host's only entry, run once first in every process.
#pragma once

namespace Ondrel_B {

// Single-instance test, mode dispatch, work directory, music settings,
// renderer test, cursor and screen size; then hands over to a form.
void Startup();

// Ends the process at once: no further handler runs.
[[noreturn]] void EndProcess();

}  // namespace Ondrel_B
