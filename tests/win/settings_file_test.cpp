// The settings file through the real profile functions, checked byte by byte.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "host/base/names.h"
#include "host/base/ondrel_b.h"
#include "host/base/paths.h"
#include "host/settings/bgm_settings.h"
#include "host/settings/ini.h"
#include "host/settings/text_win32.h"
#include "tests/win/test_files.h"

namespace {

using namespace Ondrel_B;

std::wstring TempDir() {
  wchar_t buf[MAX_PATH];
  GetTempPathW(MAX_PATH, buf);
  std::wstring dir = std::wstring(buf) + L"velnora_ini_test";
  CreateDirectoryW(dir.c_str(), nullptr);
  return dir;
}


// The profile writer decides whether the sign column's blank reaches the
// file: Windows keeps it ("Width= 1280"), Wine drops it ("Width=1280").
// Readers skip it either way.
std::string WithoutBlankAfterEquals(std::string bytes) {
  for (size_t at = bytes.find("= "); at != std::string::npos; at = bytes.find("= ", at)) bytes.erase(at + 1, 1);
  return bytes;
}

class SettingsFile : public testing::Test {
 protected:
  void SetUp() override {
    path_ = TempDir() + L"\\Velnora.ini";
    DeleteFileW(path_.c_str());
  }
  void TearDown() override { DeleteFileW(path_.c_str()); }
  std::wstring path_;
};

TEST_F(SettingsFile, WritesCp932KeysSignColumnNumbersAndEmptyValues) {
  WriteIni(kScreenSection, kWidthKey, L" 1280", path_);
  WriteIni(kScreenSection, kHeightKey, L" 1024", path_);
  WriteIni(kMusicSection, kBgmKindKey, L" 2", path_);
  WriteIni(kMusicSection, kBgmRepeatKey, L" 0", path_);
  WriteIni(kMusicSection, kBgmFileKey, L"", path_);
  const std::string expected =
      "[Settings]\r\nWidth=1280\r\nHeight=1024\r\n"
      "[Section]\r\n"
      "\x42\x47\x4D\x8B\xE6\x95\xAA=2\r\n"
      "\x42\x47\x4D\xD8\xCB\xDF\xB0\xC4=0\r\n"
      "\x42\x47\x4D\xCC\xA7\xB2\xD9=\r\n";
  EXPECT_EQ(WithoutBlankAfterEquals(velnora_test::ReadFileText(path_)), expected);
  EXPECT_EQ(GetIni(kScreenSection, kWidthKey, path_), L"1280");
  EXPECT_EQ(GetIni(kMusicSection, kBgmFileKey, path_), L"");
}

TEST_F(SettingsFile, ReadsJapaneseValuesAndCutsLongOnesTo255Bytes) {
  const std::wstring music = L"C:\\音楽\\曲 1.mp3";
  WriteIni(kMusicSection, kBgmFileKey, music, path_);
  EXPECT_EQ(GetIni(kMusicSection, kBgmFileKey, path_), music);

  WriteIni(kMusicSection, L"Long", std::wstring(300, L'x'), path_);
  EXPECT_EQ(GetIni(kMusicSection, L"Long", path_), std::wstring(255, L'x'));

  EXPECT_EQ(GetIni(L"Nowhere", kWidthKey, path_), L"");
  EXPECT_EQ(GetIni(kScreenSection, kWidthKey, path_ + L".missing"), L"");
}

TEST_F(SettingsFile, KeysWrittenInUtf8AreNotTheSameKeys) {
  ASSERT_TRUE(velnora_test::WriteFileText(path_, "[Section]\r\nBGM\xE5\x8C\xBA\xE5\x88\x86= 2\r\n"));
  EXPECT_EQ(GetIni(kMusicSection, kBgmKindKey, path_), L"");
}

TEST_F(SettingsFile, SectionAndKeyNamesCountTo127Characters) {
  const std::wstring key(127, L'k');
  WriteIni(kMusicSection, key + L"IGNORED", L"v", path_);
  EXPECT_EQ(GetIni(kMusicSection, key, path_), L"v");
}

// What the settings file can hold exactly: no best-fit stand-ins ("é" would
// otherwise come back as "e", naming another file).
TEST(Cp932Exact, SpellsJapaneseAndRefusesWhatHasNoBytes) {
  EXPECT_EQ(Ondrel_B::ToCp932Exact(L"C:\\音楽\\ﾘﾋﾟｰﾄ ①.mp3"),
            std::string("C:\\\x89\xb9\x8a\x79\\\xd8\xcb\xdf\xb0\xc4 \x87\x40.mp3"));
  EXPECT_EQ(Ondrel_B::ToCp932Exact(L""), std::string());
  for (const wchar_t* text : {L"C:\\Music\\été.mp3", L"€", L"曲\u00a0", L"\U0001F3B5.wav"}) {
    EXPECT_EQ(Ondrel_B::ToCp932Exact(text), std::nullopt) << testing::PrintToString(std::wstring(text));
  }
}

TEST(FileExistsTest, FilesFoldersAndTrailingBackslash) {
  const std::wstring file = TempDir() + L"\\ある 曲.wav";
  ASSERT_TRUE(velnora_test::WriteFileText(file, "RIFF"));
  EXPECT_TRUE(FileExists(file));
  EXPECT_TRUE(FileExists(file + L"\\"));
  EXPECT_FALSE(FileExists(TempDir()));
  EXPECT_FALSE(FileExists(TempDir() + L"\\"));
  EXPECT_FALSE(FileExists(L"C:\\Windows\\"));
  EXPECT_FALSE(FileExists(file + L".nope"));
  EXPECT_FALSE(FileExists(L""));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
  DeleteFileW(file.c_str());
}

// LoadBgmSettings reads the fixed settings file in the work directory.
class LoadBgm : public testing::Test {
 protected:
  void SetUp() override {
    CreateDirectoryW(kWorkDir, nullptr);
    backup_ = velnora_test::ReadFileText(kSettingsFile);
    hadFile_ = FileExists(kSettingsFile);
    DeleteFileW(kSettingsFile);
    music_ = TempDir() + L"\\曲 テスト.mp3";
    ASSERT_TRUE(velnora_test::WriteFileText(music_, "ID3"));
    Shared() = SharedState{};
  }
  void TearDown() override {
    DeleteFileW(kSettingsFile);
    if (hadFile_) {
      ASSERT_TRUE(velnora_test::WriteFileText(kSettingsFile, backup_));
    }
    DeleteFileW(music_.c_str());
  }
  void Store(const wchar_t* kind, const wchar_t* repeat, const std::wstring& file) {
    if (kind) WriteIni(kMusicSection, kBgmKindKey, kind, kSettingsFile);
    if (repeat) WriteIni(kMusicSection, kBgmRepeatKey, repeat, kSettingsFile);
    WriteIni(kMusicSection, kBgmFileKey, file, kSettingsFile);
  }
  std::string backup_;
  bool hadFile_ = false;
  std::wstring music_;
};

TEST_F(LoadBgm, SourceRepeatFileAndFolderFromTheFile) {
  struct Case {
    const wchar_t* kind;
    const wchar_t* repeat;
    bool fileExists;
    int16_t wantKind;
    int16_t wantRepeat;
    bool wantFile;
  };
  const Case cases[] = {
      {L" 2", L" 3", true, 2, 3, true},     // file source with an existing file
      {L"2", L" 0", false, 0, 0, false},    // file gone: source falls back to none
      {L" 1", L" 5", false, 1, 5, false},   // CD keeps its source without a file
      {L"abc", L"x", true, 0, 0, true},     // letters read as 0
      {L"2.9", L"-0.5", true, 2, -1, true}, // rounded down
      {L"7", L"40000", true, 7, 0, true},   // unknown source kept; out of range gives 0
      {L"", L"", true, 0, 0, true},
  };
  const std::wstring missing = TempDir() + L"\\none.mp3";
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.kind)));
    DeleteFileW(kSettingsFile);
    Store(c.kind, c.repeat, c.fileExists ? music_ : missing);
    LoadBgmSettings();
    EXPECT_EQ(Shared().BgmKind, c.wantKind);
    EXPECT_EQ(Shared().BgmRepeat, c.wantRepeat);
    EXPECT_EQ(Shared().BgmFile, c.wantFile ? music_ : L"");
    EXPECT_EQ(Shared().BgmFolder, c.wantFile ? TempDir() : HostFolder());
  }
}

TEST_F(LoadBgm, NoSettingsFileMeansNoMusic) {
  LoadBgmSettings();
  EXPECT_EQ(Shared().BgmKind, 0);
  EXPECT_EQ(Shared().BgmRepeat, 0);
  EXPECT_EQ(Shared().BgmFile, L"");
  EXPECT_EQ(Shared().BgmFolder, HostFolder());
  EXPECT_FALSE(FileExists(kSettingsFile));  // reading creates nothing
}

}  // namespace
