#include "host/app/paths.h"

#include <gtest/gtest.h>

namespace {

TEST(Paths, DirOfTakesThePartUpToTheLastColonOrBackslash) {
  const std::pair<const wchar_t*, const wchar_t*> cases[] = {
      {L"C:\\Music\\a.mp3", L"C:\\Music"},
      {L"C:\\a.mp3", L"C:"},
      {L"a.mp3", L""},
      {L"", L""},
      {L"C:a.mp3", L"C:"},
      {L"C:\\Music\\", L"C:\\Music"},
      {L"\\\\server\\share\\曲 1.mp3", L"\\\\server\\share"},
      {L"C:\\Music\\sub:x", L"C:\\Music\\sub:"},
  };
  for (const auto& [path, dir] : cases) EXPECT_EQ(Ondrel_B::DirOf(path), dir) << testing::PrintToString(std::wstring(path));
}

}  // namespace
