#include "reports/LessonPlanOptions.h"

#include "core/Strings.h"
#include "platform/ByteStream.h"
#include "platform/FileStart.h"
#include "platform/Files.h"

void TLessonPlanHTMLOptions::SetWidthBox(WidthBox box, bool checked) {
    bool& state = box == WidthBox::Default ? colsDefaultWidth_ : colsUserWidth_;
    if (state == checked) return;
    state = checked;
    WidthPairRule(box);
}

void TLessonPlanHTMLOptions::WidthPairRule(WidthBox sender) {
    // The box now on wins; switching the one on off turns the other on. Each change runs the
    // rule again for the box changed, which then finds the pair settled.
    const bool senderOn = sender == WidthBox::Default ? colsDefaultWidth_ : colsUserWidth_;
    const bool userWidth = (sender == WidthBox::User) == senderOn;
    if (userWidth) {
        SetWidthBox(WidthBox::User, true);
        SetWidthBox(WidthBox::Default, false);
        ColsUserWidth.SetValue(100);
    } else {
        SetWidthBox(WidthBox::Default, true);
        SetWidthBox(WidthBox::User, false);
    }
}

void TLessonPlanHTMLOptions::SetDefaults() {
    HeaderFontBold = true;
    HeaderFontItalic = false;
    HeaderFontSize.SetValue(14);
    PlanFontBold = false;
    PlanFontItalic = false;
    PlanFontSize.SetValue(12);
    BorderWidth.SetValue(1);
    SetColsDefaultWidth(true);
    SetColsUserWidthChecked(false);
    ColsUserWidth.SetValue(100);
    Days = {true, true, true, true, true, false};
    IncludeHours = false;
    HoursTitle.clear();
    HoursText.clear();
    HeaderBGColor = 0x008000;
    HeaderTextColor = 0x000000;
    PlanBGColor = 0xFFFFFF;
    PlanTextColor = 0x000000;
    BorderColor = 0x000000;
}

std::string LessonPlanHTMLSettingsPath() {
    return platform::ProgramDirectory() + "LP_HTML.dat";
}

namespace {

void WriteOptions(platform::ByteWriter& out, const TLessonPlanHTMLOptions& options) {
    const auto box = [&out](bool checked) { out.WriteU8(checked ? 1 : 0); };
    box(options.HeaderFontBold);
    box(options.HeaderFontItalic);
    out.WriteI32(options.HeaderFontSize.Value());
    box(options.PlanFontBold);
    box(options.PlanFontItalic);
    out.WriteI32(options.PlanFontSize.Value());
    out.WriteI32(options.BorderWidth.Value());
    for (const bool day : options.Days) box(day);
    box(options.ColsDefaultWidth());
    box(options.ColsUserWidthChecked());
    out.WriteI32(options.ColsUserWidth.Value());
    box(options.IncludeHours);
    TClStreamWriteString(out, options.HoursTitle);
    TClStreamWriteString(out, options.HoursText);
    for (const TColor color : {options.HeaderBGColor, options.HeaderTextColor, options.PlanBGColor,
                               options.PlanTextColor, options.BorderColor})
        out.WriteU32(color);
}

// Reads one field at a time and stops for good at the first that the data does not hold
// whole; the reader stays failed after that, so every later read is skipped.
class FieldReader {
  public:
    explicit FieldReader(std::span<const std::uint8_t> bytes) : in_(bytes) {}

    template <typename Apply>
    void Box(Apply apply) {
        std::uint8_t byte = 0;
        if (in_.ReadU8(byte)) apply(byte != 0);
    }
    void Box(bool& box) {
        Box([&box](bool checked) { box = checked; });
    }
    void Spin(TSpinValue& spin) {
        std::int32_t value = 0;
        if (in_.ReadI32(value)) spin.SetValue(value);
    }
    void Text(std::string& text) {
        if (!in_.Failed()) TClStreamReadString(in_, text);
    }
    void Color(TColor& color) { in_.ReadU32(color); }

  private:
    platform::ByteReader in_;
};

}  // namespace

std::vector<std::uint8_t> LessonPlanHTMLSettingsBytes(const TLessonPlanHTMLOptions& options) {
    platform::VectorSink sink;
    platform::ByteWriter out(sink);
    WriteOptions(out, options);
    return std::move(sink.bytes);
}

void ApplyLessonPlanHTMLSettings(std::span<const std::uint8_t> bytes,
                                 TLessonPlanHTMLOptions& options) {
    FieldReader in(bytes);
    in.Box(options.HeaderFontBold);
    in.Box(options.HeaderFontItalic);
    in.Spin(options.HeaderFontSize);
    in.Box(options.PlanFontBold);
    in.Box(options.PlanFontItalic);
    in.Spin(options.PlanFontSize);
    in.Spin(options.BorderWidth);
    for (bool& day : options.Days) in.Box(day);
    in.Box([&options](bool checked) { options.SetColsDefaultWidth(checked); });
    in.Box([&options](bool checked) { options.SetColsUserWidthChecked(checked); });
    in.Spin(options.ColsUserWidth);
    in.Box(options.IncludeHours);
    in.Text(options.HoursTitle);
    in.Text(options.HoursText);
    for (TColor* color : {&options.HeaderBGColor, &options.HeaderTextColor, &options.PlanBGColor,
                          &options.PlanTextColor, &options.BorderColor})
        in.Color(*color);
}

std::int32_t LoadLessonPlanHTMLSettings(const std::string& path, TLessonPlanHTMLOptions& options) {
    // Its two texts may be of any length: the file is read as far as any file of the program's
    // may reach, and a larger one is taken as ending there.
    std::vector<std::uint8_t> bytes;
    if (!platform::ReadFileStart(path, platform::kLargestReadableFile, bytes)) return -1;
    ApplyLessonPlanHTMLSettings(bytes, options);
    return 0;
}

std::int32_t SaveLessonPlanHTMLSettings(const std::string& path,
                                        const TLessonPlanHTMLOptions& options) {
    const bool saved = platform::SaveFileAtomically(
        path, [&](platform::ByteWriter& out) { WriteOptions(out, options); });
    return saved ? 0 : -1;
}
