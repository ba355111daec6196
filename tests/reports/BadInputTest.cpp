#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "reports/HtmlReport.h"
#include "reports/LessonPlanPage.h"
#include "reports/ReportSettings.h"
#include "reports/TextReport.h"
#include "tests/reports/ReportDocument.h"

// Settings files and documents as a damaged disk or an old file may hold them: every one
// loads or writes with a clear outcome, and the options keep their own rules.
namespace {

using namespace report_testing;
using B = ContentBox;
using Bytes = std::vector<std::uint8_t>;

void ExpectNoSubItemOnUnderAGroupOff(const TReportContent& content) {
    for (int i = 0; i < kContentBoxes; ++i) {
        const auto box = static_cast<B>(i);
        if (!TReportContent::IsGroup(box) && content.Checked(box)) {
            EXPECT_TRUE(content.Checked(TReportContent::GroupOf(box))) << i;
        }
    }
}

TEST(BadSettingsTest, RandomBytesOfEveryLengthLoadWithinTheRules) {
    std::mt19937 random(13);
    for (std::size_t length = 0; length < 120; ++length) {
        Bytes bytes(length);
        for (auto& byte : bytes) byte = static_cast<std::uint8_t>(random() % 3 == 0 ? 0 : random());
        TReportHTMLOptions html;
        ApplyReportHTMLSettings(bytes, html);
        ExpectNoSubItemOnUnderAGroupOff(html.Content);
        TReportContent text;
        ApplyReportTXTSettings(bytes, text);
        ExpectNoSubItemOnUnderAGroupOff(text);
        TLessonPlanHTMLOptions plan;
        ApplyLessonPlanHTMLSettings(bytes, plan);
        EXPECT_NE(plan.ColsDefaultWidth(), plan.ColsUserWidthChecked()) << length;
        for (const TSpinValue* spin :
             {&plan.HeaderFontSize, &plan.PlanFontSize, &plan.BorderWidth, &plan.ColsUserWidth}) {
            EXPECT_GE(spin->Value(), spin->Min());
            EXPECT_LE(spin->Value(), spin->Max());
        }
    }
}

TEST(BadSettingsTest, TextsWithZeroBytesOrCodePageBytesLoad) {
    TLessonPlanHTMLOptions options;
    Bytes bytes = LessonPlanHTMLSettingsBytes(options);
    // The title's length (bytes 29..32) made 4, the four bytes "ab\0c" put in.
    bytes[29] = 4;
    const Bytes title = {'a', 'b', 0, 0xB9};
    bytes.insert(bytes.begin() + 33, title.begin(), title.end());
    ApplyLessonPlanHTMLSettings(bytes, options);
    EXPECT_EQ(options.HoursTitle, "ab");  // a text ends at its first zero byte
    EXPECT_EQ(options.HoursText, "");
    EXPECT_EQ(options.BorderColor, 0x000000u);
}

TEST(BadDocumentTest, DamagedMarksAndValuesStillGiveAReport) {
    ReportDocument document;
    document.Student.Class = 200;
    document.Student.ClassChar = '\0';
    TSubject* damaged = AddSubject(document, "Uszkodzony", {k5, 40, 120});
    damaged->FinalMark = 55;  // no such mark
    document.Settings.MarksValues[k4] = std::numeric_limits<double>::quiet_NaN();
    AddSubject(document, "NaN", {k4});
    document.Settings.MarksValues[k6] = 1e300;
    AddSubject(document, "Ogromna", {k6});

    TReportHTMLOptions options;
    for (const B box : {B::Teacher, B::Desc, B::Menaces, B::ExtraSubjects})
        options.Content.Click(box);
    const std::string page = WriteHtmlReport(document, options);
    // Codes above 16 are left out of the average and the counts; a final mark with no name
    // shows empty; a NaN average shows as 0 and a huge one as it is.
    EXPECT_NE(page.find(">5</td>"), std::string::npos);
    EXPECT_NE(page.find("<td class=\"przedmiot_wartosc_ocena\"></td>"), std::string::npos);
    EXPECT_NE(page.find(">1e+300</td>"), std::string::npos);
    EXPECT_NE(page.find(">Wszystkich:</td>\r\n     <td class=\"podsumowanie_wartosc\">3</td>"),
              std::string::npos);
    // The NaN subject is listed as endangered, as the 0 printed for its average is.
    EXPECT_NE(page.find("<li>NaN\r\n"), std::string::npos);
    EXPECT_EQ(page.find("nan"), std::string::npos);

    const std::string text = WriteTextReport(document, options.Content);
    // A class number out of range is one blank; the letter's zero byte goes out as it is.
    EXPECT_NE(text.find(std::string("Klasa:   \0 \r\n", 13)), std::string::npos);
}

TEST(BadDocumentTest, HugeTextsAreWrittenWhole) {
    ReportDocument document;
    const std::string name(100000, 'x');
    AddSubject(document, name, {});
    document.LessonPlan.Days[0] = std::string(50000, '\n');
    EXPECT_NE(WriteHtmlReport(document, TReportHTMLOptions{}).find(name), std::string::npos);
    const std::string page = WriteLessonPlanPage(document.LessonPlan, TLessonPlanHTMLOptions{});
    std::size_t breaks = 0;
    for (std::size_t at = page.find("<br>\r\n"); at != std::string::npos;
         at = page.find("<br>\r\n", at + 1))
        ++breaks;
    EXPECT_EQ(breaks, 50000u);
}

}  // namespace
