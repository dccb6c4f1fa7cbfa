// Ondrel_B start-up: the host's only entry, run once first in every process.
#pragma once

namespace Ondrel_B {

enum class StartupResult {
  End,             // nothing (any longer) to show: the process ends
  RunMessageLoop,  // a form was handed over to; the message loop keeps it alive
};

// Single-instance test, mode dispatch, work directory, music settings,
// renderer test, cursor and screen size; then hands over to a form.
StartupResult Startup();

}  // namespace Ondrel_B
