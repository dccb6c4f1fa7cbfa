// Decisions of the saver session that need no platform.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace Ondrel_B {

// The music file's kind is its last three characters, upper-cased ("song.Mp3" -> "MP3").
std::wstring MusicEnding(std::wstring_view file);

// How long a renderer that was started but whose window has never been seen
// is given to show it before the session counts it as ended.
inline constexpr uint32_t kRendererGraceMs = 10000;

// Whether the session should end at this check of the renderer's window.
// A window once seen and now gone ends it at once; one never seen ends it
// only after the grace time, or at once when the renderer could not be started.
bool RendererHasEnded(bool windowNow, bool windowSeenBefore, bool started, uint32_t msSinceStart);

}  // namespace Ondrel_B
