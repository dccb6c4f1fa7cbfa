// The names Velnora.dll shares with the host: the work directory's two
// files, the settings keys it reads and its window's title. ASCII bytes.
#pragma once

inline constexpr const char* kSettingsFile = "C:\\q_dorn_temp\\Velnora.ini";
inline constexpr const char* kSnapshotPath = "C:\\q_dorn_temp\\Ondrel.alo";

inline constexpr const char* kScreenSection = "Settings";
inline constexpr const char* kWidthKey = "Width";
inline constexpr const char* kHeightKey = "Height";

// The window's class and title; the host looks for it by title.
inline constexpr const char* kWindowName = "Ondrel_VC";
