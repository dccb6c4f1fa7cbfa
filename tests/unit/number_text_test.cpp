#include "host/settings/number_text.h"

#include <gtest/gtest.h>

namespace {

using Ondrel_B::ReadWholeNumber;
using Ondrel_B::SignColumn;

TEST(NumberText, WritesWithASignColumn) {
  EXPECT_EQ(SignColumn(1280), L" 1280");
  EXPECT_EQ(SignColumn(1024), L" 1024");
  EXPECT_EQ(SignColumn(0), L" 0");
  EXPECT_EQ(SignColumn(-5), L"-5");
  EXPECT_EQ(SignColumn(-32768), L"-32768");
}

TEST(NumberText, ReadsStoredNumbersRoundingDown) {
  struct Case {
    const wchar_t* text;
    std::optional<int16_t> value;
  };
  const Case cases[] = {
      {L" 2", 2},        {L"2", 2},          {L"  1024  ", 1024}, {L"2.9", 2},
      {L"1.9", 1},       {L"-0.5", -1},      {L"-2.1", -3},       {L"+7", 7},
      {L" 0", 0},        {L"\t3", 3},        {L"1e2", 100},       {L".5", 0},
      {L"32767", 32767}, {L"-32768", -32768}, {L"32767.9", 32767}, {L"-32768.5", std::nullopt},
      {L"32768", std::nullopt}, {L"abc", std::nullopt}, {L"", std::nullopt},  {L" ", std::nullopt},
      {L"2abc", std::nullopt},  {L"1 2", std::nullopt}, {L".", std::nullopt}, {L"-", std::nullopt},
      {L"1e", std::nullopt},    {L"1e400", std::nullopt}, {L"２", std::nullopt},
      // Nearer zero than a double holds: zero, not "not a number".
      {L"1e-400", 0},           {L"-29E-393", 0},         {L"0.5e-99999999999999999999", 0},
      {L"1e-310", 0},           {L"-1e-310", -1},          // still a double: rounded down
      {L"123e-400", 0},         {L"1e99999999999999999999", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReadWholeNumber(c.text), c.value) << testing::PrintToString(std::wstring(c.text));
  }
}

}  // namespace
