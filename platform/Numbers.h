#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace platform {

// The decimal separator of the user's locale, read on every call.
char DecimalSeparator();
// Replaces where the separator is read from; an empty function restores the user's locale.
void SetDecimalSeparatorSource(std::function<char()> source);

// Raised by the conversions that cannot fail quietly, like the runtime's conversion error.
class ConvertError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Plain decimal integer text.
std::string IntToStr(std::int64_t value);
// Upper-case hexadecimal, padded with zeros to at least `digits` digits.
std::string IntToHex(std::int64_t value, int digits);
std::optional<std::int32_t> TryStrToInt(std::string_view text);
std::int32_t StrToInt(std::string_view text);  // throws ConvertError

// General format with 15 significant digits and the user's decimal separator:
// 4.133 -> "4,133" under a comma, 5.0 -> "5", 1e-5 -> "1E-5", 1e15 -> "1E15".
std::string FloatToStr(double value);
// Reads a number written with the user's decimal separator (sign and exponent allowed,
// surrounding blanks ignored; no "inf" or "nan").
std::optional<double> TryStrToFloat(std::string_view text);
double StrToFloat(std::string_view text);  // throws ConvertError

}  // namespace platform
