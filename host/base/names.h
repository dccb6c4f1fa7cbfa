// The names Velnora.scr shares with the renderer and with Windows: the work
// directory and its files, the settings file's sections and keys, and the
// window titles each program looks for. Portable: no <windows.h>.
#pragma once

#include "velnora_version.h"  // VELNORA_HOME_PAGE

namespace Ondrel_B {

// Work directory and the two files shared with the renderer.
inline constexpr const wchar_t* kWorkDir = L"C:\\q_dorn_temp";
inline constexpr const wchar_t* kSettingsFile = L"C:\\q_dorn_temp\\Velnora.ini";
inline constexpr const wchar_t* kSnapshotFile = L"C:\\q_dorn_temp\\Ondrel.alo";
inline constexpr const wchar_t* kRendererFileName = L"Velnora.dll";

// Window titles used as markers between processes.
inline constexpr const wchar_t* kSessionTitle = L"Ondrel_Main";
inline constexpr const wchar_t* kDialogTitle = L"■Velnora■";
inline constexpr const wchar_t* kRendererTitle = L"Ondrel_VC";
// The renderer's window classes: the primary's view and the further monitors'.
inline constexpr const wchar_t* kRendererClass = L"Ondrel_VC";
inline constexpr const wchar_t* kRendererMonitorClass = L"Ondrel_VC_Monitor";
// The session's black panels beneath the renderer's windows.
inline constexpr const wchar_t* kCurtainTitle = L"Ondrel_Curtain";

// The maker's web page, opened by the settings dialog's banners; the
// installer's Programs and Features entry names the same page (CMake's
// HOMEPAGE_URL, the one place it is written).
inline constexpr const wchar_t* kMakerPage = L"" VELNORA_HOME_PAGE;

// Settings file sections and keys. The music keys are stored as their code
// page 932 bytes (half-width katakana, full-width kanji).
inline constexpr const wchar_t* kScreenSection = L"Settings";
inline constexpr const wchar_t* kWidthKey = L"Width";
inline constexpr const wchar_t* kHeightKey = L"Height";

// Monitors beyond the primary, written beside "Settings" for the renderer
// (keys "Monitor1", "Monitor2"...); absent on a desk of one monitor.
inline constexpr const wchar_t* kMonitorsSection = L"Monitors";
inline constexpr const wchar_t* kMonitorKeyPrefix = L"Monitor";

inline constexpr const wchar_t* kMusicSection = L"Section";
inline constexpr const wchar_t* kBgmKindKey = L"BGM区分";      // 42 47 4D 8B E6 95 AA
inline constexpr const wchar_t* kBgmRepeatKey = L"BGMﾘﾋﾟｰﾄ";  // 42 47 4D D8 CB DF B0 C4
inline constexpr const wchar_t* kBgmFileKey = L"BGMﾌｧｲﾙ";     // 42 47 4D CC A7 B2 D9

}  // namespace Ondrel_B
