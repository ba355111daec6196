#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "platform/Cp1250.h"
#include "reports/TextReport.h"
#include "tests/reports/ReportDocument.h"
#include "tests/support/Environment.h"

namespace {

using namespace report_testing;
using B = ContentBox;
using Lines = std::vector<std::string>;

const std::string kDouble(46, '=');
const std::string kSingle(28, '-');

// The file's bytes for these lines: code page 1250, each line ended by CR LF.
std::string Text(const Lines& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return platform::Utf8ToCp1250(text);
}

TReportContent AllOff() {
    TReportContent content;
    for (const B group : {B::StudentData, B::SubjectsData, B::Summary})
        content.SetChecked(group, false);
    return content;
}

TReportContent AllOn() {
    TReportContent content;
    for (const B box : {B::Teacher, B::Desc, B::Menaces, B::ExtraSubjects}) content.Click(box);
    return content;
}

TEST(TextReportTest, AllGroupsOffGiveAnEmptyFile) {
    ReportDocument document;
    AddSubject(document, "Fizyka", {k5});
    EXPECT_EQ(WriteTextReport(document, AllOff()), "");
}

TEST(TextReportTest, EveryLineWithEveryBoxOn) {
    ReportDocument document;
    document.Student.Name = "Anna";
    document.Student.Surname = "Żak";
    document.Student.Class = 10;
    document.Student.ClassChar = 'c';
    document.Student.SchoolType = "Technikum";
    document.Student.SchoolYear = 2004;
    document.Student.Term = "II";
    document.Student.SchoolName = "ZST";
    AddSubject(document, "Matematyka", {k2, k3minus, k1}, 1, k2, "pan Lis", "Wzory");
    AddSubject(document, "Chór", {k6, k6minus}, 0, k6);
    AddSubject(document, "Plastyka", {}, 0);

    const Lines expected = {
        "Uczeń: Anna Żak",
        "Klasa: X c Technikum",
        "Rok szkolny: 2004/2005",
        "Semestr: II",
        "Szkoła: ZST",
        "",
        "",
        kDouble,
        "Przedmioty",
        kDouble,
        "",
        "Matematyka",
        kSingle,
        "Ocena końcowa: mierny",
        "Oceny: 2,3-,1",
        "Średnia: 1.966",
        "Status: Przedmiot obowiązkowy.",
        "Nauczyciel: pan Lis",
        "Notatka: Wzory",
        "",
        "Chór",
        kSingle,
        "Ocena końcowa: celujący",
        "Oceny: 6,6-",
        "Średnia: 5.95",
        "Status: Przedmiot dodatkowy.",
        "Nauczyciel: ",
        "Notatka: ",
        "",
        "Plastyka",
        kSingle,
        "Ocena końcowa: nie wystawiona",
        "Oceny: ",
        "Średnia: 0",
        "Status: Przedmiot dodatkowy.",
        "Nauczyciel: ",
        "Notatka: ",
        "",
        "",
        "",
        kDouble,
        "Podsumowanie",
        kDouble,
        "",
        "Przedmiotów obowiązkowych: 1, Dodatkowych: 2",
        "",
        "",
        "Statystyka ocen",
        kSingle,
        "Celujących: 2",
        "Bardzo dobrych: 0",
        "Dobrych: 0",
        "Dostatecznych: 1",
        "Dopuszczających: 1",
        "Niedostatecznych: 1",
        "Wszystkich: 5",
        "",
        "",
        "Średnia",
        kSingle,
        "Z ocen końcowych: 2",
        "Z ocen końcowych z wszystkich przedmiotów: 4",
        "Z ocen z przedmiotów obowiązkowych: 1.966",
        "Z ocen z wszystkich przedmiotów: 3.958",
        "",
        "",
        "Przedmioty dodatkowe",
        kSingle,
        " - Chór",
        " - Plastyka",
        "",
        "",
        "Zagrożenia z przedmiotów",
        kSingle,
        " - Matematyka",
        " - Plastyka",
        "",
        "",
    };
    EXPECT_EQ(WriteTextReport(document, AllOn()), Text(expected));
}

TEST(TextReportTest, ADocumentWithoutSubjects) {
    ReportDocument document;
    TReportContent content = AllOn();
    content.SetChecked(B::StudentData, false);
    const Lines expected = {kDouble,
                            "Przedmioty",
                            kDouble,
                            "",
                            "",
                            "",
                            kDouble,
                            "Podsumowanie",
                            kDouble,
                            "",
                            "Przedmiotów obowiązkowych: 0, Dodatkowych: 0",
                            "",
                            "",
                            "Statystyka ocen",
                            kSingle,
                            "Celujących: 0",
                            "Bardzo dobrych: 0",
                            "Dobrych: 0",
                            "Dostatecznych: 0",
                            "Dopuszczających: 0",
                            "Niedostatecznych: 0",
                            "Wszystkich: 0",
                            "",
                            "",
                            "Średnia",
                            kSingle,
                            "Z ocen końcowych: 0",
                            "Z ocen końcowych z wszystkich przedmiotów: 0",
                            "Z ocen z przedmiotów obowiązkowych: 0",
                            "Z ocen z wszystkich przedmiotów: 0",
                            "",
                            "",
                            "Przedmioty dodatkowe",
                            kSingle,
                            "",
                            "",
                            "Zagrożenia z przedmiotów",
                            kSingle,
                            "",
                            ""};
    EXPECT_EQ(WriteTextReport(document, content), Text(expected));
}

TEST(TextReportTest, TheDefaultPupilBlockAndSubjectLines) {
    ReportDocument document;
    document.Student.SchoolYear = 2030;
    AddSubject(document, "WF", {k5plus}, 1, kNoFinalMark, "pan Ruch", "strój");
    TReportContent content;
    content.SetChecked(B::Summary, false);
    content.SetChecked(B::School, false);
    const Lines expected = {"Uczeń:  ",
                            "Klasa:    ",
                            "Rok szkolny: 2030/2031",
                            "Semestr: ",
                            "",
                            "",
                            kDouble,
                            "Przedmioty",
                            kDouble,
                            "",
                            "WF",
                            kSingle,
                            "Ocena końcowa: nie wystawiona",
                            "Oceny: 5+",
                            "Średnia: 5.5",
                            "Status: Przedmiot obowiązkowy.",
                            "",
                            "",
                            ""};
    EXPECT_EQ(WriteTextReport(document, content), Text(expected));
}

TEST(TextReportTest, AnAverageAtTheThresholdIsEndangeredOneAboveIsNot) {
    ReportDocument document;
    AddSubject(document, "Równo", {k2});
    AddSubject(document, "Powyżej", {k2plus});
    TReportContent content = AllOff();
    content.SetChecked(B::Summary, true);
    content.SetChecked(B::Menaces, true);
    const std::string text = WriteTextReport(document, content);
    EXPECT_NE(text.find(platform::Utf8ToCp1250(" - Równo\r\n")), std::string::npos);
    EXPECT_EQ(text.find(platform::Utf8ToCp1250("Powyżej")), std::string::npos);
}

// The subjects and summary sections of a document whose first subject's marks have a NaN value
// (a hand-made file) and whose threshold is `threshold`.
std::string NaNReport(double threshold) {
    ReportDocument document;
    document.Settings.MarksValues[k4] = std::nan("");
    document.Settings.AlarmThreshold = threshold;
    AddSubject(document, "Historia", {k4}, 1, k4);
    AddSubject(document, "Biologia", {k5}, 0);
    TReportContent content;
    content.SetChecked(B::StudentData, false);
    content.Click(B::Menaces);
    return WriteTextReport(document, content);
}

Lines NaNReportLines(const Lines& endangered) {
    Lines lines = {kDouble,
                   "Przedmioty",
                   kDouble,
                   "",
                   "Historia",
                   kSingle,
                   "Ocena końcowa: dobry",
                   "Oceny: 4",
                   "Średnia: 0",
                   "Status: Przedmiot obowiązkowy.",
                   "",
                   "Biologia",
                   kSingle,
                   "Ocena końcowa: nie wystawiona",
                   "Oceny: 5",
                   "Średnia: 5",
                   "Status: Przedmiot dodatkowy.",
                   "",
                   "",
                   "",
                   kDouble,
                   "Podsumowanie",
                   kDouble,
                   "",
                   "Przedmiotów obowiązkowych: 1, Dodatkowych: 1",
                   "",
                   "",
                   "Statystyka ocen",
                   kSingle,
                   "Celujących: 0",
                   "Bardzo dobrych: 1",
                   "Dobrych: 1",
                   "Dostatecznych: 0",
                   "Dopuszczających: 0",
                   "Niedostatecznych: 0",
                   "Wszystkich: 2",
                   "",
                   "",
                   "Średnia",
                   kSingle,
                   "Z ocen końcowych: 0",
                   "Z ocen końcowych z wszystkich przedmiotów: 0",
                   "Z ocen z przedmiotów obowiązkowych: 0",
                   "Z ocen z wszystkich przedmiotów: 0",
                   "",
                   "",
                   "Zagrożenia z przedmiotów",
                   kSingle};
    lines.insert(lines.end(), endangered.begin(), endangered.end());
    lines.insert(lines.end(), {"", ""});
    return lines;
}

TEST(TextReportTest, ANaNMarkValuePrintsTheAverage0AndListsTheSubjectAsEndangered) {
    EXPECT_EQ(NaNReport(2.0), Text(NaNReportLines({" - Historia"})));
}

TEST(TextReportTest, UnderANaNThresholdEverySubjectIsEndangered) {
    EXPECT_EQ(NaNReport(std::nan("")), Text(NaNReportLines({" - Historia", " - Biologia"})));
}

TEST(TextReportTest, TextsAreNotEscapedAndANotesCrLfIsOneBreak) {
    ReportDocument document;
    AddSubject(document, "<b>&", {}, 1, kNoFinalMark, "", "raz\r\ndwa\ntrzy");
    TReportContent content = AllOn();
    const std::string text = WriteTextReport(document, content);
    EXPECT_NE(text.find("\r\n<b>&\r\n"), std::string::npos);
    EXPECT_NE(text.find("Notatka: raz\r\ndwa\r\ntrzy\r\n"), std::string::npos);
    EXPECT_EQ(text.find("\r\r\n"), std::string::npos);
}

// Each text keeps its own bytes next to the report's line ends: a CR it ends with stays before
// the line's CR LF, an LF it starts with is a break of its own, and only a CR LF pair within
// the one text is a single break.
TEST(TextReportTest, TextsKeepACrAtTheirEndAndTheirOwnBreaks) {
    ReportDocument document;
    document.Student.Name = "Anna";
    document.Student.Surname = "Żak\r";
    document.Student.Class = 10;
    document.Student.ClassChar = 'c';
    document.Student.SchoolType = "Technikum\r";
    document.Student.SchoolYear = 2004;
    document.Student.Term = "\nII";
    document.Student.SchoolName = "ZST\r\n";
    AddSubject(document, "Fizyka\r", {}, 0, kNoFinalMark, "pan Lis\r", "\nraz\r\ndwa\r");
    TReportContent content = AllOn();
    content.SetChecked(B::Statistics, false);
    content.SetChecked(B::AverageInfo, false);

    const Lines expected = {
        "Uczeń: Anna Żak\r",
        "Klasa: X c Technikum\r",
        "Rok szkolny: 2004/2005",
        "Semestr: ",
        "II",
        "Szkoła: ZST",
        "",
        "",
        "",
        kDouble,
        "Przedmioty",
        kDouble,
        "",
        "Fizyka\r",
        kSingle,
        "Ocena końcowa: nie wystawiona",
        "Oceny: ",
        "Średnia: 0",
        "Status: Przedmiot dodatkowy.",
        "Nauczyciel: pan Lis\r",
        "Notatka: ",
        "raz",
        "dwa\r",
        "",
        "",
        "",
        kDouble,
        "Podsumowanie",
        kDouble,
        "",
        "Przedmiotów obowiązkowych: 0, Dodatkowych: 1",
        "",
        "",
        "Przedmioty dodatkowe",
        kSingle,
        " - Fizyka\r",
        "",
        "",
        "Zagrożenia z przedmiotów",
        kSingle,
        " - Fizyka\r",
        "",
        "",
    };
    EXPECT_EQ(WriteTextReport(document, content), Text(expected));
}

TEST(TextReportTest, AnAverageFromTheInt32LimitOnIsWrittenAsTruncatedNotClamped) {
    ReportDocument document;
    document.Settings.MarksValues[k5] = 3000000.0;
    AddSubject(document, "A", {k5});
    const std::string text = WriteTextReport(document, AllOn());
    EXPECT_NE(text.find(platform::Utf8ToCp1250("Średnia: 3e+06\r\n")), std::string::npos);
    EXPECT_EQ(text.find("2.14748e+06"), std::string::npos);
}

TEST(TextReportTest, AveragesKeepThePointUnderACommaLocale) {
    testing_support::DecimalSeparatorOverride comma(',');
    ReportDocument document;
    AddSubject(document, "A", {k5, k4, k4});
    const std::string text = WriteTextReport(document, AllOn());
    EXPECT_NE(text.find(platform::Utf8ToCp1250("Średnia: 4.333\r\n")), std::string::npos);
}

}  // namespace
