// What Windows reads out of the two programs without running them: the
// saver's display name for the Screen Saver Settings list, the renderer's
// manifest, and the version both show in Explorer and Task Manager.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

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
  for (const Program& program : kPrograms) {
    SCOPED_TRACE(program.file);
    const VersionInfo info(DistPath(program.file));
    ASSERT_TRUE(info.ok());

    const VS_FIXEDFILEINFO* fixed = info.Fixed();
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);
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
      EXPECT_EQ(info.Text(block.block, L"ProductVersion"), L"1.0.0");
      EXPECT_EQ(info.Text(block.block, L"FileVersion"), L"1.0.0.0");
      EXPECT_EQ(info.Text(block.block, L"CompanyName"), L"Velnora Project");
      EXPECT_EQ(info.Text(block.block, L"LegalCopyright"), L"© 2026 Velnora Project");
      EXPECT_EQ(info.Text(block.block, L"OriginalFilename"), file);
      EXPECT_EQ(info.Text(block.block, L"FileDescription"), block.description);
    }
  }
}

}  // namespace
