#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "platform/Files.h"
#include "reports/ReportSettings.h"
#include "tests/core/ByteBuilder.h"
#include "tests/support/Environment.h"

namespace {

using B = ContentBox;
using Bytes = std::vector<std::uint8_t>;
using testing_support::ByteBuilder;
using testing_support::TempDir;

// The content bytes of the defaults, in file order: pupil group, school, school year; subjects
// group and its six; summary group, statistics, averages, menaces, extra subjects.
const Bytes kDefaultContent = {1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 1, 1, 1, 0, 0};

TReportHTMLOptions Custom() {
    TReportHTMLOptions options;
    options.Content.Click(B::School);
    options.Content.Click(B::Teacher);
    options.Content.Click(B::Menaces);
    options.Border = false;
    options.BackgroundColor = 0x00102030;
    options.TextColor = 0xFF000001;  // the high byte is kept
    options.HeaderBackgroundColor = 0x0000FF;
    options.HeaderTextColor = 0x123456;
    options.HeaderFrameColor = 0xABCDEF;
    options.BorderColor = 0x80000000;
    return options;
}

TEST(ReportHTMLSettingsTest, DefaultsAreFortyBytesInFileOrder) {
    const Bytes expected = ByteBuilder()
                               .Raw(kDefaultContent)
                               .U8(1)
                               .U32(0xFFFFFF)
                               .U32(0x000000)
                               .U32(0x800000)
                               .U32(0xFFFFFF)
                               .U32(0x000000)
                               .U32(0x000000)
                               .Bytes();
    EXPECT_EQ(ReportHTMLSettingsBytes(TReportHTMLOptions{}), expected);
    EXPECT_EQ(expected.size(), 40u);
}

TEST(ReportHTMLSettingsTest, SchoolComesBeforeSchoolYearAndMenacesBeforeExtraSubjects) {
    TReportHTMLOptions options;
    options.Content.Click(B::SchoolYear);
    options.Content.Click(B::ExtraSubjects);
    const Bytes bytes = ReportHTMLSettingsBytes(options);
    EXPECT_EQ(bytes[1], 1);   // checkSchool
    EXPECT_EQ(bytes[2], 0);   // checkSchoolYear
    EXPECT_EQ(bytes[13], 0);  // checkMenaces
    EXPECT_EQ(bytes[14], 1);  // checkExtraSubjects
}

TEST(ReportHTMLSettingsTest, SavedOptionsLoadBackWithEveryColourBit) {
    TempDir dir;
    const std::string path = dir.File("RaportHTML.dat");
    ASSERT_EQ(SaveReportHTMLSettings(path, Custom()), 0);
    EXPECT_EQ(testing_support::ReadBytes(path), ReportHTMLSettingsBytes(Custom()));
    TReportHTMLOptions loaded;
    ASSERT_EQ(LoadReportHTMLSettings(path, loaded), 0);
    EXPECT_EQ(loaded, Custom());
    // Written back unchanged, high colour bytes included.
    EXPECT_EQ(ReportHTMLSettingsBytes(loaded), ReportHTMLSettingsBytes(Custom()));
}

TEST(ReportHTMLSettingsTest, AnyNonZeroByteChecksABox) {
    Bytes bytes(40, 0);
    bytes[0] = 0x80;
    bytes[1] = 0xFF;
    bytes[15] = 2;
    TReportHTMLOptions options;
    ApplyReportHTMLSettings(bytes, options);
    EXPECT_TRUE(options.Content.Checked(B::StudentData));
    EXPECT_TRUE(options.Content.Checked(B::School));
    EXPECT_FALSE(options.Content.Checked(B::SchoolYear));
    EXPECT_TRUE(options.Border);
}

TEST(ReportHTMLSettingsTest, ASubItemStoredOnUnderAGroupStoredOffLoadsOff) {
    Bytes bytes = ReportHTMLSettingsBytes(TReportHTMLOptions{});
    bytes[10] = 0;
    for (int i = 11; i <= 14; ++i) bytes[i] = 1;
    TReportHTMLOptions options;
    ApplyReportHTMLSettings(bytes, options);
    for (const B box : {B::Summary, B::Statistics, B::AverageInfo, B::Menaces, B::ExtraSubjects})
        EXPECT_FALSE(options.Content.Checked(box)) << static_cast<int>(box);
}

TEST(ReportHTMLSettingsTest, AGroupStoredOnWithItsSubItemsOffLoadsSo) {
    Bytes bytes = ReportHTMLSettingsBytes(TReportHTMLOptions{});
    for (int i = 4; i <= 9; ++i) bytes[i] = 0;
    TReportHTMLOptions options;
    ApplyReportHTMLSettings(bytes, options);
    EXPECT_TRUE(options.Content.Checked(B::SubjectsData));
    for (const B box : {B::FinalMarks, B::Marks, B::Average, B::SubjectStatus, B::Teacher, B::Desc})
        EXPECT_FALSE(options.Content.Checked(box)) << static_cast<int>(box);
}

TEST(ReportHTMLSettingsTest, AGroupSwitchedOnByAShortFileGetsItsDefaultSubItems) {
    // The group byte switches the group on; the sub-item bytes it would need are missing,
    // so the group's rule has set them.
    TReportHTMLOptions options;
    options.Content.SetChecked(B::SubjectsData, false);
    ApplyReportHTMLSettings(Bytes{1, 1, 1, 1}, options);
    EXPECT_EQ(options.Content, TReportContent{});
}

TEST(ReportHTMLSettingsTest, AShortFileSetsWhatItHoldsWholeAndKeepsTheRest) {
    TReportHTMLOptions options = Custom();
    const TReportHTMLOptions before = options;
    // Ten bytes: the pupil and subjects groups, all off.
    ApplyReportHTMLSettings(Bytes(10, 0), options);
    for (int i = 0; i < 10; ++i) EXPECT_FALSE(options.Content.Checked(static_cast<B>(i))) << i;
    for (int i = 10; i < kContentBoxes; ++i)
        EXPECT_EQ(options.Content.Checked(static_cast<B>(i)),
                  before.Content.Checked(static_cast<B>(i)))
            << i;
    EXPECT_EQ(options.Border, before.Border);
    EXPECT_EQ(options.BackgroundColor, before.BackgroundColor);
    EXPECT_EQ(options.BorderColor, before.BorderColor);

    // A colour whose four bytes are not all there keeps its value.
    Bytes bytes = ReportHTMLSettingsBytes(TReportHTMLOptions{});
    bytes.resize(16 + 4 + 3);
    options = Custom();
    ApplyReportHTMLSettings(bytes, options);
    EXPECT_EQ(options.BackgroundColor, 0xFFFFFFu);
    EXPECT_EQ(options.TextColor, Custom().TextColor);

    options = Custom();
    ApplyReportHTMLSettings(Bytes{}, options);
    EXPECT_EQ(options, Custom());
}

TEST(ReportHTMLSettingsTest, BytesAfterTheLastColourAreIgnored) {
    Bytes bytes = ReportHTMLSettingsBytes(Custom());
    bytes.insert(bytes.end(), {9, 9, 9, 9, 9});
    TReportHTMLOptions options;
    ApplyReportHTMLSettings(bytes, options);
    EXPECT_EQ(options, Custom());
}

TEST(ReportHTMLSettingsTest, AMissingOrUnreadableFileChangesNothing) {
    TempDir dir;
    TReportHTMLOptions options = Custom();
    EXPECT_EQ(LoadReportHTMLSettings(dir.File("none.dat"), options), -1);
    EXPECT_EQ(LoadReportHTMLSettings(dir.Path().string(), options), -1);  // a folder
    EXPECT_EQ(options, Custom());
}

// Makes the file at `path` larger than any file a whole read takes, its first bytes kept;
// sparse, so it costs no disk.
void MakeHuge(const std::string& path) {
    std::filesystem::resize_file(path, platform::kLargestReadableFile + 4096);
}

TEST(ReportHTMLSettingsTest, AFileOverSixtyFourMebibytesIsReadForItsFirstFortyBytes) {
    TempDir dir;
    const std::string path = dir.File("RaportHTML.dat");
    Bytes bytes = ReportHTMLSettingsBytes(Custom());
    bytes.insert(bytes.end(), {9, 9, 9});
    testing_support::WriteBytes(path, bytes);
    MakeHuge(path);
    TReportHTMLOptions options;
    ASSERT_EQ(LoadReportHTMLSettings(path, options), 0);
    EXPECT_EQ(options, Custom());
}

TEST(ReportHTMLSettingsTest, AFailedSaveKeepsThePreviousFile) {
    TempDir dir;
    const std::string path = dir.File("RaportHTML.dat");
    ASSERT_EQ(SaveReportHTMLSettings(path, Custom()), 0);
    EXPECT_EQ(SaveReportHTMLSettings(dir.File("missing/RaportHTML.dat"), TReportHTMLOptions{}), -1);
    std::filesystem::create_directory(dir.File("taken"));
    EXPECT_EQ(SaveReportHTMLSettings(dir.File("taken"), TReportHTMLOptions{}), -1);
    EXPECT_EQ(testing_support::ReadBytes(path), ReportHTMLSettingsBytes(Custom()));
    // Nothing but the one file is left in the folder.
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        ++entries;
    EXPECT_EQ(entries, 2);
}

TEST(ReportTXTSettingsTest, FifteenBytesTheFirstOfTheHTMLLayout) {
    TReportContent content;
    content.Click(B::Desc);
    content.Click(B::AverageInfo);
    const Bytes bytes = ReportTXTSettingsBytes(content);
    ASSERT_EQ(bytes.size(), 15u);
    TReportHTMLOptions html;
    html.Content = content;
    const Bytes htmlBytes = ReportHTMLSettingsBytes(html);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), htmlBytes.begin()));
    EXPECT_EQ(ReportTXTSettingsBytes(TReportContent{}), kDefaultContent);
}

TEST(ReportTXTSettingsTest, LoadsThroughTheRulesAndKeepsWhatAShortFileLacks) {
    TempDir dir;
    const std::string path = dir.File("RaportTXT.dat");
    TReportContent content;
    content.Click(B::Teacher);
    ASSERT_EQ(SaveReportTXTSettings(path, content), 0);
    TReportContent loaded;
    ASSERT_EQ(LoadReportTXTSettings(path, loaded), 0);
    EXPECT_EQ(loaded, content);

    // Group off, sub-items on: all off. Bytes after the fifteenth are ignored.
    Bytes bytes = kDefaultContent;
    bytes[0] = 0;
    bytes.push_back(1);
    testing_support::WriteBytes(path, bytes);
    loaded = TReportContent{};
    ASSERT_EQ(LoadReportTXTSettings(path, loaded), 0);
    EXPECT_FALSE(loaded.Checked(B::StudentData));
    EXPECT_FALSE(loaded.Checked(B::School));
    EXPECT_FALSE(loaded.Checked(B::SchoolYear));

    testing_support::WriteBytes(path, {0, 0, 0, 0});
    loaded = TReportContent{};
    loaded.Click(B::Menaces);
    ASSERT_EQ(LoadReportTXTSettings(path, loaded), 0);
    EXPECT_FALSE(loaded.Checked(B::StudentData));
    EXPECT_FALSE(loaded.Checked(B::SubjectsData));
    EXPECT_FALSE(loaded.Checked(B::FinalMarks));
    EXPECT_TRUE(loaded.Checked(B::Menaces));

    TReportContent untouched;
    untouched.Click(B::Desc);
    EXPECT_EQ(LoadReportTXTSettings(dir.File("none.dat"), untouched), -1);
    EXPECT_TRUE(untouched.Checked(B::Desc));
}

TEST(ReportTXTSettingsTest, AFileOverSixtyFourMebibytesIsReadForItsFirstFifteenBytes) {
    TempDir dir;
    const std::string path = dir.File("RaportTXT.dat");
    TReportContent content;
    content.Click(B::Teacher);
    content.Click(B::Statistics);
    ASSERT_EQ(SaveReportTXTSettings(path, content), 0);
    MakeHuge(path);
    TReportContent loaded;
    ASSERT_EQ(LoadReportTXTSettings(path, loaded), 0);
    EXPECT_EQ(loaded, content);
}

TEST(ReportSettingsPathTest, FilesLiveInTheProgramsFolder) {
    TempDir dir;
    platform::SetProgramDirectory(dir.Path().string());
    EXPECT_EQ(ReportHTMLSettingsPath(), dir.File("RaportHTML.dat"));
    EXPECT_EQ(ReportTXTSettingsPath(), dir.File("RaportTXT.dat"));
    platform::SetProgramDirectory("");
}

}  // namespace
