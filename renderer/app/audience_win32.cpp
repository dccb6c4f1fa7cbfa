#include "renderer/app/audience_win32.h"

#include <wtsapi32.h>

#include <cstring>

namespace {

// GUID_CONSOLE_DISPLAY_STATE, spelled out: the header's is only declared.
constexpr GUID kConsoleDisplayState = {0x6fe69556, 0x704a, 0x47a0, {0x8f, 0x24, 0xc2, 0x8d, 0x93, 0x6f, 0xda, 0x47}};

}  // namespace

void Audience::Listen(HWND window) {
  window_ = window;
  // The system answers at once with the state of the moment.
  power_ = RegisterPowerSettingNotification(window, &kConsoleDisplayState, DEVICE_NOTIFY_WINDOW_HANDLE);
  session_ = WTSRegisterSessionNotification(window, NOTIFY_FOR_THIS_SESSION) != FALSE;
}

void Audience::Stop() {
  if (power_) UnregisterPowerSettingNotification(power_);
  if (session_) WTSUnRegisterSessionNotification(window_);
  power_ = nullptr;
  session_ = false;
}

void Audience::OnPower(WPARAM event, LPARAM setting) {
  if (event != PBT_POWERSETTINGCHANGE || setting == 0) return;
  const auto* s = reinterpret_cast<const POWERBROADCAST_SETTING*>(setting);
  DWORD state = 0;
  if (!IsEqualGUID(s->PowerSetting, kConsoleDisplayState) || s->DataLength != sizeof state) return;
  std::memcpy(&state, s->Data, sizeof state);
  displaysOff_ = state == 0;  // 1 on, 2 dimmed: still seen
}

void Audience::OnSession(WPARAM event) {
  switch (event) {
    case WTS_SESSION_LOCK: locked_ = true; break;
    case WTS_SESSION_UNLOCK: locked_ = false; break;
    case WTS_CONSOLE_DISCONNECT:
    case WTS_REMOTE_DISCONNECT: disconnected_ = true; break;
    case WTS_CONSOLE_CONNECT:
    case WTS_REMOTE_CONNECT: disconnected_ = false; break;
    default: break;
  }
}
