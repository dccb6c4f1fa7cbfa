// The host's snapshot writer feeding the renderer's snapshot reader: what
// the session draws into its off-screen image is what the renderer reads,
// pixel for pixel, whether or not the rows need padding.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/forms/surface_win32.h"
#include "host/session/snapshot_file_win32.h"
#include "renderer/scene/snapshot.h"
#include "tests/win/test_files.h"

namespace {

// A colour that differs in every channel from its neighbours'.
COLORREF ColourAt(int x, int y) { return RGB((x * 37 + y * 11) & 0xFF, (x * 5 + y * 71 + 3) & 0xFF, (x * y + 129) & 0xFF); }

TEST(SnapshotRoundTrip, WhatTheHostDrawsIsWhatTheRendererReads) {
  wchar_t temp[MAX_PATH];
  ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
  const std::wstring path = std::wstring(temp) + L"velnora_roundtrip.alo";

  // Widths 1..5 cover every row padding (3, 2, 1, 0 bytes); tall and wide shapes too.
  const std::pair<int, int> sizes[] = {{1, 1}, {2, 3}, {3, 2}, {4, 4}, {5, 7}, {17, 9}, {64, 1}, {1, 64}, {33, 31}};
  for (const auto& [width, height] : sizes) {
    SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
    Forms::Surface image(Forms::DibRows::Bgr24BottomUp);
    ASSERT_TRUE(image.Resize(width, height));
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) SetPixelV(image.dc(), x, y, ColourAt(x, y));

    ASSERT_TRUE(Ondrel_B::WriteSnapshotFile(image, path));
    const std::string bytes = velnora_test::ReadFileText(path);
    SnapshotImage read;
    ASSERT_TRUE(DecodeSnapshot(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), read));
    ASSERT_EQ(read.width, width);
    ASSERT_EQ(read.height, height);
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) / 4 * 4;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        // The file's first row is the picture's bottom row.
        const uint8_t* p = read.pixels + static_cast<size_t>(height - 1 - y) * stride + static_cast<size_t>(x) * 3;
        const COLORREF want = ColourAt(x, y);
        ASSERT_EQ(RGB(p[2], p[1], p[0]), want) << "pixel " << x << "," << y;
      }
    }
  }
  DeleteFileW(path.c_str());
  EXPECT_EQ(GetFileAttributesW((path + L".new").c_str()), INVALID_FILE_ATTRIBUTES) << "no temporary file left";
}

TEST(SnapshotRoundTrip, RefusesImagesThatAreNotTheFilesRows) {
  wchar_t temp[MAX_PATH];
  ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
  const std::wstring path = std::wstring(temp) + L"velnora_roundtrip_refused.alo";
  Forms::Surface widget(Forms::DibRows::Bgrx32TopDown);
  ASSERT_TRUE(widget.Resize(8, 8));
  EXPECT_FALSE(Ondrel_B::WriteSnapshotFile(widget, path));
  Forms::Surface empty(Forms::DibRows::Bgr24BottomUp);
  EXPECT_FALSE(Ondrel_B::WriteSnapshotFile(empty, path));
  EXPECT_EQ(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
