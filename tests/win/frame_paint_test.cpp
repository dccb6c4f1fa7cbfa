// The frame widget's paint, read back pixel by pixel from the real GDI
// surface of a frame window and from memory DCs; its properties on the
// real widget.
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "host/widgets/frame_paint_win32.h"
#include "host/widgets/gfx_frame_x_win32.h"
#include "tests/win/test_form_win32.h"

namespace {

using namespace Widgets;
using testing_support::MemorySurface;
using testing_support::Pixels;
using testing_support::TestForm;

constexpr COLORREF kGrey = 0xE0E0E0;

COLORREF GreyOf(int level) { return static_cast<COLORREF>(level | level << 8 | level << 16); }

class DialogFrame : public testing::Test {
 protected:
  DialogFrame() : site(form.Site(L"GFXFrameX1")), frame(site, form.hWnd(), RECT{12, 12, 12 + 501, 12 + 173}) {
    site.PropertyChanged = [this](const std::wstring& name) { changed.push_back(name); };
    Forms::PropertyBag stored;
    stored.Write(L"ShadowDepth", int16_t{7}, int16_t{5});
    frame.ReadProperties(stored);
  }
  COLORREF At(int x, int y) { return GetPixel(frame.SurfaceDc(), x, y); }

  TestForm form{560, 260};
  Forms::WidgetSite site;
  GFXFrameX frame;
  std::vector<std::wstring> changed;
};

TEST_F(DialogFrame, OutlinesInGreyStepsThenTheBlackBorderedFill) {
  // Outline i is (14 - i, 14 - i, 494 + i, 166 + i); the frame hides outline 0
  // and the upper left of the others.
  for (int i = 1; i <= 7; ++i) {
    const COLORREF grey = GreyOf(100 + 17 * i);
    EXPECT_EQ(At(493 + i, 100), grey) << i;  // right edge
    EXPECT_EQ(At(300, 165 + i), grey) << i;  // bottom edge
    EXPECT_EQ(At(494, 14 - i), grey) << i;   // top edge where it passes the frame
    EXPECT_EQ(At(14 - i, 166), grey) << i;   // left edge below the frame
    EXPECT_EQ(At(493 + i, 165 + i), grey) << i;  // lower right corner
  }
  EXPECT_EQ(At(494, 6), kGrey);  // above the outermost outline
  EXPECT_EQ(At(6, 166), kGrey);
  for (int x : {0, 250, 493}) {
    EXPECT_EQ(At(x, 0), 0u);
    EXPECT_EQ(At(x, 165), 0u);
  }
  for (int y : {0, 80, 165}) {
    EXPECT_EQ(At(0, y), 0u);
    EXPECT_EQ(At(493, y), 0u);
  }
  EXPECT_EQ(At(250, 80), kGrey);
  EXPECT_EQ(At(1, 1), kGrey);
}

TEST_F(DialogFrame, StoresOnlyShadowDepth) {
  Forms::PropertyBag saved;
  frame.WriteProperties(saved);
  ASSERT_EQ(saved.size(), 1u);
  EXPECT_EQ(saved.Read<int16_t>(L"ShadowDepth", 0), 7);
}

TEST_F(DialogFrame, SetsCheckSignalAndRepaint) {
  struct {
    void (GFXFrameX::*set)(int16_t);
    int16_t (GFXFrameX::*get)() const;
    int16_t in, out;
    const wchar_t* name;
  } cases[] = {
      {&GFXFrameX::SetShadowDepth, &GFXFrameX::ShadowDepth, 1, 2, L"ShadowDepth"},
      {&GFXFrameX::SetShadowDepth, &GFXFrameX::ShadowDepth, 41, 50, L"ShadowDepth"},
      {&GFXFrameX::SetShadowDepth, &GFXFrameX::ShadowDepth, 40, 40, L"ShadowDepth"},
      {&GFXFrameX::SetShadowOpacity, &GFXFrameX::ShadowOpacity, -5, 0, L"ShadowOpacity"},
      {&GFXFrameX::SetShadowOpacity, &GFXFrameX::ShadowOpacity, 150, 100, L"ShadowOpacity"},
      {&GFXFrameX::SetCornerDepth, &GFXFrameX::CornerDepth, 60, 50, L"CornerDepth"},
  };
  for (const auto& c : cases) {
    changed.clear();
    (frame.*c.set)(c.in);
    EXPECT_EQ((frame.*c.get)(), c.out) << c.name << " " << c.in;
    EXPECT_EQ(changed, std::vector<std::wstring>{c.name});
  }
  frame.SetShadowDepth(7);
  frame.SetShadowOpacity(100);  // innermost outline black; it shows at the band's inner corner
  EXPECT_EQ(At(494, 166), GreyOf(0 + 32 * 1));  // outline 1: 0 - (-224 / 7) * 1
  frame.SetShadowOpacity(0);    // innermost (224 / 100) * 100 = 200, outline 1 then 203
  EXPECT_EQ(At(494, 166), GreyOf(203));
}

TEST_F(DialogFrame, StoredDepthIsPaintedUncheckedAndAmbientChangesRepaint) {
  Forms::PropertyBag stored;
  stored.Write(L"ShadowDepth", int16_t{60}, int16_t{5});
  frame.ReadProperties(stored);
  EXPECT_EQ(frame.ShadowDepth(), 60);
  EXPECT_EQ(At(440, 100), 0u);   // frame's right border at W - D - 1
  site.SetAmbientBackColor(0x00FF00);
  EXPECT_EQ(At(500, 0), 0x00FF00u);
  EXPECT_EQ(At(1, 1), kGrey);  // the fill was read with the ambient of its time
}

TEST(FramePaint, WithoutShadowTheFrameFillsTheWidget) {
  MemorySurface s(120, 60);
  FrameProperties p = NewFrameProperties(kGrey);
  p.ShowShadow = false;
  p.FillColour = 0x3366CC;
  ASSERT_TRUE(PaintFrame(s.dc(), s.rect(), p, kGrey));
  EXPECT_EQ(GetPixel(s.dc(), 119, 30), 0u);
  EXPECT_EQ(GetPixel(s.dc(), 60, 59), 0u);
  EXPECT_EQ(GetPixel(s.dc(), 60, 30), 0x3366CCu);
}

TEST(FramePaint, OtherStylesShowOnlyTheBackground) {
  MemorySurface s(120, 60);
  FrameProperties p = NewFrameProperties(kGrey);
  p.FrameStyle = 2;
  p.BackColourIs = 1;
  p.BackColour = 0x123456;
  ASSERT_TRUE(PaintFrame(s.dc(), s.rect(), p, p.BackColour));
  for (COLORREF c : Pixels(s.dc(), 120, 60)) ASSERT_EQ(c, 0x123456u);
}

TEST(FramePaint, StoredOutOfRangeValuesPaintWithoutFailing) {
  MemorySurface s(80, 50);
  FrameProperties p = NewFrameProperties(kGrey);
  for (int16_t depth : {int16_t{0}, int16_t{-4}, int16_t{32000}}) {
    for (int16_t opacity : {int16_t{-50}, int16_t{250}}) {
      p.ShadowDepth = depth;
      p.ShadowOpacity = opacity;
      static_cast<void>(PaintFrame(s.dc(), s.rect(), p, kGrey));  // what it leaves is what counts
    }
  }
  EXPECT_EQ(GetPixel(s.dc(), 40, 25), kGrey);
}

uint32_t Average(uint32_t a, uint32_t b, uint32_t c, uint32_t d) {
  const auto avg = [&](int shift) {
    const int sum = ((a >> shift) & 0xFF) + ((b >> shift) & 0xFF) + ((c >> shift) & 0xFF) + ((d >> shift) & 0xFF);
    return static_cast<uint32_t>(std::nearbyint(sum / 4.0)) << shift;
  };
  return avg(0) | avg(8) | avg(16);
}

TEST(FramePaint, RoundedFrameSmoothsBackgroundPixelsOfItsShadowCorners) {
  constexpr int w = 200, h = 120, depth = 5, corner = 20;
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  FrameProperties p = NewFrameProperties(face);
  p.FrameStyle = 0;
  p.ShadowDepth = depth;
  p.CornerDepth = corner;
  // The same background given as a system colour is never matched: that
  // paint shows the shadow unsmoothed.
  MemorySurface raw(w, h), smoothed(w, h);
  ASSERT_TRUE(PaintFrame(raw.dc(), raw.rect(), p, Forms::kSystemButtonFace));
  ASSERT_TRUE(PaintFrame(smoothed.dc(), smoothed.rect(), p, face));
  const auto before = Pixels(raw.dc(), w, h);
  const auto after = Pixels(smoothed.dc(), w, h);
  const auto px = [&](const std::vector<uint32_t>& img, int x, int y) { return img[static_cast<size_t>(y) * w + x]; };
  const auto in_area = [&](int x, int y) {
    const bool right = x >= w - 2 * corner && x <= w - 3, lower = y >= h - 2 * corner && y <= h - 3;
    return (right && lower) || (right && y >= depth && y <= 4 * depth) || (x >= depth && x <= 4 * depth && lower);
  };
  const auto clear_of_frame = [&](int x, int y) { return x >= w - depth || y >= h - depth; };

  int changed = 0, checked = 0;
  for (int y = 1; y < h - 1; ++y) {
    for (int x = 1; x < w - 1; ++x) {
      if (px(after, x, y) == px(before, x, y)) continue;
      ++changed;
      EXPECT_TRUE(in_area(x, y)) << x << "," << y;
      EXPECT_EQ(px(before, x, y), face) << x << "," << y;
      if (!clear_of_frame(x - 1, y) || !clear_of_frame(x, y - 1)) continue;
      // Visited x outermost, y innermost: the pixels above and to the left
      // are already smoothed, those below and to the right not yet.
      EXPECT_EQ(px(after, x, y), Average(px(after, x, y - 1), px(before, x + 1, y), px(before, x, y + 1),
                                         px(after, x - 1, y)))
          << x << "," << y;
      ++checked;
    }
  }
  EXPECT_GT(changed, 0);
  EXPECT_GT(checked, 0);
}

}  // namespace
