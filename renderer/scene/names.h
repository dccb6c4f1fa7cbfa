// The names Velnora.dll shares with the host, as its bytes.
#pragma once

#include "desk/layout/work_files.h"

inline constexpr const char* kSettingsFile = Desk::kSettingsFile.bytes;
inline constexpr const char* kSnapshotPath = Desk::kSnapshotFile.bytes;

inline constexpr const char* kScreenSection = Desk::kScreenSection.bytes;
inline constexpr const char* kWidthKey = Desk::kWidthKey.bytes;
inline constexpr const char* kHeightKey = Desk::kHeightKey.bytes;
inline constexpr const char* kMonitorsSection = Desk::kMonitorsSection.bytes;

// The window's class and title, and the further monitors' class.
inline constexpr const char* kWindowName = Desk::kRendererTitle.bytes;
inline constexpr const char* kMonitorWindowName = Desk::kRendererMonitorClass.bytes;
