// What Windows reads out of the two programs without running them: the
// saver's display name for the Screen Saver Settings list, the renderer's
// manifest, the version both show in Explorer and Task Manager, and the
// saver's pictures as the system's own loaders see them.
#include <windows.h>
#include <wincodec.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "assets/resource_ids.h"
#include "velnora_version.h"

namespace {

// A dist file as a Wine path (Z: is the Unix root).
std::wstring DistPath(const char* name) {
  std::string unix = VELNORA_DIST_DIR "/";
  unix += name;
  std::wstring path = L"Z:";
  for (char c : unix) path.push_back(c == '/' ? L'\\' : static_cast<wchar_t>(c));
  return path;
}

std::wstring HostPath() { return DistPath("Velnora.scr"); }

TEST(HostResources, StringOneIsTheSaversDisplayName) {
  HMODULE module = LoadLibraryExW(HostPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(module, nullptr);
  wchar_t name[64] = {};
  EXPECT_EQ(LoadStringW(module, 1, name, 64), 7);
  EXPECT_STREQ(name, L"Velnora");
  FreeLibrary(module);
}

TEST(RendererResources, KeepsItsManifest) {
  HMODULE module = LoadLibraryExW(DistPath("Velnora.dll").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(module, nullptr);
  EXPECT_NE(FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24)), nullptr);
  FreeLibrary(module);
}

struct Program {
  const char* file;
  const wchar_t* description_en;
  const wchar_t* description_ja;
};

const Program kPrograms[] = {
    {"Velnora.scr", L"Velnora screen saver", L"Velnora スクリーンセーバー"},
    {"Velnora.dll", L"Velnora renderer (OpenGL)", L"Velnora 描画プログラム (OpenGL)"},
};

// One program's version resource, read as Explorer reads it.
class VersionInfo {
 public:
  explicit VersionInfo(const std::wstring& path) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (size == 0) return;
    data_.resize(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, data_.data())) data_.clear();
  }
  bool ok() const { return !data_.empty(); }

  const VS_FIXEDFILEINFO* Fixed() const {
    void* info = nullptr;
    UINT len = 0;
    if (!VerQueryValueW(data_.data(), L"\\", &info, &len) || len < sizeof(VS_FIXEDFILEINFO)) return nullptr;
    return static_cast<const VS_FIXEDFILEINFO*>(info);
  }

  std::vector<DWORD> Translations() const {
    void* table = nullptr;
    UINT len = 0;
    std::vector<DWORD> out;
    if (!VerQueryValueW(data_.data(), L"\\VarFileInfo\\Translation", &table, &len)) return out;
    const WORD* words = static_cast<const WORD*>(table);
    for (UINT i = 0; i + 1 < len / sizeof(WORD); i += 2) out.push_back(MAKELONG(words[i + 1], words[i]));
    return out;
  }

  // A string of the block "040904b0" (English) or "041104b0" (Japanese);
  // "<missing>" when there is none.
  std::wstring Text(const wchar_t* block, const wchar_t* name) const {
    const std::wstring query = std::wstring(L"\\StringFileInfo\\") + block + L"\\" + name;
    void* text = nullptr;
    UINT len = 0;
    if (!VerQueryValueW(data_.data(), query.c_str(), &text, &len)) return L"<missing>";
    return static_cast<const wchar_t*>(text);
  }

 private:
  std::vector<BYTE> data_;
};

TEST(ProgramVersions, BothProgramsCarryTheProductsVersionInEnglishAndJapanese) {
  // CMake's project version, the one place it is written.
  constexpr DWORD kVersion[] = {VELNORA_VERSION_BINARY};
  constexpr DWORD kVersionMS = kVersion[0] << 16 | kVersion[1], kVersionLS = kVersion[2] << 16 | kVersion[3];
  static_assert(kVersion[0] == 1 && kVersion[1] == 1 && kVersion[2] == 0, "release 1.1.0");
  for (const Program& program : kPrograms) {
    SCOPED_TRACE(program.file);
    const VersionInfo info(DistPath(program.file));
    ASSERT_TRUE(info.ok());

    const VS_FIXEDFILEINFO* fixed = info.Fixed();
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, kVersionMS);
    EXPECT_EQ(fixed->dwFileVersionLS, kVersionLS);
    EXPECT_EQ(fixed->dwProductVersionMS, kVersionMS);
    EXPECT_EQ(fixed->dwProductVersionLS, kVersionLS);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
    EXPECT_EQ(fixed->dwFileFlags & fixed->dwFileFlagsMask, 0u) << "debug, pre-release or patched flag set";

    EXPECT_EQ(info.Translations(), (std::vector<DWORD>{0x040904b0, 0x041104b0}));

    const std::wstring file(program.file, program.file + strlen(program.file));
    const struct {
      const wchar_t* block;
      const wchar_t* description;
    } blocks[] = {{L"040904b0", program.description_en}, {L"041104b0", program.description_ja}};
    for (const auto& block : blocks) {
      SCOPED_TRACE(testing::Message() << "block " << block.block);
      EXPECT_EQ(info.Text(block.block, L"ProductName"), L"Velnora");
      EXPECT_EQ(info.Text(block.block, L"ProductVersion"), L"" VELNORA_VERSION_TEXT);
      EXPECT_EQ(info.Text(block.block, L"FileVersion"), L"" VELNORA_FILE_VERSION_TEXT);
      EXPECT_EQ(info.Text(block.block, L"CompanyName"), L"Velnora Project");
      EXPECT_EQ(info.Text(block.block, L"LegalCopyright"), L"© 2026 Velnora Project");
      EXPECT_EQ(info.Text(block.block, L"OriginalFilename"), file);
      EXPECT_EQ(info.Text(block.block, L"FileDescription"), block.description);
    }
  }
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

// A COM interface pointer released at the end of its scope.
template <typename T>
struct Com {
  T* p = nullptr;
  Com() = default;
  ~Com() {
    if (p) p->Release();
  }
  Com(const Com&) = delete;
  Com& operator=(const Com&) = delete;
  T* operator->() const { return p; }
};

// The frame header (SOFn) of a JPEG: which one, and what it states.
struct JpegFrame {
  int marker = 0;
  int precision = 0, height = 0, width = 0, components = 0;
};

JpegFrame FindFrame(const std::vector<BYTE>& jpeg) {
  JpegFrame frame;
  size_t at = 2;  // after SOI
  while (at + 4 <= jpeg.size() && jpeg[at] == 0xFF) {
    const int marker = jpeg[at + 1];
    const size_t length = static_cast<size_t>(jpeg[at + 2]) << 8 | jpeg[at + 3];
    const bool isFrame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
    if (isFrame && at + 10 <= jpeg.size()) {
      frame = {marker, jpeg[at + 4], jpeg[at + 5] << 8 | jpeg[at + 6], jpeg[at + 7] << 8 | jpeg[at + 8], jpeg[at + 9]};
      break;
    }
    if (marker == 0xDA) break;  // start of scan: no frame header before it
    at += 2 + length;
  }
  return frame;
}

TEST(HostResources, PreviewIsABaselineJfifStillThatWindowsDecodes) {
  DataModule module;
  ASSERT_NE(module.get(), nullptr);
  const std::vector<BYTE> jpeg = module.Bytes(IDR_PREVIEW_JPEG, RT_RCDATA);
  ASSERT_GT(jpeg.size(), 20u);
  // SOI, then APP0 "JFIF" version 1.01.
  const BYTE start[] = {0xFF, 0xD8, 0xFF, 0xE0};
  EXPECT_EQ(std::memcmp(jpeg.data(), start, sizeof start), 0);
  EXPECT_EQ(std::memcmp(&jpeg[6], "JFIF", 5), 0);
  EXPECT_EQ(jpeg[11], 1);
  EXPECT_EQ(jpeg[12], 1);
  const JpegFrame frame = FindFrame(jpeg);
  EXPECT_EQ(frame.marker, 0xC0) << "baseline, not progressive";
  EXPECT_EQ(frame.precision, 8);
  EXPECT_EQ(frame.width, 152);
  EXPECT_EQ(frame.height, 112);
  EXPECT_EQ(frame.components, 3);

  // The platform's own decoder reads it, and it shows the saver: black
  // around a bright panel above and the desktop sheet below.
  ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
  {
    Com<IWICImagingFactory> factory;
    ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                           IID_IWICImagingFactory, reinterpret_cast<void**>(&factory.p))));
    Com<IWICStream> stream;
    ASSERT_TRUE(SUCCEEDED(factory->CreateStream(&stream.p)));
    ASSERT_TRUE(SUCCEEDED(stream->InitializeFromMemory(const_cast<BYTE*>(jpeg.data()), static_cast<DWORD>(jpeg.size()))));
    Com<IWICBitmapDecoder> decoder;
    ASSERT_TRUE(SUCCEEDED(factory->CreateDecoderFromStream(stream.p, nullptr, WICDecodeMetadataCacheOnDemand, &decoder.p)));
    GUID container{};
    ASSERT_TRUE(SUCCEEDED(decoder->GetContainerFormat(&container)));
    EXPECT_TRUE(IsEqualGUID(container, GUID_ContainerFormatJpeg));
    Com<IWICBitmapFrameDecode> still;
    ASSERT_TRUE(SUCCEEDED(decoder->GetFrame(0, &still.p)));
    UINT w = 0, h = 0;
    ASSERT_TRUE(SUCCEEDED(still->GetSize(&w, &h)));
    EXPECT_EQ(w, 152u);
    EXPECT_EQ(h, 112u);
    Com<IWICFormatConverter> converter;
    ASSERT_TRUE(SUCCEEDED(factory->CreateFormatConverter(&converter.p)));
    ASSERT_TRUE(SUCCEEDED(converter->Initialize(still.p, GUID_WICPixelFormat24bppBGR, WICBitmapDitherTypeNone, nullptr,
                                                0, WICBitmapPaletteTypeCustom)));
    std::vector<BYTE> bgr(static_cast<size_t>(w) * h * 3);
    ASSERT_TRUE(SUCCEEDED(converter->CopyPixels(nullptr, w * 3, static_cast<UINT>(bgr.size()), bgr.data())));
    int black = 0, bright = 0, blue = 0;
    for (size_t i = 0; i < bgr.size(); i += 3) {
      const int b = bgr[i], g = bgr[i + 1], r = bgr[i + 2];
      black += std::max({r, g, b}) < 24;
      bright += std::min({r, g, b}) > 180;
      blue += b > r + 40 && b > 90;
    }
    const int pixels = static_cast<int>(w * h);
    EXPECT_GT(black, pixels / 5) << "the black of the scene around";
    EXPECT_GT(bright, pixels / 100) << "the white of the windows in the panel and on the sheet";
    EXPECT_GT(blue, pixels / 4) << "the desktop's blue on the sheet";
  }
  CoUninitialize();
}

}  // namespace
