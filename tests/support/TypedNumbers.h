#pragma once

#include <string>
#include <vector>

#include "platform/Numbers.h"

namespace testing_support {

// A number typed as `digits` whose first digit stands for 10^exponent, written with the
// user's separator: ("25", -2) gives "0,025", ("25", 0) "2,5", ("25", 3) "2500".
inline std::string TypedNumber(const std::string& digits, int exponent) {
    const std::string separator(1, platform::DecimalSeparator());
    if (exponent < 0) return "0" + separator + std::string(-exponent - 1, '0') + digits;
    const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= integerDigits)
        return digits + std::string(integerDigits - digits.size(), '0');
    return digits.substr(0, integerDigits) + separator + digits.substr(integerDigits);
}

// Numbers the windows show as typed, over all their magnitudes: from 0.0001 up to fifteen
// integer digits, with one to fifteen significant digits.
inline std::vector<std::string> TypedNumbersOfEveryMagnitude() {
    std::vector<std::string> texts{"0"};
    for (const char* digits :
         {"1", "25", "3333333", "123456789012345", "999999999999999", "100000000000001"})
        for (int exponent = -4; exponent <= 14; ++exponent)
            texts.push_back(TypedNumber(digits, exponent));
    return texts;
}

// Plain decimal numbers the windows could only show back in another form: below 0.0001 or
// above fifteen integer digits they would show an exponent, and beyond fifteen significant
// digits another value.
inline std::vector<std::string> TypedNumbersShownBackOtherwise() {
    return {TypedNumber("1", -5),
            TypedNumber("99999999999999999999", 19),
            TypedNumber("1", 15),
            TypedNumber("9999", -5),
            TypedNumber("9999999999999999", 15),
            TypedNumber("30000000000000004", -1)};
}

}  // namespace testing_support
