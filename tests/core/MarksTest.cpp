#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "core/Marks.h"
#include "platform/Numbers.h"
#include "tests/support/Environment.h"
#include "tests/support/TypedNumbers.h"

namespace {

using testing_support::DecimalSeparatorOverride;

// Codes by symbol, so that the tests read like the marks they stand for.
constexpr int k1 = 0, k2 = 3, k3 = 6, k4 = 9, k4minus = 10, k4plus = 11, k5 = 12, k6minus = 16;

TMarksValues DefaultValues() {
    TMarksValues values;
    values.fill(-7.0);
    SetDefaultMarksValues(values);
    return values;
}

TSubject* NewSubject(const std::string& name, std::initializer_list<int> marks,
                     std::uint8_t inAverage = 1, std::int32_t finalMark = kNoFinalMark) {
    auto* subject = new TSubject;
    subject->Name = name;
    subject->InAverage = inAverage;
    subject->FinalMark = finalMark;
    for (const int code : marks) subject->Marks.AddMark(static_cast<TMarkKind>(code));
    return subject;
}

// A combo box, which also serves as a list box and an edit.
class FakeCombo : public platform::ComboControl {
  public:
    void ClearItems() override {
        items.clear();
        index = -1;
    }
    void AddItem(const std::string& item) override { items.push_back(item); }
    int ItemCount() const override { return static_cast<int>(items.size()); }
    int ItemIndex() const override { return index; }
    void SetItemIndex(int i) override { index = i; }
    void SetText(const std::string& value) override { text = value; }
    std::string Text() const override { return text; }

    std::vector<std::string> items{"stale"};
    int index = 0;
    std::string text = "typed";
};

TEST(MarkKindsTest, SymbolsNamesAndDefaultValues) {
    const std::vector<std::string> symbols = {"1", "1-", "1+", "2", "2-", "2+", "3", "3-", "3+",
                                              "4", "4-", "4+", "5", "5-", "5+", "6", "6-"};
    const std::vector<std::string> names = {
        "niedostateczny", "niedostateczny -", "niedostateczny +",
        "mierny",         "mierny - ",        "mierny +",
        "dostateczny",    "dostateczny -",    "dostateczny +",
        "dobry",          "dobry -",          "dobry +",
        "bardzo dobry",   "bardzo dobry -",   "bardzo dobry +",
        "celujący",       "celujący -"};
    for (int code = 0; code < kMarkKinds; ++code) {
        EXPECT_EQ(MarkSymbol(code), symbols[static_cast<std::size_t>(code)]) << code;
        EXPECT_EQ(MarkName(code), names[static_cast<std::size_t>(code)]) << code;
    }
    for (const int code : {-1, 17, 100, 255}) {
        EXPECT_EQ(MarkSymbol(code), "") << code;
        EXPECT_EQ(MarkName(code), "") << code;
    }
    // Written into every new document, so compared exactly.
    const TMarksValues expected = {1.0, 0.9, 1.5, 2.0, 1.9, 2.5, 3.0, 2.9, 3.5,
                                   4.0, 3.9, 4.5, 5.0, 4.9, 5.5, 6.0, 5.9};
    EXPECT_EQ(DefaultValues(), expected);
}

// --- Averages and counts -----------------------------------------------------------------

TEST(AveragesTest, SubjectAverageUsesTheDocumentValues) {
    const TMarksValues values = DefaultValues();
    std::unique_ptr<TSubject> none(NewSubject("a", {}));
    EXPECT_EQ(none->Average(values), 0.0);
    std::unique_ptr<TSubject> two(NewSubject("b", {k5, k4plus}));
    EXPECT_EQ(two->Average(values), 4.75);
    TMarksValues custom = values;
    custom[k5] = 10.0;
    EXPECT_EQ(two->Average(custom), 7.25);
}

TEST(AveragesTest, GeneralAveragesLeaveOutSubjectsWithoutMarks) {
    const TMarksValues values = DefaultValues();
    TSubjectsList subjects;
    subjects.Add(NewSubject("counted", {k5, k4}));       // 4.5
    subjects.Add(NewSubject("empty", {}));               // never counts as 0
    subjects.Add(NewSubject("extra", {k2}, 0));          // 2.0, outside the general average
    subjects.Add(NewSubject("damaged flag", {k1}, 2));   // 1.0, only 1 counts as "in"
    subjects.Add(NewSubject("also counted", {k3, k4}));  // 3.5
    EXPECT_EQ(subjects.MarksAverage(values, 0), 4.0);
    EXPECT_EQ(subjects.MarksAverage(values, 2), 4.0);  // any mode but 1 is the general one
    EXPECT_EQ(subjects.MarksAverage(values, 1), (4.5 + 2.0 + 1.0 + 3.5) / 4);
}

TEST(AveragesTest, FinalMarksAverage) {
    const TMarksValues values = DefaultValues();
    TSubjectsList subjects;
    subjects.Add(NewSubject("a", {}, 1, k5));
    subjects.Add(NewSubject("b", {}, 1, kNoFinalMark));
    subjects.Add(NewSubject("c", {}, 0, k2));
    subjects.Add(NewSubject("d", {}, 1, k4));
    EXPECT_EQ(subjects.FinalMarksAverage(values, 0), 4.5);
    EXPECT_EQ(subjects.FinalMarksAverage(values, 1), (5.0 + 2.0 + 4.0) / 3);
    EXPECT_EQ(subjects.FinalMarksAverage(values, 2), (5.0 + 2.0 + 4.0) / 3);  // only 0 narrows
}

TEST(AveragesTest, NothingToAverageGivesZero) {
    const TMarksValues values = DefaultValues();
    TSubjectsList empty;
    TSubjectsList noFinals;
    noFinals.Add(NewSubject("a", {k5}));
    noFinals.Add(NewSubject("b", {k4}, 0));
    for (const std::uint8_t mode : {0, 1}) {
        EXPECT_EQ(empty.MarksAverage(values, mode), 0.0);
        EXPECT_EQ(empty.FinalMarksAverage(values, mode), 0.0);
        EXPECT_EQ(noFinals.FinalMarksAverage(values, mode), 0.0);
    }
}

TEST(AveragesTest, DamagedCodesAreLeftOut) {
    const TMarksValues values = DefaultValues();
    TSubjectsList subjects;
    subjects.Add(NewSubject("a", {k5, 17, 200}, 1, 55));
    subjects.Add(NewSubject("b", {255}, 1, k3));  // only a damaged mark: as if none
    EXPECT_EQ(subjects.Get(0)->Average(values), 5.0);
    EXPECT_EQ(subjects.Get(1)->Average(values), 0.0);
    EXPECT_EQ(subjects.MarksAverage(values, 1), 5.0);
    EXPECT_EQ(subjects.FinalMarksAverage(values, 1), 3.0);
}

TEST(CountMarksTest, AddsToTheCountersWithoutClearingThem) {
    TSubjectsList subjects;
    subjects.Add(NewSubject("a", {k5, k5, k1}));
    subjects.Add(NewSubject("b", {k5, k6minus, 17, 255}));
    TMarkCounters counters{};
    counters[k4] = 3;
    subjects.CountMarks(counters);
    TMarkCounters expected{};
    expected[k4] = 3;
    expected[k5] = 3;
    expected[k1] = 1;
    expected[k6minus] = 1;
    EXPECT_EQ(counters, expected);
    subjects.Get(0)->CountMarks(counters);
    EXPECT_EQ(counters[k5], 5);
}

// --- Truncation --------------------------------------------------------------------------

TEST(TruncTo3DecimalsTest, Examples) {
    EXPECT_EQ(TruncTo3Decimals(2.3456), 2.345);
    EXPECT_EQ(TruncTo3Decimals(-1.2345), -1.234);
    EXPECT_EQ(TruncTo3Decimals(0.0), 0.0);
    EXPECT_EQ(TruncTo3Decimals(13.0 / 3), 4.333);
    EXPECT_EQ(TruncTo3Decimals(5.9999), 5.999);
    // 1.001 * 1000 is 1000.9999999999999 as a double: truncated, never rounded up.
    EXPECT_EQ(TruncTo3Decimals(1.001), 1.0);
}

TEST(TruncTo3DecimalsTest, ExtendedConstantKeepsShortDecimals) {
    // Multiplying by the double 0.001 would give 4.6000000000000005, 2.3450000000000002 ...
    for (const double value : {4.6, 4.75, 2.345, 3.3, 1.1, 5.7, 0.7})
        EXPECT_EQ(TruncTo3Decimals(value), value) << value;
}

// The original's way through a 32-bit integer, for thousandfolds that fit in one.
double TruncThroughInt32(double value) {
    return static_cast<double>(static_cast<std::int32_t>(value * 1000.0) * 0.001L);
}

TEST(TruncTo3DecimalsTest, BelowTheInt32LimitEveryResultIsTheOriginalsBitForBit) {
    for (const double step : {0.0001, 0.0007, 0.1234567, 1.1, 987.654321, 12345.6789}) {
        for (double value = -2147483.647; value <= 2147483.647; value += step * 1e5) {
            EXPECT_EQ(std::bit_cast<std::uint64_t>(TruncTo3Decimals(value)),
                      std::bit_cast<std::uint64_t>(TruncThroughInt32(value)))
                << value;
        }
    }
    for (const double value :
         {2147483.647, 2147483.6479, -2147483.648, -2147483.6489, -0.0001, -0.0, 0.0009, 1.0 / 3.0})
        EXPECT_EQ(std::bit_cast<std::uint64_t>(TruncTo3Decimals(value)),
                  std::bit_cast<std::uint64_t>(TruncThroughInt32(value)))
            << value;
    // A negative value that truncates to nothing gives the integer's zero, not a negative one.
    EXPECT_FALSE(std::signbit(TruncTo3Decimals(-0.0001)));
}

TEST(TruncTo3DecimalsTest, FromTheInt32LimitOnValuesAreTruncatedNotClamped) {
    EXPECT_EQ(TruncTo3Decimals(2147483.648), 2147483.648);
    EXPECT_EQ(TruncTo3Decimals(2147483.6489), 2147483.648);
    EXPECT_EQ(TruncTo3Decimals(3000000.0), 3000000.0);
    EXPECT_EQ(TruncTo3Decimals(3000000.1239), 3000000.123);
    EXPECT_EQ(TruncTo3Decimals(-2147483.649), -2147483.649);
    EXPECT_EQ(TruncTo3Decimals(-3000000.1239), -3000000.123);
    EXPECT_EQ(TruncTo3Decimals(123456789012.3456), 123456789012.345);
    // From 2^53 on every double is whole; its thousandfold may not even be finite.
    EXPECT_EQ(TruncTo3Decimals(0x1p53), 0x1p53);
    EXPECT_EQ(TruncTo3Decimals(1e300), 1e300);
    EXPECT_EQ(TruncTo3Decimals(-1e300), -1e300);
}

TEST(TruncTo3DecimalsTest, InfinitiesStayAndNaNGivesZero) {
    const double infinity = std::numeric_limits<double>::infinity();
    EXPECT_EQ(TruncTo3Decimals(infinity), infinity);
    EXPECT_EQ(TruncTo3Decimals(-infinity), -infinity);
    EXPECT_EQ(TruncTo3Decimals(std::numeric_limits<double>::max()),
              std::numeric_limits<double>::max());
    EXPECT_EQ(TruncTo3Decimals(std::numeric_limits<double>::quiet_NaN()), 0.0);
}

// --- Typed numbers and class numerals ----------------------------------------------------

TEST(IsValidNumberTest, CommaSeparator) {
    DecimalSeparatorOverride comma(',');
    for (const char* text : {"3,5", "12", "0", "0,001", "007"})
        EXPECT_TRUE(IsValidNumber(text)) << text;
    for (const char* text : {"", ",5", "3,", "3,5,1", "3.5", "-1", "1e5", " 3", "+3", ","})
        EXPECT_FALSE(IsValidNumber(text)) << text;
}

TEST(IsValidNumberTest, PointSeparatorIsReadOnEveryCall) {
    DecimalSeparatorOverride comma(',');
    EXPECT_TRUE(IsValidNumber("2,5"));
    DecimalSeparatorOverride point('.');
    EXPECT_FALSE(IsValidNumber("2,5"));
    EXPECT_TRUE(IsValidNumber("2.5"));
    EXPECT_FALSE(IsValidNumber(".5"));
    EXPECT_FALSE(IsValidNumber("1.2.3"));
}

TEST(IsValidNumberTest, TypedNumbersReadOnlyWhenValidAndFinite) {
    DecimalSeparatorOverride comma(',');
    EXPECT_EQ(2.75, ReadTypedNumber("2,75"));
    EXPECT_EQ(3.0, ReadTypedNumber("3"));
    EXPECT_EQ(std::nullopt, ReadTypedNumber("2.75"));
    EXPECT_EQ(std::nullopt, ReadTypedNumber(""));
    EXPECT_EQ(std::nullopt, ReadTypedNumber("NAN"));
    // Valid digits, but more than a double holds.
    EXPECT_EQ(std::nullopt, ReadTypedNumber(std::string(400, '9')));
}

TEST(IsValidNumberTest, TypedNumbersAreReadOnlyWhenShownBackAsTheSameNumber) {
    for (const char separator : {',', '.'}) {
        DecimalSeparatorOverride override(separator);
        for (const std::string& text : testing_support::TypedNumbersOfEveryMagnitude()) {
            EXPECT_EQ(platform::TryStrToFloat(text), ReadTypedNumber(text)) << text;
        }
        for (const std::string& text : testing_support::TypedNumbersShownBackOtherwise()) {
            ASSERT_TRUE(IsValidNumber(text)) << text;
            EXPECT_EQ(std::nullopt, ReadTypedNumber(text)) << text;
        }
    }
}

// Whatever digits are typed, a number that is read is shown back as a text that is read as
// the same number.
TEST(IsValidNumberTest, EveryNumberReadIsReadAgainFromItsText) {
    std::mt19937 random(20051003);
    std::uniform_int_distribution<int> length(0, 22);
    std::uniform_int_distribution<int> digit('0', '9');
    const auto digits = [&](int count) {
        std::string text;
        for (int i = 0; i < count; ++i) text += static_cast<char>(digit(random));
        return text;
    };
    for (const char separator : {',', '.'}) {
        DecimalSeparatorOverride override(separator);
        int read = 0;
        for (int i = 0; i < 20000; ++i) {
            // Zeros in front as often as not, so that small numbers are as common as large.
            std::string text = std::string(random() % 2 == 0 ? 0 : random() % 8, '0') +
                               digits(1 + length(random)) + separator + digits(1 + length(random));
            if (random() % 3 == 0) text = text.substr(0, text.find(separator));
            ASSERT_TRUE(IsValidNumber(text)) << text;
            const std::optional<double> value = ReadTypedNumber(text);
            if (!value) continue;
            ++read;
            const std::string shown = platform::FloatToStr(*value);
            EXPECT_EQ(value, ReadTypedNumber(shown)) << text << " shown as " << shown;
        }
        EXPECT_GT(read, 1000);
    }
}

TEST(ClassNumeralsTest, BothDirections) {
    const char* numerals[] = {"I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX", "X"};
    for (int number = 1; number <= 10; ++number) {
        EXPECT_EQ(ClassNumberToRoman(number), numerals[number - 1]);
        EXPECT_EQ(RomanToClassNumber(numerals[number - 1]), number);
    }
    EXPECT_EQ(ClassNumberToRoman(0), "");
    for (const int number : {11, -1, 255}) EXPECT_EQ(ClassNumberToRoman(number), " ");
    for (const char* text : {"iv", "IIII", "", " I", "I ", "XI", "1"})
        EXPECT_EQ(RomanToClassNumber(text), 0) << '"' << text << '"';
}

// --- Controls ----------------------------------------------------------------------------

TEST(MarksControlsTest, JoinedSymbolsAndListBox) {
    std::unique_ptr<TSubject> subject(NewSubject("a", {k5, k4minus, k1}));
    std::string text = "old";
    subject->Marks.ToString(text);
    EXPECT_EQ(text, "5,4-,1");
    FakeCombo control;
    subject->Marks.ShowInControl(control);
    EXPECT_EQ(control.text, "5,4-,1");
    subject->Marks.FillListBox(control);
    EXPECT_EQ(control.items, (std::vector<std::string>{"5", "4-", "1"}));

    std::unique_ptr<TSubject> single(NewSubject("b", {k6minus}));
    single->Marks.ToString(text);
    EXPECT_EQ(text, "6-");
    std::unique_ptr<TSubject> none(NewSubject("c", {}));
    none->Marks.ToString(text);
    EXPECT_EQ(text, "");
}

TEST(SubjectsControlsTest, FillComboBoxSelectsTheFirstSubject) {
    TSubjectsList subjects;
    FakeCombo combo;
    subjects.FillComboBox(combo);
    EXPECT_TRUE(combo.items.empty());
    EXPECT_EQ(combo.index, -1);
    EXPECT_EQ(combo.text, "");

    subjects.Add(NewSubject("Matematyka", {}));
    subjects.Add(NewSubject("Język polski", {}));
    combo.text = "typed";
    subjects.FillComboBox(combo);
    EXPECT_EQ(combo.items, (std::vector<std::string>{"Matematyka", "Język polski"}));
    EXPECT_EQ(combo.index, 0);
    EXPECT_EQ(combo.text, "");

    FakeCombo listBox;
    subjects.FillListBox(listBox);
    EXPECT_EQ(listBox.items, (std::vector<std::string>{"Matematyka", "Język polski"}));
}

}  // namespace
