// How the host writes numbers into the settings file and reads them back.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace Ondrel_B {

// Decimal text with a sign column: " 1024" for a number that is not
// negative, "-5" for one that is.
std::wstring SignColumn(long long value);

// A number as typed: blanks around it, a sign, a fraction and an exponent
// allowed. Anything else, or a value beyond the range of a double: nothing.
[[nodiscard]] std::optional<double> ReadNumber(std::wstring_view text);

// A stored whole number: blanks around it, a sign, a fraction and an
// exponent allowed; rounded down ("2.9" -> 2, "-0.5" -> -1). Not a number,
// or a result outside the signed 16-bit range: nothing.
[[nodiscard]] std::optional<int16_t> ReadWholeNumber(std::wstring_view text);

}  // namespace Ondrel_B
