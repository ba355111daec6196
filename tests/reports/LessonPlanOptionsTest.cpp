#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "platform/Files.h"
#include "reports/LessonPlanOptions.h"
#include "tests/core/ByteBuilder.h"
#include "tests/support/Environment.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using testing_support::ByteBuilder;
using testing_support::TempDir;

TLessonPlanHTMLOptions Custom() {
    TLessonPlanHTMLOptions options;
    options.HeaderFontBold = false;
    options.HeaderFontItalic = true;
    options.HeaderFontSize.SetValue(20);
    options.PlanFontBold = true;
    options.PlanFontItalic = true;
    options.PlanFontSize.SetValue(9);
    options.BorderWidth.SetValue(3);
    options.Days = {false, true, false, true, false, true};
    options.SetColsUserWidthChecked(true);
    options.ColsUserWidth.SetValue(250);
    options.IncludeHours = true;
    options.HoursTitle = "Godziny";
    options.HoursText = "8:00\r\n8:55";
    options.HeaderBGColor = 0xAA0000FF;
    options.HeaderTextColor = 0x010203;
    options.PlanBGColor = 0x0000FF;
    options.PlanTextColor = 0x00FF00;
    options.BorderColor = 0xFF0000;
    return options;
}

TEST(LessonPlanWidthPairTest, ExactlyOneBoxIsOnAndAFixedWidthStartsAt100) {
    TLessonPlanHTMLOptions options;
    EXPECT_TRUE(options.ColsDefaultWidth());
    EXPECT_FALSE(options.ColsUserWidthChecked());

    options.ColsUserWidth.SetValue(200);
    options.SetColsUserWidthChecked(true);
    EXPECT_FALSE(options.ColsDefaultWidth());
    EXPECT_TRUE(options.ColsUserWidthChecked());
    EXPECT_EQ(options.ColsUserWidth.Value(), 100);

    // A width changed afterwards stands; choosing the default width leaves it alone.
    options.ColsUserWidth.SetValue(180);
    options.SetColsDefaultWidth(true);
    EXPECT_TRUE(options.ColsDefaultWidth());
    EXPECT_FALSE(options.ColsUserWidthChecked());
    EXPECT_EQ(options.ColsUserWidth.Value(), 180);

    // Switching the box that is on off turns the other on.
    options.SetColsDefaultWidth(false);
    EXPECT_TRUE(options.ColsUserWidthChecked());
    EXPECT_EQ(options.ColsUserWidth.Value(), 100);
    options.ColsUserWidth.SetValue(60);
    options.SetColsUserWidthChecked(false);
    EXPECT_TRUE(options.ColsDefaultWidth());
    EXPECT_FALSE(options.ColsUserWidthChecked());
    EXPECT_EQ(options.ColsUserWidth.Value(), 60);

    // Setting the state a box has runs nothing.
    options.SetColsDefaultWidth(true);
    EXPECT_EQ(options.ColsUserWidth.Value(), 60);
}

TEST(LessonPlanSpinTest, ValuesAreClampedToTheirRanges) {
    TLessonPlanHTMLOptions options;
    options.HeaderFontSize.SetValue(5);
    options.PlanFontSize.SetValue(61);
    options.BorderWidth.SetValue(20);
    options.ColsUserWidth.SetValue(-4);
    EXPECT_EQ(options.HeaderFontSize.Value(), 8);
    EXPECT_EQ(options.PlanFontSize.Value(), 60);
    EXPECT_EQ(options.BorderWidth.Value(), 10);
    EXPECT_EQ(options.ColsUserWidth.Value(), 40);
    options.ColsUserWidth.SetValue(1000);
    EXPECT_EQ(options.ColsUserWidth.Value(), 340);
}

TEST(LessonPlanSettingsTest, DefaultsAreThe57BytesOfTheLayout) {
    const Bytes expected = {0x01, 0x00, 0x0E, 0x00, 0x00, 0x00, 0x00, 0x00, 0x0C, 0x00, 0x00, 0x00,
                            0x01, 0x00, 0x00, 0x00, 0x01, 0x01, 0x01, 0x01, 0x01, 0x00, 0x01, 0x00,
                            0x64, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                            0x00, 0x00, 0x80, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF,
                            0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
    EXPECT_EQ(LessonPlanHTMLSettingsBytes(TLessonPlanHTMLOptions{}), expected);
}

TEST(LessonPlanSettingsTest, TextsAreLengthPrefixedInTheCodePage) {
    const Bytes expected = ByteBuilder()
                               .U8(0)
                               .U8(1)
                               .I32(20)
                               .U8(1)
                               .U8(1)
                               .I32(9)
                               .I32(3)
                               .Raw({0, 1, 0, 1, 0, 1})
                               .U8(0)
                               .U8(1)
                               .I32(250)
                               .U8(1)
                               .Str("Godziny")
                               .Str("8:00\r\n8:55")
                               .U32(0xAA0000FF)
                               .U32(0x010203)
                               .U32(0x0000FF)
                               .U32(0x00FF00)
                               .U32(0xFF0000)
                               .Bytes();
    EXPECT_EQ(LessonPlanHTMLSettingsBytes(Custom()), expected);
    EXPECT_EQ(expected.size(), 57u + 7u + 10u);

    TLessonPlanHTMLOptions polish;
    polish.HoursTitle = "Środa";
    const Bytes bytes = LessonPlanHTMLSettingsBytes(polish);
    ASSERT_EQ(bytes.size(), 57u + 5u);
    EXPECT_EQ(Bytes(bytes.begin() + 29, bytes.begin() + 38), ByteBuilder().Str("\x8croda").Bytes());
}

TEST(LessonPlanSettingsTest, SavedOptionsLoadBackWhole) {
    TempDir dir;
    const std::string path = dir.File("LP_HTML.dat");
    ASSERT_EQ(SaveLessonPlanHTMLSettings(path, Custom()), 0);
    EXPECT_EQ(testing_support::ReadBytes(path), LessonPlanHTMLSettingsBytes(Custom()));
    TLessonPlanHTMLOptions loaded;
    ASSERT_EQ(LoadLessonPlanHTMLSettings(path, loaded), 0);
    EXPECT_EQ(loaded, Custom());

    TLessonPlanHTMLOptions untouched = Custom();
    EXPECT_EQ(LoadLessonPlanHTMLSettings(dir.File("none.dat"), untouched), -1);
    EXPECT_EQ(untouched, Custom());
    EXPECT_EQ(SaveLessonPlanHTMLSettings(dir.File("no/LP_HTML.dat"), Custom()), -1);
}

TEST(LessonPlanSettingsTest, AFileOverSixtyFourMebibytesIsReadForItsFirstBytes) {
    TempDir dir;
    const std::string path = dir.File("LP_HTML.dat");
    ASSERT_EQ(SaveLessonPlanHTMLSettings(path, Custom()), 0);
    // Sparse, so it costs no disk; its bytes after the settings are zeros.
    std::filesystem::resize_file(path, platform::kLargestReadableFile + 4096);
    TLessonPlanHTMLOptions loaded;
    ASSERT_EQ(LoadLessonPlanHTMLSettings(path, loaded), 0);
    EXPECT_EQ(loaded, Custom());

    // A text the file holds but that reaches past what is read is taken as the file ending
    // inside it: what comes before it is set, what comes after keeps its value.
    Bytes bytes = LessonPlanHTMLSettingsBytes(Custom());
    const std::size_t hoursText = 29 + 4 + Custom().HoursTitle.size();
    bytes.resize(hoursText);
    bytes.insert(bytes.end(), {0x00, 0x00, 0x00, 0x04});  // a count of 64 MiB
    testing_support::WriteBytes(path, bytes);
    std::filesystem::resize_file(path, hoursText + 4 + platform::kLargestReadableFile + 20);
    loaded = TLessonPlanHTMLOptions{};
    ASSERT_EQ(LoadLessonPlanHTMLSettings(path, loaded), 0);
    EXPECT_EQ(loaded.HoursTitle, "Godziny");
    EXPECT_EQ(loaded.BorderColor, TLessonPlanHTMLOptions{}.BorderColor);
}

TEST(LessonPlanSettingsTest, StoredValuesOutOfRangeAreClamped) {
    Bytes bytes = LessonPlanHTMLSettingsBytes(TLessonPlanHTMLOptions{});
    bytes[2] = 5;    // header font size
    bytes[12] = 20;  // border width
    bytes[8] = 0xFF;
    bytes[9] = 0xFF;
    bytes[10] = 0xFF;
    bytes[11] = 0xFF;  // plan font size -1
    TLessonPlanHTMLOptions options;
    ApplyLessonPlanHTMLSettings(bytes, options);
    EXPECT_EQ(options.HeaderFontSize.Value(), 8);
    EXPECT_EQ(options.BorderWidth.Value(), 10);
    EXPECT_EQ(options.PlanFontSize.Value(), 8);
}

TEST(LessonPlanSettingsTest, TheStoredWidthComesAfterTheBoxesAndWins) {
    Bytes bytes = LessonPlanHTMLSettingsBytes(TLessonPlanHTMLOptions{});
    bytes[22] = 0;
    bytes[23] = 1;
    bytes[24] = 222;
    TLessonPlanHTMLOptions options;
    ApplyLessonPlanHTMLSettings(bytes, options);
    EXPECT_TRUE(options.ColsUserWidthChecked());
    EXPECT_FALSE(options.ColsDefaultWidth());
    EXPECT_EQ(options.ColsUserWidth.Value(), 222);

    // Both stored on, or both off: the pair's rule settles on one.
    bytes[22] = 1;
    bytes[23] = 1;
    ApplyLessonPlanHTMLSettings(bytes, options = TLessonPlanHTMLOptions{});
    EXPECT_NE(options.ColsDefaultWidth(), options.ColsUserWidthChecked());
    bytes[22] = 0;
    bytes[23] = 0;
    ApplyLessonPlanHTMLSettings(bytes, options = TLessonPlanHTMLOptions{});
    EXPECT_NE(options.ColsDefaultWidth(), options.ColsUserWidthChecked());
}

TEST(LessonPlanSettingsTest, AShortFileSetsWhatItHoldsWholeAndKeepsTheRest) {
    const Bytes full = LessonPlanHTMLSettingsBytes(TLessonPlanHTMLOptions{});

    // Ends inside the plan font size: the header fields and the plan's two boxes are set.
    TLessonPlanHTMLOptions options = Custom();
    ApplyLessonPlanHTMLSettings(Bytes(full.begin(), full.begin() + 10), options);
    EXPECT_TRUE(options.HeaderFontBold);
    EXPECT_FALSE(options.HeaderFontItalic);
    EXPECT_EQ(options.HeaderFontSize.Value(), 14);
    EXPECT_FALSE(options.PlanFontBold);
    EXPECT_FALSE(options.PlanFontItalic);
    EXPECT_EQ(options.PlanFontSize.Value(), Custom().PlanFontSize.Value());
    EXPECT_EQ(options.BorderWidth.Value(), Custom().BorderWidth.Value());
    EXPECT_EQ(options.Days, Custom().Days);

    // Ends inside the first text: both texts and the colours keep their values.
    options = Custom();
    Bytes cut = LessonPlanHTMLSettingsBytes(Custom());
    cut.resize(29 + 4 + 3);
    ApplyLessonPlanHTMLSettings(cut, options);
    EXPECT_EQ(options, Custom());

    // A length running past the end is not followed.
    cut = ByteBuilder().Raw(Bytes(full.begin(), full.begin() + 29)).U32(0xFFFFFFF0).Bytes();
    options = Custom();
    ApplyLessonPlanHTMLSettings(cut, options);
    EXPECT_EQ(options.HoursTitle, Custom().HoursTitle);
    EXPECT_EQ(options.HoursText, Custom().HoursText);
    EXPECT_EQ(options.BorderColor, Custom().BorderColor);
    EXPECT_EQ(options.ColsUserWidth.Value(), 100);

    // Ends inside the last colour.
    cut = LessonPlanHTMLSettingsBytes(TLessonPlanHTMLOptions{});
    cut.pop_back();
    options = Custom();
    ApplyLessonPlanHTMLSettings(cut, options);
    EXPECT_EQ(options.PlanTextColor, 0x000000u);
    EXPECT_EQ(options.BorderColor, Custom().BorderColor);
}

TEST(LessonPlanSettingsTest, DefaultsRestoreEveryControl) {
    TLessonPlanHTMLOptions options = Custom();
    options.SetDefaults();
    EXPECT_EQ(options, TLessonPlanHTMLOptions{});
}

}  // namespace
