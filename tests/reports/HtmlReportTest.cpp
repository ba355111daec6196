#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "platform/Cp1250.h"
#include "reports/HtmlReport.h"
#include "tests/reports/ReportDocument.h"

namespace {

using namespace report_testing;
using B = ContentBox;
using Lines = std::vector<std::string>;

std::string Blanks(int n) {
    return std::string(n, ' ');
}

// The file's bytes for these lines: code page 1250, CR LF after each but the last.
std::string Page(const Lines& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += "\r\n";
        text += lines[i];
    }
    return platform::Utf8ToCp1250(text);
}

void Append(Lines& to, const Lines& more) {
    to.insert(to.end(), more.begin(), more.end());
}

// Head lines 1 to 41 with the default colours.
Lines Head(bool border) {
    Lines head = {
        " <!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">",
        "<html>" + Blanks(24),
        "<head>" + Blanks(24),
        "<style type=\"text/css\">",
        "<!--",
        Blanks(29),
        "body {" + Blanks(23),
        Blanks(7) + "margin-top: 20px;" + Blanks(5),
        Blanks(7) + "margin-bottom: 20px;" + Blanks(2),
        Blanks(7) + "margin-left: 20px;" + Blanks(4),
        Blanks(7) + "margin-right: 20px;" + Blanks(3),
        Blanks(7) + "background: #FFFFFF;",
        Blanks(7) + "color: #000000;",
    };
    if (border) {
        head.push_back(Blanks(7) + "border: 2px solid;" + Blanks(4));
        head.push_back(Blanks(7) + "border-color: #000000;");
    }
    Append(
        head,
        {
            "}",
            "",
            Blanks(4) + "table.naglowek { font-family: Verdana, Arial; font-weight: bold; "
                        "font-size: 14; color: #FFFFFF;",
            Blanks(6) + "background: #000080; border: 1px solid; border-color: #000000; "
                        "text-align: center;} ",
            Blanks(4) + "td.pole_nazwa { font-family: Verdana, Arial;  font-size: 16; "
                        "font-weight: bold;} ",
            Blanks(4) + "td.pole_tresc { font-family: Verdana, Arial; font-size: 14; } ",
            Blanks(4) + "td.przedmiot_nazwa {font-family: Verdana, Arial;  font-size: 14; "
                        "font-weight: bold;} ",
            Blanks(4) + "td.przedmiot_pole {font-family: Verdana, Arial; font-size: 14;} ",
            Blanks(4) + "td.przedmiot_wartosc {font-family: Verdana, Arial; font-size: 14;} ",
            Blanks(4) + "td.przedmiot_wartosc_ocena {font-family: Verdana, Arial; font-size: 14; "
                        "font-style: italic;} ",
            Blanks(4) + "td.podsumowanie_pole {font-family: Verdana, Arial;  font-size: 14;}",
            Blanks(4) + "td.podsumowanie_wartosc {font-family: Verdana, Arial;  font-size: 14; "
                        "font-weight: bold;}",
            Blanks(4) + "h1 {font-family: Verdana, Arial; font-size:14; font-wieght: bold;}",
            Blanks(4) + "h2 {font-family: Verdana, Arial; font-size:14; text-decoration: none; "
                        "text-align: center;}",
            "",
            Blanks(4) + "li {font-family: Verdana, Arial; font-size:14; }",
            "-->",
            "</style>",
            "",
            Blanks(8) + "<meta http-equiv=\"content-type\" content=\"text/html; "
                        "charset=windows-1250\"> ",
            Blanks(8) + "<meta name=\"generator\" content=\"Quirvale 2\"> ",
            Blanks(8) + "<meta name=\"description\" content=\"Raport HTML\">" + Blanks(2),
            Blanks(8) + "<title>Raport</title>",
            "</head>",
            "<body> ",
            " ",
        });
    return head;
}

const Lines kEnd = {"</body>", "</html>"};

TReportHTMLOptions AllOff() {
    TReportHTMLOptions options;
    for (const B group : {B::StudentData, B::SubjectsData, B::Summary})
        options.Content.SetChecked(group, false);
    return options;
}

TReportHTMLOptions AllOn() {
    TReportHTMLOptions options;
    for (const B box : {B::Teacher, B::Desc, B::Menaces, B::ExtraSubjects})
        options.Content.Click(box);
    return options;
}

Lines PupilRow(const std::string& label, const std::string& value) {
    return {"<tr>", "     <td class = \"pole_nazwa\" width=\"120px\">" + label + "</td>",
            "     <td class = \"pole_tresc\">" + value + "</td>", "</tr>"};
}

Lines SubjectRow(const std::string& label, const std::string& valueLine) {
    return {"<tr>",
            "     <td class=\"przedmiot_pole\" width=\"130px\"valign=\"top\">" + label + "</td>",
            "     " + valueLine, "</tr>"};
}

Lines SummaryRow(const std::string& width, const std::string& label, const std::string& value) {
    return {"<tr>",
            "     <td class=\"podsumowanie_pole\"  width=\"" + width + "\" valign=\"top\">" +
                label + "</td>",
            "     <td class=\"podsumowanie_wartosc\">" + value + "</td>", "</tr>"};
}

// The subjects' heading; each subject's table follows.
const Lines kSubjectsHeading = {"<table class=\"naglowek\" width=\"70%\"align=\"center\">",
                                "<tr>",
                                "     <td>Przedmioty</td>",
                                "</tr>",
                                "</table>",
                                "",
                                "<br>",
                                "<br>",
                                ""};

// A subject's table up to its name; its rows follow.
Lines SubjectHeading(const std::string& name) {
    return {"<table border=\"0\" cellspacing=\"0\"cellpadding=\"0\">", "<tr>",
            "     <td colspan=\"2\" height=\"30px\"class=\"przedmiot_nazwa\">" + name + "</td>",
            "</tr>"};
}

const std::string kMarkCell = "<td class=\"przedmiot_wartosc_ocena\">";
const std::string kValueCell = "<td class=\"przedmiot_wartosc\">";

// The summary's heading over the line counting the subjects.
Lines SummaryHeading(const std::string& subjectCounts) {
    return {"<table class=\"naglowek\"  width=\"70%\" align=\"center\">",
            "<tr>",
            "     <td>Podsumowanie</td>",
            "</tr>",
            "</table>",
            "",
            "<h1 align=\"center\">" + subjectCounts + "</h1>",
            "",
            "<br>",
            "<br>"};
}

const std::string kSummaryTable = "<table border=\"0\" cellspacing=\"0\" cellpadding=\"0\">";

// How many marks of each grade there are, from "Celujących" down, and of all.
Lines MarkStatistics(const std::array<std::string, 7>& counts) {
    const std::array<std::string, 7> labels = {
        "Celujących:",      "Bardzo dobrych:",   "Dobrych:",   "Dostatecznych:",
        "Dopuszczających:", "Niedostatecznych:", "Wszystkich:"};
    Lines lines = {"<h1>Statystyka ocen:</h1>", kSummaryTable};
    for (std::size_t i = 0; i < labels.size(); ++i)
        Append(lines, SummaryRow("155px", labels[i], counts[i]));
    lines.push_back("</table>");
    return lines;
}

// The four averages, in the order the page lists them.
Lines Averages(const std::array<std::string, 4>& averages) {
    const std::array<std::string, 4> labels = {
        "Z ocen końcowych:", "Z ocen końcowych z wszystkich przedmiotów:",
        "Z ocen z przedmiotów obowiązkowych:", "Z ocen z wszystkich przedmiotów:"};
    Lines lines = {"<h1>Średnia:</h1>", kSummaryTable};
    for (std::size_t i = 0; i < labels.size(); ++i)
        Append(lines, SummaryRow("300px", labels[i], averages[i]));
    lines.push_back("</table>");
    return lines;
}

TEST(HtmlReportTest, AllContentOffLeavesTheHeadAndTheEnd) {
    ReportDocument document;
    AddSubject(document, "Fizyka", {k5});
    Lines expected = Head(true);
    Append(expected, kEnd);
    EXPECT_EQ(WriteHtmlReport(document, AllOff()), Page(expected));

    TReportHTMLOptions noBorder = AllOff();
    noBorder.Border = false;
    expected = Head(false);
    Append(expected, kEnd);
    EXPECT_EQ(WriteHtmlReport(document, noBorder), Page(expected));
}

TEST(HtmlReportTest, ThePanelsColoursGoIntoTheStyle) {
    ReportDocument document;
    TReportHTMLOptions options = AllOff();
    options.BackgroundColor = 0x010203;
    options.TextColor = 0x0000FF;
    options.HeaderTextColor = 0x00FF00;
    options.HeaderBackgroundColor = 0xFF0000;
    options.HeaderFrameColor = 0xFFFFFFFF;
    options.BorderColor = 0x808080;
    const std::string page = WriteHtmlReport(document, options);
    for (const std::string line :
         {"\r\n       background: #030201;\r\n", "\r\n       color: #FF0000;\r\n",
          "\r\n       border-color: #808080;\r\n", " color: #00FF00;\r\n",
          "\r\n      background: #0000FF; border: 1px solid; border-color: #FFFFFF; "
          "text-align: center;} \r\n"})
        EXPECT_NE(page.find(line), std::string::npos) << line;
}

TEST(HtmlReportTest, EveryBlockWithEveryBoxOn) {
    ReportDocument document;
    document.Student.Name = "Anna";
    document.Student.Surname = "Żak";
    document.Student.Class = 2;
    document.Student.ClassChar = 'b';
    document.Student.SchoolType = "Liceum";
    document.Student.SchoolYear = 2025;
    document.Student.Term = "I";
    document.Student.SchoolName = "LO nr 1";
    AddSubject(document, "Fizyka", {k5, k4, k4}, 1, k4plus, "pani Nowak", "Zeszyt");
    AddSubject(document, "Religia", {}, 0, kNoFinalMark);

    Lines expected = Head(true);
    Append(expected, {"<table border=\"0\"cellspacing=\"0\" cellpadding=\"0\">"});
    Append(expected, PupilRow("Uczeń:", "Anna Żak"));
    Append(expected, PupilRow("Klasa:", "II b Liceum"));
    Append(expected, PupilRow("Rok szkolny:", "2025/2026"));
    Append(expected, PupilRow("Semestr:", "I"));
    Append(expected, PupilRow("Szkoła: ", "LO nr 1"));
    Append(expected, {" </table>", "", "<br>", "<br>", "<br>"});

    Append(expected, kSubjectsHeading);
    Append(expected, SubjectHeading("Fizyka"));
    Append(expected, SubjectRow("Ocena końcowa:", kMarkCell + "dobry +</td>"));
    Append(expected, SubjectRow("Oceny:", kValueCell + "5,4,4</td>"));
    Append(expected, SubjectRow("Średnia:", kMarkCell + "4.333</td>"));
    Append(expected, SubjectRow("Status:", kValueCell + "Przedmiot obowiązkowy.</td>"));
    Append(expected, SubjectRow("Nauczyciel:", kValueCell + "pani Nowak</td>"));
    Append(expected, SubjectRow("Notatka:", kValueCell + "<pre>Zeszyt</pre></td>"));
    Append(expected, {"</table>", ""});
    Append(expected, SubjectHeading("Religia"));
    Append(expected, SubjectRow("Ocena końcowa:", kMarkCell + "nie wystawiona</td>"));
    Append(expected, SubjectRow("Oceny:", kValueCell + "</td>"));
    Append(expected, SubjectRow("Średnia:", kMarkCell + "0</td>"));
    Append(expected, SubjectRow("Status:", kValueCell + "Przedmiot dodatkowy.</td>"));
    Append(expected, SubjectRow("Nauczyciel:", kValueCell + "</td>"));
    Append(expected, SubjectRow("Notatka:", kValueCell + "<pre></pre></td>"));
    Append(expected, {"</table>", "", "<br>", "<br>", "<br>"});

    Append(expected, SummaryHeading("Przedmiotów obowiązkowych: 1, Dodatkowych: 1"));
    Append(expected, MarkStatistics({"0", "1", "2", "0", "0", "0", "3"}));
    Append(expected, Averages({"4.5", "4.5", "4.333", "4.333"}));
    Append(expected, {"<h1>Przedmioty dodatkowe:</h1>", "<ul>", "<li>Religia", "</ul>",
                      "<h1>Zagrożenia z przedmiotów:</h1>", "<ul>", "<li>Religia", "</ul>"});
    Append(expected, kEnd);

    EXPECT_EQ(WriteHtmlReport(document, AllOn()), Page(expected));
}

// The page of a document with a mark worth NaN under `threshold`, without the pupil block, the
// teacher and the note.
std::string NaNPage(double threshold) {
    NaNMarkDocument document(threshold);
    TReportHTMLOptions options;
    options.Content.SetChecked(B::StudentData, false);
    options.Content.Click(B::Menaces);
    return WriteHtmlReport(document, options);
}

Lines NaNPageLines(const Lines& endangered) {
    Lines expected = Head(true);
    Append(expected, kSubjectsHeading);
    Append(expected, SubjectHeading("Historia"));
    Append(expected, SubjectRow("Ocena końcowa:", kMarkCell + "dobry</td>"));
    Append(expected, SubjectRow("Oceny:", kValueCell + "4</td>"));
    Append(expected, SubjectRow("Średnia:", kMarkCell + "0</td>"));
    Append(expected, SubjectRow("Status:", kValueCell + "Przedmiot obowiązkowy.</td>"));
    Append(expected, {"</table>", ""});
    Append(expected, SubjectHeading("Biologia"));
    Append(expected, SubjectRow("Ocena końcowa:", kMarkCell + "nie wystawiona</td>"));
    Append(expected, SubjectRow("Oceny:", kValueCell + "5</td>"));
    Append(expected, SubjectRow("Średnia:", kMarkCell + "5</td>"));
    Append(expected, SubjectRow("Status:", kValueCell + "Przedmiot dodatkowy.</td>"));
    Append(expected, {"</table>", "", "<br>", "<br>", "<br>"});

    Append(expected, SummaryHeading("Przedmiotów obowiązkowych: 1, Dodatkowych: 1"));
    Append(expected, MarkStatistics({"0", "1", "1", "0", "0", "0", "2"}));
    Append(expected, Averages({"0", "0", "0", "0"}));
    Append(expected, {"<h1>Zagrożenia z przedmiotów:</h1>", "<ul>"});
    Append(expected, endangered);
    Append(expected, {"</ul>"});
    Append(expected, kEnd);
    return expected;
}

TEST(HtmlReportTest, ANaNMarkValuePrintsTheAverage0AndListsTheSubjectAsEndangered) {
    EXPECT_EQ(NaNPage(2.0), Page(NaNPageLines({"<li>Historia"})));
}

TEST(HtmlReportTest, UnderANaNThresholdEverySubjectIsEndangered) {
    EXPECT_EQ(NaNPage(std::nan("")), Page(NaNPageLines({"<li>Historia", "<li>Biologia"})));
}

TEST(HtmlReportTest, TheDefaultsLeaveOutTeacherNoteAndTheTwoLists) {
    ReportDocument document;
    document.Student.SchoolYear = 2025;
    AddSubject(document, "Fizyka", {k5}, 1, kNoFinalMark, "pani Nowak", "Zeszyt");
    const std::string page = WriteHtmlReport(document, TReportHTMLOptions{});
    EXPECT_NE(page.find("Rok szkolny:"), std::string::npos);
    EXPECT_NE(page.find("Status:"), std::string::npos);
    EXPECT_NE(page.find("<h1>Statystyka ocen:</h1>"), std::string::npos);
    for (const std::string absent :
         {"Nauczyciel:", "Notatka:", "pani Nowak", "<ul>", "Przedmioty dodatkowe:"})
        EXPECT_EQ(page.find(absent), std::string::npos) << absent;
}

TEST(HtmlReportTest, APupilBlockWithoutSchoolYearAndSchool) {
    ReportDocument document;
    document.Student.Name = "Jan";
    TReportHTMLOptions options = AllOff();
    options.Content.SetChecked(B::StudentData, true);
    options.Content.SetChecked(B::SchoolYear, false);
    options.Content.SetChecked(B::School, false);
    Lines expected = Head(true);
    Append(expected, {"<table border=\"0\"cellspacing=\"0\" cellpadding=\"0\">"});
    Append(expected, PupilRow("Uczeń:", "Jan "));
    Append(expected, PupilRow("Klasa:", "   "));
    Append(expected, {" </table>", "", "<br>", "<br>", "<br>"});
    Append(expected, kEnd);
    EXPECT_EQ(WriteHtmlReport(document, options), Page(expected));
}

TEST(HtmlReportTest, ADocumentWithoutSubjectsWithEveryBoxOn) {
    ReportDocument document;
    const std::string page = WriteHtmlReport(document, AllOn());
    const std::string subjects =
        Page({"<table class=\"naglowek\" width=\"70%\"align=\"center\">", "<tr>",
              "     <td>Przedmioty</td>", "</tr>", "</table>", "", "<br>", "<br>", "", "<br>",
              "<br>", "<br>", "<table class=\"naglowek\"  width=\"70%\""});
    EXPECT_NE(page.find(subjects), std::string::npos);
    EXPECT_NE(page.find(Page({"Przedmiotów obowiązkowych: 0, Dodatkowych: 0</h1>"})),
              std::string::npos);
    EXPECT_NE(page.find(Page({"Wszystkich:</td>", "     <td class=\"podsumowanie_wartosc\">0"})),
              std::string::npos);
    EXPECT_NE(page.find(Page({"<h1>Przedmioty dodatkowe:</h1>", "<ul>", "</ul>",
                              "<h1>Zagrożenia z przedmiotów:</h1>", "<ul>", "</ul>", "</body>",
                              "</html>"})),
              std::string::npos);
}

TEST(HtmlReportTest, TheFileEndsWithTheClosingTagAndNoLineBreak) {
    ReportDocument document;
    const std::string page = WriteHtmlReport(document, TReportHTMLOptions{});
    const std::string end = "</body>\r\n</html>";
    ASSERT_GE(page.size(), end.size());
    EXPECT_EQ(page.substr(page.size() - end.size()), end);
}

TEST(HtmlReportTest, DocumentTextsAreEscapedEverywhere) {
    ReportDocument document;
    document.Student.Name = "<i>Ala";
    document.Student.Surname = "\"Kot\"";
    document.Student.ClassChar = '&';
    document.Student.SchoolType = "a>b";
    document.Student.Term = "<1>";
    document.Student.SchoolName = "A & B";
    AddSubject(document, "<b>", {}, 0, kNoFinalMark, "<u>", "x < y");
    const std::string page = WriteHtmlReport(document, AllOn());
    for (const std::string escaped :
         {"&lt;i&gt;Ala &quot;Kot&quot;</td>", "> &amp; a&gt;b</td>", ">&lt;1&gt;</td>",
          ">A &amp; B</td>", "przedmiot_nazwa\">&lt;b&gt;</td>", ">&lt;u&gt;</td>",
          "<pre>x &lt; y</pre>", "<ul>\r\n<li>&lt;b&gt;\r\n</ul>"})
        EXPECT_NE(page.find(escaped), std::string::npos) << escaped;
    // In both lists.
    EXPECT_NE(page.rfind("<li>&lt;b&gt;"), page.find("<li>&lt;b&gt;"));
    for (const std::string raw : {"<b>", "<i>", "<u>", "<1>", "A & B"})
        EXPECT_EQ(page.find(raw), std::string::npos) << raw;
}

TEST(HtmlReportTest, ANotesLineBreaksAreOneCrLfEach) {
    ReportDocument document;
    AddSubject(document, "Fizyka", {}, 1, kNoFinalMark, "", "raz\r\ndwa\ntrzy\rcztery");
    const std::string page = WriteHtmlReport(document, AllOn());
    EXPECT_NE(page.find("<pre>raz\r\ndwa\r\ntrzy\rcztery</pre>"), std::string::npos);
    EXPECT_EQ(page.find("\r\r\n"), std::string::npos);
}

// Each text keeps its own bytes next to the page's line ends: a CR it ends with stays (before
// the line's CR LF in the lists), an LF it starts with is a break of its own, and only a CR LF
// pair within the one text is a single break.
TEST(HtmlReportTest, TextsKeepACrAtTheirEndAndTheirOwnBreaks) {
    ReportDocument document;
    document.Student.Name = "Anna";
    document.Student.Surname = "Żak\r";
    document.Student.Class = 2;
    document.Student.ClassChar = 'b';
    document.Student.SchoolType = "Liceum\r";
    document.Student.SchoolYear = 2025;
    document.Student.Term = "\nI";
    document.Student.SchoolName = "LO\r\n";
    AddSubject(document, "Fizyka\r", {}, 0, kNoFinalMark, "\npani\r", "raz\r\ndwa\r");
    TReportHTMLOptions options = AllOn();
    options.Content.SetChecked(B::Statistics, false);
    options.Content.SetChecked(B::AverageInfo, false);

    Lines expected = Head(true);
    Append(expected, {"<table border=\"0\"cellspacing=\"0\" cellpadding=\"0\">"});
    Append(expected, PupilRow("Uczeń:", "Anna Żak\r"));
    Append(expected, PupilRow("Klasa:", "II b Liceum\r"));
    Append(expected, PupilRow("Rok szkolny:", "2025/2026"));
    Append(expected, PupilRow("Semestr:", "\r\nI"));
    Append(expected, PupilRow("Szkoła: ", "LO\r\n"));
    Append(expected, {" </table>", "", "<br>", "<br>", "<br>"});
    Append(expected, kSubjectsHeading);
    Append(expected, SubjectHeading("Fizyka\r"));
    Append(expected, SubjectRow("Ocena końcowa:", kMarkCell + "nie wystawiona</td>"));
    Append(expected, SubjectRow("Oceny:", kValueCell + "</td>"));
    Append(expected, SubjectRow("Średnia:", kMarkCell + "0</td>"));
    Append(expected, SubjectRow("Status:", kValueCell + "Przedmiot dodatkowy.</td>"));
    Append(expected, SubjectRow("Nauczyciel:", kValueCell + "\r\npani\r</td>"));
    Append(expected, SubjectRow("Notatka:", kValueCell + "<pre>raz\r\ndwa\r</pre></td>"));
    Append(expected, {"</table>", "", "<br>", "<br>", "<br>"});
    Append(expected, SummaryHeading("Przedmiotów obowiązkowych: 0, Dodatkowych: 1"));
    Append(expected, {"<h1>Przedmioty dodatkowe:</h1>", "<ul>", "<li>Fizyka\r", "</ul>",
                      "<h1>Zagrożenia z przedmiotów:</h1>", "<ul>", "<li>Fizyka\r", "</ul>"});
    Append(expected, kEnd);
    EXPECT_EQ(WriteHtmlReport(document, options), Page(expected));
}

TEST(HtmlReportTest, PolishTextsAreWrittenInTheCodePage) {
    ReportDocument document;
    AddSubject(document, "Język polski", {k6});
    const std::string page = WriteHtmlReport(document, AllOn());
    EXPECT_NE(page.find("J\xEAzyk polski"), std::string::npos);
    EXPECT_NE(page.find(">Ucze\xF1:</td>"), std::string::npos);
    EXPECT_NE(page.find("<h1>Zagro\xBF"
                        "enia z przedmiot\xF3w:</h1>"),
              std::string::npos);
}

TEST(HtmlReportTest, SubjectAveragesAreCutAfterTheThirdDecimal) {
    ReportDocument document;
    AddSubject(document, "A", {k4, k4, k4});
    document.Settings.MarksValues[k4] = 3.9999;
    AddSubject(document, "B", {k5, k4plus});  // (5 + 4.5) / 2 = 4.75
    TReportHTMLOptions options = AllOff();
    options.Content.SetChecked(B::SubjectsData, true);
    const std::string page = WriteHtmlReport(document, options);
    EXPECT_NE(page.find("\">3.999</td>"), std::string::npos);
    EXPECT_NE(page.find("\">4.75</td>"), std::string::npos);
}

TEST(HtmlReportTest, AnAverageFromTheInt32LimitOnIsWrittenAsTruncatedNotClamped) {
    ReportDocument document;
    document.Settings.MarksValues[k5] = 3000000.0;
    AddSubject(document, "A", {k5});
    TReportHTMLOptions options = AllOff();
    options.Content.SetChecked(B::SubjectsData, true);
    const std::string page = WriteHtmlReport(document, options);
    EXPECT_NE(page.find("\">3e+06</td>"), std::string::npos);
    EXPECT_EQ(page.find("2.14748e+06"), std::string::npos);
}

}  // namespace
