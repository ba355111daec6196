#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/Types.h"

// A whole number kept within its range, as a spin edit keeps it.
class TSpinValue {
  public:
    constexpr TSpinValue(std::int32_t min, std::int32_t max, std::int32_t value)
        : min_(min), max_(max), value_(value) {}
    std::int32_t Value() const { return value_; }
    // Clamped into the range.
    void SetValue(std::int32_t value) {
        value_ = value < min_ ? min_ : value > max_ ? max_ : value;
    }
    std::int32_t Min() const { return min_; }
    std::int32_t Max() const { return max_; }
    bool operator==(const TSpinValue&) const = default;

  private:
    std::int32_t min_;
    std::int32_t max_;
    std::int32_t value_;
};

// The options of the lesson-plan page. The two column-width boxes behave as the dialog's pair:
// setting one to a new state runs the pair's rule, which always leaves exactly one of them on
// and sets the width to 100 each time "Ustalona" (a fixed width) becomes the one on.
// A new record holds the defaults.
class TLessonPlanHTMLOptions {
  public:
    TLessonPlanHTMLOptions() { SetDefaults(); }

    // The ranges are the spin edits'; every value is set by SetDefaults.
    bool HeaderFontBold{};
    bool HeaderFontItalic{};
    TSpinValue HeaderFontSize{8, 60, 8};
    bool PlanFontBold{};
    bool PlanFontItalic{};
    TSpinValue PlanFontSize{8, 60, 8};
    TSpinValue BorderWidth{1, 10, 1};
    // Monday to Saturday.
    std::array<bool, 6> Days{};
    TSpinValue ColsUserWidth{40, 340, 40};
    // The extra first column: whether it is written, its title and its lines as the
    // multi-line edit's whole text (lines joined by CR LF).
    bool IncludeHours{};
    std::string HoursTitle;
    std::string HoursText;
    TColor HeaderBGColor{};
    TColor HeaderTextColor{};
    TColor PlanBGColor{};
    TColor PlanTextColor{};
    TColor BorderColor{};

    // The pair "Domyślna" / "Ustalona" of the column width.
    bool ColsDefaultWidth() const { return colsDefaultWidth_; }
    bool ColsUserWidthChecked() const { return colsUserWidth_; }
    void SetColsDefaultWidth(bool checked) { SetWidthBox(WidthBox::Default, checked); }
    void SetColsUserWidthChecked(bool checked) { SetWidthBox(WidthBox::User, checked); }

    void SetDefaults();
    bool operator==(const TLessonPlanHTMLOptions&) const = default;

  private:
    enum class WidthBox { Default, User };
    void SetWidthBox(WidthBox box, bool checked);
    void WidthPairRule(WidthBox sender);

    bool colsDefaultWidth_ = false;
    bool colsUserWidth_ = false;
};

// "LP_HTML.dat" beside the program: the options in a fixed order, no header; a box is one
// byte, a number a signed 32-bit integer, a text a length-prefixed string, a colour its 32
// bits, little-endian. 57 bytes plus the two texts' lengths.
std::string LessonPlanHTMLSettingsPath();
std::vector<std::uint8_t> LessonPlanHTMLSettingsBytes(const TLessonPlanHTMLOptions& options);
// Applies the bytes in file order: the width boxes through their rule, the stored width after
// them, numbers clamped into their ranges. What a short file does not hold whole keeps its value.
void ApplyLessonPlanHTMLSettings(std::span<const std::uint8_t> bytes,
                                 TLessonPlanHTMLOptions& options);
// 0, or -1 (nothing changed) when the file cannot be read.
std::int32_t LoadLessonPlanHTMLSettings(const std::string& path, TLessonPlanHTMLOptions& options);
// An atomic save: 0, or -1 with any previous file left as it was.
std::int32_t SaveLessonPlanHTMLSettings(const std::string& path,
                                        const TLessonPlanHTMLOptions& options);
