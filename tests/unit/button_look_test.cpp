// The button's gradient rows and caption rules.
#include "host/widgets/button_look.h"

#include <gtest/gtest.h>

namespace {

using namespace Widgets;

// Row y of gradient (left, top, right, bottom) from a to b.
uint32_t Row(int top, int bottom, uint32_t a, uint32_t b, int y) { return GradientRow(a, b, bottom - top, bottom - y); }

TEST(ButtonGradient, FaceOfA113By33ButtonRowByRow) {
  struct {
    int y;
    uint32_t colour;
  } rows[] = {{3, 0xFBFCFC}, {4, 0xFAFBFB}, {16, 0xF1F4F4}, {29, 0xE7ECED}, {30, 0xE6EBEC}};
  for (const auto& r : rows) EXPECT_EQ(Row(3, 30, kFaceTop, kFaceBottom, r.y), r.colour) << r.y;
}

TEST(ButtonGradient, FocusedRimRow17) {
  const ButtonColours& c = ButtonColoursOf(kFocused);
  EXPECT_EQ(Row(3, 31, c.rimTop, c.rimBottom, 17), 0xEFC0A4u);
  EXPECT_EQ(Row(3, 31, c.rimTop, c.rimBottom, 3), c.rimTop);
  EXPECT_EQ(Row(3, 31, c.rimTop, c.rimBottom, 31), c.rimBottom);
}

TEST(ButtonAccessKey, TakesTheLetterAfterASingleAmpersand) {
  struct {
    const wchar_t* caption;
    wchar_t key;
  } cases[] = {
      {L"&OK", L'o'},   {L"&&K", 0},          {L"OK&", 0},       {L"&O", 0},         {L"", 0},
      {L"E&xit", L'x'}, {L"a&&b&Cd", L'c'},   {L"設定(&S)", L's'}, {L"no key", 0},     {L"&&&&", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(AccessKeyOf(c.caption), c.key) << static_cast<int>(c.caption[0]);
}

TEST(ButtonNewCaption, TakesTheFirstFreeStandardCaptionElseTheName) {
  EXPECT_EQ(NewButtonCaption({}, L"ccXPButton1"), L"&OK");
  EXPECT_EQ(NewButtonCaption({L"&OK"}, L"ccXPButton2"), L"&Cancel");
  EXPECT_EQ(NewButtonCaption({L"&OK", L"&Cancel"}, L"ccXPButton3"), L"&Apply");
  EXPECT_EQ(NewButtonCaption({L"&Apply", L"&Cancel", L"&OK"}, L"ccXPButton4"), L"ccXPButton4");
  EXPECT_EQ(NewButtonCaption({L"&ok", L"x&OKx"}, L"b"), L"&OK");  // exact, case-sensitive
}

}  // namespace
