#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

#include "reports/PageText.h"
#include "reports/ReportValues.h"
#include "tests/reports/ReportDocument.h"
#include "tests/support/Environment.h"

namespace {

using namespace report_testing;

TEST(PupilValuesTest, PupilClassAndSchoolYear) {
    TStudent student;
    student.Name = "Jan";
    student.Surname = "Kowalski";
    student.Class = 3;
    student.ClassChar = '\xA5';  // "Ą" in the code page
    student.SchoolType = "Gimnazjum";
    student.SchoolYear = 2004;
    EXPECT_EQ(PupilText(student), "Jan Kowalski");
    EXPECT_EQ(ClassText(student), "III Ą Gimnazjum");
    EXPECT_EQ(SchoolYearText(student), "2004/2005");

    student.Class = 0;
    student.ClassChar = ' ';
    student.SchoolType = "";
    // No class number, a blank letter, no school type: the three joining blanks remain.
    EXPECT_EQ(ClassText(student), "   ");
    student.Class = 11;
    EXPECT_EQ(ClassText(student), "    ");
    student.SchoolYear = -1;
    EXPECT_EQ(SchoolYearText(student), "-1/0");
    student.SchoolYear = 2147483647;
    EXPECT_EQ(SchoolYearText(student), "2147483647/-2147483648");
}

TEST(SubjectValuesTest, FinalMarkMarksAverageAndStatus) {
    ReportDocument document;
    AddSubject(document, "Fizyka", {k5, k4, k4}, 1, k4plus);
    AddSubject(document, "Religia", {}, 0);
    TSubject& physics = *document.Subjects.Get(0);
    TSubject& religion = *document.Subjects.Get(1);
    EXPECT_EQ(FinalMarkText(physics), "dobry +");
    EXPECT_EQ(FinalMarkText(religion), "nie wystawiona");
    EXPECT_EQ(MarksText(physics), "5,4,4");
    EXPECT_EQ(MarksText(religion), "");
    EXPECT_EQ(AverageText(SubjectAverageValue(physics, document.Settings.MarksValues)), "4.333");
    EXPECT_EQ(AverageText(SubjectAverageValue(religion, document.Settings.MarksValues)), "0");
    EXPECT_EQ(StatusText(physics), "Przedmiot obowiązkowy.");
    EXPECT_EQ(StatusText(religion), "Przedmiot dodatkowy.");
    religion.InAverage = 2;
    EXPECT_EQ(StatusText(religion), "Przedmiot dodatkowy.");
}

TEST(SummaryValuesTest, GradeCountsFoldTheKindsOfEachGrade) {
    ReportDocument document;
    // Every kind once, "6" and "6-" twice.
    AddSubject(document, "A", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16});
    AddSubject(document, "B", {15, 16});
    const TGradeCounts counts = GradeCounts(document.Subjects);
    EXPECT_EQ(counts, (TGradeCounts{3, 3, 3, 3, 3, 4}));
    EXPECT_EQ(AllMarksCount(counts), 19);
    ReportDocument empty;
    EXPECT_EQ(AllMarksCount(GradeCounts(empty.Subjects)), 0);
}

TEST(SummaryValuesTest, ListsAndCountsInOnePass) {
    ReportDocument document;
    document.Settings.AlarmThreshold = 2.0;
    AddSubject(document, "Matematyka", {k2}, 1);          // 2.0: endangered
    AddSubject(document, "Plastyka", {}, 0);              // no marks: 0, endangered and extra
    AddSubject(document, "Chemia", {k2, k2, k2plus}, 1);  // 2.1666: above
    AddSubject(document, "Taniec", {k5}, 0);              // extra only
    const TSubjectsSummary summary = SummarizeSubjects(document);
    EXPECT_EQ(summary.CompulsoryCount, 2);
    EXPECT_EQ(summary.ExtraCount, 2);
    EXPECT_EQ(summary.ExtraSubjectsList, (std::vector<std::string>{"Plastyka", "Taniec"}));
    EXPECT_EQ(summary.EndangeredList, (std::vector<std::string>{"Matematyka", "Plastyka"}));
}

TEST(SummaryValuesTest, TheEndangeredTestUsesTheFullAverage) {
    ReportDocument document;
    document.Settings.AlarmThreshold = 2.0;
    AddSubject(document, "Biologia", {k2});
    // 2.0004: shown as 2, yet above the threshold.
    document.Settings.MarksValues[k2] = 2.0004;
    EXPECT_TRUE(SummarizeSubjects(document).EndangeredList.empty());
    EXPECT_EQ(
        AverageText(SubjectAverageValue(*document.Subjects.Get(0), document.Settings.MarksValues)),
        "2");
    // A negative threshold lists not even a subject without marks.
    document.Settings.AlarmThreshold = -0.5;
    AddSubject(document, "Muzyka", {});
    EXPECT_TRUE(SummarizeSubjects(document).EndangeredList.empty());
}

TEST(SummaryValuesTest, ANaNAverageIsComparedAsThePrinted0) {
    ReportDocument document;
    document.Settings.MarksValues[k4] = std::nan("");  // a hand-made file's mark value
    AddSubject(document, "Historia", {k4});
    AddSubject(document, "Biologia", {k5});
    EXPECT_EQ(
        AverageText(SubjectAverageValue(*document.Subjects.Get(0), document.Settings.MarksValues)),
        "0");
    EXPECT_EQ(SummarizeSubjects(document).EndangeredList, (std::vector<std::string>{"Historia"}));
    // Under a threshold below 0 the printed 0 is above it.
    document.Settings.AlarmThreshold = -1.0;
    EXPECT_TRUE(SummarizeSubjects(document).EndangeredList.empty());
}

TEST(SummaryValuesTest, NoAverageIsAboveANaNThreshold) {
    ReportDocument document;
    document.Settings.AlarmThreshold = std::nan("");
    AddSubject(document, "Chemia", {k6});
    AddSubject(document, "Muzyka", {}, 0);
    EXPECT_EQ(SummarizeSubjects(document).EndangeredList,
              (std::vector<std::string>{"Chemia", "Muzyka"}));
}

TEST(SummaryValuesTest, TheFourAveragesAreTruncated) {
    ReportDocument document;
    AddSubject(document, "A", {k5, k4, k4}, 1, k5);  // 4.333..., final 5
    AddSubject(document, "B", {k3}, 0, k2);          // 3, final 2
    EXPECT_EQ(AverageText(MarksAverageCompulsory(document)), "4.333");
    EXPECT_EQ(AverageText(MarksAverageAll(document)), "3.666");
    EXPECT_EQ(AverageText(FinalAverageCompulsory(document)), "5");
    EXPECT_EQ(AverageText(FinalAverageAll(document)), "3.5");
    ReportDocument empty;
    EXPECT_EQ(AverageText(MarksAverageAll(empty)), "0");
    EXPECT_EQ(AverageText(FinalAverageCompulsory(empty)), "0");
}

TEST(SummaryValuesTest, AveragesFromTheInt32LimitOnAreTruncatedNotClamped) {
    ReportDocument document;
    document.Settings.MarksValues[k5] = 3000000.0;
    document.Settings.MarksValues[k4] = 2147483.6489;
    AddSubject(document, "A", {k5}, 1, k5);
    AddSubject(document, "B", {k4}, 0, k4);
    EXPECT_EQ(SubjectAverageValue(*document.Subjects.Get(0), document.Settings.MarksValues),
              3000000.0);
    EXPECT_EQ(SubjectAverageValue(*document.Subjects.Get(1), document.Settings.MarksValues),
              2147483.648);
    EXPECT_EQ(MarksAverageAll(document), 2573741.824);
    EXPECT_EQ(FinalAverageAll(document), 2573741.824);
    // Six significant digits: the exponent form is what the general format gives them.
    EXPECT_EQ(AverageText(MarksAverageCompulsory(document)), "3e+06");
    EXPECT_EQ(AverageText(FinalAverageCompulsory(document)), "3e+06");
    EXPECT_EQ(AverageText(MarksAverageAll(document)), "2.57374e+06");
    EXPECT_EQ(AverageText(2147483.648), "2.14748e+06");
}

TEST(AverageTextTest, SixSignificantDigitsAPointAndNoTrailingZeros) {
    EXPECT_EQ(AverageText(4.333), "4.333");
    EXPECT_EQ(AverageText(TruncTo3Decimals(4.3333)), "4.333");
    EXPECT_EQ(AverageText(TruncTo3Decimals(3.9999)), "3.999");
    EXPECT_EQ(AverageText(4.5), "4.5");
    EXPECT_EQ(AverageText(5.0), "5");
    EXPECT_EQ(AverageText(0.0), "0");
    EXPECT_EQ(AverageText(-1.25), "-1.25");
    EXPECT_EQ(AverageText(1234.5678), "1234.57");
    EXPECT_EQ(AverageText(2147483.647), "2.14748e+06");
    EXPECT_EQ(AverageText(0.0001), "0.0001");
}

TEST(AverageTextTest, ThePointStaysUnderACommaLocale) {
    testing_support::DecimalSeparatorOverride comma(',');
    const char* const previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    std::setlocale(LC_ALL, "pl_PL.UTF-8");
    EXPECT_EQ(AverageText(4.333), "4.333");
    EXPECT_EQ(AverageText(TruncTo3Decimals(2.0 / 3.0)), "0.666");
    std::setlocale(LC_ALL, saved.c_str());
}

TEST(ColorToHTMLTest, RedGreenBlueFromTheLowBytes) {
    EXPECT_EQ(ColorToHTML(0x800000), "#000080");
    EXPECT_EQ(ColorToHTML(0xFFFFFF), "#FFFFFF");
    EXPECT_EQ(ColorToHTML(0x0000FF), "#FF0000");
    EXPECT_EQ(ColorToHTML(0x00ABCDEF), "#EFCDAB");
    EXPECT_EQ(ColorToHTML(0xFF000000), "#000000");
    EXPECT_EQ(ColorToHTML(0x008000), "#008000");
}

TEST(PageTextTest, LinesEndInCrLfAndTextsGoToTheCodePage) {
    TPageText page;
    page.Line("Uczeń: ");
    page.Line();
    page.Text("ąę");
    EXPECT_EQ(page.Bytes(), "Ucze\xF1: \r\n\r\n\xB9\xEA");
}

TEST(PageTextTest, ACrLfPairInADocumentTextIsOneBreakAndALoneCrStays) {
    TPageText page;
    page.Line(DocumentText("a\r\nb\nc\rd\r\r\n"));
    EXPECT_EQ(page.Bytes(), "a\r\nb\r\nc\rd\r\r\n\r\n");
}

TEST(PageTextTest, PairsAreJoinedWithinOneTextOnly) {
    EXPECT_EQ(DocumentText("a\r"), "a\r");
    EXPECT_EQ(DocumentText("\na"), "\na");
    EXPECT_EQ(DocumentText("\r\n\r"), "\n\r");

    TPageText page;
    page.Text(DocumentText("a\r"));
    page.Line(DocumentText("\nb\r"));
    page.Text("c");
    EXPECT_EQ(page.Bytes(), "a\r\r\nb\r\r\nc");
}

TEST(PageTextTest, AnHtmlTextIsEscapedWithItsOwnBreaks) {
    EXPECT_EQ(HtmlText("<a>\r\n&\r"), "&lt;a&gt;\n&amp;\r");
}

TEST(PageTextTest, HtmlEscapingEscapesTheAmpersandFirst) {
    EXPECT_EQ(HtmlEscape("<b>\"Tom & Jerry\"</b>"),
              "&lt;b&gt;&quot;Tom &amp; Jerry&quot;&lt;/b&gt;");
    EXPECT_EQ(HtmlEscape("&lt;"), "&amp;lt;");
    EXPECT_EQ(HtmlEscape("zwykły tekst 'x'"), "zwykły tekst 'x'");
}

TEST(PageTextTest, BreaksBecomeBrAndOneBreak) {
    EXPECT_EQ(BreaksToHtml("a\nb"), "a<br>\nb");
    EXPECT_EQ(BreaksToHtml("a\r\nb"), "a<br>\nb");
    EXPECT_EQ(BreaksToHtml("a\rb"), "a\rb");
    EXPECT_EQ(BreaksToHtml("\r\n\n"), "<br>\n<br>\n");
    EXPECT_EQ(BreaksToHtml("\na\r"), "<br>\na\r");
}

TEST(PageTextTest, LinesOfAMultiLineText) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(SplitLines(""), Lines{});
    EXPECT_EQ(SplitLines("a"), Lines{"a"});
    EXPECT_EQ(SplitLines("a\r\nb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(SplitLines("a\nb\rc"), (Lines{"a", "b", "c"}));
    EXPECT_EQ(SplitLines("\r\n\r\n"), (Lines{"", ""}));
    EXPECT_EQ(SplitLines("a\r\n\r\nb"), (Lines{"a", "", "b"}));
}

}  // namespace
