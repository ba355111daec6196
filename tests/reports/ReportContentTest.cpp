#include <gtest/gtest.h>

#include <initializer_list>

#include "reports/ReportContent.h"

namespace {

using B = ContentBox;

// The boxes that are on, in file order, so a failure names them.
std::vector<B> OnBoxes(const TReportContent& content) {
    std::vector<B> on;
    for (int i = 0; i < kContentBoxes; ++i)
        if (content.Checked(static_cast<B>(i))) on.push_back(static_cast<B>(i));
    return on;
}

TReportContent AllOff() {
    TReportContent content;
    for (const B group : {B::StudentData, B::SubjectsData, B::Summary})
        content.SetChecked(group, false);
    return content;
}

const std::vector<B> kDefaultsOn = {B::StudentData, B::School,     B::SchoolYear, B::SubjectsData,
                                    B::FinalMarks,  B::Marks,      B::Average,    B::SubjectStatus,
                                    B::Summary,     B::Statistics, B::AverageInfo};

TEST(ReportContentTest, NewContentHoldsTheDefaultSubsets) {
    EXPECT_EQ(OnBoxes(TReportContent{}), kDefaultsOn);
}

TEST(ReportContentTest, SwitchingAGroupOffClearsItAndOnStartsFromItsDefaults) {
    TReportContent content;
    content.Click(B::Teacher);
    content.Click(B::Desc);
    content.Click(B::Marks);
    content.Click(B::SubjectsData);
    for (const B box : {B::SubjectsData, B::FinalMarks, B::Marks, B::Average, B::SubjectStatus,
                        B::Teacher, B::Desc})
        EXPECT_FALSE(content.Checked(box));
    content.Click(B::SubjectsData);
    EXPECT_EQ(OnBoxes(content), kDefaultsOn);

    content.Click(B::Summary);
    EXPECT_FALSE(content.Checked(B::Statistics));
    EXPECT_FALSE(content.Checked(B::AverageInfo));
    content.Click(B::Summary);
    EXPECT_TRUE(content.Checked(B::Statistics));
    EXPECT_TRUE(content.Checked(B::AverageInfo));
    EXPECT_FALSE(content.Checked(B::Menaces));
    EXPECT_FALSE(content.Checked(B::ExtraSubjects));
}

TEST(ReportContentTest, ASubItemCannotBeOnWhileItsGroupIsOff) {
    TReportContent content = AllOff();
    for (const B box :
         {B::School, B::SchoolYear, B::Desc, B::FinalMarks, B::Menaces, B::ExtraSubjects}) {
        content.Click(box);
        EXPECT_FALSE(content.Checked(box)) << static_cast<int>(box);
        content.SetChecked(box, true);
        EXPECT_FALSE(content.Checked(box)) << static_cast<int>(box);
    }
    EXPECT_TRUE(OnBoxes(content).empty());
}

TEST(ReportContentTest, SubItemClicksStandWhileTheGroupIsOn) {
    TReportContent content;
    content.Click(B::Desc);
    content.Click(B::Marks);
    content.Click(B::School);
    content.Click(B::ExtraSubjects);
    EXPECT_TRUE(content.Checked(B::Desc));
    EXPECT_FALSE(content.Checked(B::Marks));
    EXPECT_FALSE(content.Checked(B::School));
    EXPECT_TRUE(content.Checked(B::ExtraSubjects));
}

TEST(ReportContentTest, SettingAGroupToTheStateItHasChangesNothing) {
    TReportContent content;
    content.Click(B::Desc);
    content.Click(B::Average);
    const TReportContent before = content;
    content.SetChecked(B::SubjectsData, true);
    EXPECT_EQ(content, before);
}

TEST(ReportContentTest, RunningTheRuleOrDefaultsResetsSubItemsOfAGroupAlreadyOn) {
    TReportContent content;
    content.Click(B::Desc);
    content.Click(B::Average);
    content.RunClickRule(B::SubjectsData);
    EXPECT_EQ(OnBoxes(content), kDefaultsOn);

    content.Click(B::Teacher);
    content.Click(B::SchoolYear);
    content.Click(B::Menaces);
    content.SetDefaults();
    EXPECT_EQ(OnBoxes(content), kDefaultsOn);

    TReportContent off = AllOff();
    off.SetDefaults();
    EXPECT_EQ(OnBoxes(off), kDefaultsOn);
}

TEST(ReportContentTest, GroupsOfTheBoxes) {
    EXPECT_EQ(TReportContent::GroupOf(B::SchoolYear), B::StudentData);
    EXPECT_EQ(TReportContent::GroupOf(B::School), B::StudentData);
    EXPECT_EQ(TReportContent::GroupOf(B::Desc), B::SubjectsData);
    EXPECT_EQ(TReportContent::GroupOf(B::FinalMarks), B::SubjectsData);
    EXPECT_EQ(TReportContent::GroupOf(B::Statistics), B::Summary);
    EXPECT_EQ(TReportContent::GroupOf(B::ExtraSubjects), B::Summary);
}

}  // namespace
