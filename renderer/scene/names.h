// The names Velnora.dll shares with the host: the work directory's two
// files, the settings keys it reads and its window's title. ASCII bytes.
#pragma once

inline constexpr const char* kSettingsFile = "C:\\q_dorn_temp\\Velnora.ini";
inline constexpr const char* kSnapshotPath = "C:\\q_dorn_temp\\Ondrel.alo";

inline constexpr const char* kScreenSection = "Settings";
inline constexpr const char* kWidthKey = "Width";
inline constexpr const char* kHeightKey = "Height";

// Monitors beyond the primary, "Monitor1" to "Monitor15", and where their
// pictures lie ("C:\q_dorn_temp\Ondrel1.alo"...).
inline constexpr const char* kMonitorsSection = "Monitors";
inline constexpr const char* kMonitorKeyPrefix = "Monitor";
inline constexpr const char* kMonitorSnapshotPrefix = "C:\\q_dorn_temp\\Ondrel";

// The window's class and title; the host looks for it by title.
inline constexpr const char* kWindowName = "Ondrel_VC";
// The further monitors' windows: this class, titled "Ondrel_VC_Monitor<n>",
// so that the host's search by title finds the primary's window alone.
inline constexpr const char* kMonitorWindowName = "Ondrel_VC_Monitor";
