// The host's number rules against models built another way: the settings
// file's number reading (ReadWholeNumber) against the C library's strtod,
// the sign-column writing read back, and RoundHalfEven against nearbyint.
#include <cerrno>
#include <cfenv>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

#include "fuzz/fuzz_input.h"
#include "host/base/rounding.h"
#include "host/settings/number_text.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

// The rule in plain terms: blanks and tabs around a decimal number (sign,
// fraction and exponent allowed, nothing else: no hex, no inf), read as a
// double, rounded down, kept only within the signed 16-bit range.
std::optional<int16_t> ReferenceWholeNumber(const std::wstring& text) {
  size_t b = text.find_first_not_of(L" \t");
  if (b == std::wstring::npos) return std::nullopt;
  const size_t e = text.find_last_not_of(L" \t") + 1;
  std::string narrow;
  for (size_t i = b; i < e; ++i) {
    const wchar_t c = text[i];
    if (!((c >= L'0' && c <= L'9') || c == L'+' || c == L'-' || c == L'.' || c == L'e' || c == L'E')) return std::nullopt;
    narrow.push_back(static_cast<char>(c));
  }
  char* end = nullptr;
  const double v = std::strtod(narrow.c_str(), &end);
  if (end != narrow.c_str() + narrow.size()) return std::nullopt;
  const double f = std::floor(v);
  if (!(f >= -32768.0 && f <= 32767.0)) return std::nullopt;
  return static_cast<int16_t>(f);
}

void ReadingMatchesTheModel(FuzzInput& in) {
  const std::wstring text = in.Wide();
  Check(Ondrel_B::ReadWholeNumber(text) == ReferenceWholeNumber(text));
}

void WrittenNumbersReadBack(FuzzInput& in) {
  const int16_t v = static_cast<int16_t>(in.Byte() << 8 | in.Byte());
  const std::wstring written = Ondrel_B::SignColumn(v);
  Check(written[0] == (v < 0 ? L'-' : L' '));
  Check(Ondrel_B::ReadWholeNumber(written) == v);
  // With blanks around it and a fraction: rounded down, off the range below -32768.
  const std::optional<int16_t> down = v >= 0 ? std::optional<int16_t>(v)
                                      : v > -32768 ? std::optional<int16_t>(static_cast<int16_t>(v - 1))
                                                   : std::nullopt;
  Check(Ondrel_B::ReadWholeNumber(L"\t" + written + L".75  ") == down);
}

// Nearest whole number, halves to the even neighbour, for every value the
// host converts (finite, within long long).
void RoundingIsNearestHalvesToEven(FuzzInput& in) {
  const double x = in.Double();
  if (!std::isfinite(x) || std::fabs(x) >= 0x1p62) return;
  const long long r = Ondrel_B::RoundHalfEven(x);
  const double d = std::fabs(x - static_cast<double>(r));
  Check(d <= 0.5);
  if (d == 0.5) Check(r % 2 == 0);
  Check(Ondrel_B::RoundHalfEven(-x) == -r);
  Check(std::fegetround() != FE_TONEAREST || static_cast<double>(r) == std::nearbyint(x));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput in(data, size);
  switch (in.Byte() % 3) {
    case 0: ReadingMatchesTheModel(in); break;
    case 1: WrittenNumbersReadBack(in); break;
    default: RoundingIsNearestHalvesToEven(in); break;
  }
  return 0;
}
