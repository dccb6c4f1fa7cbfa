// Ondrel_S: the hidden session form titled "Ondrel_Main". It takes the
// desktop snapshot, starts the renderer and the music, keeps the music going
// and ends the host once the renderer's window is gone.
#include <windows.h>

#include "host/forms/picture_box_win32.h"
#include "host/forms/timer_win32.h"
#include "host/handover.h"
#include "host/music/ondrel_bgm.h"
#include "host/ondrel_b.h"
#include "host/paths.h"
#include "host/session_rules.h"
#include "host/startup.h"

namespace Ondrel_B {
namespace {

constexpr const wchar_t* kFormClass = L"VelnoraSessionForm";

class Ondrel_S {
 public:
  void Load();

 private:
  static LRESULT CALLBACK Proc(HWND w, UINT msg, WPARAM wp, LPARAM lp);
  void OnTimer(UINT_PTR id);
  [[noreturn]] void QueryUnload();
  void TakeSnapshot();
  void StartRenderer();
  void StartMusic();
  bool RendererStillStarting() const;

  HWND form_ = nullptr;
  PictureBox Master;
  Timer Timer1{1, 1000};  // MP3 kept going
  Timer Timer2{2, 200};   // audio CD kept on its track
  Timer Timer3{3, 500};   // watches for the renderer's window

  std::wstring rendererPath_;
  // Held only until the renderer's window is first seen, to tell a renderer
  // still starting from one that ended before any check saw its window.
  HANDLE rendererProcess_ = nullptr;
  bool rendererSeen_ = false;
  DWORD rendererStartedAt_ = 0;
};

Ondrel_S& Form() {
  static Ondrel_S form;
  return form;
}

LRESULT CALLBACK Ondrel_S::Proc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_TIMER:
      Form().OnTimer(wp);
      return 0;
    case WM_CLOSE:
      Form().QueryUnload();  // ends the process; the close is never refused
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      if (wp) Form().QueryUnload();
      return 0;
    default:
      return DefWindowProcW(w, msg, wp, lp);
  }
}

void Ondrel_S::Load() {
  WNDCLASSW wc{};
  wc.lpfnWndProc = Proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = kFormClass;
  RegisterClassW(&wc);

  // Sized to the primary screen, never shown.
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  form_ = CreateWindowExW(WS_EX_TOOLWINDOW, kFormClass, kSessionTitle, WS_POPUP, 0, 0, width, height,
                          nullptr, nullptr, wc.hInstance, nullptr);
  if (!form_) EndProcess();  // no form, no session: nothing would ever end it
  Timer1.Attach(form_);
  Timer2.Attach(form_);
  Timer3.Attach(form_);
  Timer3.SetEnabled(true);

  RECT client{};
  GetClientRect(form_, &client);
  Master.Create(form_, client.right, client.bottom);

  TakeSnapshot();
  StartRenderer();
  StartMusic();
}

void Ondrel_S::TakeSnapshot() {
  if (HDC screen = GetDC(GetDesktopWindow())) {
    if (Master.Dc()) BitBlt(Master.Dc(), 0, 0, Master.Width(), Master.Height(), screen, 0, 0, SRCCOPY);
    ReleaseDC(GetDesktopWindow(), screen);
  }
  // A snapshot that cannot be written must not leave an old desktop for the
  // renderer to show: it then runs untextured.
  if (!Master.SaveBitmap(kSnapshotFile)) DeleteFileW(kSnapshotFile);
}

void Ondrel_S::StartRenderer() {
  rendererPath_ = RendererPath();
  // The full path, quoted, as the program to run: no other program of that
  // name can be found instead.
  std::wstring commandLine = L"\"" + rendererPath_ + L"\"";
  STARTUPINFOW si{};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESHOWWINDOW;
  si.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION pi{};
  if (CreateProcessW(rendererPath_.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                     HostFolder().c_str(), &si, &pi)) {
    CloseHandle(pi.hThread);
    rendererProcess_ = pi.hProcess;
  }
  rendererStartedAt_ = GetTickCount();
}

bool Ondrel_S::RendererStillStarting() const {
  return rendererProcess_ && WaitForSingleObject(rendererProcess_, 0) == WAIT_TIMEOUT;
}

void Ondrel_S::StartMusic() {
  const SharedState& s = Shared();
  if (s.BgmKind == kBgmCd) {
    Ondrel_BGM::CdOpen();
    Timer2.SetEnabled(true);
  } else if (s.BgmKind == kBgmFile) {
    const std::wstring ending = MusicEnding(s.BgmFile);
    if (ending == L"WAV") Ondrel_BGM::PlayWav();
    if (ending == L"MP3") {
      Ondrel_BGM::Mp3Open();
      Timer1.SetEnabled(true);
    }
  }
}

void Ondrel_S::OnTimer(UINT_PTR id) {
  if (id == Timer1.Id() && Timer1.Enabled()) {
    Ondrel_BGM::Mp3KeepAlive();
  } else if (id == Timer2.Id() && Timer2.Enabled()) {
    Ondrel_BGM::CdPoll();
    Timer2.SetEnabled(Shared().KeepPolling);
  } else if (id == Timer3.Id() && Timer3.Enabled()) {
    const bool windowNow = FindWindowW(nullptr, kRendererTitle) != nullptr;
    const bool ended =
        RendererHasEnded(windowNow, rendererSeen_, RendererStillStarting(), GetTickCount() - rendererStartedAt_);
    if (windowNow && !rendererSeen_) {
      rendererSeen_ = true;
      if (rendererProcess_) CloseHandle(rendererProcess_);  // from now on the window alone tells
      rendererProcess_ = nullptr;
    }
    if (ended) {
      Timer3.SetEnabled(false);
      QueryUnload();
    }
  }
}

void Ondrel_S::QueryUnload() {
  if (Timer2.Enabled()) {
    Timer2.SetEnabled(false);
    Ondrel_BGM::CdStop();
  }
  const SharedState& s = Shared();
  if (s.BgmKind == kBgmFile) {
    const std::wstring ending = MusicEnding(s.BgmFile);
    if (ending == L"WAV") Ondrel_BGM::StopWav();
    if (ending == L"MP3") {
      Timer1.SetEnabled(false);
      Ondrel_BGM::Mp3Stop();
    }
  }
  if (s.ModeLetter == L'S') ShowCursor(TRUE);
  EndProcess();
}

}  // namespace

void LoadSessionForm() { Form().Load(); }

}  // namespace Ondrel_B
