// The host's command-line rules: command lines assembled from a program
// path, blanks and arguments must give those arguments back, their mode
// letter and preview parent must be what the pieces say; any other text
// must at least give a tail of itself without leading blanks.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/fuzz_input.h"
#include "host/app/command_line.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

std::wstring Without(std::wstring s, bool (*drop)(wchar_t)) {
  std::wstring out;
  for (wchar_t c : s)
    if (!drop(c)) out.push_back(c);
  return out;
}

// Decimal digits modulo 2^32, nine at a time.
uint32_t DigitsModulo32(const std::wstring& digits) {
  uint64_t v = 0;
  for (size_t i = 0; i < digits.size(); i += 9) {
    const std::wstring chunk = digits.substr(i, 9);
    uint64_t scale = 1, part = 0;
    for (wchar_t c : chunk) {
      scale *= 10;
      part = part * 10 + static_cast<uint64_t>(c - L'0');
    }
    v = (v * scale + part) % 0x100000000ull;
  }
  return static_cast<uint32_t>(v);
}

void AnyTextGivesATailOfItself(FuzzInput& in) {
  const std::wstring line = in.Wide();
  const std::wstring args = Ondrel_B::ArgumentText(line);
  Check(args.size() <= line.size() && line.compare(line.size() - args.size(), args.size(), args) == 0);
  Check(args.empty() || !IsBlank(args[0]));
  Ondrel_B::ModeLetterOf(args);
  Ondrel_B::PreviewParentOf(args);
}

void AssembledLinesComeApart(FuzzInput& in) {
  const uint8_t shape = in.Byte();
  // The program: quoted (blanks allowed inside, then perhaps more characters) or bare.
  std::wstring program;
  if (shape & 1) {
    program = L"\"" + Without(in.Wide(in.Byte() % 40), [](wchar_t c) { return c == L'"'; }) + L"\"";
    program += Without(in.Wide(in.Byte() % 4), [](wchar_t c) { return IsBlank(c); });
  } else {
    program = Without(in.Wide(1 + in.Byte() % 40), [](wchar_t c) { return IsBlank(c); });
    if (program.empty() || program[0] == L'"') program.insert(0, L"x");
  }
  const std::wstring blanks(1 + in.Byte() % 3, (shape & 2) ? L'\t' : L' ');
  // The arguments: a switch character and letter, a separator, blanks, a
  // signed digit run and a tail that cannot continue the number.
  wchar_t lead = static_cast<wchar_t>(in.Byte());
  if (IsBlank(lead)) lead = L'/';
  const wchar_t letter = static_cast<wchar_t>(in.Byte()), separator = static_cast<wchar_t>(in.Byte());
  const std::wstring gap(in.Byte() % 3, L' ');
  const wchar_t sign = (shape & 4) ? L'-' : (shape & 8) ? L'+' : 0;
  std::wstring digits;
  for (size_t n = in.Byte() % 30; n > 0; --n) digits.push_back(static_cast<wchar_t>(L'0' + in.Byte() % 10));
  std::wstring tail = in.Wide(20);
  if (!tail.empty() && (IsBlank(tail[0]) || (tail[0] >= L'0' && tail[0] <= L'9') || tail[0] == L'+' || tail[0] == L'-'))
    tail[0] = L'x';

  std::wstring args{lead, letter, separator};
  args += gap;
  if (sign) args += sign;
  args += digits + tail;
  Check(Ondrel_B::ArgumentText(program + blanks + args) == args);
  Check(Ondrel_B::ArgumentText(program) == L"");

  const wchar_t upper = (letter >= L'a' && letter <= L'z') ? static_cast<wchar_t>(letter - 32) : letter;
  Check(Ondrel_B::ModeLetterOf(args) == upper);
  // The parent is read from the fourth character on ("/p 1234", "/p:1234"),
  // modulo 2^32 however long the digit run.
  uint32_t want = DigitsModulo32(digits);
  if (sign == L'-') want = 0u - want;
  Check(Ondrel_B::PreviewParentOf(args) == want);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput in(data, size);
  if (in.Byte() & 1) {
    AnyTextGivesATailOfItself(in);
  } else {
    AssembledLinesComeApart(in);
  }
  return 0;
}
