// The settings dialog's portable decisions: the repeat box's text both ways,
// where the dialog opens, the banner's cycle, what each source enables, and
// which path of a chosen music file the settings file can keep.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "host/settings/banner_counter.h"
#include "host/settings/bgm_choice.h"
#include "host/settings/dialog_place.h"
#include "host/settings/music_path.h"
#include "host/settings/repeat_text.h"

namespace {

using namespace Ondrel_B;

TEST(RepeatBox, ShowsTheStoredTrackWithTheWholeDiscEmpty) {
  EXPECT_EQ(RepeatText(0), L"");
  EXPECT_EQ(RepeatText(3), L"3");
  EXPECT_EQ(RepeatText(45), L"45") << "beyond the list, still shown";
  EXPECT_EQ(RepeatText(-2), L"-2");
  const auto entries = RepeatEntries();
  ASSERT_EQ(entries.size(), 31u);
  EXPECT_EQ(entries.front(), L"");
  EXPECT_EQ(entries[1], L"1");
  EXPECT_EQ(entries.back(), L"30");
}

TEST(RepeatBox, ReadsTheConfirmedTextHalvesToEvenAndEverythingElseAsNoTrack) {
  const std::pair<const wchar_t*, int16_t> cases[] = {
      {L"7", 7},          {L"2.5", 2},           {L"3.5", 4},        {L"0.5", 0},         {L"1.5", 2},
      {L"-1.5", -2},      {L" 12 ", 12},         {L"+3", 3},         {L"1e1", 10},        {L"45", 45},
      {L"2.4999", 2},     {L"", 0},              {L" ", 0},          {L"abc", 0},         {L"7a", 0},
      {L"7 7", 0},        {L"２", 0},            {L"32767", 32767},  {L"32767.4", 32767}, {L"32767.5", 0},
      {L"32768", 0},      {L"-32768", -32768},   {L"-32768.5", -32768}, {L"-32768.6", 0}, {L"-32769", 0},
      {L"1e300", 0},      {L"1e400", 0},         {L"99999999999999999999", 0},
  };
  for (const auto& [text, track] : cases) {
    EXPECT_EQ(RepeatFromText(text), track) << testing::PrintToString(std::wstring(text));
  }
}

TEST(DialogPlace, CentresAcrossAndSitsAThirdOfTheFreeHeightDown) {
  struct Case {
    int screen_w, screen_h, window_w, window_h;
    int left, top;
  };
  const Case cases[] = {
      {1280, 1024, 528, 294, 376, 243},  // free 752 x 730: 730 / 3 = 243.3
      {1280, 1024, 527, 293, 376, 244},  // odd free width: 11295 twips \ 2 = 5647 -> 376.5 -> 376
      {1024, 768, 528, 294, 248, 158},
      {800, 600, 800, 600, 0, 0},
      {640, 200, 801, 300, -80, -33},  // larger than the screen: toward zero
  };
  for (const Case& c : cases) {
    const DialogPlacement p = PlaceDialog(c.screen_w, c.screen_h, c.window_w, c.window_h);
    EXPECT_EQ(p.left, c.left) << c.screen_w << " " << c.window_w;
    EXPECT_EQ(p.top, c.top) << c.screen_h << " " << c.window_h;
  }
}

TEST(Banner, LeftPlaysThenRightThenOneRestTickThenAgain) {
  int16_t counter = 0;
  std::vector<std::pair<int, int>> shown;
  for (int tick = 0; tick < 2 * 49; ++tick) {
    const BannerTick t = NextBannerTick(counter);
    counter = t.counter;
    shown.emplace_back(t.box, t.frame);
  }
  for (int i = 0; i < 2 * 49; ++i) {
    const int k = i % 49;
    const std::pair<int, int> want = k < 24 ? std::make_pair(0, k + 1) : k < 48 ? std::make_pair(1, k - 23)
                                                                                 : std::make_pair(-1, 0);
    EXPECT_EQ(shown[i], want) << "tick " << i + 1;
  }
  EXPECT_EQ(counter, 0) << "the rest tick starts the cycle again";
}

TEST(Choice, EachSourceEnablesItsOwnControlAndAnUnknownOneNothing) {
  struct Case {
    int16_t kind;
    int chosen;
    bool repeat, file;
  };
  const Case cases[] = {{0, 0, false, false}, {1, 1, true, false}, {2, 2, false, true},
                        {3, -1, false, false}, {7, -1, false, false}, {-1, -1, false, false}};
  for (const Case& c : cases) {
    const ChoiceLook look = LookOfChoice(c.kind);
    EXPECT_EQ(look.chosen, c.chosen) << c.kind;
    EXPECT_EQ(look.repeatEnabled, c.repeat) << c.kind;
    EXPECT_EQ(look.fileEnabled, c.file) << c.kind;
  }
}

// Code page 932 in small: ASCII one byte, half-width katakana one byte,
// kana and kanji two bytes; anything else has no bytes.
std::optional<std::string> FakeCp932(std::wstring_view text) {
  std::string out;
  for (wchar_t c : text) {
    if (c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F)) {
      out.push_back('x');
    } else if ((c >= 0x3040 && c <= 0x30FF) || (c >= 0x4E00 && c <= 0x9FFF)) {
      out.append("xx");
    } else {
      return std::nullopt;
    }
  }
  return out;
}

TEST(MusicPath, KeepsWhatTheSettingsFileSpellsElseTheShortFormElseNothing) {
  const std::wstring japanese = L"C:\\音楽\\夜の 曲.mp3";
  const std::wstring accented = L"C:\\Music\\été.mp3";
  const std::wstring shortForm = L"C:\\Music\\ETE~1.MP3";
  const std::wstring long_kanji = L"C:\\" + std::wstring(124, L'曲') + L".mp3";  // 3 + 248 + 4 = 255 bytes
  const std::wstring just_fits = L"C:\\" + std::wstring(123, L'曲') + L"a.mp3";  // 254 bytes

  EXPECT_EQ(StorablePath(japanese, L"C:\\4F2A~1\\5B3C~1.MP3", FakeCp932), japanese) << "kept as chosen";
  EXPECT_EQ(StorablePath(accented, shortForm, FakeCp932), shortForm);
  EXPECT_EQ(StorablePath(accented, L"", FakeCp932), std::nullopt) << "a volume without short names";
  EXPECT_EQ(StorablePath(accented, L"C:\\Music\\é~1.MP3", FakeCp932), std::nullopt);
  EXPECT_EQ(StorablePath(just_fits, L"C:\\SHORT~1.MP3", FakeCp932), just_fits);
  EXPECT_EQ(StorablePath(long_kanji, L"C:\\SHORT~1.MP3", FakeCp932), L"C:\\SHORT~1.MP3")
      << "255 bytes would come back cut";
  EXPECT_EQ(StorablePath(long_kanji, L"", FakeCp932), std::nullopt);
}

}  // namespace
