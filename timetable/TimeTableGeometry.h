#pragma once

#include <array>
#include <string>

#include "platform/Canvas.h"

// Where the time-table painter puts things inside a grid cell; plain values, so they can be
// checked without a display.
namespace timetable {

// Space between a cell's left edge and the weekday name, and between the category box and
// the subject.
inline constexpr int kTextIndent = 4;

// Left edge that centres a text of this width in the rectangle. The division truncates
// toward zero, so a text wider than the rectangle starts left of it by half the excess.
int CentredX(const platform::Rect& rect, int textWidth);
// Top edge that centres a text of this height, truncating the same way.
int CentredY(const platform::Rect& rect, int textHeight);

// The category box at the left of an event row.
platform::Rect CategoryBox(const platform::Rect& cell, int boxWidth);
// The box as its name is clipped to: one pixel narrower, so the name never covers the
// frame's right edge.
platform::Rect CategoryNameClip(const platform::Rect& box);
// Where an event's subject goes: beside the category box when there is one, else the cell.
platform::Rect SubjectRect(const platform::Rect& cell, bool hasCategoryBox, int boxWidth);

// A line from (x1, y1) towards (x2, y2), the end point not drawn.
struct Line {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool operator==(const Line&) const = default;
};

// The lines of a row: top, left and right edges, and the bottom edge only on the last row
// (every other row's bottom is covered by the next row's top line).
struct RowLines {
    std::array<Line, 4> lines;
    int count = 0;
};
RowLines CellLines(const platform::Rect& cell, bool lastRow);

// "7 marca 2004": the day number, the month name in the genitive and the year.
std::string HeaderDateText(int dayNumber, const std::string& monthNameGen, int year);

}  // namespace timetable
