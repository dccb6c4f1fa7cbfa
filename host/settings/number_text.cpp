#include "host/settings/number_text.h"

#include <charconv>
#include <cmath>
#include <string>

namespace Ondrel_B {
namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// Checks the shape [sign] digits [. digits] [e [sign] digits] and returns it
// as plain ASCII for from_chars; anything else is not a number.
std::optional<std::string> NumberShape(std::wstring_view s) {
  std::string out;
  size_t i = 0;
  auto take = [&](size_t n) {
    for (size_t k = 0; k < n; ++k) out.push_back(static_cast<char>(s[i++]));
  };
  if (i < s.size() && s[i] == L'+') ++i;  // from_chars takes no plus sign
  else if (i < s.size() && s[i] == L'-') take(1);
  size_t digits = 0;
  while (i < s.size() && IsDigit(s[i])) { take(1); ++digits; }
  if (i < s.size() && s[i] == L'.') {
    take(1);
    while (i < s.size() && IsDigit(s[i])) { take(1); ++digits; }
  }
  if (digits == 0) return std::nullopt;
  if (i < s.size() && (s[i] == L'e' || s[i] == L'E')) {
    take(1);
    if (i < s.size() && (s[i] == L'+' || s[i] == L'-')) take(1);
    size_t expDigits = 0;
    while (i < s.size() && IsDigit(s[i])) { take(1); ++expDigits; }
    if (expDigits == 0) return std::nullopt;
  }
  if (i != s.size()) return std::nullopt;
  return out;
}

// For a well-shaped number that a double cannot hold: whether it is too
// close to zero rather than too large, that is whether its first nonzero
// digit stands below the units place.
bool BelowOne(const std::string& shape) {
  long long place = 0;   // digits before the point: the units digit is the place-th
  long long first = -1;  // index of the first nonzero digit among all digits
  long long index = 0;
  size_t i = (shape[0] == '-') ? 1 : 0;
  bool point = false;
  for (; i < shape.size() && shape[i] != 'e' && shape[i] != 'E'; ++i) {
    if (shape[i] == '.') {
      point = true;
      continue;
    }
    if (first < 0 && shape[i] != '0') first = index;
    ++index;
    if (!point) ++place;
  }
  long long exponent = 0;
  bool negative = false;
  if (i < shape.size()) {
    ++i;
    if (shape[i] == '+' || shape[i] == '-') negative = shape[i++] == '-';
    for (; i < shape.size() && exponent < 1000000000; ++i) exponent = exponent * 10 + (shape[i] - '0');
  }
  if (first < 0) return true;  // all zeros: nothing to overflow
  return place - 1 - first + (negative ? -exponent : exponent) < 0;
}

}  // namespace

std::wstring SignColumn(long long value) {
  std::wstring digits = std::to_wstring(value);
  return value < 0 ? digits : L" " + digits;
}

std::optional<double> ReadNumber(std::wstring_view text) {
  size_t b = 0, e = text.size();
  while (b < e && IsBlank(text[b])) ++b;
  while (e > b && IsBlank(text[e - 1])) --e;
  const auto shape = NumberShape(text.substr(b, e - b));
  if (!shape) return std::nullopt;
  double parsed = 0;
  const auto [end, err] = std::from_chars(shape->data(), shape->data() + shape->size(), parsed);
  if (end != shape->data() + shape->size()) return std::nullopt;
  // A number nearer zero than any double holds reads as a double would:
  // zero. Only one too large for a double is out of range.
  if (err == std::errc::result_out_of_range && BelowOne(*shape)) return 0.0;
  if (err != std::errc()) return std::nullopt;
  return parsed;
}

std::optional<int16_t> ReadWholeNumber(std::wstring_view text) {
  const auto parsed = ReadNumber(text);
  if (!parsed) return std::nullopt;
  const double value = std::floor(*parsed);
  if (!(value >= -32768.0 && value <= 32767.0)) return std::nullopt;  // also rejects inf
  return static_cast<int16_t>(value);
}

}  // namespace Ondrel_B
