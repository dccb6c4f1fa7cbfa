// The host's texts in Japanese (as they have always been) and in English.
// A translation is one more table here and one more Language.
#include "host/base/ui_texts.h"

#include "velnora_version.h"

namespace Ondrel_B {
namespace {

#define VELNORA_CREDIT L"Velnora " VELNORA_VERSION_TEXT L"  © Velnora Project"

constexpr UiTexts kJapanese{
    L"ＭＳ Ｐゴシック",
    128,  // SHIFTJIS_CHARSET
    L"BGM",
    {L"なし", L"音楽CD", L"MP3、WAV"},
    L"曲目をﾘﾋﾟｰﾄ",
    L"...",
    L"設定",
    L"ｷｬﾝｾﾙ",
    L"Velnora ホームページ",
    VELNORA_CREDIT,
    L"ﾌｧｲﾙを開く",
    L"BGMﾌｧｲﾙ (MP3 WAV)",
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
