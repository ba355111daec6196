#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <initializer_list>
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

// The parts' lines one after another.
Lines Joined(std::initializer_list<Lines> parts) {
    Lines lines;
    for (const Lines& part : parts) lines.insert(lines.end(), part.begin(), part.end());
    return lines;
}

// How many marks of each grade there are, from "Celujących" down, and of all.
Lines MarkStatistics(const std::array<std::string, 7>& counts) {
    const std::array<std::string, 7> labels = {
        "Celujących: ",      "Bardzo dobrych: ",   "Dobrych: ",   "Dostatecznych: ",
        "Dopuszczających: ", "Niedostatecznych: ", "Wszystkich: "};
    Lines lines = {"Statystyka ocen", kSingle};
    for (std::size_t i = 0; i < labels.size(); ++i) lines.push_back(labels[i] + counts[i]);
    lines.insert(lines.end(), {"", ""});
    return lines;
}

// The four averages, in the order the report lists them.
Lines Averages(const std::array<std::string, 4>& averages) {
    const std::array<std::string, 4> labels = {
        "Z ocen końcowych: ", "Z ocen końcowych z wszystkich przedmiotów: ",
        "Z ocen z przedmiotów obowiązkowych: ", "Z ocen z wszystkich przedmiotów: "};
    Lines lines = {"Średnia", kSingle};
    for (std::size_t i = 0; i < labels.size(); ++i) lines.push_back(labels[i] + averages[i]);
    lines.insert(lines.end(), {"", ""});
    return lines;
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

    const Lines expected = Joined({
        {"Uczeń: Anna Żak",
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
         ""},
        MarkStatistics({"2", "0", "0", "1", "1", "1", "5"}),
        Averages({"2", "4", "1.966", "3.958"}),
        {
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
        },
    });
    EXPECT_EQ(WriteTextReport(document, AllOn()), Text(expected));
}

TEST(TextReportTest, ADocumentWithoutSubjects) {
    ReportDocument document;
    TReportContent content = AllOn();
    content.SetChecked(B::StudentData, false);
    const Lines expected = Joined({
        {
            kDouble,
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
        },
        MarkStatistics({"0", "0", "0", "0", "0", "0", "0"}),
        Averages({"0", "0", "0", "0"}),
        {
            "Przedmioty dodatkowe",
            kSingle,
            "",
            "",
            "Zagrożenia z przedmiotów",
            kSingle,
            "",
            "",
        },
    });
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

// The subjects and summary sections of a document with a mark worth NaN under `threshold`.
std::string NaNReport(double threshold) {
    NaNMarkDocument document(threshold);
    TReportContent content;
    content.SetChecked(B::StudentData, false);
    content.Click(B::Menaces);
    return WriteTextReport(document, content);
}

Lines NaNReportLines(const Lines& endangered) {
    return Joined({{kDouble,
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
                    ""},
                   MarkStatistics({"0", "1", "1", "0", "0", "0", "2"}),
                   Averages({"0", "0", "0", "0"}),
                   {"Zagrożenia z przedmiotów", kSingle},
                   endangered,
                   {"", ""}});
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
