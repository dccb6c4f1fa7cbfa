#include "host/forms/message_loop_win32.h"

#include "host/forms/form_win32.h"

namespace Forms {

void DeliverMessage(MSG& msg) {
  Form* form = Form::FromHandle(GetAncestor(msg.hwnd, GA_ROOT));
  if (form && form->PreTranslate(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

int RunMessageLoop() {
  MSG msg;
  BOOL got;
  while ((got = GetMessageW(&msg, nullptr, 0, 0)) > 0) DeliverMessage(msg);
  return got == 0 ? static_cast<int>(msg.wParam) : 0;
}

void RunModalLoop(HWND window) {
  MSG msg;
  while (IsWindow(window)) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    DeliverMessage(msg);
  }
}

}  // namespace Forms
