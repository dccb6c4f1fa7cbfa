// Velnora.scr entry: the start-up procedure, then the message loop that
// serves whichever form it handed over to.
#include <windows.h>

#include "host/startup.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  Ondrel_B::Startup();
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
