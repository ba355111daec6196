#include <gtest/gtest.h>
#include <stdlib.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "platform/Numbers.h"
#include "tests/support/Environment.h"

namespace {

using platform::FloatToStr;
using platform::TryStrToFloat;
using platform::TryStrToInt;
using testing_support::DecimalSeparatorOverride;

// --- Separator ---------------------------------------------------------------------------

TEST(DecimalSeparatorTest, OverrideIsReadOnEveryCall) {
    DecimalSeparatorOverride comma(',');
    EXPECT_EQ(platform::DecimalSeparator(), ',');
    EXPECT_EQ(FloatToStr(2.5), "2,5");
    {
        DecimalSeparatorOverride point('.');
        EXPECT_EQ(FloatToStr(2.5), "2.5");
    }
    DecimalSeparatorOverride comma2(',');
    EXPECT_EQ(FloatToStr(2.5), "2,5");
}

TEST(DecimalSeparatorTest, CLocaleGivesAPoint) {
    const char* previous = std::getenv("LC_ALL");
    const std::string saved = previous != nullptr ? previous : "";
    ::setenv("LC_ALL", "C", 1);
    platform::SetDecimalSeparatorSource({});
    EXPECT_EQ(platform::DecimalSeparator(), '.');
    if (previous != nullptr) {
        ::setenv("LC_ALL", saved.c_str(), 1);
    } else {
        ::unsetenv("LC_ALL");
    }
}

// --- Integers ----------------------------------------------------------------------------

TEST(IntegerTextTest, ToText) {
    EXPECT_EQ(platform::IntToStr(0), "0");
    EXPECT_EQ(platform::IntToStr(-42), "-42");
    EXPECT_EQ(platform::IntToStr(2147483648LL), "2147483648");
    EXPECT_EQ(platform::IntToHex(255, 2), "FF");
    EXPECT_EQ(platform::IntToHex(10, 6), "00000A");
    EXPECT_EQ(platform::IntToHex(0xF0CAA6, 2), "F0CAA6");
}

TEST(IntegerTextTest, FromText) {
    EXPECT_EQ(TryStrToInt("42"), 42);
    EXPECT_EQ(TryStrToInt(" -7 "), -7);
    EXPECT_EQ(TryStrToInt("+7"), 7);
    EXPECT_EQ(TryStrToInt("-2147483648"), std::numeric_limits<std::int32_t>::min());
    for (const char* text : {"", " ", "2147483648", "12a", "1,5", "1.5", "--1", "+", "+-1"})
        EXPECT_EQ(TryStrToInt(text), std::nullopt) << '"' << text << '"';
    EXPECT_EQ(platform::StrToInt("15"), 15);
    EXPECT_THROW(platform::StrToInt("x"), platform::ConvertError);
}

// --- Floating point to text --------------------------------------------------------------

TEST(FloatToStrTest, GeneralFormatWithFifteenDigits) {
    DecimalSeparatorOverride comma(',');
    EXPECT_EQ(FloatToStr(4.133), "4,133");
    EXPECT_EQ(FloatToStr(0.0), "0");
    EXPECT_EQ(FloatToStr(-0.0), "0");
    EXPECT_EQ(FloatToStr(5.0), "5");
    EXPECT_EQ(FloatToStr(2.5), "2,5");
    EXPECT_EQ(FloatToStr(-0.5), "-0,5");
    EXPECT_EQ(FloatToStr(1.0 / 3), "0,333333333333333");
    EXPECT_EQ(FloatToStr(2.0 / 3), "0,666666666666667");
    EXPECT_EQ(FloatToStr(0.1 + 0.2), "0,3");
    EXPECT_EQ(FloatToStr(4.6000000000000005), "4,6");
    EXPECT_EQ(FloatToStr(123456789012345.0), "123456789012345");
    EXPECT_EQ(FloatToStr(100.0), "100");
}

TEST(FloatToStrTest, ScientificBelowOneTenThousandthAndFromFifteenIntegerDigits) {
    DecimalSeparatorOverride comma(',');
    EXPECT_EQ(FloatToStr(0.0001), "0,0001");
    EXPECT_EQ(FloatToStr(1e-5), "1E-5");
    EXPECT_EQ(FloatToStr(-1.5e-7), "-1,5E-7");
    EXPECT_EQ(FloatToStr(999999999999999.0), "999999999999999");
    EXPECT_EQ(FloatToStr(1e15), "1E15");
    EXPECT_EQ(FloatToStr(1.25e20), "1,25E20");
    EXPECT_EQ(FloatToStr(1e100), "1E100");
}

TEST(FloatToStrTest, NotANumberAndInfinity) {
    EXPECT_EQ(FloatToStr(std::numeric_limits<double>::quiet_NaN()), "NAN");
    EXPECT_EQ(FloatToStr(std::numeric_limits<double>::infinity()), "INF");
    EXPECT_EQ(FloatToStr(-std::numeric_limits<double>::infinity()), "-INF");
}

TEST(FloatToStrTest, RoundTripsThroughStrToFloat) {
    for (const char separator : {',', '.'}) {
        DecimalSeparatorOverride override(separator);
        for (const double value : {0.0, 1.0, 4.6, 4.333, -2.25, 1e-5, 1e15, 6.02e23, 1.0 / 3,
                                   123456789012345.0, 0.000123, 5.9}) {
            const std::optional<double> back = TryStrToFloat(FloatToStr(value));
            ASSERT_TRUE(back.has_value()) << FloatToStr(value);
            // Fifteen digits hold every value above except the thirds exactly.
            EXPECT_NEAR(*back, value, std::abs(value) * 1e-15) << FloatToStr(value);
            EXPECT_EQ(FloatToStr(*back), FloatToStr(value));
        }
    }
}

// --- Text to floating point --------------------------------------------------------------

TEST(StrToFloatTest, UsesTheUserSeparator) {
    DecimalSeparatorOverride comma(',');
    EXPECT_EQ(TryStrToFloat("3,5"), 3.5);
    EXPECT_EQ(TryStrToFloat(" -2,25 "), -2.25);
    EXPECT_EQ(TryStrToFloat("+4"), 4.0);
    EXPECT_EQ(TryStrToFloat("1E5"), 1e5);
    EXPECT_EQ(TryStrToFloat("1,5e-3"), 1.5e-3);
    EXPECT_EQ(TryStrToFloat("3.5"), std::nullopt);
    DecimalSeparatorOverride point('.');
    EXPECT_EQ(TryStrToFloat("3.5"), 3.5);
    EXPECT_EQ(TryStrToFloat("3,5"), std::nullopt);
}

TEST(StrToFloatTest, RefusesWhatIsNoNumber) {
    DecimalSeparatorOverride comma(',');
    for (const char* text : {"", "  ", "abc", "1,2,3", "inf", "-INF", "nan", "infinity", "1x",
                             "--1", "+-1", "0x10", "1e"})
        EXPECT_EQ(TryStrToFloat(text), std::nullopt) << '"' << text << '"';
    EXPECT_THROW(platform::StrToFloat("abc"), platform::ConvertError);
    EXPECT_EQ(platform::StrToFloat("2,5"), 2.5);
}

// --- The process's C locale --------------------------------------------------------------

// Switches the C library's locale, as the application object does at start-up, and back.
class ScopedCLocale {
  public:
    explicit ScopedCLocale(const char* name) : previous_(std::setlocale(LC_ALL, nullptr)) {
        active_ = std::setlocale(LC_ALL, name) != nullptr;
    }
    ~ScopedCLocale() { std::setlocale(LC_ALL, previous_.c_str()); }
    bool Active() const { return active_; }

  private:
    std::string previous_;
    bool active_ = false;
};

TEST(ProcessLocaleTest, PolishCLocaleChangesNoNumber) {
    const ScopedCLocale polish("pl_PL.UTF-8");
    ASSERT_TRUE(polish.Active()) << "pl_PL.UTF-8 is missing; run scripts/setup.sh";
    DecimalSeparatorOverride comma(',');
    EXPECT_EQ(FloatToStr(3.485), "3,485");
    EXPECT_EQ(FloatToStr(5.0), "5");
    EXPECT_EQ(FloatToStr(-1.5e-7), "-1,5E-7");
    EXPECT_EQ(FloatToStr(1.25e20), "1,25E20");
    EXPECT_EQ(TryStrToFloat("3,5"), 3.5);
    EXPECT_EQ(TryStrToFloat("1,5e-3"), 1.5e-3);
    EXPECT_EQ(platform::IntToHex(0xF0CAA6, 8), "00F0CAA6");
    EXPECT_EQ(platform::IntToStr(-1234567), "-1234567");
}

// Run once in C and once with the process in pl_PL.UTF-8 (see tests/CMakeLists.txt): the
// environment's locale, taken as the windows take it, leaves one separator.
TEST(ProcessLocaleTest, EnvironmentLocaleKeepsOneSeparator) {
    const ScopedCLocale environment("");
    platform::SetDecimalSeparatorSource({});
    const std::string separator(1, platform::DecimalSeparator());
    EXPECT_EQ(FloatToStr(2.5), "2" + separator + "5");
    EXPECT_EQ(FloatToStr(3.485), "3" + separator + "485");
    EXPECT_EQ(TryStrToFloat("2" + separator + "25"), 2.25);
}

}  // namespace
