// Ondrel_S: the hidden session form titled "Ondrel_Main". It takes the
// desktop snapshot, starts the renderer and the music, keeps the music going
// and ends the host once the renderer has ended by the user's will. A
// renderer that crashed or hung is started again, within a budget. In a
// saver session its curtain covers the monitors beneath the renderer, and
// Escape heard by the host ends the session whatever the renderer does.
#include "host/session/session_form_win32.h"

#include <windows.h>

#include <algorithm>
#include <memory>

#include "desk/system/monitor_picture_win32.h"
#include "host/base/names.h"
#include "host/base/ondrel_b.h"
#include "host/base/paths.h"
#include "host/forms/form_win32.h"
#include "host/forms/picture_box_win32.h"
#include "host/music/ondrel_bgm.h"
#include "host/session/curtain_win32.h"
#include "host/session/renderer_process_win32.h"
#include "host/session/session_rules.h"
#include "host/session/snapshot_file_win32.h"

namespace Ondrel_B {
namespace {

// The timers' periods, in milliseconds.
constexpr UINT kMp3KeepAliveMs = 1000;
constexpr UINT kCdPollMs = 200;
constexpr UINT kRendererWatchMs = 500;

class Ondrel_S final : public Forms::Form {
 public:
  explicit Ondrel_S(const std::vector<MonitorRect>& further)
      : Form({kSessionTitle, WS_POPUP, WS_EX_TOOLWINDOW}), further_(further) {
    SetEndsApplication(true);
  }

 private:
  void OnLoad() override;
  bool OnQueryUnload() override;
  bool OnMessage(UINT message, WPARAM, LPARAM, LRESULT& result) override;
  void TakeSnapshot();
  void StartRenderer();
  void StartMusic();
  void WatchRenderer();
  void MindKeyboard();
  void EndByEscape();
  void RestartRenderer(DWORD now);
  HWND RendererWindow();
  void ReleaseSnapshot();

  // The snapshot's rows as the bitmap file stores them.
  Forms::PictureBox Master{Forms::DibRows::Bgr24BottomUp};
  Forms::Timer& Timer1 = AddTimer(kMp3KeepAliveMs, Ondrel_BGM::Mp3KeepAlive);  // MP3 kept going
  Forms::Timer& Timer2 = AddTimer(kCdPollMs, [this] {                          // audio CD kept on its track
    Ondrel_BGM::CdPoll(Shared().BgmRepeat);
    Timer2.SetEnabled(Shared().KeepPolling);
  });
  Forms::Timer& Timer3 = AddTimer(kRendererWatchMs, [this] {  // watches for the renderer's window
    WatchRenderer();
    if (curtain_) curtain_->Follow();
  });
  // Escape went down: the renderer's time to end by itself.
  Forms::Timer& escapeTimer_ = AddTimer(kEscapeGraceMs, [this] { EndByEscape(); });
  // Whether the renderer still takes its keys.
  Forms::Timer& keyboardTimer_ = AddTimer(kKeyboardCheckMs, [this] { MindKeyboard(); });

  std::unique_ptr<Curtain> curtain_;  // an S session's only

  const std::vector<MonitorRect> further_;  // the monitors beyond the primary
  MusicChoice music_ = MusicChoice::None;
  // The renderer's current run and what the checks saw of it.
  RendererProcess renderer_;
  bool rendererSeen_ = false;
  DWORD rendererStartedAt_ = 0;
  DWORD rendererSeenAt_ = 0;      // when its window was first seen
  DWORD rendererLastSeenAt_ = 0;  // when a check last saw it
  std::vector<uint32_t> failedAt_;  // the session's renderer failures, of the last minute
};

// Posted as the renderer's process ends: its exit code is judged at once,
// not at the next tick.
constexpr UINT kRendererEndedMessage = WM_APP + 1;

void Ondrel_S::OnLoad() {
  // Sized to the primary screen, never shown.
  MoveWindow(hWnd(), 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), FALSE);
  Timer3.SetEnabled(true);

  const RECT client = ClientRect();
  // NOTE: without its picture box TakeSnapshot finds no rows: it deletes the
  // old snapshot and writes none, and the renderer runs untextured.
  static_cast<void>(Master.Create(hWnd(), client.right, client.bottom));

  TakeSnapshot();
  // Black from here on, beneath the renderer: the desktop's pictures are
  // taken, and no failure of the renderer may show the desktop again.
  if (Shared().modeLetter == L'S') {
    // Escape, wherever the focus is: a renderer that hears it ends by itself
    // at once; one that has not ended by kEscapeGraceMs is ended.
    curtain_ = std::make_unique<Curtain>([this] {
      if (!escapeTimer_.Enabled()) escapeTimer_.SetEnabled(true);
    });
    std::vector<MonitorRect> desk{{0, 0, client.right, client.bottom}};
    desk.insert(desk.end(), further_.begin(), further_.end());
    curtain_->Cover(desk);
    keyboardTimer_.SetEnabled(true);
  }
  StartRenderer();
  StartMusic();
}

// Each monitor's picture as the desk's one rule has it: the screen as it
// looks now, or where that cannot be read, the user's wallpaper.
void Ondrel_S::TakeSnapshot() {
  // Each further monitor's picture, in the snapshot's layout, of its own size.
  std::vector<std::unique_ptr<Forms::Surface>> pictures;
  for (const MonitorRect& area : further_) {
    pictures.push_back(std::make_unique<Forms::Surface>(Forms::DibRows::Bgr24BottomUp));
    static_cast<void>(pictures.back()->Resize(area.width, area.height));  // NOTE: no rows: its file is deleted
  }
  Forms::Surface& primary = Master.Image();
  std::vector<MonitorRect> desk{{0, 0, primary.width(), primary.height()}};
  desk.insert(desk.end(), further_.begin(), further_.end());
  Desk::MonitorPictures rule(desk);
  rule.Draw(Master.dc(), primary.bits(), desk[0]);
  for (size_t i = 0; i < further_.size(); ++i) rule.Draw(pictures[i]->dc(), pictures[i]->bits(), further_[i]);
  // A snapshot that cannot be written must not leave an old desktop for the
  // renderer to show: it then runs untextured.
  if (!WriteSnapshotFile(Master.Image(), kSnapshotFile)) DeleteSnapshotFiles(kSnapshotFile);
  for (size_t n = 1; n <= kMaxFurtherMonitors; ++n) {
    const std::wstring file = Desk::MonitorSnapshotFile<wchar_t>(n);
    if (n > further_.size() || !WriteSnapshotFile(*pictures[n - 1], file)) DeleteSnapshotFiles(file);
  }
}

// At the session's start and after each failure alike: the snapshot files
// and the monitor list it reads stay as the session's start left them.
void Ondrel_S::StartRenderer() {
  renderer_.Start(RendererPath(), HostFolder(), hWnd(), kRendererEndedMessage);
  rendererSeen_ = false;
  rendererStartedAt_ = GetTickCount();
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
      Ondrel_BGM::PlayWav(s.BgmFile);
      break;
    case MusicChoice::Mp3:
      Ondrel_BGM::Mp3Open(s.BgmFile);
      Timer1.SetEnabled(true);
      break;
    case MusicChoice::None:
      break;
  }
}

bool Ondrel_S::OnMessage(UINT message, WPARAM, LPARAM, LRESULT& result) {
  if (message != kRendererEndedMessage) return false;
  if (Timer3.Enabled()) WatchRenderer();
  result = 0;
  return true;
}

// NOTE: where keys reach the system through the foreground's own process
// (Wine), a renderer that takes no messages swallows them, Escape too: the
// curtain then takes the keyboard.
void Ondrel_S::MindKeyboard() {
  HWND window = RendererWindow();
  if (window) renderer_.Ask(window);
  if (CurtainTakesKeyboard(window != nullptr, renderer_.Answered(), GetTickCount() - renderer_.AnsweredAt())) {
    curtain_->TakeKeyboard();
  }
}

// The session ends as Escape in the renderer ends it, whatever state the
// renderer is in: frozen, starting again, or without the keyboard.
void Ondrel_S::EndByEscape() {
  escapeTimer_.SetEnabled(false);
  Timer3.SetEnabled(false);
  renderer_.Terminate(0);
  Close();
}

// The renderer's window if it is up now; notes when it was seen.
HWND Ondrel_S::RendererWindow() {
  HWND window = FindWindowW(nullptr, kRendererTitle);
  if (window) {
    rendererLastSeenAt_ = GetTickCount();
    if (!rendererSeen_) rendererSeenAt_ = rendererLastSeenAt_;
    rendererSeen_ = true;
  }
  return window;
}

void Ondrel_S::WatchRenderer() {
  const bool seenBefore = rendererSeen_;
  HWND window = RendererWindow();
  if (window) renderer_.Ask(window);
  const DWORD now = GetTickCount();
  RendererSight sight;
  sight.windowNow = window != nullptr;
  sight.windowSeenBefore = seenBefore;
  sight.processRunning = renderer_.Running();
  sight.exitCode = renderer_.ExitCode();
  sight.msSinceStart = now - rendererStartedAt_;
  sight.msSinceWindowSeen = now - rendererLastSeenAt_;
  sight.answered = renderer_.Answered();
  sight.msSinceAnswer = now - renderer_.AnsweredAt();
  switch (JudgeRenderer(sight, failedAt_, now)) {
    case RendererAction::Keep:
      break;
    case RendererAction::Restart:
      RestartRenderer(now);
      break;
    case RendererAction::EndSession:
      Timer3.SetEnabled(false);
      Close();
      break;
  }
}

// A failed renderer: what is left of it (a hung one) is ended, and a new
// one covers the monitors again; the music, the timers and the cursor go on.
void Ondrel_S::RestartRenderer(DWORD now) {
  failedAt_.erase(std::remove_if(failedAt_.begin(), failedAt_.end(),
                                 [now](uint32_t at) { return now - at >= kFailureWindowMs; }),
                  failedAt_.end());
  failedAt_.push_back(now);
  renderer_.Terminate(kRendererHungExitCode);
  StartRenderer();
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
  if (Shared().modeLetter == L'S') ShowCursor(TRUE);
  ReleaseSnapshot();
  return true;
}

// The user's screen does not outlive the session. A renderer still running
// (the session closed from outside) first gets its time to have read it;
// the wait is bounded and serves no messages.
void Ondrel_S::ReleaseSnapshot() {
  const DWORD closedAt = GetTickCount();
  for (;;) {
    // A renderer that has ended, by itself or by the host, reads nothing more.
    const bool windowNow = RendererWindow() != nullptr && renderer_.Running();
    const bool stillStarting = !windowNow && !rendererSeen_ && renderer_.Running();
    const DWORD now = GetTickCount();
    const uint32_t wait = SnapshotWaitMs(windowNow, stillStarting, now - rendererSeenAt_, now - closedAt);
    if (wait == 0) break;
    Sleep(wait < 50 ? wait : 50);
  }
  DeleteSnapshotFiles(kSnapshotFile);
  // Pictures beyond this session's monitors went at its start.
  for (size_t n = 1; n <= further_.size(); ++n) DeleteSnapshotFiles(Desk::MonitorSnapshotFile<wchar_t>(n));
}

}  // namespace

bool LoadSessionForm(const std::vector<MonitorRect>& further) {
  static Ondrel_S form(further);
  return form.Load();
}

}  // namespace Ondrel_B
