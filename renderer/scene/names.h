// The names Velnora.dll shares with the host, as its bytes.
#pragma once

#include "desk/layout/work_files.h"

inline constexpr const char* kSettingsFile = Desk::kSettingsFile.bytes;
inline constexpr const char* kSnapshotPath = Desk::kSnapshotFile.bytes;

inline constexpr const char* kScreenSection = Desk::kScreenSection.bytes;
inline constexpr const char* kWidthKey = Desk::kWidthKey.bytes;
inline constexpr const char* kHeightKey = Desk::kHeightKey.bytes;
inline constexpr const char* kMonitorsSection = Desk::kMonitorsSection.bytes;

// The window's class and title.
inline constexpr const char* kWindowName = Desk::kRendererTitle.bytes;
// The further monitors' windows: this class, titled "Ondrel_VC_Monitor<n>",
// so that the host's search by title finds the primary's window alone.
inline constexpr const char* kMonitorWindowName = "Ondrel_VC_Monitor";
