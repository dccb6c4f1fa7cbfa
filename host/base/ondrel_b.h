// Ondrel_B: the host's shared state, one instance per process.
// Portable: no <windows.h>.
#pragma once

#include <cstdint>
#include <string>

namespace Ondrel_B {

// Music source as stored under "BGM区分".
enum BgmSource : int16_t { kBgmNone = 0, kBgmCd = 1, kBgmFile = 2 };
inline constexpr int16_t kBgmSourceCount = 3;

struct SharedState {
  int16_t BgmKind = kBgmNone;    // a BgmSource
  int16_t BgmRepeat = 0;         // CD track played over and over; 0 = whole disc
  std::wstring BgmFile;          // full path; empty when none or missing
  std::wstring BgmFolder;        // where the settings dialog's file chooser opens
  bool KeepPolling = false;      // CD still to be watched (written by CdPoll)
  int32_t SavedCursorCount = 0;  // ShowCursor's result when the session hid the cursor
  wchar_t modeLetter = 0;        // upper-cased mode letter of the command line; 0 = none
};

// The one shared state of this process.
SharedState& Shared();

}  // namespace Ondrel_B
