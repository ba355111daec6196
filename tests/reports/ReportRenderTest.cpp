#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QRect>
#include <cstdlib>
#include <string>

#include "reports/HtmlReport.h"
#include "reports/LessonPlanPage.h"
#include "tests/reports/ReportDocument.h"
#include "tests/support/Environment.h"

// The pages open in a real browser: headless Chromium renders each to a PNG, and the picture
// shows the text laid out where the page puts it.
namespace {

using namespace report_testing;
using B = ContentBox;

constexpr int kWidth = 1000;
constexpr int kHeight = 1200;

bool ChromiumInstalled() {
    return std::system("command -v chromium > /dev/null 2>&1") == 0;
}

// Writes the page and renders it; a null image when the browser failed or timed out.
QImage Render(const testing_support::TempDir& dir, const std::string& name,
              const std::string& page) {
    const std::string html = dir.File(name + ".htm");
    const std::string png = dir.File(name + ".png");
    testing_support::WriteBytes(html, std::vector<std::uint8_t>(page.begin(), page.end()));
    // Root in a container: no sandbox; no display: headless, no GPU. The profile stays in the
    // test's folder, and a browser that hangs is stopped.
    const std::string command =
        "timeout 120 chromium --headless --no-sandbox --disable-gpu --disable-dev-shm-usage "
        "--no-first-run --hide-scrollbars --user-data-dir='" +
        dir.File("profile") + "' --window-size=" + std::to_string(kWidth) + "," +
        std::to_string(kHeight) + " --screenshot='" + png + "' 'file://" + html + "' > '" +
        dir.File(name + ".log") + "' 2>&1";
    if (std::system(command.c_str()) != 0) return {};
    return QImage(QString::fromStdString(png));
}

bool IsInk(QRgb pixel) {
    return qRed(pixel) < 110 && qGreen(pixel) < 110 && qBlue(pixel) < 110;
}

bool Near(QRgb pixel, QRgb colour) {
    return std::abs(qRed(pixel) - qRed(colour)) < 12 &&
           std::abs(qGreen(pixel) - qGreen(colour)) < 12 &&
           std::abs(qBlue(pixel) - qBlue(colour)) < 12;
}

int CountInk(const QImage& image, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (IsInk(image.pixel(x, y))) ++count;
    return count;
}

// The smallest rectangle holding every pixel of about this colour.
QRect Bounds(const QImage& image, QRgb colour) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (Near(image.pixel(x, y), colour)) bounds |= QRect(x, y, 1, 1);
    return bounds;
}

class ReportRenderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(ChromiumInstalled()) << "chromium is missing: run scripts/setup.sh";
    }
    testing_support::TempDir dir;
};

TEST_F(ReportRenderTest, TheGradeReportShowsTheSubjectNamesUnderTheirBanner) {
    ReportDocument document;
    AddSubject(document, "Matematyka stosowana", {k5});
    AddSubject(document, "Język polski & <literatura>", {k4});
    AddSubject(document, "Wychowanie fizyczne", {k3});
    // The subjects block alone, each subject's table holding only its name.
    TReportHTMLOptions options;
    options.Content.SetChecked(B::StudentData, false);
    options.Content.SetChecked(B::Summary, false);
    for (const B box : {B::FinalMarks, B::Marks, B::Average, B::SubjectStatus})
        options.Content.SetChecked(box, false);
    options.Border = false;
    // A grey frame, lighter than the text, so that only letters count as ink.
    options.HeaderFrameColor = 0xA0A0A0;

    const QImage image = Render(dir, "report", WriteHtmlReport(document, options));
    ASSERT_FALSE(image.isNull()) << "the browser did not render the report";
    ASSERT_EQ(image.width(), kWidth);

    // The navy banner "Przedmioty", centred.
    const QRect banner = Bounds(image, qRgb(0, 0, 0x80));
    ASSERT_FALSE(banner.isEmpty()) << "no banner";
    EXPECT_NEAR(banner.center().x(), kWidth / 2, 30);
    EXPECT_GT(banner.width(), kWidth / 2);

    // The names: dark text at the left, below the banner, in three rows.
    const QRect names(0, banner.bottom() + 1, kWidth / 2, 300);
    EXPECT_GT(CountInk(image, names), 300) << "no subject names below the banner";
    int rows = 0;
    bool inRow = false;
    for (int y = names.top(); y <= names.bottom(); ++y) {
        const bool ink = CountInk(image, QRect(0, y, kWidth / 2, 1)) > 0;
        if (ink && !inRow) ++rows;
        inRow = ink;
    }
    EXPECT_EQ(rows, 3);
    // Nothing to the right of the names.
    EXPECT_EQ(CountInk(image, QRect(kWidth * 3 / 4, names.top(), kWidth / 4 - 1, 300)), 0);
}

TEST_F(ReportRenderTest, TheLessonPlanShowsTheLessonsUnderTheDayNames) {
    ReportDocument document;
    document.LessonPlan.Days[0] = "Matematyka\r\nFizyka\r\nChemia";
    document.LessonPlan.Days[1] = "Biologia";
    document.LessonPlan.Days[4] = "Język polski\r\nHistoria";
    TLessonPlanHTMLOptions options;
    options.HeaderFontSize.SetValue(20);
    options.PlanFontSize.SetValue(18);
    // Grey lines, lighter than the text, so that only letters count as ink.
    options.BorderColor = 0xA0A0A0;

    const QImage image = Render(dir, "plan", WriteLessonPlanPage(document.LessonPlan, options));
    ASSERT_FALSE(image.isNull()) << "the browser did not render the lesson plan";

    // The header row on its green background, holding the day names.
    const QRect header = Bounds(image, qRgb(0, 0x80, 0));
    ASSERT_FALSE(header.isEmpty()) << "no header row";
    EXPECT_GT(header.width(), 200);
    EXPECT_GT(CountInk(image, header), 100) << "no day names";

    // The lessons below it, within the table's width: Monday's three lines stand one under
    // the other, Tuesday's one line beside the first of them.
    const QRect lessons(header.left(), header.bottom() + 1, header.width(), 200);
    EXPECT_GT(CountInk(image, lessons), 300) << "no lessons under the header";
    int firstInkRow = -1;
    int lastInkRow = -1;
    for (int y = lessons.top(); y <= lessons.bottom(); ++y) {
        if (CountInk(image, QRect(lessons.left(), y, lessons.width(), 1)) == 0) continue;
        if (firstInkRow < 0) firstInkRow = y;
        lastInkRow = y;
    }
    EXPECT_GT(lastInkRow - firstInkRow, 2 * 18) << "the lines of a day are not stacked";
    EXPECT_LT(firstInkRow - header.bottom(), 18) << "the lessons do not start under the header";
    // Nothing below the table.
    EXPECT_EQ(CountInk(image, QRect(0, header.bottom() + 300, kWidth, 200)), 0);
}

}  // namespace
