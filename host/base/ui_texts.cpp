// The host's texts in Japanese (as they have always been) and in English.
// A translation is one more table here and one more Language.
#include "host/base/ui_texts.h"

#include <iterator>

#include "velnora_version.h"

namespace Ondrel_B {
namespace {

// The maker and the version the program's resources carry.
#define VELNORA_CREDIT L"Velnora " VELNORA_VERSION_TEXT L"  © Velnora Project"

// In the order of UiTexts.
constexpr UiTexts kJapanese{
    L"ＭＳ Ｐゴシック",
    kShiftJisCharset,
    L"BGM",                              // musicHeading
    {L"なし", L"音楽CD", L"MP3、WAV"},  // sources
    L"曲目をﾘﾋﾟｰﾄ",                      // repeatTrack
    L"...",                              // chooseFile
    L"設定",                             // set
    L"ｷｬﾝｾﾙ",                            // cancel
    L"Velnora ホームページ",             // homePageLink
    VELNORA_CREDIT,
    L"Check",
    L"Jump",
    L"Press",
    L"Alt+",
    L"ﾌｧｲﾙを開く",                       // chooserTitle
    L"BGMﾌｧｲﾙ (MP3 WAV)",                // chooserFilter
    L"Velnora.dll が同じﾌｫﾙﾀﾞ内に見つかりません！",
};

// Access keys N, C and M choose the sources in every language.
constexpr UiTexts kEnglish{
    nullptr,
    kDefaultCharset,
    L"Music",
    {L"&None", L"Audio &CD", L"&MP3 or WAV file"},
    L"&Repeat track",
    L"...",
    L"OK",
    L"Cancel",
    L"Velnora home page",
    VELNORA_CREDIT,
    L"Check",
    L"Jump",
    L"Press",
    L"Alt+",
    L"Open Music File",
    L"Music files (MP3, WAV)",
    L"Velnora.dll was not found in the same folder.",
};

#undef VELNORA_CREDIT

// By Language.
constexpr const UiTexts* kTables[] = {&kJapanese, &kEnglish};
static_assert(std::size(kTables) == static_cast<size_t>(Language::Count), "a table for every language");

}  // namespace

const UiTexts& TextsFor(Language language) { return *kTables[static_cast<size_t>(language)]; }

}  // namespace Ondrel_B
