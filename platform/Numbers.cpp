#include "platform/Numbers.h"

#include <langinfo.h>
#include <locale.h>

#include <algorithm>
#include <charconv>
#include <cmath>

namespace platform {
namespace {

std::function<char()>& Source() {
    static std::function<char()> source;
    return source;
}

char UserLocaleSeparator() {
    const locale_t user = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(0));
    if (user == static_cast<locale_t>(0)) return '.';
    const char* radix = nl_langinfo_l(RADIXCHAR, user);
    const char separator = (radix != nullptr && radix[0] != '\0') ? radix[0] : '.';
    freelocale(user);
    return separator;
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

bool IsNumberCharacter(char c) {
    return (c >= '0' && c <= '9') || c == '+' || c == '-' || c == 'e' || c == 'E';
}

}  // namespace

char DecimalSeparator() {
    return Source() ? Source()() : UserLocaleSeparator();
}

void SetDecimalSeparatorSource(std::function<char()> source) {
    Source() = std::move(source);
}

std::string IntToStr(std::int64_t value) {
    return std::to_string(value);
}

std::string IntToHex(std::int64_t value, int digits) {
    char text[32];
    const auto end =
        std::to_chars(text, text + sizeof text, static_cast<std::uint64_t>(value), 16).ptr;
    std::string hex(text, end);
    for (char& c : hex)
        if (c >= 'a' && c <= 'f') c = static_cast<char>(c - 'a' + 'A');
    if (hex.size() < static_cast<std::size_t>(std::max(digits, 0)))
        hex.insert(0, static_cast<std::size_t>(digits) - hex.size(), '0');
    return hex;
}

std::optional<std::int32_t> TryStrToInt(std::string_view text) {
    text = TrimBlanks(text);
    // from_chars takes a minus sign only; a plus is allowed once, and not before a minus.
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') return std::nullopt;
    }
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::int32_t StrToInt(std::string_view text) {
    if (const auto value = TryStrToInt(text)) return *value;
    throw ConvertError("'" + std::string(text) + "' is not a valid integer value");
}

std::string FloatToStr(double value) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
    if (value == 0.0) return "0";
    // 15 significant digits: d.dddddddddddddde±x. to_chars ignores the C locale, which the
    // application object sets from the user's environment (a comma in Polish).
    char buffer[64];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    std::string_view text(buffer, static_cast<std::size_t>(written.ptr - buffer));
    const bool negative = text.front() == '-';
    if (negative) text.remove_prefix(1);
    const std::size_t e = text.find('e');
    std::string digits;
    for (const char c : text.substr(0, e))
        if (c != '.') digits += c;
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    std::string_view exponentText = text.substr(e + 1);
    if (exponentText.front() == '+') exponentText.remove_prefix(1);
    int exponent = 0;
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);

    std::string out = negative ? "-" : "";
    const char separator = DecimalSeparator();
    // Positional notation while the number has at most 15 integer digits and is not below
    // 0.0001; scientific notation otherwise.
    if (exponent >= 15 || exponent < -4) {
        out += digits.front();
        if (digits.size() > 1) out += separator + digits.substr(1);
        out += 'E' + std::to_string(exponent);
    } else if (exponent < 0) {
        out += '0';
        out += separator;
        out += std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else {
        const auto integerDigits = static_cast<std::size_t>(exponent + 1);
        if (digits.size() <= integerDigits) {
            out += digits + std::string(integerDigits - digits.size(), '0');
        } else {
            out += digits.substr(0, integerDigits) + separator + digits.substr(integerDigits);
        }
    }
    return out;
}

std::optional<double> TryStrToFloat(std::string_view text) {
    text = TrimBlanks(text);
    if (text.empty()) return std::nullopt;
    const char separator = DecimalSeparator();
    std::string normalized;
    for (const char c : text) {
        if (c == separator) {
            normalized += '.';
        } else if (c == '.' && separator != '.') {
            return std::nullopt;
        } else if (!IsNumberCharacter(c)) {
            // from_chars would also take "inf" and "nan", which are no typed numbers.
            return std::nullopt;
        } else {
            normalized += c;
        }
    }
    std::string_view number(normalized);
    if (number.front() == '+') {
        number.remove_prefix(1);
        if (!number.empty() && number.front() == '-') return std::nullopt;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (number.empty() || error != std::errc{} || end != number.data() + number.size())
        return std::nullopt;
    return value;
}

double StrToFloat(std::string_view text) {
    if (const auto value = TryStrToFloat(text)) return *value;
    throw ConvertError("'" + std::string(text) + "' is not a valid floating point value");
}

}  // namespace platform
