#include "host/base/paths.h"
#include "host/base/rounding.h"

#include <gtest/gtest.h>

namespace {

TEST(Base, DirOfTakesThePartUpToTheLastColonOrBackslash) {
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

TEST(Base, RoundsHalvesToEven) {
  const std::pair<double, long long> cases[] = {
      {0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2},
      {2.4999, 2}, {2.5001, 3}, {7.0, 7}, {-7.6, -8},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(Ondrel_B::RoundHalfEven(in), out) << in;
}

}  // namespace
