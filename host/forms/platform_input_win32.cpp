#include "host/forms/platform_input_win32.h"

#include <windows.h>

#include <cwchar>
#include <vector>

#include "host/forms/message_loop_win32.h"

namespace Forms {

namespace {

INPUT Key(WORD vk, bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return in;
}

}  // namespace

void SendKeys(const wchar_t* keys) {
  const bool shift = std::wcscmp(keys, L"+{TAB}") == 0;
  if (!shift && std::wcscmp(keys, L"{TAB}") != 0) return;
  std::vector<INPUT> inputs;
  if (shift) inputs.push_back(Key(VK_SHIFT, false));
  inputs.push_back(Key(VK_TAB, false));
  inputs.push_back(Key(VK_TAB, true));
  if (shift) inputs.push_back(Key(VK_SHIFT, true));
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void DoEvents() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    DeliverMessage(msg);
  }
}

}  // namespace Forms
