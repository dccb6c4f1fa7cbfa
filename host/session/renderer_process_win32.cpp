#include "host/session/renderer_process_win32.h"

namespace Ondrel_B {

void RendererProcess::Start(const std::wstring& path, const std::wstring& folder, HWND notify, UINT endedMessage) {
  Release();
  notify_ = notify;
  endedMessage_ = endedMessage;
  // The full path, quoted, as the program to run: no other program of that
  // name can be found instead.
  std::wstring commandLine = L"\"" + path + L"\"";
  STARTUPINFOW si{};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESHOWWINDOW;
  si.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION pi{};
  // A crash ends the renderer at once instead of holding its frozen last
  // frame up while Windows reports it: the child inherits this error mode.
  const UINT errorMode = GetErrorMode();
  SetErrorMode(errorMode | SEM_NOGPFAULTERRORBOX);
  // Started suspended: the right to take the foreground is handed on before
  // the renderer can ask for it, so that Escape and every key reach it and
  // not the program the user last worked in.
  const bool started = CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                                      nullptr, folder.c_str(), &si, &pi);
  SetErrorMode(errorMode);
  if (started) {
    AllowSetForegroundWindow(pi.dwProcessId);
    ResumeThread(pi.hThread);
    CloseHandle(pi.hThread);
    process_ = pi.hProcess;
    // Its end is told at once: the sooner a crashed renderer is started
    // again, the shorter the screen lies open.
    RegisterWaitForSingleObject(&endWait_, process_, OnEnded, this, INFINITE, WT_EXECUTEONLYONCE);
  }
}

void CALLBACK RendererProcess::OnEnded(void* self, BOOLEAN) {
  const auto* run = static_cast<RendererProcess*>(self);
  PostMessageW(run->notify_, run->endedMessage_, 0, 0);
}

void RendererProcess::Release() {
  // Waits for a notice already on its way, which reads this object.
  if (endWait_) UnregisterWaitEx(endWait_, INVALID_HANDLE_VALUE);
  endWait_ = nullptr;
  if (process_) CloseHandle(process_);
  process_ = nullptr;
  asked_ = nullptr;  // an answer still on its way belongs to the last run
  answered_ = false;
}

bool RendererProcess::Running() const { return !WaitEnded(0); }

bool RendererProcess::WaitEnded(DWORD ms) const {
  return !process_ || WaitForSingleObject(process_, ms) != WAIT_TIMEOUT;
}

uint32_t RendererProcess::ExitCode() const {
  DWORD code = 0;
  if (process_ && !GetExitCodeProcess(process_, &code)) code = 0;
  return code;
}

void RendererProcess::Terminate(uint32_t exitCode) {
  if (!process_) return;
  TerminateProcess(process_, exitCode);
  WaitEnded(1000);
}

void RendererProcess::Ask(HWND window) {
  if (asked_ == window) return;
  // WM_NULL does nothing but come back: the answer says the window's thread
  // is taking its messages again.
  if (SendMessageCallbackW(window, WM_NULL, 0, 0, OnAnswer, reinterpret_cast<ULONG_PTR>(this))) asked_ = window;
}

void CALLBACK RendererProcess::OnAnswer(HWND window, UINT, ULONG_PTR self, LRESULT) {
  auto* run = reinterpret_cast<RendererProcess*>(self);
  if (window != run->asked_) return;  // a question to a window of an earlier run
  run->asked_ = nullptr;
  run->answered_ = true;
  run->answeredAt_ = GetTickCount();
}

}  // namespace Ondrel_B
