// What Windows reads out of Velnora.scr without running it: the display
// name for the Screen Saver Settings list, the version, and the pictures as
// the system's own loaders see them.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "assets/resource_ids.h"

namespace {

std::wstring HostPath() {
  // The dist folder as a Wine path (Z: is the Unix root).
  std::string unix = VELNORA_DIST_DIR "/Velnora.scr";
  std::wstring path = L"Z:";
  for (char c : unix) path.push_back(c == '/' ? L'\\' : static_cast<wchar_t>(c));
  return path;
}

TEST(HostResources, StringOneIsTheSaversDisplayName) {
  HMODULE module = LoadLibraryExW(HostPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(module, nullptr);
  wchar_t name[64] = {};
  EXPECT_EQ(LoadStringW(module, 1, name, 64), 7);
  EXPECT_STREQ(name, L"Velnora");
  FreeLibrary(module);
}

TEST(HostResources, VersionIsOneZeroZero) {
  const std::wstring path = HostPath();
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
  ASSERT_GT(size, 0u);
  std::vector<BYTE> data(size);
  ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, data.data()));
  VS_FIXEDFILEINFO* info = nullptr;
  UINT len = 0;
  ASSERT_TRUE(VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&info), &len));
  EXPECT_EQ(info->dwFileVersionMS, 0x00010000u);
  EXPECT_EQ(info->dwFileVersionLS, 0u);
  wchar_t* text = nullptr;
  ASSERT_TRUE(VerQueryValueW(data.data(), L"\\StringFileInfo\\041104b0\\FileVersion", reinterpret_cast<void**>(&text), &len));
  EXPECT_STREQ(text, L"1.0.0");
}

// Unaware of DPI by its manifest, so that on a scaled display Windows draws
// the dialog's GDI output at full resolution (GDI scaling); the session
// makes itself aware at run time instead.
TEST(HostResources, ManifestAsksForGdiScalingAndDeclaresNoDpiAwareness) {
  HMODULE module = LoadLibraryExW(HostPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(module, nullptr);
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
  ASSERT_NE(found, nullptr) << "no application manifest";
  const char* bytes = static_cast<const char*>(LockResource(LoadResource(module, found)));
  ASSERT_NE(bytes, nullptr);
  const std::string manifest(bytes, SizeofResource(module, found));
  FreeLibrary(module);
  EXPECT_NE(manifest.find("<gdiScaling xmlns=\"http://schemas.microsoft.com/SMI/2017/WindowsSettings\">true</gdiScaling>"),
            std::string::npos);
  EXPECT_EQ(manifest.find("dpiAware"), std::string::npos);
  EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
}

// The program's resources, loaded as data for as long as a test needs them.
class DataModule {
 public:
  DataModule() : module_(LoadLibraryExW(HostPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}
  ~DataModule() {
    if (module_) FreeLibrary(module_);
  }
  DataModule(const DataModule&) = delete;
  DataModule& operator=(const DataModule&) = delete;
  HMODULE get() const { return module_; }

  // The bytes of one resource; empty when it is missing.
  std::vector<BYTE> Bytes(int id, LPCWSTR type) const {
    HRSRC found = FindResourceW(module_, MAKEINTRESOURCEW(id), type);
    if (!found) return {};
    const BYTE* data = static_cast<const BYTE*>(LockResource(LoadResource(module_, found)));
    return data ? std::vector<BYTE>(data, data + SizeofResource(module_, found)) : std::vector<BYTE>{};
  }

 private:
  HMODULE module_;
};

template <typename Handle, BOOL(WINAPI* Free)(Handle)>
struct Owned {
  Handle h;
  explicit Owned(Handle handle) : h(handle) {}
  ~Owned() {
    if (h) Free(h);
  }
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;
};
BOOL WINAPI FreeGdiObject(HGDIOBJ object) { return DeleteObject(object); }
using OwnedIcon = Owned<HICON, DestroyIcon>;
using OwnedBitmap = Owned<HGDIOBJ, FreeGdiObject>;

enum class Kind { kIcon, kCursor, kBitmap };
// What the picture must look like, beyond its size.
enum class Look { kAny, kWhiteInGrey, kBlue, kBrightOnDark };

struct Expected {
  std::string name;
  Kind kind;
  int id;
  int width, height;
  int bits;  // icon: of the image Windows picks for this size, 0 for PNG; bitmap: per pixel
  POINT hot;
  Look look;
};

void PrintTo(const Expected& e, std::ostream* os) { *os << e.name; }

std::vector<Expected> ExpectedPictures() {
  std::vector<Expected> all = {
      {"Icon16", Kind::kIcon, IDI_VELNORA, 16, 16, 32, {}, Look::kAny},
      {"Icon32With256Colours", Kind::kIcon, IDI_VELNORA, 32, 32, 8, {}, Look::kAny},
      {"Icon48", Kind::kIcon, IDI_VELNORA, 48, 48, 32, {}, Look::kAny},
      {"Icon256Png", Kind::kIcon, IDI_VELNORA, 256, 256, 0, {}, Look::kAny},
      {"PointingHand", Kind::kCursor, IDC_POINTING_HAND, 32, 32, 1, {12, 1}, Look::kAny},
      {"MarkNotChosen", Kind::kBitmap, IDB_MARK_UNCHOSEN, 12, 12, 24, {}, Look::kWhiteInGrey},
      {"MarkChosen", Kind::kBitmap, IDB_MARK_CHOSEN, 12, 12, 24, {}, Look::kBlue},
  };
  for (int n = 1; n <= IDB_BANNER_COUNT; ++n)
    all.push_back({"BannerFrame" + std::to_string(n), Kind::kBitmap, IDB_BANNER_FIRST + n - 1, 120, 50, 24, {},
                   Look::kBrightOnDark});
  return all;
}

struct Rgb {
  int r, g, b;
  int Max() const { return std::max({r, g, b}); }
};

// Pixel (x, y), y from the top, of a 24-bit bottom-up DIB section.
Rgb PixelAt(const DIBSECTION& dib, int x, int y) {
  const BYTE* row = static_cast<const BYTE*>(dib.dsBm.bmBits) + (dib.dsBm.bmHeight - 1 - y) * dib.dsBm.bmWidthBytes;
  return {row[3 * x + 2], row[3 * x + 1], row[3 * x]};
}

void CheckLook(const DIBSECTION& dib, Look look) {
  const int w = dib.dsBm.bmWidth, h = dib.dsBm.bmHeight;
  const Rgb centre = PixelAt(dib, w / 2, h / 2), corner = PixelAt(dib, 0, 0);
  switch (look) {
    case Look::kAny: break;
    case Look::kWhiteInGrey:
      EXPECT_GE(std::min({centre.r, centre.g, centre.b}), 240) << "inside is white";
      EXPECT_TRUE(corner.r == corner.g && corner.g == corner.b && corner.r > 80 && corner.r < 200) << "border is grey";
      break;
    case Look::kBlue:
      EXPECT_GT(centre.b, centre.r + 80);
      EXPECT_GT(centre.b, centre.g + 40);
      EXPECT_GT(corner.b, corner.r + 40) << "the border is blue too";
      break;
    case Look::kBrightOnDark: {
      int bright = 0;
      for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) bright += PixelAt(dib, x, y).Max() > 180;
      for (POINT p : {POINT{0, 0}, POINT{w - 1, 0}, POINT{0, h - 1}, POINT{w - 1, h - 1}})
        EXPECT_LT(PixelAt(dib, p.x, p.y).Max(), 64) << "dark at (" << p.x << ", " << p.y << ")";
      EXPECT_GT(bright, 100) << "the name shows";
      break;
    }
  }
}

// Size of an icon's or cursor's image as the system built it.
SIZE IconSize(HICON icon, bool* monochrome = nullptr) {
  ICONINFO info{};
  if (!GetIconInfo(icon, &info)) return {0, 0};
  BITMAP bm{};
  GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bm, &bm);
  if (monochrome) *monochrome = info.hbmColor == nullptr;
  if (info.hbmColor) DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return {bm.bmWidth, info.hbmColor ? bm.bmHeight : bm.bmHeight / 2};
}

class HostPicture : public ::testing::TestWithParam<Expected> {};

TEST_P(HostPicture, LoadsWithItsSizeAndLook) {
  const Expected& want = GetParam();
  DataModule module;
  ASSERT_NE(module.get(), nullptr);
  switch (want.kind) {
    case Kind::kIcon: {
      // The image Windows itself picks out of the group for this size.
      std::vector<BYTE> group = module.Bytes(want.id, RT_GROUP_ICON);
      ASSERT_FALSE(group.empty());
      const int imageId = LookupIconIdFromDirectoryEx(group.data(), TRUE, want.width, want.height, LR_DEFAULTCOLOR);
      ASSERT_GT(imageId, 0);
      std::vector<BYTE> image = module.Bytes(imageId, RT_ICON);
      ASSERT_GE(image.size(), 40u);
      if (want.bits == 0) {
        ASSERT_EQ(std::memcmp(image.data(), "\x89PNG\r\n\x1a\n", 8), 0);
        const auto be32 = [&](size_t at) {
          return image[at] << 24 | image[at + 1] << 16 | image[at + 2] << 8 | image[at + 3];
        };
        EXPECT_EQ(be32(16), want.width);
        EXPECT_EQ(be32(20), want.height);
      } else {
        BITMAPINFOHEADER header;
        std::memcpy(&header, image.data(), sizeof header);
        EXPECT_EQ(header.biWidth, want.width);
        EXPECT_EQ(header.biHeight, 2 * want.height);  // colour and mask
        EXPECT_EQ(header.biBitCount, want.bits);
      }
      OwnedIcon made(CreateIconFromResourceEx(image.data(), static_cast<DWORD>(image.size()), TRUE, 0x00030000,
                                              want.width, want.height, LR_DEFAULTCOLOR));
      ASSERT_NE(made.h, nullptr);
      EXPECT_EQ(IconSize(made.h).cx, want.width);
      // And the ordinary way a program loads it.
      OwnedIcon loaded(static_cast<HICON>(
          LoadImageW(module.get(), MAKEINTRESOURCEW(want.id), IMAGE_ICON, want.width, want.height, 0)));
      ASSERT_NE(loaded.h, nullptr);
      const SIZE size = IconSize(loaded.h);
      EXPECT_EQ(size.cx, want.width);
      EXPECT_EQ(size.cy, want.height);
      break;
    }
    case Kind::kCursor: {
      OwnedIcon cursor(static_cast<HICON>(LoadImageW(module.get(), MAKEINTRESOURCEW(want.id), IMAGE_CURSOR, 0, 0, 0)));
      ASSERT_NE(cursor.h, nullptr);
      ICONINFO info{};
      ASSERT_TRUE(GetIconInfo(cursor.h, &info));
      OwnedBitmap mask(info.hbmMask), colour(info.hbmColor);
      EXPECT_FALSE(info.fIcon);
      EXPECT_EQ(static_cast<LONG>(info.xHotspot), want.hot.x);
      EXPECT_EQ(static_cast<LONG>(info.yHotspot), want.hot.y);
      bool monochrome = false;
      const SIZE size = IconSize(cursor.h, &monochrome);
      EXPECT_EQ(size.cx, want.width);
      EXPECT_EQ(size.cy, want.height);
      if (!monochrome) break;
      // Mask over image, 1 bit a pixel: the hot spot is white fill just under
      // the fingertip's black outline, and the corner lets the screen through.
      struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[2];
      } bmi{};
      bmi.header = {sizeof(BITMAPINFOHEADER), want.width, -2 * want.height, 1, 1, BI_RGB, 0, 0, 0, 0, 0};
      std::vector<BYTE> bits(4 * 2 * want.height);
      HDC screen = GetDC(nullptr);
      ASSERT_EQ(GetDIBits(screen, static_cast<HBITMAP>(mask.h), 0, 2 * want.height, bits.data(),
                          reinterpret_cast<BITMAPINFO*>(&bmi), DIB_RGB_COLORS),
                2 * want.height);
      ReleaseDC(nullptr, screen);
      const auto bit = [&](int x, int y) { return (bits[4 * y + x / 8] >> (7 - x % 8)) & 1; };
      const auto andAt = [&](int x, int y) { return bit(x, y); };
      const auto xorAt = [&](int x, int y) { return bit(x, y + want.height); };
      EXPECT_EQ(andAt(want.hot.x, want.hot.y), 0);
      EXPECT_EQ(xorAt(want.hot.x, want.hot.y), 1) << "white at the hot spot";
      EXPECT_EQ(andAt(want.hot.x, want.hot.y - 1), 0);
      EXPECT_EQ(xorAt(want.hot.x, want.hot.y - 1), 0) << "black outline above it";
      EXPECT_EQ(andAt(want.hot.x - 3, want.hot.y), 1) << "left of the fingertip the screen shows";
      EXPECT_EQ(andAt(want.hot.x + 3, want.hot.y), 1) << "right of the fingertip the screen shows";
      EXPECT_EQ(andAt(0, 0), 1);
      break;
    }
    case Kind::kBitmap: {
      OwnedBitmap bitmap(
          LoadImageW(module.get(), MAKEINTRESOURCEW(want.id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
      ASSERT_NE(bitmap.h, nullptr);
      DIBSECTION dib{};
      ASSERT_EQ(GetObjectW(bitmap.h, sizeof dib, &dib), static_cast<int>(sizeof dib));
      EXPECT_EQ(dib.dsBm.bmWidth, want.width);
      EXPECT_EQ(dib.dsBm.bmHeight, want.height);
      EXPECT_EQ(dib.dsBm.bmBitsPixel, want.bits);
      if (dib.dsBm.bmWidth == want.width && dib.dsBm.bmHeight == want.height && dib.dsBm.bmBitsPixel == 24)
        CheckLook(dib, want.look);
      break;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(All, HostPicture, ::testing::ValuesIn(ExpectedPictures()),
                         [](const ::testing::TestParamInfo<Expected>& info) { return info.param.name; });

// The banner moves: each frame differs from the one before it, the last from the first.
TEST(HostResources, BannerFramesAllDifferFromTheirNeighbours) {
  DataModule module;
  ASSERT_NE(module.get(), nullptr);
  std::vector<std::vector<BYTE>> frames;
  for (int n = 0; n < IDB_BANNER_COUNT; ++n) frames.push_back(module.Bytes(IDB_BANNER_FIRST + n, RT_BITMAP));
  for (int n = 0; n < IDB_BANNER_COUNT; ++n) {
    const std::vector<BYTE>& a = frames[n];
    const std::vector<BYTE>& b = frames[(n + 1) % IDB_BANNER_COUNT];
    ASSERT_FALSE(a.empty()) << "frame " << n + 1;
    EXPECT_NE(a, b) << "frames " << n + 1 << " and " << (n + 1) % IDB_BANNER_COUNT + 1;
  }
}

}  // namespace
