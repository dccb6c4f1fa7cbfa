// What the two programs meet in: the work folder and its files, the
// settings keys both use, the monitor list the host writes for the renderer,
// and the renderer's window title. ASCII, so that each program spells them
// in its own text: the host in UTF-16, the renderer in bytes.
// Portable: no <windows.h>.
#pragma once

#include <cstddef>
#include <string>

namespace Desk {

// One ASCII name in both spellings.
template <size_t N>
struct Name {
  char bytes[N];
  wchar_t wide[N];
  constexpr Name(const char (&ascii)[N]) : bytes{}, wide{} {  // NOLINT: a literal converts
    for (size_t i = 0; i < N; ++i) {
      bytes[i] = ascii[i];
      wide[i] = static_cast<wchar_t>(ascii[i]);
    }
  }
};

#define DESK_WORK_DIR "C:\\q_dorn_temp"
inline constexpr Name kWorkDir{DESK_WORK_DIR};
inline constexpr Name kSettingsFile{DESK_WORK_DIR "\\Velnora.ini"};
inline constexpr Name kSnapshotFile{DESK_WORK_DIR "\\Ondrel.alo"};

// The screen size, section "Settings", for the renderer's window.
inline constexpr Name kScreenSection{"Settings"};
inline constexpr Name kWidthKey{"Width"};
inline constexpr Name kHeightKey{"Height"};

// The renderer's window: its class and title; the host looks for it by title.
inline constexpr Name kRendererTitle{"Ondrel_VC"};
// The further monitors' windows: this class, titled "Ondrel_VC_Monitor<n>",
// so that a search by title finds the primary's window alone.
inline constexpr Name kRendererMonitorClass{"Ondrel_VC_Monitor"};

// Monitors beyond the primary, section "Monitors", at most this many; absent
// on a desk of one monitor.
inline constexpr size_t kMaxFurtherMonitors = 15;
inline constexpr Name kMonitorsSection{"Monitors"};

// Further monitor n (from 1): its key "Monitor<n>", whose value is
// "left,top,width,height", and its picture "C:\q_dorn_temp\Ondrel<n>.alo".
template <typename Char>
std::basic_string<Char> MonitorKey(size_t n) {
  const std::string key = "Monitor" + std::to_string(n);
  return {key.begin(), key.end()};
}
template <typename Char>
std::basic_string<Char> MonitorSnapshotFile(size_t n) {
  const std::string file = DESK_WORK_DIR "\\Ondrel" + std::to_string(n) + ".alo";
  return {file.begin(), file.end()};
}
#undef DESK_WORK_DIR

}  // namespace Desk
