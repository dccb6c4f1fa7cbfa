// The push button's looks, read back pixel by pixel from the real GDI surface
// of a button window and from memory DCs.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>

#include "host/widgets/button_look.h"
#include "host/widgets/button_paint_win32.h"
#include "host/widgets/cc_xp_button_win32.h"
#include "tests/win/test_form_win32.h"

namespace {

using namespace Widgets;
using testing_support::MemorySurface;
using testing_support::Pixels;
using testing_support::TestForm;

constexpr int W = 113, H = 33;

class ButtonPaint : public testing::Test {
 protected:
  ButtonPaint() : site(form.Site(L"Cmd_Set")), button(site, form.hWnd(), RECT{144, 192, 144 + W, 192 + H}, Ondrel_B::TextsFor(Ondrel_B::Language::Japanese)) {
    Forms::PropertyBag bag;
    bag.Write(L"Caption", std::wstring(L"設定"), std::wstring(L"&OK"));
    bag.Write(L"Font", Forms::FontDesc{L"ＭＳ Ｐゴシック", 9.75f, 400, 128}, std::wstring(L"Verdana"));
    button.ReadProperties(bag);
  }
  COLORREF At(int x, int y) { return GetPixel(button.SurfaceDc(), x, y); }
  // Row 3 inside the border, where the focus rectangle's top runs.
  bool FocusRectShown(COLORREF face) {
    for (int x = 3; x < W - 3; ++x)
      if (At(x, 3) != face) return true;
    return false;
  }

  TestForm form;
  Forms::WidgetSite site;
  ccXPButton button;
};

TEST_F(ButtonPaint, NormalStateBorderCornersFaceAndRim) {
  ASSERT_EQ(button.state().VisualState(), kNormal);
  for (int x = 3; x <= 109; ++x) {
    EXPECT_EQ(At(x, 0), 0x743C00u) << x;
    EXPECT_EQ(At(x, 32), 0x743C00u) << x;
  }
  for (int y = 3; y <= 29; ++y) {
    EXPECT_EQ(At(0, y), 0x743C00u) << y;
    EXPECT_EQ(At(112, y), 0x743C00u) << y;
  }
  EXPECT_EQ(At(1, 1), 0xA57D52u);
  EXPECT_EQ(At(2, 0), 0x845521u);   // corner end overwrites nothing of the border
  EXPECT_EQ(At(112, 1), 0xAD967Bu);  // corner pixels come after the top lines
  EXPECT_EQ(At(112, 2), 0x845521u);
  EXPECT_EQ(At(112, 30), 0x845521u);
  // Face gradient at x = 5, left of the caption.
  EXPECT_EQ(At(5, 3), 0xFBFCFCu);
  EXPECT_EQ(At(5, 4), 0xFAFBFBu);
  EXPECT_EQ(At(5, 16), 0xF1F4F4u);
  EXPECT_EQ(At(5, 29), 0xE7ECEDu);
  EXPECT_EQ(At(5, 30), 0xD6DFE2u);  // bottom line 1 over the gradient's last row
  EXPECT_EQ(At(5, 1), 0xFFFFFFu);
  EXPECT_EQ(At(5, 2), 0xFEFEFEu);
  // Rim: two pixels either side; its last row under bottom line 2 from x = 2.
  EXPECT_EQ(At(1, 3), 0xFBFCFCu);
  EXPECT_EQ(At(2, 29), 0xE8ECEDu);  // blue 231.5 rounds to the even 232
  EXPECT_EQ(At(111, 29), 0xE8ECEDu);
  for (int x = 2; x <= 110; ++x) EXPECT_EQ(At(x, 31), 0xC5D0D6u) << x;
  EXPECT_EQ(At(1, 31), 0xA57D52u);
}

TEST_F(ButtonPaint, FocusedRimRow17) {
  button.Redraw(kFocused);
  EXPECT_EQ(At(1, 17), 0xEFC0A4u);
  EXPECT_EQ(At(111, 17), 0xEFC0A4u);
  EXPECT_EQ(At(5, 1), 0xFFE7CEu);
}

TEST_F(ButtonPaint, DisabledAndPressedAreFlat) {
  struct {
    int state;
    COLORREF face, border;
  } cases[] = {{kDisabled, 0xEAF4F5, 0xBAC7C9}, {kPressed, 0xDEE3E7, 0x743C00}};
  for (const auto& c : cases) {
    button.Redraw(c.state);
    for (int y = 1; y <= 31; ++y) EXPECT_EQ(At(5, y), c.face) << c.state << " y " << y;  // no lines
    for (int y = 2; y <= 30; ++y) {  // no rim
      EXPECT_EQ(At(1, y), c.face) << c.state << " y " << y;
      EXPECT_EQ(At(111, y), c.face) << c.state << " y " << y;
    }
    EXPECT_EQ(At(50, 0), c.border);
  }
}

TEST_F(ButtonPaint, FocusRectangleOnlyWithFocusInFocusedHotAndPressed) {
  EXPECT_FALSE(FocusRectShown(0xFBFCFC));  // no focus
  button.Redraw(kFocused);
  EXPECT_FALSE(FocusRectShown(0xFBFCFC));  // the default look without the focus
  SetFocus(button.hWnd());
  ASSERT_TRUE(button.state().HasFocus());
  struct {
    int state;
    COLORREF face;
    bool shown;
  } cases[] = {{kNormal, 0xFBFCFC, false}, {kFocused, 0xFBFCFC, true}, {kHot, 0xFBFCFC, true},
               {kPressed, 0xDEE3E7, true}};
  for (const auto& c : cases) {
    button.Redraw(c.state);
    EXPECT_EQ(FocusRectShown(c.face), c.shown) << c.state;
  }
  button.SetFocusRect(false);
  button.Redraw(kFocused);
  EXPECT_FALSE(FocusRectShown(0xFBFCFC));
}

TEST_F(ButtonPaint, DisabledCaptionIsGreyWhateverForeColor) {
  button.SetForeColor(0x0000FF);
  std::set<COLORREF> enabled_colours;
  for (COLORREF p : Pixels(button.SurfaceDc(), W, H)) enabled_colours.insert(p);
  EXPECT_TRUE(enabled_colours.count(0x0000FF));
  button.SetEnabled(false);
  ASSERT_EQ(button.state().VisualState(), kDisabled);
  std::set<COLORREF> colours;
  for (COLORREF p : Pixels(button.SurfaceDc(), W, H)) colours.insert(p);
  EXPECT_TRUE(colours.count(kDisabledText));
  EXPECT_FALSE(colours.count(0x0000FF));
}

TEST_F(ButtonPaint, SuppressedRedrawNeitherPaintsNorChangesTheState) {
  const auto before = Pixels(button.SurfaceDc(), W, H);
  button.SetPaintSuppressed(true);
  button.Redraw(kHot);
  EXPECT_EQ(button.state().VisualState(), kNormal);
  EXPECT_EQ(Pixels(button.SurfaceDc(), W, H), before);
  button.SetPaintSuppressed(false);
  button.Redraw(kHot);
  EXPECT_EQ(At(5, 1), 0xCEF3FFu);
}

TEST_F(ButtonPaint, WindowGetsTheRoundedRegion) {
  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(button.hWnd(), rgn), ERROR);
  EXPECT_FALSE(PtInRegion(rgn, 0, 0));
  EXPECT_TRUE(PtInRegion(rgn, 1, 1));
  EXPECT_TRUE(PtInRegion(rgn, 56, 16));
  EXPECT_TRUE(PtInRegion(rgn, 112, 16));
  EXPECT_FALSE(PtInRegion(rgn, 113, 0));
  DeleteObject(rgn);
}

TEST(ButtonPrimitives, ZeroHeightGradientIsSkippedAndLinesLeaveOutTheirEnd) {
  MemorySurface s(20, 10);
  FillSolid(s.dc(), s.rect(), 0x111111);
  FillGradient(s.dc(), RECT{2, 4, 18, 4}, 0xFFFFFF, 0x000000);
  for (COLORREF p : Pixels(s.dc(), 20, 10)) ASSERT_EQ(p, 0x111111u);
  DrawLine(s.dc(), 2, 1, 8, 1, 0x00FF00);
  EXPECT_EQ(GetPixel(s.dc(), 2, 1), 0x00FF00u);
  EXPECT_EQ(GetPixel(s.dc(), 7, 1), 0x00FF00u);
  EXPECT_EQ(GetPixel(s.dc(), 8, 1), 0x111111u);
  FillGradient(s.dc(), RECT{2, 3, 6, 5}, 0x0000FF, 0x000000);  // n = 2: rows 3, 4, 5
  EXPECT_EQ(GetPixel(s.dc(), 2, 3), 0x0000FFu);
  EXPECT_EQ(GetPixel(s.dc(), 5, 4), 0x000080u);  // 127.5 -> 128
  EXPECT_EQ(GetPixel(s.dc(), 2, 5), 0x000000u);
  EXPECT_EQ(GetPixel(s.dc(), 6, 4), 0x111111u);

  // A button 5 pixels high: its rim gradient has no height, the rest is drawn.
  MemorySurface tiny(20, 5);
  PaintButtonBody(tiny.dc(), tiny.rect(), kNormal, 0x222222);
  EXPECT_EQ(GetPixel(tiny.dc(), 1, 1), 0xA57D52u);
  EXPECT_EQ(GetPixel(tiny.dc(), 8, 0), 0x743C00u);
}

TEST(ButtonCaption, AmpersandUnderlinesAndDoubledAmpersandShowsOne) {
  HFONT font = CreateFontFor(Forms::FontDesc{L"ＭＳ Ｐゴシック", 9.75f, 400, 128});
  const auto paint = [&](const std::wstring& caption) {
    MemorySurface s(113, 33);
    FillSolid(s.dc(), s.rect(), 0xFFFFFF);
    PaintButtonCaption(s.dc(), s.rect(), CaptionLook{caption, font, 0, false});
    return Pixels(s.dc(), 113, 33);
  };
  const auto plain = [&](const std::wstring& text) {
    MemorySurface s(113, 33);
    FillSolid(s.dc(), s.rect(), 0xFFFFFF);
    HGDIOBJ old = SelectObject(s.dc(), font);
    SetBkMode(s.dc(), TRANSPARENT);
    RECT inside{3, 3, 110, 30};
    DrawTextW(s.dc(), text.c_str(), -1, &inside, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
    SelectObject(s.dc(), old);
    return Pixels(s.dc(), 113, 33);
  };
  const auto with_key = paint(L"&Set");
  EXPECT_NE(with_key, plain(L"Set"));       // the S is underlined
  EXPECT_NE(with_key, plain(L"&Set"));      // and no ampersand shows
  EXPECT_EQ(paint(L"A&&B"), plain(L"A&B"));  // a doubled ampersand is one
  DeleteObject(font);
}

}  // namespace
