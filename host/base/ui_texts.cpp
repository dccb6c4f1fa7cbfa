// The host's texts in Japanese (as they have always been) and in English.
// A translation is one more table here and one more Language.
#include "host/base/ui_texts.h"

#include "velnora_version.h"

namespace Ondrel_B {
namespace {

// The maker and the version the program's resources carry.
#define VELNORA_CREDIT L"Velnora " VELNORA_VERSION_TEXT L"  © Velnora Project"

// In the order of UiTexts.
constexpr UiTexts kJapanese{
    L"ＭＳ Ｐゴシック",
    128,  // SHIFTJIS_CHARSET
    L"BGM",                              // music_heading
    {L"なし", L"音楽CD", L"MP3、WAV"},  // sources
    L"曲目をﾘﾋﾟｰﾄ",                      // repeat_track
    L"...",                              // choose_file
    L"設定",                             // set
    L"ｷｬﾝｾﾙ",                            // cancel
    L"Velnora ホームページ",             // home_page_link
    VELNORA_CREDIT,
    L"ﾌｧｲﾙを開く",                       // chooser_title
    L"BGMﾌｧｲﾙ (MP3 WAV)",                // chooser_filter
    L"Velnora.dll が同じﾌｫﾙﾀﾞ内に見つかりません！",
};

// Access keys N, C and M choose the sources in every language.
constexpr UiTexts kEnglish{
    nullptr,
    1,  // DEFAULT_CHARSET
    L"Music",
    {L"&None", L"Audio &CD", L"&MP3 or WAV file"},
    L"&Repeat track",
    L"...",
    L"OK",
    L"Cancel",
    L"Velnora home page",
    VELNORA_CREDIT,
    L"Open Music File",
    L"Music files (MP3, WAV)",
    L"Velnora.dll was not found in the same folder.",
};

#undef VELNORA_CREDIT

}  // namespace

const UiTexts& TextsFor(Language language) { return language == Language::Japanese ? kJapanese : kEnglish; }

}  // namespace Ondrel_B
