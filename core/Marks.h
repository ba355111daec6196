#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/Lista.h"
#include "platform/Controls.h"

// A mark code: 0..16 for "1", "1-", "1+", "2", ... "6", "6-" (there is no "6+").
using TMarkKind = std::uint8_t;

inline constexpr int kMarkKinds = 17;
// The final mark of a subject that has none (shown as "brak").
inline constexpr std::int32_t kNoFinalMark = 100;

using TMarksValues = std::array<double, kMarkKinds>;
using TMarkCounters = std::array<std::int32_t, kMarkKinds>;

void SetDefaultMarksValues(std::span<double, kMarkKinds> values);
// The symbol ("4+") and the name ("dobry +") of a code; empty outside 0..16.
std::string MarkSymbol(std::int32_t code);
std::string MarkName(std::int32_t code);

// Frees a mark made by TMarksList::AddMark.
struct TMarkFree {
    void operator()(char* mark) const noexcept;
};

// A subject's marks in the order of entry; each item is one byte holding a code. A document
// holds marks by the thousand, so they come from a pool, like the list's nodes.
class TMarksList : public TLista<char, TMarkFree> {
  public:
    void AddMark(TMarkKind code);
    // Items come only from AddMark, which knows where marks are made.
    std::int32_t Add(char* item) = delete;

    // The symbols joined by "," ("5,4-,1"); empty for no marks.
    void ToString(std::string& text);
    // The same text, of at most the first 10,000 marks followed by ",…" when there are more.
    void ShowInControl(platform::TextControl& control);
    void FillListBox(platform::ListControl& listBox);
};

struct TSubject {
    std::string Name;
    std::string Teacher;
    std::string Comment;
    // One byte as stored; the subject counts into the general average when it is 1.
    std::uint8_t InAverage = 0;
    // A mark code, or kNoFinalMark.
    std::int32_t FinalMark = kNoFinalMark;
    TMarksList Marks;

    // Mean of the values of the marks; 0.0 without marks. Codes above 16 (only a damaged
    // file holds them) are left out, as in the counts.
    double Average(std::span<const double, kMarkKinds> values);
    // Adds 1 to the counter of each mark's code (codes above 16 are ignored).
    void CountMarks(std::span<std::int32_t, kMarkKinds> counters);
};

class TSubjectsList : public TLista<TSubject> {
  public:
    // Mean of the subject averages of subjects with marks: mode 1 all of them, any other
    // mode those counted into the general average. 0.0 when none qualifies.
    double MarksAverage(std::span<const double, kMarkKinds> values, std::uint8_t mode);
    // Mean value of the final marks given: mode 0 those counted into the general average,
    // any other mode all subjects. 0.0 when none qualifies.
    double FinalMarksAverage(std::span<const double, kMarkKinds> values, std::uint8_t mode);
    void CountMarks(std::span<std::int32_t, kMarkKinds> counters);
    // Clears the combo's items and text; adds the names and selects the first, if any.
    void FillComboBox(platform::ComboControl& comboBox);
    void FillListBox(platform::ListControl& listBox);
};

// trunc(x * 1000) * 0.001 the way the original program computed it (see the definition), at
// any size: infinities stay as they are, NaN gives 0.
double TruncTo3Decimals(double value);
// Digits with at most one decimal separator of the user's locale, neither first nor last.
bool IsValidNumber(std::string_view text);
// The value of a number the user typed: a text IsValidNumber accepts whose value FloatToStr
// writes back as a text IsValidNumber accepts, read as the same value; nothing for any other
// text (too many digits for a double, or for the fifteen digits shown, included).
std::optional<double> ReadTypedNumber(std::string_view text);
// "I".."X" for 1..10, "" for 0, " " for anything else.
std::string ClassNumberToRoman(std::int32_t classNumber);
// 1..10 for exactly "I".."X", 0 for anything else.
std::int32_t RomanToClassNumber(std::string_view text);
