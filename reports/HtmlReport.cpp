#include "reports/HtmlReport.h"

#include <initializer_list>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/Numbers.h"
#include "reports/PageText.h"
#include "reports/ReportValues.h"

namespace {

const std::string kBlanks29(29, ' ');

void WriteHead(TPageText& page, const TReportHTMLOptions& options) {
    page.Line(" <!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">");
    page.Line("<html>                        ");
    page.Line("<head>                        ");
    page.Line("<style type=\"text/css\">");
    page.Line("<!--");
    page.Line(kBlanks29);
    page.Line("body {                       ");
    page.Line("       margin-top: 20px;     ");
    page.Line("       margin-bottom: 20px;  ");
    page.Line("       margin-left: 20px;    ");
    page.Line("       margin-right: 20px;   ");
    page.Line("       background: " + ColorToHTML(options.BackgroundColor) + ";");
    page.Line("       color: " + ColorToHTML(options.TextColor) + ";");
    if (options.Border) {
        page.Line("       border: 2px solid;    ");
        page.Line("       border-color: " + ColorToHTML(options.BorderColor) + ";");
    }
    page.Line("}");
    page.Line();
    page.Line(
        "    table.naglowek { font-family: Verdana, Arial; font-weight: bold; font-size: 14; "
        "color: " +
        ColorToHTML(options.HeaderTextColor) + ";");
    page.Line("      background: " + ColorToHTML(options.HeaderBackgroundColor) +
              "; border: 1px solid; border-color: " + ColorToHTML(options.HeaderFrameColor) +
              "; text-align: center;} ");
    page.Line(
        "    td.pole_nazwa { font-family: Verdana, Arial;  font-size: 16; font-weight: bold;} ");
    page.Line("    td.pole_tresc { font-family: Verdana, Arial; font-size: 14; } ");
    page.Line(
        "    td.przedmiot_nazwa {font-family: Verdana, Arial;  font-size: 14; font-weight: "
        "bold;} ");
    page.Line("    td.przedmiot_pole {font-family: Verdana, Arial; font-size: 14;} ");
    page.Line("    td.przedmiot_wartosc {font-family: Verdana, Arial; font-size: 14;} ");
    page.Line(
        "    td.przedmiot_wartosc_ocena {font-family: Verdana, Arial; font-size: 14; "
        "font-style: italic;} ");
    page.Line("    td.podsumowanie_pole {font-family: Verdana, Arial;  font-size: 14;}");
    page.Line(
        "    td.podsumowanie_wartosc {font-family: Verdana, Arial;  font-size: 14; "
        "font-weight: bold;}");
    // The misspelt property is the page's own; browsers skip it and h1 stays bold by default.
    page.Line("    h1 {font-family: Verdana, Arial; font-size:14; font-wieght: bold;}");
    page.Line(
        "    h2 {font-family: Verdana, Arial; font-size:14; text-decoration: none; text-align: "
        "center;}");
    page.Line();
    page.Line("    li {font-family: Verdana, Arial; font-size:14; }");
    page.Line("-->");
    page.Line("</style>");
    page.Line();
    page.Line(
        "        <meta http-equiv=\"content-type\" content=\"text/html; "
        "charset=windows-1250\"> ");
    page.Line("        <meta name=\"generator\" content=\"Quirvale 2\"> ");
    page.Line("        <meta name=\"description\" content=\"Raport HTML\">  ");
    page.Line("        <title>Raport</title>");
    page.Line("</head>");
    page.Line("<body> ");
    page.Line(" ");
}

void WritePupilField(TPageText& page, std::string_view label, const std::string& value) {
    page.Line("<tr>");
    page.Line("     <td class = \"pole_nazwa\" width=\"120px\">" + std::string(label) + "</td>");
    page.Line("     <td class = \"pole_tresc\">" + HtmlText(value) + "</td>");
    page.Line("</tr>");
}

void WritePupilBlock(TPageText& page, const TStudent& student, const TReportContent& content) {
    page.Line("<table border=\"0\"cellspacing=\"0\" cellpadding=\"0\">");
    WritePupilField(page, "Uczeń:", PupilText(student));
    WritePupilField(page, "Klasa:", ClassText(student));
    if (content.Checked(ContentBox::SchoolYear)) {
        WritePupilField(page, "Rok szkolny:", SchoolYearText(student));
        WritePupilField(page, "Semestr:", student.Term);
    }
    if (content.Checked(ContentBox::School)) WritePupilField(page, "Szkoła: ", student.SchoolName);
    page.Line(" </table>");
    page.Line();
    for (int i = 0; i < 3; ++i) page.Line("<br>");
}

void WriteBanner(TPageText& page, std::string_view table, std::string_view title) {
    page.Line(table);
    page.Line("<tr>");
    page.Line("     <td>" + std::string(title) + "</td>");
    page.Line("</tr>");
    page.Line("</table>");
}

// `cell` opens the value's cell; a document text in `value` is already HtmlText.
void WriteSubjectRow(TPageText& page, std::string_view label, std::string_view cell,
                     const std::string& value, std::string_view close = "</td>") {
    page.Line("<tr>");
    page.Line("     <td class=\"przedmiot_pole\" width=\"130px\"valign=\"top\">" +
              std::string(label) + "</td>");
    page.Line("     " + std::string(cell) + value + std::string(close));
    page.Line("</tr>");
}

void WriteSubject(TPageText& page, TSubject& subject, const TMarksValues& values,
                  const TReportContent& content) {
    constexpr std::string_view kMarkCell = "<td class=\"przedmiot_wartosc_ocena\">";
    constexpr std::string_view kValueCell = "<td class=\"przedmiot_wartosc\">";
    page.Line("<table border=\"0\" cellspacing=\"0\"cellpadding=\"0\">");
    page.Line("<tr>");
    page.Line("     <td colspan=\"2\" height=\"30px\"class=\"przedmiot_nazwa\">" +
              HtmlText(subject.Name) + "</td>");
    page.Line("</tr>");
    if (content.Checked(ContentBox::FinalMarks))
        WriteSubjectRow(page, "Ocena końcowa:", kMarkCell, FinalMarkText(subject));
    if (content.Checked(ContentBox::Marks))
        WriteSubjectRow(page, "Oceny:", kValueCell, MarksText(subject));
    if (content.Checked(ContentBox::Average))
        WriteSubjectRow(page, "Średnia:", kMarkCell,
                        AverageText(SubjectAverageValue(subject, values)));
    if (content.Checked(ContentBox::SubjectStatus))
        WriteSubjectRow(page, "Status:", kValueCell, StatusText(subject));
    if (content.Checked(ContentBox::Teacher))
        WriteSubjectRow(page, "Nauczyciel:", kValueCell, HtmlText(subject.Teacher));
    if (content.Checked(ContentBox::Desc))
        WriteSubjectRow(page, "Notatka:", "<td class=\"przedmiot_wartosc\"><pre>",
                        HtmlText(subject.Comment), "</pre></td>");
    page.Line("</table>");
    page.Line();
}

void WriteSubjectsBlock(TPageText& page, TDataFile& document, const TReportContent& content) {
    WriteBanner(page, "<table class=\"naglowek\" width=\"70%\"align=\"center\">", "Przedmioty");
    page.Line();
    page.Line("<br>");
    page.Line("<br>");
    page.Line();
    for (std::int32_t i = 0; i < document.Subjects.Count; ++i)
        WriteSubject(page, *document.Subjects.Get(i), document.Settings.MarksValues, content);
    for (int i = 0; i < 3; ++i) page.Line("<br>");
}

void WriteSummaryTable(TPageText& page, std::string_view title, std::string_view width,
                       std::initializer_list<std::pair<std::string_view, std::string>> rows) {
    page.Line("<h1>" + std::string(title) + "</h1>");
    page.Line("<table border=\"0\" cellspacing=\"0\" cellpadding=\"0\">");
    for (const auto& [label, value] : rows) {
        page.Line("<tr>");
        page.Line("     <td class=\"podsumowanie_pole\"  width=\"" + std::string(width) +
                  "\" valign=\"top\">" + std::string(label) + "</td>");
        page.Line("     <td class=\"podsumowanie_wartosc\">" + value + "</td>");
        page.Line("</tr>");
    }
    page.Line("</table>");
}

void WriteNameList(TPageText& page, std::string_view title, const std::vector<std::string>& names) {
    page.Line("<h1>" + std::string(title) + "</h1>");
    page.Line("<ul>");
    for (const std::string& name : names) page.Line("<li>" + HtmlText(name));
    page.Line("</ul>");
}

void WriteSummaryBlock(TPageText& page, TDataFile& document, const TReportContent& content,
                       const TGradeCounts& grades) {
    const TSubjectsSummary summary = SummarizeSubjects(document);
    WriteBanner(page, "<table class=\"naglowek\"  width=\"70%\" align=\"center\">", "Podsumowanie");
    page.Line();
    page.Line("<h1 align=\"center\">Przedmiotów obowiązkowych: " +
              platform::IntToStr(summary.CompulsoryCount) +
              ", Dodatkowych: " + platform::IntToStr(summary.ExtraCount) + "</h1>");
    page.Line();
    page.Line("<br>");
    page.Line("<br>");
    if (content.Checked(ContentBox::Statistics)) {
        const auto count = [&grades](int grade) { return platform::IntToStr(grades[grade - 1]); };
        WriteSummaryTable(page, "Statystyka ocen:", "155px",
                          {{"Celujących:", count(6)},
                           {"Bardzo dobrych:", count(5)},
                           {"Dobrych:", count(4)},
                           {"Dostatecznych:", count(3)},
                           {"Dopuszczających:", count(2)},
                           {"Niedostatecznych:", count(1)},
                           {"Wszystkich:", platform::IntToStr(AllMarksCount(grades))}});
    }
    if (content.Checked(ContentBox::AverageInfo)) {
        WriteSummaryTable(
            page, "Średnia:", "300px",
            {{"Z ocen końcowych:", AverageText(FinalAverageCompulsory(document))},
             {"Z ocen końcowych z wszystkich przedmiotów:", AverageText(FinalAverageAll(document))},
             {"Z ocen z przedmiotów obowiązkowych:", AverageText(MarksAverageCompulsory(document))},
             {"Z ocen z wszystkich przedmiotów:", AverageText(MarksAverageAll(document))}});
    }
    if (content.Checked(ContentBox::ExtraSubjects))
        WriteNameList(page, "Przedmioty dodatkowe:", summary.ExtraSubjectsList);
    if (content.Checked(ContentBox::Menaces))
        WriteNameList(page, "Zagrożenia z przedmiotów:", summary.EndangeredList);
}

}  // namespace

std::string WriteHtmlReport(TDataFile& document, const TReportHTMLOptions& options) {
    const TReportContent& content = options.Content;
    const TGradeCounts grades = GradeCounts(document.Subjects);
    TPageText page;
    WriteHead(page, options);
    if (content.Checked(ContentBox::StudentData)) WritePupilBlock(page, document.Student, content);
    if (content.Checked(ContentBox::SubjectsData)) WriteSubjectsBlock(page, document, content);
    if (content.Checked(ContentBox::Summary)) WriteSummaryBlock(page, document, content, grades);
    page.Line("</body>");
    page.Text("</html>");
    return page.Bytes();
}
