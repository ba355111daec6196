#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Cp1250.h"
#include "reports/LessonPlanPage.h"

namespace {

using Lines = std::vector<std::string>;

// The file's bytes for these lines: code page 1250, each line ended by CR LF.
std::string Page(const Lines& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return platform::Utf8ToCp1250(text);
}

const std::string kBlank = "&nbsp;&nbsp;&nbsp;";

Lines Head(const std::string& headerStyle, const std::string& planStyle, const std::string& table) {
    return {"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">",
            "<html>",
            "",
            "<head>",
            "",
            "<style type=\"text/css\">",
            "<!--",
            headerStyle,
            planStyle,
            "//-->",
            "</style>",
            "",
            "        <meta http-equiv=\"content-type\" content=\"text/html; "
            "charset=windows-1250\">",
            "        <meta name=\"generator\" content=\"Quirvale 2\">",
            "        <meta name=\"description\" content=\"Plan lekcji\">",
            "        <title>Plan lekcji</title>",
            "</head>",
            "<body>",
            table};
}

const std::string kDefaultHeaderStyle =
    " tr.naglowek { font-family: Verdana, Arial;  font-size: 14; color: #000000; background: "
    "#008000; font-weight: bold;}";
const std::string kDefaultPlanStyle =
    " tr.plan {font-family: Verdana, Arial;  font-size: 12; color: #000000; background: "
    "#FFFFFF;}";
const std::string kDefaultTable =
    "<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" bordercolor=\"#000000\">";

void Append(Lines& to, const Lines& more) {
    to.insert(to.end(), more.begin(), more.end());
}

TEST(LessonPlanPageTest, DefaultsAndAnEmptyPlan) {
    Lines expected = Head(kDefaultHeaderStyle, kDefaultPlanStyle, kDefaultTable);
    Append(expected, {" <tr class=\"naglowek\">", "   <td align=\"center\" >Poniedziałek</td>",
                      "   <td align=\"center\" >Wtorek</td>", "   <td align=\"center\" >Środa</td>",
                      "   <td align=\"center\" >Czwartek</td>",
                      "   <td align=\"center\" >Piątek</td>", "</tr>", " <tr class=\"plan\">"});
    for (int day = 0; day < 5; ++day)
        expected.push_back("   <td  valign=\"top\">" + kBlank + "</td>");
    Append(expected, {"</tr>", "</table>", " </body>", "</html>"});
    EXPECT_EQ(WriteLessonPlanPage(TLessonPlan{}, TLessonPlanHTMLOptions{}), Page(expected));
}

TEST(LessonPlanPageTest, EveryOptionOn) {
    TLessonPlanHTMLOptions options;
    options.HeaderFontBold = true;
    options.HeaderFontItalic = true;
    options.HeaderFontSize.SetValue(20);
    options.PlanFontBold = true;
    options.PlanFontItalic = true;
    options.PlanFontSize.SetValue(9);
    options.BorderWidth.SetValue(4);
    options.Days = {true, false, false, false, false, true};
    options.SetColsUserWidthChecked(true);
    options.ColsUserWidth.SetValue(120);
    options.IncludeHours = true;
    options.HoursTitle = "Godz.";
    options.HoursText = "8:00\r\n8:55\r\n";
    options.HeaderBGColor = 0x0000FF;
    options.HeaderTextColor = 0xFFFFFF;
    options.PlanBGColor = 0x00FFFF;
    options.PlanTextColor = 0xFF0000;
    options.BorderColor = 0x00FF00;
    TLessonPlan plan;
    plan.Days[0] = "Matematyka\r\nFizyka";
    plan.Days[1] = "nie pokazany";
    plan.Days[5] = "Chór";

    Lines expected = Head(
        " tr.naglowek { font-family: Verdana, Arial;  font-size: 20; color: #FFFFFF; background: "
        "#FF0000; font-weight: bold; font-style: italic;}",
        " tr.plan {font-family: Verdana, Arial;  font-size: 9; color: #0000FF; background: "
        "#FFFF00; font-weight: bold; font-style: italic;}",
        "<table border=\"4\" cellspacing=\"0\" cellpadding=\"2\" bordercolor=\"#00FF00\">");
    Append(expected, {" <tr class=\"naglowek\">", "   <td align=\"center\" >Godz.</td>",
                      "   <td align=\"center\" >Poniedziałek</td>",
                      "   <td align=\"center\" >Sobota</td>", "</tr>", " <tr class=\"plan\">",
                      "   <td width=\"120px\" valign=\"top\">8:00<br>8:55<br> </td>",
                      "   <td width=\"120px\" valign=\"top\">Matematyka<br>", "Fizyka</td>",
                      "   <td width=\"120px\" valign=\"top\">Chór</td>", "</tr>", "</table>",
                      " </body>", "</html>"});
    EXPECT_EQ(WriteLessonPlanPage(plan, options), Page(expected));
}

TEST(LessonPlanPageTest, NoDaysAndNoExtraColumnLeaveBothRowsEmpty) {
    TLessonPlanHTMLOptions options;
    options.Days = {};
    Lines expected = Head(kDefaultHeaderStyle, kDefaultPlanStyle, kDefaultTable);
    Append(expected, {" <tr class=\"naglowek\">", "</tr>", " <tr class=\"plan\">", "</tr>",
                      "</table>", " </body>", "</html>"});
    EXPECT_EQ(WriteLessonPlanPage(TLessonPlan{}, options), Page(expected));
}

TEST(LessonPlanPageTest, ExtraColumnWithAnEmptyTitleAndNoLines) {
    TLessonPlanHTMLOptions options;
    options.Days = {};
    options.IncludeHours = true;
    const std::string page = WriteLessonPlanPage(TLessonPlan{}, options);
    EXPECT_NE(page.find("\r\n   <td align=\"center\" ></td>\r\n"), std::string::npos);
    EXPECT_NE(page.find("\r\n   <td  valign=\"top\"> </td>\r\n"), std::string::npos);
}

// The plan row's cell for Monday alone, from its opening to its end.
std::string MondayCell(const std::string& day) {
    TLessonPlanHTMLOptions options;
    options.Days = {true, false, false, false, false, false};
    TLessonPlan plan;
    plan.Days[0] = day;
    const std::string page = WriteLessonPlanPage(plan, options);
    const std::string open = "<td  valign=\"top\">";
    const std::size_t from = page.find(open) + open.size();
    return page.substr(from, page.find("</td>", from) - from);
}

TEST(LessonPlanPageTest, DayTextsLineBreaksBlanksAndEscaping) {
    EXPECT_EQ(MondayCell("a\nb"), "a<br>\r\nb");
    EXPECT_EQ(MondayCell("a\r\nb"), "a<br>\r\nb");
    EXPECT_EQ(MondayCell("a\rb"), "a\rb");
    EXPECT_EQ(MondayCell("a\r"), "a\r");
    EXPECT_EQ(MondayCell("\na"), "<br>\r\na");
    EXPECT_EQ(MondayCell("\r\n\r\n"), "<br>\r\n<br>\r\n");
    EXPECT_EQ(MondayCell("   "), kBlank);
    EXPECT_EQ(MondayCell(" \t\r "), kBlank);
    EXPECT_EQ(MondayCell("<b>Fizyka & \"chemia\"</b>"),
              "&lt;b&gt;Fizyka &amp; &quot;chemia&quot;&lt;/b&gt;");
    EXPECT_EQ(MondayCell("Język"), "J\xEAzyk");
}

TEST(LessonPlanPageTest, TheExtraColumnsTextsAreEscaped) {
    TLessonPlanHTMLOptions options;
    options.Days = {};
    options.IncludeHours = true;
    options.HoursTitle = "<h1>";
    options.HoursText = "1 & 2\n<3>";
    const std::string page = WriteLessonPlanPage(TLessonPlan{}, options);
    EXPECT_NE(page.find(">&lt;h1&gt;</td>"), std::string::npos);
    EXPECT_NE(page.find(">1 &amp; 2<br>&lt;3&gt;<br> </td>"), std::string::npos);
}

TEST(LessonPlanPageTest, TheExtraColumnsTitleKeepsItsOwnBreaks) {
    TLessonPlanHTMLOptions options;
    options.Days = {};
    options.IncludeHours = true;
    options.HoursTitle = "\nGodziny\r\nlekcji\r";
    const std::string page = WriteLessonPlanPage(TLessonPlan{}, options);
    EXPECT_NE(page.find("\r\n   <td align=\"center\" >\r\nGodziny\r\nlekcji\r</td>\r\n"),
              std::string::npos);
}

TEST(LessonPlanPageTest, TheWidthGoesOnThePlanRowOnly) {
    TLessonPlanHTMLOptions options;
    options.SetColsUserWidthChecked(true);
    const std::string page = WriteLessonPlanPage(TLessonPlan{}, options);
    std::size_t count = 0;
    for (std::size_t at = page.find("width=\"100px\""); at != std::string::npos;
         at = page.find("width=\"100px\"", at + 1))
        ++count;
    EXPECT_EQ(count, 5u);
    EXPECT_NE(page.find("<td align=\"center\" >Wtorek</td>"), std::string::npos);
}

}  // namespace
