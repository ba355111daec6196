#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Dates.h"
#include "tests/support/Environment.h"
#include "tests/support/RecordingCanvas.h"
#include "timetable/DrawTimeTable.h"

namespace {

using Calls = std::vector<std::string>;

const std::array<std::string, 7> kDayNames = {"Niedziela", "Poniedziałek", "Wtorek", "Środa",
                                              "Czwartek",  "Piątek",       "Sobota"};
const std::array<std::string, 12> kMonthNames = {"Styczeń",  "Luty",        "Marzec",   "Kwiecień",
                                                 "Maj",      "Czerwiec",    "Lipiec",   "Sierpień",
                                                 "Wrzesień", "Październik", "Listopad", "Grudzień"};
const std::array<std::string, 12> kMonthNamesGen = {
    "stycznia", "lutego",   "marca",    "kwietnia",     "maja",      "czerwca",
    "lipca",    "sierpnia", "września", "października", "listopada", "grudnia"};

constexpr int kRowHeight = 20;
constexpr int kWidth = 300;

// Slot k is drawn in the colour with every hex digit k + 1, so a log names its slot.
TTimeTableColors SlotColours() {
    TTimeTableColors colours;
    for (int k = 0; k < kTimeTableColors; ++k) colours[k] = 0x111111u * (k + 1);
    return colours;
}

platform::Rect RowRect(int row) {
    return {0, row * kRowHeight, kWidth, (row + 1) * kRowHeight};
}

// The top, left and right lines of a row, and the bottom one of the last row.
Calls Lines(const platform::Rect& r, bool lastRow) {
    const std::string pen = " pen=0,Solid,CCCCCC";
    const std::string top = std::to_string(r.top), bottom = std::to_string(r.bottom);
    Calls calls = {"MoveTo 0," + top,   "LineTo 300," + top + pen,
                   "MoveTo 0," + top,   "LineTo 0," + bottom + pen,
                   "MoveTo 299," + top, "LineTo 299," + bottom + pen};
    if (lastRow) {
        const std::string y = std::to_string(r.bottom - 1);
        calls.insert(calls.end(), {"MoveTo 0," + y, "LineTo 300," + y + pen});
    }
    return calls;
}

Calls Concat(Calls first, const Calls& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

// The week of Wednesday 10 March 2004 as rows:
//   0 header Wed 10   1 event in "Sprawdzian"   2 event without category
//   3 event in a deleted category   4 header Sat 13   5 event   6 header Sun 14   7 event
class TimeTableDraw : public testing::Test {
  protected:
    void SetUp() override {
        calendar.AddCategory({"Sprawdzian", 0x00FF00, 0x0000FF});
        AddEvent(10, "Sprawdzian z historii", "Sprawdzian");
        AddEvent(10, "Kartkówka", "");
        AddEvent(10, "Zadanie", "Usunięta");
        AddEvent(13, "Wycieczka", "");
        AddEvent(14, "Lektura", "");
        painter.SetCalendar(&calendar);
        painter.SetNameTables(&kDayNames, &kMonthNames, &kMonthNamesGen);
        painter.SetColors(SlotColours());
        painter.SetRange(1);
        ASSERT_EQ(painter.Build(platform::EncodeDate(2004, 3, 10)), 1);
        ASSERT_EQ(painter.RowCount, 8);
    }

    void AddEvent(int day, const std::string& subject, const std::string& category) {
        calendar.AddEvent(day, 3, 2004, new TClEvent{subject, "", 0, 0, category});
    }

    Calls Draw(int row, bool selected = false, int col = 0) {
        canvas.ClearCalls();
        painter.DrawCell(canvas, col, row, RowRect(row), selected);
        return canvas.Calls();
    }

    testing_support::FixedToday today{2010, 1, 1};
    TClCalendar calendar;
    TDrawTimeTable painter;
    testing_support::RecordingCanvas canvas;
};

TEST_F(TimeTableDraw, WeekdayHeader) {
    // "10 marca 2004" is 13 characters, 91 pixels: x = (300 - 91) / 2, y = (20 - 13) / 2.
    EXPECT_EQ(Draw(0), Concat({"FillRect 0,0,300,20 brush=444444",
                               "TextOut 104,3 \"10 marca 2004\" font=9,bold,555555 brush=444444",
                               "TextOut 4,3 \"Środa\" font=9,bold,888888 brush=444444"},
                              Lines(RowRect(0), false)));
}

TEST_F(TimeTableDraw, WeekendHeaders) {
    EXPECT_EQ(Draw(4), Concat({"FillRect 0,80,300,100 brush=444444",
                               "TextOut 104,83 \"13 marca 2004\" font=9,bold,555555 brush=444444",
                               "TextOut 4,83 \"Sobota\" font=9,bold,999999 brush=444444"},
                              Lines(RowRect(4), false)));
    EXPECT_EQ(Draw(6).at(2), "TextOut 4,123 \"Niedziela\" font=9,bold,999999 brush=444444");
}

TEST_F(TimeTableDraw, TodaysHeaderKeepsItsTextColourOnASaturday) {
    today.Set(2004, 3, 13);
    EXPECT_EQ(Draw(4), Concat({"FillRect 0,80,300,100 brush=666666",
                               "TextOut 104,83 \"13 marca 2004\" font=9,bold,777777 brush=666666",
                               "TextOut 4,83 \"Sobota\" font=9,bold,777777 brush=666666"},
                              Lines(RowRect(4), false)));
    // Another day of the same week is a plain header again.
    EXPECT_EQ(Draw(0).at(0), "FillRect 0,0,300,20 brush=444444");
}

TEST_F(TimeTableDraw, EventWithCategory) {
    // "Sprawdzian" is 70 pixels, centred in the box narrowed to 89: x = 19 / 2.
    EXPECT_EQ(Draw(1),
              Concat({"FillRect 0,20,300,40 brush=222222",
                      "Rectangle 0,20,90,40 pen=1,Solid,CCCCCC brush=00FF00",
                      "TextRect 0,20,89,40 at 9,23 \"Sprawdzian\" font=9,bold,0000FF brush=00FF00",
                      "TextRect 94,20,300,40 at 94,23 \"Sprawdzian z historii\" font=9,bold,333333 "
                      "brush=222222"},
                     Lines(RowRect(1), false)));
}

TEST_F(TimeTableDraw, SelectedEventWithCategory) {
    const Calls calls = Draw(1, true);
    ASSERT_EQ(calls.size(), 10u);
    EXPECT_EQ(calls[0], "FillRect 0,20,300,40 brush=AAAAAA");
    EXPECT_EQ(calls[1], "Rectangle 0,20,90,40 pen=1,Solid,CCCCCC brush=00FF00");
    EXPECT_EQ(calls[3],
              "TextRect 94,20,300,40 at 94,23 \"Sprawdzian z historii\" font=9,bold,BBBBBB "
              "brush=AAAAAA");
}

TEST_F(TimeTableDraw, EventWithoutCategoryStartsAtTheLeftEdge) {
    EXPECT_EQ(Draw(2), Concat({"FillRect 0,40,300,60 brush=222222",
                               "TextRect 0,40,300,60 at 0,43 \"Kartkówka\" font=9,bold,333333 "
                               "brush=222222"},
                              Lines(RowRect(2), false)));
    EXPECT_EQ(Draw(2, true).at(1),
              "TextRect 0,40,300,60 at 0,43 \"Kartkówka\" font=9,bold,BBBBBB brush=AAAAAA");
}

TEST_F(TimeTableDraw, EventOfADeletedCategoryGetsNoBox) {
    EXPECT_EQ(Draw(3), Concat({"FillRect 0,60,300,80 brush=222222",
                               "TextRect 0,60,300,80 at 0,63 \"Zadanie\" font=9,bold,333333 "
                               "brush=222222"},
                              Lines(RowRect(3), false)));
}

TEST_F(TimeTableDraw, LongCategoryNameStartsLeftOfItsBox) {
    calendar.AddCategory({"Praca klasowa z matematyki", 0x00FFFF, 0x000000});
    calendar.GetOrCreateDay(13, 3, 2004)->GetEvent(0)->Category = "Praca klasowa z matematyki";
    // 26 characters, 182 pixels, in 89: (89 - 182) / 2 truncates to -46.
    EXPECT_EQ(Draw(5).at(2),
              "TextRect 0,100,89,120 at -46,103 \"Praca klasowa z matematyki\" "
              "font=9,bold,000000 brush=00FFFF");
}

TEST_F(TimeTableDraw, PolishCategoryNameIsCentredByItsCharacters) {
    calendar.AddCategory({"Kartkówka", 0x00FFFF, 0x000000});
    calendar.GetOrCreateDay(13, 3, 2004)->GetEvent(0)->Category = "Kartkówka";
    // 9 characters, 63 pixels, in 89: x = 26 / 2.
    EXPECT_EQ(Draw(5).at(2),
              "TextRect 0,100,89,120 at 13,103 \"Kartkówka\" font=9,bold,000000 brush=00FFFF");
}

// Texts are measured once the painter's own font is set, not in whatever font the canvas
// was left in by earlier drawing.
TEST_F(TimeTableDraw, TextIsMeasuredInThePaintersFont) {
    canvas.SetFontSize(20);
    canvas.SetFontBold(false);
    EXPECT_EQ(Draw(0).at(1), "TextOut 104,3 \"10 marca 2004\" font=9,bold,555555 brush=444444");
    canvas.SetFontSize(20);
    canvas.SetFontBold(false);
    EXPECT_EQ(Draw(1).at(2),
              "TextRect 0,20,89,40 at 9,23 \"Sprawdzian\" font=9,bold,0000FF brush=00FF00");
    canvas.SetFontSize(20);
    EXPECT_EQ(Draw(2).at(1),
              "TextRect 0,40,300,60 at 0,43 \"Kartkówka\" font=9,bold,333333 brush=222222");
}

TEST_F(TimeTableDraw, OnlyTheLastRowHasABottomLine) {
    EXPECT_EQ(Draw(7), Concat({"FillRect 0,140,300,160 brush=222222",
                               "TextRect 0,140,300,160 at 0,143 \"Lektura\" font=9,bold,333333 "
                               "brush=222222"},
                              Lines(RowRect(7), true)));
}

TEST_F(TimeTableDraw, EmptyArea) {
    EXPECT_EQ(Draw(8), (Calls{"FillRect 0,160,300,180 brush=111111"}));
    EXPECT_EQ(Draw(-1), (Calls{"FillRect 0,-20,300,0 brush=111111"}));
    EXPECT_EQ(Draw(0, false, 1), (Calls{"FillRect 0,0,300,20 brush=111111"}));
}

TEST_F(TimeTableDraw, EmptyWeekPaintsItsOneGridRowAsEmptyArea) {
    ASSERT_EQ(painter.Build(platform::EncodeDate(2004, 4, 7)), 1);
    ASSERT_EQ(painter.RowCount, 0);
    EXPECT_EQ(Draw(0), (Calls{"FillRect 0,0,300,20 brush=111111"}));
}

TEST_F(TimeTableDraw, EventDeletedSinceTheBuildGetsBackgroundAndLines) {
    calendar.GetOrCreateDay(14, 3, 2004)->Events.Delete(0);
    EXPECT_EQ(Draw(7), Concat({"FillRect 0,140,300,160 brush=222222"}, Lines(RowRect(7), true)));
}

TEST_F(TimeTableDraw, HeaderOfADateThatDoesNotEncodeGetsItsLinesOnly) {
    calendar.AddEvent(31, 4, 2004, new TClEvent{"Z uszkodzonego pliku", "", 0, 0, ""});
    painter.SetRange(2);
    ASSERT_EQ(painter.Build(platform::EncodeDate(2004, 4, 1)), 1);
    ASSERT_EQ(painter.RowCount, 2);
    EXPECT_EQ(Draw(0), Lines(RowRect(0), false));
}

// What a screen reader reads of the rows: only what they paint.
TEST_F(TimeTableDraw, RowTextsAreWhatEachRowPaints) {
    using Texts = std::vector<std::vector<std::string>>;
    EXPECT_EQ(painter.RowTexts(), (Texts{{"10 marca 2004", "Środa"},
                                         {"Sprawdzian z historii", "Sprawdzian"},
                                         {"Kartkówka", ""},
                                         {"Zadanie", ""},  // its category was deleted
                                         {"13 marca 2004", "Sobota"},
                                         {"Wycieczka", ""},
                                         {"14 marca 2004", "Niedziela"},
                                         {"Lektura", ""}}));
    calendar.GetOrCreateDay(14, 3, 2004)->Events.Delete(0);
    EXPECT_EQ(painter.RowTexts().back(), (std::vector<std::string>{"", ""}));

    calendar.AddEvent(31, 4, 2004, new TClEvent{"Z uszkodzonego pliku", "", 0, 0, ""});
    painter.SetRange(2);
    ASSERT_EQ(painter.Build(platform::EncodeDate(2004, 4, 1)), 1);
    EXPECT_EQ(painter.RowTexts(), (Texts{{"", ""}, {"Z uszkodzonego pliku", ""}}));
    ASSERT_EQ(painter.Build(platform::EncodeDate(2004, 5, 1)), -3);
    EXPECT_EQ(painter.RowTexts(), Texts{});
}

}  // namespace
