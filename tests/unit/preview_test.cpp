#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <vector>

#include "host/preview/picture_scale.h"

namespace {

using Ondrel_B::ScalePicture;

std::vector<uint32_t> Filled(int w, int h, uint32_t c) { return std::vector<uint32_t>(static_cast<size_t>(w) * h, c); }
int Red(uint32_t p) { return (p >> 16) & 0xFF; }
int Green(uint32_t p) { return (p >> 8) & 0xFF; }
int Blue(uint32_t p) { return p & 0xFF; }

TEST(PreviewPicture, TheSameSizeIsAnExactCopy) {
  std::mt19937 random(7);
  std::vector<uint32_t> picture(152 * 112);
  for (uint32_t& p : picture) p = random() & 0xFFFFFF;
  EXPECT_EQ(ScalePicture(picture, 152, 112, 152, 112), picture);
}

TEST(PreviewPicture, AnyAreaIsFilledWithoutBordersOrColourDrift) {
  // The display settings' area may be larger (scaled displays) or smaller.
  const std::pair<int, int> areas[] = {{200, 150}, {304, 224}, {100, 70}, {1, 1}, {153, 113}, {151, 111}, {7, 300}};
  for (const auto& [w, h] : areas) {
    const std::vector<uint32_t> out = ScalePicture(Filled(152, 112, 0x3C8AF0), 152, 112, w, h);
    ASSERT_EQ(out.size(), static_cast<size_t>(w) * h) << w << "x" << h;
    for (uint32_t p : out) ASSERT_EQ(p, 0x3C8AF0u) << w << "x" << h;
  }
}

TEST(PreviewPicture, ShrinkingAveragesInsteadOfPickingSamples) {
  // A one-pixel checkerboard halved: nearest-sample scaling would show pure
  // black or white; a proper filter shows the grey the eye sees.
  std::vector<uint32_t> board(64 * 64);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) board[y * 64 + x] = ((x + y) & 1) ? 0xFFFFFF : 0x000000;
  for (uint32_t p : ScalePicture(board, 64, 64, 32, 32)) {
    EXPECT_NEAR(Red(p), 128, 6);  // the filter is cut at the picture's edges
    EXPECT_EQ(Red(p), Green(p));
    EXPECT_EQ(Green(p), Blue(p));
  }
}

TEST(PreviewPicture, GrowingBlendsAnEdgeWithoutOvershoot) {
  // Left half dark blue, right half orange; grown by 1.3, every row goes from
  // one to the other monotonically, with only a few blended columns between.
  const int w = 20, h = 4;
  std::vector<uint32_t> step(w * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) step[y * w + x] = x < w / 2 ? 0x102080 : 0xF09010;
  const int ow = 26, oh = 5;
  const std::vector<uint32_t> out = ScalePicture(step, w, h, ow, oh);
  for (int y = 0; y < oh; ++y) {
    int blended = 0;
    for (int x = 0; x < ow; ++x) {
      const uint32_t p = out[y * ow + x];
      EXPECT_GE(Red(p), 0x10);
      EXPECT_LE(Red(p), 0xF0);
      if (x > 0) EXPECT_GE(Red(p), Red(out[y * ow + x - 1])) << "row " << y << " column " << x;
      if (p != 0x102080 && p != 0xF09010) ++blended;
    }
    EXPECT_GE(blended, 1);
    EXPECT_LE(blended, 3);
  }
}

TEST(PreviewPicture, NoPictureForEmptySizesOrAShortSource) {
  EXPECT_TRUE(ScalePicture(Filled(4, 4, 1), 4, 4, 0, 10).empty());
  EXPECT_TRUE(ScalePicture(Filled(4, 4, 1), 4, 4, 10, -1).empty());
  EXPECT_TRUE(ScalePicture(Filled(4, 4, 1), 0, 4, 10, 10).empty());
  EXPECT_TRUE(ScalePicture(Filled(4, 3, 1), 4, 4, 10, 10).empty());
}

}  // namespace
