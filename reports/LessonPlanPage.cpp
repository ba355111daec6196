#include "reports/LessonPlanPage.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "platform/Numbers.h"
#include "reports/PageText.h"
#include "reports/ReportValues.h"

namespace {

constexpr std::array<std::string_view, 6> kDayNames = {"Poniedziałek", "Wtorek", "Środa",
                                                       "Czwartek",     "Piątek", "Sobota"};

std::string RowStyle(std::string_view selector, const TSpinValue& size, TColor text,
                     TColor background, bool bold, bool italic) {
    return std::string(selector) +
           "font-family: Verdana, Arial;  font-size: " + platform::IntToStr(size.Value()) +
           "; color: " + ColorToHTML(text) + "; background: " + ColorToHTML(background) + ";" +
           (bold ? " font-weight: bold;" : "") + (italic ? " font-style: italic;" : "") + "}";
}

// A day's lessons with each line break shown as "<br>"; a day with nothing visible gets
// blanks, so its cell keeps its frame.
std::string DayCell(const std::string& day) {
    const std::string text = BreaksToHtml(HtmlEscape(day));
    // Characters up to the blank (code 32) count as nothing, control characters included.
    const bool blank = std::all_of(text.begin(), text.end(),
                                   [](char c) { return static_cast<unsigned char>(c) <= 32; });
    return blank ? "&nbsp;&nbsp;&nbsp;" : text;
}

std::string HoursCell(const std::string& hoursText) {
    std::string cell;
    for (const std::string& line : SplitLines(hoursText)) cell += HtmlEscape(line) + "<br>";
    return cell;
}

}  // namespace

std::string WriteLessonPlanPage(const TLessonPlan& plan, const TLessonPlanHTMLOptions& options) {
    TPageText page;
    page.Line("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">");
    page.Line("<html>");
    page.Line();
    page.Line("<head>");
    page.Line();
    page.Line("<style type=\"text/css\">");
    page.Line("<!--");
    page.Line(RowStyle(" tr.naglowek { ", options.HeaderFontSize, options.HeaderTextColor,
                       options.HeaderBGColor, options.HeaderFontBold, options.HeaderFontItalic));
    page.Line(RowStyle(" tr.plan {", options.PlanFontSize, options.PlanTextColor,
                       options.PlanBGColor, options.PlanFontBold, options.PlanFontItalic));
    page.Line("//-->");
    page.Line("</style>");
    page.Line();
    page.Line(
        "        <meta http-equiv=\"content-type\" content=\"text/html; charset=windows-1250\">");
    page.Line("        <meta name=\"generator\" content=\"Quirvale 2\">");
    page.Line("        <meta name=\"description\" content=\"Plan lekcji\">");
    page.Line("        <title>Plan lekcji</title>");
    page.Line("</head>");
    page.Line("<body>");
    page.Line("<table border=\"" + platform::IntToStr(options.BorderWidth.Value()) +
              "\" cellspacing=\"0\" cellpadding=\"2\" bordercolor=\"" +
              ColorToHTML(options.BorderColor) + "\">");

    page.Line(" <tr class=\"naglowek\">");
    if (options.IncludeHours)
        page.Line("   <td align=\"center\" >" + HtmlText(options.HoursTitle) + "</td>");
    for (std::size_t day = 0; day < kDayNames.size(); ++day)
        if (options.Days[day])
            page.Line("   <td align=\"center\" >" + std::string(kDayNames[day]) + "</td>");
    page.Line("</tr>");

    // The width goes on every cell of the plan row and on none of the header row.
    const std::string width =
        options.ColsUserWidthChecked()
            ? "width=\"" + platform::IntToStr(options.ColsUserWidth.Value()) + "px\""
            : "";
    const std::string cellOpen = "   <td " + width + " valign=\"top\">";
    page.Line(" <tr class=\"plan\">");
    if (options.IncludeHours) page.Line(cellOpen + HoursCell(options.HoursText) + " </td>");
    for (std::size_t day = 0; day < plan.Days.size(); ++day)
        if (options.Days[day]) page.Line(cellOpen + DayCell(plan.Days[day]) + "</td>");
    page.Line("</tr>");
    page.Line("</table>");
    page.Line(" </body>");
    page.Line("</html>");
    return page.Bytes();
}
