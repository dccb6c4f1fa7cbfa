#include "host/base/paths.h"
#include "host/base/rounding.h"
#include "host/base/ui_texts.h"

#include <gtest/gtest.h>

namespace {

TEST(Base, DirOfTakesThePartUpToTheLastColonOrBackslash) {
  const std::pair<const wchar_t*, const wchar_t*> cases[] = {
      {L"C:\\Music\\a.mp3", L"C:\\Music"},
      {L"C:\\a.mp3", L"C:"},
      {L"a.mp3", L""},
      {L"", L""},
      {L"C:a.mp3", L"C:"},
      {L"C:\\Music\\", L"C:\\Music"},
      {L"\\\\server\\share\\曲 1.mp3", L"\\\\server\\share"},
      {L"C:\\Music\\sub:x", L"C:\\Music\\sub:"},
  };
  for (const auto& [path, dir] : cases) EXPECT_EQ(Ondrel_B::DirOf(path), dir) << testing::PrintToString(std::wstring(path));
}

TEST(Base, RoundsHalvesToEven) {
  const std::pair<double, long long> cases[] = {
      {0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2},
      {2.4999, 2}, {2.5001, 3}, {7.0, 7}, {-7.6, -8},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(Ondrel_B::RoundHalfEven(in), out) << in;
}

// A language whose table lacks a text would show nothing there.
TEST(Base, EveryLanguageHasEveryText) {
  for (int l = 0; l < static_cast<int>(Ondrel_B::Language::Count); ++l) {
    const Ondrel_B::UiTexts& t = Ondrel_B::TextsFor(static_cast<Ondrel_B::Language>(l));
    const wchar_t* texts[] = {t.musicHeading, t.sources[0], t.sources[1], t.sources[2], t.repeatTrack,
                              t.chooseFile, t.set, t.cancel, t.homePageLink, t.credit, t.checkAction,
                              t.jumpAction, t.pressAction, t.altShortcut, t.chooserTitle, t.chooserFilter,
                              t.missingRenderer};
    for (const wchar_t* text : texts) EXPECT_TRUE(text && *text) << "language " << l;
  }
}

}  // namespace
