// The names Velnora.scr shares with the renderer and with Windows: the work
// directory and its files, the settings file's sections and keys, and the
// window titles each program looks for. Portable: no <windows.h>.
#pragma once

#include "desk/layout/work_files.h"
#include "velnora_version.h"  // VELNORA_HOME_PAGE

namespace Ondrel_B {

// Work directory and the two files shared with the renderer.
inline constexpr const wchar_t* kWorkDir = Desk::kWorkDir.wide;
inline constexpr const wchar_t* kSettingsFile = Desk::kSettingsFile.wide;
inline constexpr const wchar_t* kSnapshotFile = Desk::kSnapshotFile.wide;
inline constexpr const wchar_t* kRendererFileName = L"Velnora.dll";

// Window titles used as markers between processes.
inline constexpr const wchar_t* kSessionTitle = L"Ondrel_Main";
inline constexpr const wchar_t* kDialogTitle = L"■Velnora■";
inline constexpr const wchar_t* kRendererTitle = Desk::kRendererTitle.wide;
// The renderer's window classes: the primary's view and the further monitors'.
inline constexpr const wchar_t* kRendererClass = Desk::kRendererTitle.wide;
inline constexpr const wchar_t* kRendererMonitorClass = Desk::kRendererMonitorClass.wide;
// The session's black panels beneath the renderer's windows.
inline constexpr const wchar_t* kCurtainTitle = L"Ondrel_Curtain";

// The maker's web page, opened by the settings dialog's banners; the
// installer's Programs and Features entry names the same page (CMake's
// HOMEPAGE_URL, the one place it is written).
inline constexpr const wchar_t* kMakerPage = L"" VELNORA_HOME_PAGE;

// Settings file sections and keys. The music keys are stored as their code
// page 932 bytes (half-width katakana, full-width kanji).
inline constexpr const wchar_t* kScreenSection = Desk::kScreenSection.wide;
inline constexpr const wchar_t* kWidthKey = Desk::kWidthKey.wide;
inline constexpr const wchar_t* kHeightKey = Desk::kHeightKey.wide;
inline constexpr const wchar_t* kMonitorsSection = Desk::kMonitorsSection.wide;

inline constexpr const wchar_t* kMusicSection = L"Section";
inline constexpr const wchar_t* kBgmKindKey = L"BGM区分";      // 42 47 4D 8B E6 95 AA
inline constexpr const wchar_t* kBgmRepeatKey = L"BGMﾘﾋﾟｰﾄ";  // 42 47 4D D8 CB DF B0 C4
inline constexpr const wchar_t* kBgmFileKey = L"BGMﾌｧｲﾙ";     // 42 47 4D CC A7 B2 D9

}  // namespace Ondrel_B
