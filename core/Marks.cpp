#include "core/Marks.h"

#include <cmath>
#include <cstdint>

#include "platform/Numbers.h"

namespace {

struct MarkKind {
    const char* symbol;
    const char* name;
    double value;
};

// The name of "2-" really ends in a blank; the texts are shown and written as they stand.
constexpr MarkKind kMarkKindTable[kMarkKinds] = {
    {"1", "niedostateczny", 1.0}, {"1-", "niedostateczny -", 0.9}, {"1+", "niedostateczny +", 1.5},
    {"2", "mierny", 2.0},         {"2-", "mierny - ", 1.9},        {"2+", "mierny +", 2.5},
    {"3", "dostateczny", 3.0},    {"3-", "dostateczny -", 2.9},    {"3+", "dostateczny +", 3.5},
    {"4", "dobry", 4.0},          {"4-", "dobry -", 3.9},          {"4+", "dobry +", 4.5},
    {"5", "bardzo dobry", 5.0},   {"5-", "bardzo dobry -", 4.9},   {"5+", "bardzo dobry +", 5.5},
    {"6", "celujący", 6.0},       {"6-", "celujący -", 5.9},
};

constexpr const char* kRomanNumerals[] = {"I",  "II",  "III",  "IV", "V",
                                          "VI", "VII", "VIII", "IX", "X"};

bool IsMarkCode(std::int32_t code) {
    return code >= 0 && code < kMarkKinds;
}

// Mark bytes are unsigned codes even though the list holds them as char.
std::int32_t CodeAt(TMarksList& marks, std::int32_t index) {
    return static_cast<unsigned char>(*marks.Get(index));
}

// Sum and number of a subject's marks. A code outside 0..16 can only come from a damaged
// file; it is left out here as in the counts, rather than read past the values table.
struct MarksSum {
    double sum = 0.0;
    std::int32_t count = 0;
};

MarksSum SumMarks(TMarksList& marks, std::span<const double, kMarkKinds> values) {
    MarksSum total;
    for (std::int32_t i = 0; i < marks.Count; ++i) {
        const std::int32_t code = CodeAt(marks, i);
        if (!IsMarkCode(code)) continue;
        total.sum += values[static_cast<std::size_t>(code)];
        ++total.count;
    }
    return total;
}

// The marks line shows at most so many marks, then an ellipsis: no line shows the million a
// generated file may hold, whose text alone would take seconds to lay out. The document and
// the marks editor keep every mark.
constexpr std::int32_t kMarksShown = 10000;

// The symbols of the first `count` marks.
std::string JoinedSymbols(TMarksList& marks, std::int32_t count) {
    std::string text;
    for (std::int32_t i = 0; i < count; ++i) {
        if (i > 0) text += ',';
        text += MarkSymbol(CodeAt(marks, i));
    }
    return text;
}

}  // namespace

void SetDefaultMarksValues(std::span<double, kMarkKinds> values) {
    for (std::size_t code = 0; code < values.size(); ++code)
        values[code] = kMarkKindTable[code].value;
}

std::string MarkSymbol(std::int32_t code) {
    return IsMarkCode(code) ? kMarkKindTable[code].symbol : "";
}

std::string MarkName(std::int32_t code) {
    return IsMarkCode(code) ? kMarkKindTable[code].name : "";
}

namespace {
using MarkPool = FixedPool<sizeof(char), alignof(char)>;
}  // namespace

void TMarkFree::operator()(char* mark) const noexcept {
    MarkPool::Free(mark);
}

void TMarksList::AddMark(TMarkKind code) {
    char* mark = static_cast<char*>(MarkPool::Allocate());
    *mark = static_cast<char>(code);
    TLista::Add(mark);
}

void TMarksList::ToString(std::string& text) {
    text = JoinedSymbols(*this, Count);
}

void TMarksList::ShowInControl(platform::TextControl& control) {
    if (Count <= kMarksShown) {
        control.SetText(JoinedSymbols(*this, Count));
        return;
    }
    control.SetText(JoinedSymbols(*this, kMarksShown) + ",…");
}

void TMarksList::FillListBox(platform::ListControl& listBox) {
    listBox.ClearItems();
    for (std::int32_t i = 0; i < Count; ++i) listBox.AddItem(MarkSymbol(CodeAt(*this, i)));
}

double TSubject::Average(std::span<const double, kMarkKinds> values) {
    const MarksSum total = SumMarks(Marks, values);
    return total.count < 1 ? 0.0 : total.sum / total.count;
}

void TSubject::CountMarks(std::span<std::int32_t, kMarkKinds> counters) {
    for (std::int32_t i = 0; i < Marks.Count; ++i) {
        const std::int32_t code = CodeAt(Marks, i);
        if (IsMarkCode(code)) ++counters[static_cast<std::size_t>(code)];
    }
}

double TSubjectsList::MarksAverage(std::span<const double, kMarkKinds> values, std::uint8_t mode) {
    double sum = 0.0;
    std::int32_t counted = 0;
    for (std::int32_t i = 0; i < Count; ++i) {
        TSubject& subject = *Get(i);
        if (mode != 1 && subject.InAverage != 1) continue;
        const MarksSum marks = SumMarks(subject.Marks, values);
        // Subjects without marks are left out, never counted as 0.
        if (marks.count < 1) continue;
        sum += marks.sum / marks.count;
        ++counted;
    }
    return counted == 0 ? 0.0 : sum / counted;
}

double TSubjectsList::FinalMarksAverage(std::span<const double, kMarkKinds> values,
                                        std::uint8_t mode) {
    double sum = 0.0;
    std::int32_t counted = 0;
    for (std::int32_t i = 0; i < Count; ++i) {
        const TSubject& subject = *Get(i);
        // Only mode 0 narrows to the subjects counted into the general average.
        if (mode == 0 && subject.InAverage != 1) continue;
        if (!IsMarkCode(subject.FinalMark)) continue;  // kNoFinalMark, or damage
        sum += values[static_cast<std::size_t>(subject.FinalMark)];
        ++counted;
    }
    return counted == 0 ? 0.0 : sum / counted;
}

void TSubjectsList::CountMarks(std::span<std::int32_t, kMarkKinds> counters) {
    for (std::int32_t i = 0; i < Count; ++i) Get(i)->CountMarks(counters);
}

void TSubjectsList::FillComboBox(platform::ComboControl& comboBox) {
    comboBox.ClearItems();
    comboBox.SetText("");
    if (Count == 0) return;
    for (std::int32_t i = 0; i < Count; ++i) comboBox.AddItem(Get(i)->Name);
    comboBox.SetItemIndex(0);
}

void TSubjectsList::FillListBox(platform::ListControl& listBox) {
    listBox.ClearItems();
    for (std::int32_t i = 0; i < Count; ++i) listBox.AddItem(Get(i)->Name);
}

double TruncTo3Decimals(double value) {
    if (std::isnan(value)) return 0.0;
    // From 2^53 on a double is a whole number (and an infinity stays one): its own truncation,
    // where the product could overflow.
    if (std::fabs(value) >= 0x1p53) return value;
    // The product is rounded to a double before truncating, so 4.6 stays 4600, not 4599. It is
    // truncated as a double, which holds it whole: the original's 32-bit integer overflowed
    // from 2147483.648 on. Adding 0 turns a negative zero (from -0.0001) into the zero that
    // integer gave.
    const double whole = std::trunc(value * 1000.0) + 0.0;
    // The original multiplied on the x87 by the 64-bit-mantissa value nearest 0.001 (long
    // double on x86-64); the double 0.001 would turn 4600 into 4.6000000000000005.
    constexpr long double kThousandth = 0.001L;
    return static_cast<double>(whole * kThousandth);
}

bool IsValidNumber(std::string_view text) {
    if (text.empty()) return false;
    const char separator = platform::DecimalSeparator();
    bool separatorSeen = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9') continue;
        if (c != separator || separatorSeen) return false;
        separatorSeen = true;
    }
    return text.front() != separator && text.back() != separator;
}

std::optional<double> ReadTypedNumber(std::string_view text) {
    if (!IsValidNumber(text)) return std::nullopt;
    const std::optional<double> value = platform::TryStrToFloat(text);
    if (!value) return std::nullopt;
    // The windows show a stored number with FloatToStr, which keeps fifteen significant digits
    // and writes an exponent under 0.0001 and from sixteen integer digits on. A number shown in
    // a form nobody may type would turn every later OK down, one shown as another number would
    // change unseen on the next OK; either is turned down now, while the typed text is in view.
    const std::string shown = platform::FloatToStr(*value);
    if (!IsValidNumber(shown) || platform::TryStrToFloat(shown) != value) return std::nullopt;
    return value;
}

std::string ClassNumberToRoman(std::int32_t classNumber) {
    if (classNumber == 0) return "";
    if (classNumber < 1 || classNumber > 10) return " ";
    return kRomanNumerals[classNumber - 1];
}

std::int32_t RomanToClassNumber(std::string_view text) {
    for (std::int32_t number = 1; number <= 10; ++number)
        if (text == kRomanNumerals[number - 1]) return number;
    return 0;
}
