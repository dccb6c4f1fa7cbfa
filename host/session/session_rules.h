// Decisions of the saver session that need no platform.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "host/session/monitor_layout.h"

namespace Ondrel_B {

// What the session plays, decided once from the music settings: the music
// file's kind is its last three characters, upper-cased ("song.Mp3" is MP3);
// any other ending, an empty file, a path the media devices may not receive
// (a double quote or a control character in it) or another source plays nothing.
enum class MusicChoice { None, Cd, Mp3, Wav };
MusicChoice ChooseMusic(int16_t bgmKind, std::wstring_view bgmFile);

// How long a renderer that was started but whose window has never been seen
// is given to show it before the session counts it as ended.
inline constexpr uint32_t kRendererGraceMs = 10000;

// A renderer window that has answered messages once and then not for this
// long is hung, as Windows itself calls a window. Before its first answer
// the renderer is still starting (GL set-up, its pictures: at 7680 x 4320
// its window came up 0.5 s and answered 2 s after its start) and is given
// kRendererGraceMs from its start instead.
inline constexpr uint32_t kRendererHungMs = 5000;

// A renderer that fails this often within kFailureWindowMs is broken (a
// driver that fails every time): the session then ends instead of starting
// it again.
inline constexpr size_t kFailureBudget = 3;
inline constexpr uint32_t kFailureWindowMs = 60000;

// The exit code the host ends a hung renderer with: anything but 0, the
// renderer's own end.
inline constexpr uint32_t kRendererHungExitCode = 0xDEAD;

// What one check of the renderer found.
struct RendererSight {
  bool windowNow = false;         // its window is up
  bool windowSeenBefore = false;  // an earlier check saw it up
  bool processRunning = false;
  uint32_t exitCode = 0;          // once ended; 0 too when it could not be started
  uint32_t msSinceStart = 0;
  uint32_t msSinceWindowSeen = 0;  // since a check last saw its window
  bool answered = false;           // its window has answered a message
  uint32_t msSinceAnswer = 0;
};

enum class RendererAction { Keep, EndSession, Restart };

// What the session does at this check. Exit code 0 is the user's end
// (Escape, WM_CLOSE, a start that found nothing to draw on): the session
// ends. Any other end, or a window hung (above), is a failure:
// the renderer is started again, unless this failure spends the budget
// (failedAtMs: the times of the session's earlier failures, on the clock
// of nowMs). A window never seen is waited for kRendererGraceMs; a
// window gone whose process has not ended yet is given kRendererHungMs to
// end, then the session ends as the window's end has always ended it.
RendererAction JudgeRenderer(const RendererSight& sight, const std::vector<uint32_t>& failedAtMs, uint32_t nowMs);

// How long a renderer still running when the session closes is given to
// have read the snapshot, counted from its window's appearance: it reads the
// file once, right after it shows its window.
inline constexpr uint32_t kSnapshotReadMs = 2000;

// Milliseconds the closing session still waits before it deletes the
// snapshot; 0 to delete it now. A renderer window up now is given
// kSnapshotReadMs from when it was first seen; a renderer still starting
// without a window is waited for up to kSnapshotReadMs from the close (and,
// once its window appears, the time after that). A renderer that has ended,
// or never started, needs nothing.
uint32_t SnapshotWaitMs(bool windowNow, bool stillStarting, uint32_t msSinceWindowSeen, uint32_t msSinceClose);

// The monitors the curtain covers now, in the order of monitorsNow: those
// it covered already and still there, and those a renderer window lies over
// (the renderer has taken its own picture of them).
std::vector<MonitorRect> CurtainAreas(const std::vector<MonitorRect>& covered,
                                      const std::vector<MonitorRect>& monitorsNow,
                                      const std::vector<MonitorRect>& rendererViews);

// How often the session looks whether the renderer still takes its keys,
// and how long a renderer window that has answered before may stay silent
// before the curtain takes the keyboard: a live renderer answers within a
// frame.
inline constexpr uint32_t kKeyboardCheckMs = 250;
inline constexpr uint32_t kRendererSilentMs = 750;

// Whether the curtain takes the keyboard now: no renderer window is up (one
// crashed, or is starting again), or the window has stopped answering. A
// window up that has not answered yet is starting and takes it itself.
bool CurtainTakesKeyboard(bool windowNow, bool answered, uint32_t msSinceAnswer);

// How long after Escape goes down the renderer is given to end by itself
// before the host ends it: a live renderer ends within milliseconds.
inline constexpr uint32_t kEscapeGraceMs = 300;

}  // namespace Ondrel_B
