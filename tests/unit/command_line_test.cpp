#include "host/app/command_line.h"

#include <gtest/gtest.h>

namespace {

using Ondrel_B::ArgumentText;
using Ondrel_B::ModeLetterOf;
using Ondrel_B::PreviewParentOf;

struct ModeCase {
  const wchar_t* args;
  wchar_t letter;
  uint32_t parent;  // only meaningful for 'P'
};

TEST(CommandLine, ModeLetterAndPreviewParentForEachSwitch) {
  const ModeCase cases[] = {
      {L"/S", L'S', 0},         {L"/s", L'S', 0},          {L"-s", L'S', 0},
      {L"", 0, 0},              {L"/C", L'C', 0},          {L"/c:1234", L'C', 0},
      {L"/P 1234", L'P', 1234}, {L"/p:1234", L'P', 1234},  {L"/p 1234", L'P', 1234},
      {L"/p", L'P', 0},         {L"/p abc", L'P', 0},      {L"/p   77x9", L'P', 77},
      {L"/A", L'A', 0},         {L"/x", L'X', 0},          {L"S", 0, 0},
      {L"/", 0, 0},             {L"/p:4294967295", L'P', 4294967295u},
  };
  for (const ModeCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "args=\"" << testing::PrintToString(std::wstring(c.args)) << "\"");
    EXPECT_EQ(ModeLetterOf(c.args), c.letter);
    if (c.letter == L'P') EXPECT_EQ(PreviewParentOf(c.args), c.parent);
  }
}

TEST(CommandLine, PreviewParentReadsFromTheFourthCharacterAsTyped) {
  // The fourth character on, not the first digit: "/p12" has only "2" there.
  EXPECT_EQ(PreviewParentOf(L"/p12"), 2u);
  EXPECT_EQ(PreviewParentOf(L"/p 12"), 12u);
  EXPECT_EQ(PreviewParentOf(L"/P\t\t 5"), 5u);
  // A digit run far beyond 32 bits keeps the low 32 bits and never overflows.
  EXPECT_EQ(PreviewParentOf(L"/p 99999999999999999999"), 1661992959u);  // (10^20 - 1) mod 2^32
}

TEST(CommandLine, ArgumentTextDropsTheProgramPath) {
  const std::pair<const wchar_t*, const wchar_t*> cases[] = {
      {L"\"C:\\Program Files\\Velnora.scr\" /s", L"/s"},
      {L"C:\\Windows\\Velnora.scr /p 1234", L"/p 1234"},
      {L"Velnora.scr", L""},
      {L"\"C:\\a b\\Velnora.scr\"", L""},
      {L"\"C:\\a b\\Velnora.scr\"   /c:99", L"/c:99"},
      {L"Velnora.SCR  S", L"S"},
  };
  for (const auto& [line, args] : cases) EXPECT_EQ(ArgumentText(line), args) << testing::PrintToString(std::wstring(line));
}

}  // namespace
