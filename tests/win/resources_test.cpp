// What Windows reads out of Velnora.scr without running it: the display
// name for the Screen Saver Settings list and the version.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

}  // namespace
