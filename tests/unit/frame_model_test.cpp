// The frame widget's checks, persistence and paint arithmetic.
#include "host/widgets/frame_model.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace Widgets;

constexpr uint32_t kDialogGrey = 0xE0E0E0;

TEST(FrameChecks, HoldSetValuesToTheirRanges) {
  struct Case {
    int16_t (*check)(int16_t);
    int16_t in, out;
  } cases[] = {
      {CheckedShadowDepth, 1, 2},     {CheckedShadowDepth, 2, 2},      {CheckedShadowDepth, 40, 40},
      {CheckedShadowDepth, 41, 50},   {CheckedShadowDepth, -7, 2},     {CheckedShadowOpacity, -5, 0},
      {CheckedShadowOpacity, 150, 100}, {CheckedShadowOpacity, 37, 37}, {CheckedCornerDepth, 60, 50},
      {CheckedCornerDepth, -1, 0},    {CheckedCornerDepth, 12, 12},
  };
  for (const Case& c : cases) EXPECT_EQ(c.check(c.in), c.out) << c.in;
}

TEST(FrameGradientStep, TruncatesTheStepBeforeMultiplying) {
  EXPECT_EQ(GradientStep(0, kDialogGrey, 100, 50), 0x646464u);   // 100 per channel
  EXPECT_EQ(GradientStep(0, kDialogGrey, 100, 0), 0u);           // opacity 100: black
  EXPECT_EQ(GradientStep(0, kDialogGrey, 100, 100), 0xC8C8C8u);  // opacity 0: 200, not 224
  EXPECT_EQ(GradientStep(0x646464, kDialogGrey, 7, 7), 0xDBDBDBu);  // 100 + 17 * 7
  EXPECT_EQ(GradientStep(0x0000FF, 0xFF0000, 3, 1), 0x5500AAu);   // channels independently
}

TEST(FrameGradientStep, StaysInRangeForStoredOutOfRangeValues) {
  EXPECT_EQ(GradientStep(0x123456, kDialogGrey, 0, 5), 0x123456u);   // no step count: no division
  EXPECT_EQ(GradientStep(0, kDialogGrey, 100, 150), 0xFFFFFFu);      // opacity -50 would pass 255
  EXPECT_EQ(GradientStep(0, kDialogGrey, 100, -50), 0u);             // opacity 150 would go below 0
}

TEST(FrameBag, StoresOnlyWhatDiffersFromTheDefaults) {
  FrameProperties dialog = NewFrameProperties(kDialogGrey);
  dialog.ShadowDepth = 7;
  Forms::PropertyBag bag;
  WriteFrameProperties(bag, dialog, kDialogGrey);
  ASSERT_EQ(bag.size(), 1u);
  EXPECT_EQ(bag.Read<int16_t>(L"ShadowDepth", 0), 7);

  FrameProperties all{0, 80, false, 12, 0x112233, 0x445566, 1, 0x778899, 20};
  Forms::PropertyBag full;
  WriteFrameProperties(full, all, kDialogGrey);
  EXPECT_EQ(full.size(), 9u);
  const FrameProperties back = ReadFrameProperties(full, kDialogGrey);
  EXPECT_EQ(back.FrameStyle, 0);
  EXPECT_EQ(back.ShadowOpacity, 80);
  EXPECT_FALSE(back.ShowShadow);
  EXPECT_EQ(back.ShadowDepth, 12);
  EXPECT_EQ(back.FillColour, 0x112233u);
  EXPECT_EQ(back.BackColour, 0x445566u);
  EXPECT_EQ(back.BackColourIs, 1);
  EXPECT_EQ(back.BorderColour, 0x778899u);
  EXPECT_EQ(back.CornerDepth, 20);
}

TEST(FrameBag, ReadsWithoutTheSetTimeChecksAndDefaultsToTheAmbient) {
  Forms::PropertyBag bag;
  bag.Write(L"ShadowDepth", int16_t{60}, int16_t{5});
  const FrameProperties p = ReadFrameProperties(bag, 0x00FF00);
  EXPECT_EQ(p.ShadowDepth, 60);
  EXPECT_EQ(p.FillColour, 0x00FF00u);
  EXPECT_EQ(p.BackColour, 0x00FF00u);
  EXPECT_EQ(p.FrameStyle, 1);
}

TEST(FramePlan, DialogFrameOutlinesGrowFromDarkToPale) {
  FrameProperties p = NewFrameProperties(kDialogGrey);
  p.ShadowDepth = 7;
  const FramePaint plan = PlanFramePaint(p, 501, 173, kDialogGrey);
  ASSERT_TRUE(plan.drawsShape);
  EXPECT_FALSE(plan.rounded);
  EXPECT_FALSE(plan.smooth);
  ASSERT_EQ(plan.shadow.size(), 8u);
  for (int i = 0; i <= 7; ++i) {
    const Box& b = plan.shadow[i];
    const uint32_t grey = 100 + 17 * i;
    EXPECT_EQ(b.left, 14 - i);
    EXPECT_EQ(b.top, 14 - i);
    EXPECT_EQ(b.right, 494 + i);
    EXPECT_EQ(b.bottom, 166 + i);
    EXPECT_EQ(b.colour, grey | grey << 8 | grey << 16) << i;
  }
  EXPECT_EQ(plan.frame.right, 494);
  EXPECT_EQ(plan.frame.bottom, 166);
  EXPECT_EQ(plan.frame.colour, 0u);
  EXPECT_EQ(plan.fill, kDialogGrey);
}

TEST(FramePlan, StyleAndShadowChooseWhatIsDrawn) {
  FrameProperties p = NewFrameProperties(kDialogGrey);
  p.FrameStyle = 2;
  EXPECT_FALSE(PlanFramePaint(p, 50, 40, kDialogGrey).drawsShape);
  p.FrameStyle = 1;
  p.ShowShadow = false;
  const FramePaint flat = PlanFramePaint(p, 50, 40, kDialogGrey);
  EXPECT_TRUE(flat.shadow.empty());
  EXPECT_EQ(flat.frame.right, 50);
  EXPECT_EQ(flat.frame.bottom, 40);
  p.FrameStyle = 0;
  p.ShowShadow = true;
  EXPECT_TRUE(PlanFramePaint(p, 50, 40, kDialogGrey).smooth);
}

TEST(FramePlan, StoredDepthBelowOneDrawsNoBand) {
  FrameProperties p = NewFrameProperties(kDialogGrey);
  for (int16_t depth : {int16_t{0}, int16_t{-3}}) {
    p.ShadowDepth = depth;
    const FramePaint plan = PlanFramePaint(p, 60, 30, kDialogGrey);
    ASSERT_EQ(plan.shadow.size(), 1u);
    EXPECT_EQ(plan.frame.right, 60);
    EXPECT_EQ(plan.frame.bottom, 30);
  }
}

TEST(FramePlan, CoordinatesOutsideSixteenBitsStopAfterTheBackground) {
  FrameProperties p = NewFrameProperties(kDialogGrey);
  p.ShadowDepth = 30000;
  const FramePaint plan = PlanFramePaint(p, 100, 100, kDialogGrey);
  EXPECT_FALSE(plan.complete);
  EXPECT_FALSE(plan.drawsShape);
}

class Image : public PixelSurface {
 public:
  Image(int w, int h, uint32_t fill) : w_(w), h_(h), px_(w * h, fill) {}
  int Width() const override { return w_; }
  int Height() const override { return h_; }
  uint32_t Get(int x, int y) const override { return px_[y * w_ + x]; }
  void Set(int x, int y, uint32_t c) override { px_[y * w_ + x] = c; }

 private:
  int w_, h_;
  std::vector<uint32_t> px_;
};

TEST(FrameSmoothing, AveragesBackgroundPixelsInVisitingOrder) {
  // 10 x 10, K = 3, D = 1: area 1 is x 4..7, y 4..7.
  Image img(10, 10, 0);
  const uint32_t bg = 0x404040;
  img.Set(5, 5, bg);  // visited before (5, 6) and (6, 5)
  img.Set(5, 6, bg);  // reads the new (5, 5)
  SmoothShadowEdge(img, 1, 3, bg);
  EXPECT_EQ(img.Get(5, 5), 0x101010u);  // 0x40 below, black elsewhere
  EXPECT_EQ(img.Get(5, 6), 0x040404u);  // 0x10 above, already replaced

  Image grey(10, 10, 0);
  grey.Set(5, 5, bg);
  grey.Set(5, 4, 0xFF0000);  // above: blue 255
  grey.Set(6, 5, 0x00FF00);  // right: green 255
  grey.Set(5, 6, 0x0000FE);  // below: red 254
  SmoothShadowEdge(grey, 1, 3, bg);
  // 255 / 4 = 63.75 -> 64; 254 / 4 = 63.5 -> 64 (halves to even)
  EXPECT_EQ(grey.Get(5, 5), 0x404040u);
  Image odd(10, 10, 0);
  odd.Set(5, 5, bg);
  odd.Set(5, 4, 0x0000FA);  // red 250 / 4 = 62.5 -> 62
  SmoothShadowEdge(odd, 1, 3, bg);
  EXPECT_EQ(odd.Get(5, 5), 0x00003Eu);
}

TEST(FrameSmoothing, LeavesOtherColoursAndOutsidePixelsAlone) {
  Image img(8, 8, 0x101010);
  SmoothShadowEdge(img, 2, 6, 0x80000005);  // a system colour never matches a pixel
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) EXPECT_EQ(img.Get(x, y), 0x101010u);
  // Areas reaching past the surface (4 * D beyond the width) visit only what exists.
  Image small(6, 6, 0x202020);
  SmoothShadowEdge(small, 3, 4, 0x202020);
  EXPECT_EQ(small.Get(3, 3), 0x202020u);
}

}  // namespace
