#include "renderer/scene/snapshot.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "renderer/scene/file_bytes.h"
#include "tests/unit/snapshot_fixture.h"

namespace {

Rgb Coded(int x, int y) { return {static_cast<uint8_t>(x), static_cast<uint8_t>(y), 0x5A}; }

bool Decode(const std::vector<uint8_t>& b, SnapshotImage& out) {
  return DecodeSnapshot(b.data(), b.size(), out);
}

TEST(Snapshot, ReadsPaddedRowsWhetherTheSizeIsStatedOrNot) {
  // 5 pixels: 15 bytes of pixels, 16 bytes a row.
  for (bool stated : {false, true}) {
    SCOPED_TRACE(stated ? "biSizeImage given" : "biSizeImage 0");
    const auto bmp = MakeBmp(5, 3, Coded, {stated});
    SnapshotImage img;
    ASSERT_TRUE(Decode(bmp, img));
    EXPECT_EQ(img.width, 5);
    EXPECT_EQ(img.height, 3);
    EXPECT_EQ(img.length, 48u);
    EXPECT_EQ(img.pixels, bmp.data() + 54);
    // Pixel (x, y) sits at y * 16 + x * 3, blue first: no shear across rows.
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 5; ++x) {
        const uint8_t* p = img.pixels + y * 16 + x * 3;
        EXPECT_EQ(p[0], 0x5A);
        EXPECT_EQ(p[1], y);
        EXPECT_EQ(p[2], x);
      }
  }
}

TEST(Snapshot, PixelsStartAtTheirOffsetPastAColourTable) {
  const auto bmp = MakeBmp(4, 2, Coded, {false, 12});
  SnapshotImage img;
  ASSERT_TRUE(Decode(bmp, img));
  EXPECT_EQ(img.pixels, bmp.data() + 66);
}

TEST(Snapshot, EveryTruncationIsRefused) {
  for (bool stated : {false, true}) {
    const auto bmp = MakeBmp(5, 3, Coded, {stated});
    for (std::size_t n = 0; n < bmp.size(); ++n) {
      // A copy of exactly n bytes, so ASan sees any read past them.
      const std::vector<uint8_t> cut(bmp.begin(), bmp.begin() + static_cast<long>(n));
      SnapshotImage img;
      EXPECT_FALSE(DecodeSnapshot(cut.data(), cut.size(), img)) << n << " bytes";
    }
  }
}

TEST(Snapshot, RefusesWhatIsNotAnUncompressed24BitBottomUpPicture) {
  struct Case {
    const char* what;
    std::size_t at;
    int width;  // 4 or 2 bytes written at `at`
    uint32_t value;
  };
  const Case cases[] = {
      {"no BM (first byte)", 0, 1, 'b'},
      {"no BM (second byte)", 1, 1, 'X'},
      {"header block of 23 bytes", 10, 4, 37},
      {"offset inside the file header", 10, 4, 13},
      {"offset past the end", 10, 4, 100000},
      {"8 bits per pixel", 28, 2, 8},
      {"32 bits per pixel", 28, 2, 32},
      {"RLE compressed", 30, 4, 1},
      {"bit fields", 30, 4, 3},
      {"zero width", 18, 4, 0},
      {"negative width", 18, 4, 0xFFFFFFFF},
      {"zero height", 22, 4, 0},
      {"top-down rows", 22, 4, static_cast<uint32_t>(-3)},
      {"most negative height", 22, 4, 0x80000000},
      {"width beyond the largest side", 18, 4, 16385},
      {"width whose rows overflow 32 bits", 18, 4, 0x7FFFFFFF},
      {"height beyond the largest side", 22, 4, 16385},
      {"height claiming more rows than held", 22, 4, 4},
      {"stated size smaller than the rows", 34, 4, 47},
      {"stated size larger than the file", 34, 4, 49},
      {"stated size near 4 GiB", 34, 4, 0xFFFFFFF0},
  };
  for (const Case& c : cases) {
    auto bmp = MakeBmp(5, 3, Coded);
    if (c.width == 1) bmp[c.at] = static_cast<uint8_t>(c.value);
    if (c.width == 2) PutU16(bmp, c.at, static_cast<uint16_t>(c.value));
    if (c.width == 4) PutU32(bmp, c.at, c.value);
    SnapshotImage img;
    EXPECT_FALSE(Decode(bmp, img)) << c.what;
  }
}

TEST(Snapshot, TakesTheLargestSide) {
  // One row of 16384 pixels is within the limit.
  const auto bmp = MakeBmp(16384, 1, [](int, int) { return Rgb{1, 2, 3}; });
  SnapshotImage img;
  ASSERT_TRUE(Decode(bmp, img));
  EXPECT_EQ(img.length, 16384u * 3);
}

class FileBytes : public ::testing::Test {
 protected:
  std::string path_ = ::testing::TempDir() + "velnora_file_bytes.bin";
  void TearDown() override { std::remove(path_.c_str()); }
};

TEST_F(FileBytes, ReadsAWholeFileAndRefusesMissingOrOversizedOnes) {
  const auto bmp = MakeBmp(5, 3, Coded);
  std::FILE* f = std::fopen(path_.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  std::fwrite(bmp.data(), 1, bmp.size(), f);
  std::fclose(f);
  std::vector<uint8_t> got;
  ASSERT_TRUE(ReadFileBytes(path_.c_str(), got));
  EXPECT_EQ(got, bmp);

  EXPECT_FALSE(ReadFileBytes((path_ + ".missing").c_str(), got));

  // A sparse file one byte over the limit is refused before anything is allocated.
  f = std::fopen(path_.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  ASSERT_EQ(std::fseek(f, static_cast<long>(kMaxFileBytes), SEEK_SET), 0);
  std::fputc(0, f);
  std::fclose(f);
  EXPECT_FALSE(ReadFileBytes(path_.c_str(), got));
}

}  // namespace
