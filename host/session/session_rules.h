// Decisions of the saver session that need no platform.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

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

// Whether the session should end at this check of the renderer's window.
// A window once seen and now gone ends it at once. One never seen ends it
// once the renderer's process is no longer running (it could not be started,
// or ended before a check saw its window), or after the grace time.
bool RendererHasEnded(bool windowNow, bool windowSeenBefore, bool processRunning, uint32_t msSinceStart);

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

}  // namespace Ondrel_B
