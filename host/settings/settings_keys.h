// Sections and keys of the settings file. The music keys are stored as
// their code page 932 bytes (half-width katakana, full-width kanji).
#pragma once

namespace Ondrel_B {

inline constexpr const wchar_t* kScreenSection = L"Settings";
inline constexpr const wchar_t* kWidthKey = L"Width";
inline constexpr const wchar_t* kHeightKey = L"Height";

inline constexpr const wchar_t* kMusicSection = L"Section";
inline constexpr const wchar_t* kBgmKindKey = L"BGM区分";      // 42 47 4D 8B E6 95 AA
inline constexpr const wchar_t* kBgmRepeatKey = L"BGMﾘﾋﾟｰﾄ";  // 42 47 4D D8 CB DF B0 C4
inline constexpr const wchar_t* kBgmFileKey = L"BGMﾌｧｲﾙ";     // 42 47 4D CC A7 B2 D9

}  // namespace Ondrel_B
