// Ondrel_S: the hidden session form titled "Ondrel_Main". It takes the
// desktop snapshot, starts the renderer and the music, keeps the music going
// and ends the host once the renderer's window is gone.
#include "host/session/session_form_win32.h"

#include <windows.h>

#include <memory>

#include "desk/system/monitor_picture_win32.h"
#include "host/base/names.h"
#include "host/base/ondrel_b.h"
#include "host/base/paths.h"
#include "host/forms/form_win32.h"
#include "host/forms/picture_box_win32.h"
#include "host/music/ondrel_bgm.h"
#include "host/session/session_rules.h"
#include "host/session/snapshot_file_win32.h"

namespace Ondrel_B {
namespace {

class Ondrel_S final : public Forms::Form {
 public:
  explicit Ondrel_S(const std::vector<MonitorRect>& further)
      : Form({kSessionTitle, WS_POPUP, WS_EX_TOOLWINDOW}), further_(further) {
    SetEndsApplication(true);
  }

 private:
  void OnLoad() override;
  bool OnQueryUnload() override;
  void TakeSnapshot();
  void StartRenderer();
  void StartMusic();
  void WatchRenderer();
  bool RendererWindowUp();
  bool RendererStillStarting() const;
  void ReleaseSnapshot();

  // The snapshot's rows as the bitmap file stores them.
  Forms::PictureBox Master{Forms::SurfaceFormat{24, true}};
  Forms::Timer& Timer1 = AddTimer(1000, Ondrel_BGM::Mp3KeepAlive);  // MP3 kept going
  Forms::Timer& Timer2 = AddTimer(200, [this] {                     // audio CD kept on its track
    Ondrel_BGM::CdPoll();
    Timer2.SetEnabled(Shared().KeepPolling);
  });
  Forms::Timer& Timer3 = AddTimer(500, [this] { WatchRenderer(); });  // watches for the renderer's window

  const std::vector<MonitorRect> further_;  // the monitors beyond the primary
  std::wstring rendererPath_;
  MusicChoice music_ = MusicChoice::None;
  // Held only until the renderer's window is first seen, to tell a renderer
  // still starting from one that ended before any check saw its window.
  HANDLE rendererProcess_ = nullptr;
  bool rendererSeen_ = false;
  DWORD rendererStartedAt_ = 0;
  DWORD rendererSeenAt_ = 0;  // when its window was first seen
};

void Ondrel_S::OnLoad() {
  // Sized to the primary screen, never shown.
  MoveWindow(hwnd(), 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), FALSE);
  Timer3.SetEnabled(true);

  const RECT client = ClientRect();
  Master.Create(hwnd(), client.right, client.bottom);

  TakeSnapshot();
  StartRenderer();
  StartMusic();
}

// Each monitor's picture as the desk's one rule has it: the screen as it
// looks now, or where that cannot be read, the user's wallpaper.
void Ondrel_S::TakeSnapshot() {
  // Each further monitor's picture, in the snapshot's layout, of its own size.
  std::vector<std::unique_ptr<Forms::Surface>> pictures;
  for (const MonitorRect& area : further_) {
    pictures.push_back(std::make_unique<Forms::Surface>(Forms::SurfaceFormat{24, true}));
    pictures.back()->Resize(area.width, area.height);
  }
  Forms::Surface& primary = Master.Image();
  std::vector<MonitorRect> desk{{0, 0, primary.width(), primary.height()}};
  desk.insert(desk.end(), further_.begin(), further_.end());
  Desk::MonitorPictures rule(desk);
  rule.Draw(Master.Dc(), primary.bits(), desk[0]);
  for (size_t i = 0; i < further_.size(); ++i) rule.Draw(pictures[i]->dc(), pictures[i]->bits(), further_[i]);
  // A snapshot that cannot be written must not leave an old desktop for the
  // renderer to show: it then runs untextured.
  if (!WriteSnapshotFile(Master.Image(), kSnapshotFile)) DeleteSnapshotFiles(kSnapshotFile);
  for (size_t n = 1; n <= kMaxFurtherMonitors; ++n) {
    const std::wstring file = MonitorSnapshotFile(n);
    if (n > further_.size() || !WriteSnapshotFile(*pictures[n - 1], file)) DeleteSnapshotFiles(file);
  }
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
  // Started suspended: the right to take the foreground is handed on before
  // the renderer can ask for it, so that Escape and every key reach it and
  // not the program the user last worked in.
  if (CreateProcessW(rendererPath_.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                     HostFolder().c_str(), &si, &pi)) {
    AllowSetForegroundWindow(pi.dwProcessId);
    ResumeThread(pi.hThread);
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
  music_ = ChooseMusic(s.BgmKind, s.BgmFile);
  switch (music_) {
    case MusicChoice::Cd:
      Ondrel_BGM::CdOpen();
      Timer2.SetEnabled(true);
      break;
    case MusicChoice::Wav:
      Ondrel_BGM::PlayWav();
      break;
    case MusicChoice::Mp3:
      Ondrel_BGM::Mp3Open();
      Timer1.SetEnabled(true);
      break;
    case MusicChoice::None:
      break;
  }
}

// Whether the renderer's window is up now; notes when it was first seen.
bool Ondrel_S::RendererWindowUp() {
  const bool windowNow = FindWindowW(nullptr, kRendererTitle) != nullptr;
  if (windowNow && !rendererSeen_) {
    rendererSeen_ = true;
    rendererSeenAt_ = GetTickCount();
    if (rendererProcess_) CloseHandle(rendererProcess_);  // from now on the window alone tells
    rendererProcess_ = nullptr;
  }
  return windowNow;
}

void Ondrel_S::WatchRenderer() {
  const bool seenBefore = rendererSeen_;
  const bool stillStarting = RendererStillStarting();
  const bool windowNow = RendererWindowUp();
  const bool ended = RendererHasEnded(windowNow, seenBefore, stillStarting, GetTickCount() - rendererStartedAt_);
  if (ended) {
    Timer3.SetEnabled(false);
    Close();
  }
}

// Whatever closes the form: the music stops, the cursor comes back, and the
// host ends with the form. The close is never refused.
bool Ondrel_S::OnQueryUnload() {
  if (Timer2.Enabled()) {
    Timer2.SetEnabled(false);
    Ondrel_BGM::CdStop();
  }
  if (music_ == MusicChoice::Wav) Ondrel_BGM::StopWav();
  if (music_ == MusicChoice::Mp3) {
    Timer1.SetEnabled(false);
    Ondrel_BGM::Mp3Stop();
  }
  if (Shared().ModeLetter == L'S') ShowCursor(TRUE);
  ReleaseSnapshot();
  if (rendererProcess_) CloseHandle(rendererProcess_);
  rendererProcess_ = nullptr;
  return true;
}

// The user's screen does not outlive the session. A renderer still running
// (the session closed from outside) first gets its time to have read it;
// the wait is bounded and serves no messages.
void Ondrel_S::ReleaseSnapshot() {
  const DWORD closedAt = GetTickCount();
  for (;;) {
    const bool windowNow = RendererWindowUp();
    const DWORD now = GetTickCount();
    const uint32_t wait = SnapshotWaitMs(windowNow, !windowNow && RendererStillStarting(), now - rendererSeenAt_,
                                         now - closedAt);
    if (wait == 0) break;
    Sleep(wait < 50 ? wait : 50);
  }
  DeleteSnapshotFiles(kSnapshotFile);
  // Pictures beyond this session's monitors went at its start.
  for (size_t n = 1; n <= further_.size(); ++n) DeleteSnapshotFiles(MonitorSnapshotFile(n));
}

}  // namespace

bool LoadSessionForm(const std::vector<MonitorRect>& further) {
  static Ondrel_S form(further);
  return form.Load();
}

}  // namespace Ondrel_B
