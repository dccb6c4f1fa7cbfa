// Velnora.scr entry: the start-up procedure, then the message loop that
// serves whichever form it handed over to. The process ends here and only
// here, when the start-up or the last form says so.
#include <windows.h>

#include "host/app/startup.h"
#include "host/forms/message_loop_win32.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  if (Ondrel_B::Startup() == Ondrel_B::StartupResult::End) return 0;
  return Forms::RunMessageLoop();
}
