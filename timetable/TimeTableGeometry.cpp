#include "timetable/TimeTableGeometry.h"

#include "platform/Numbers.h"

namespace timetable {

int CentredX(const platform::Rect& rect, int textWidth) {
    return rect.left + (rect.Width() - textWidth) / 2;
}

int CentredY(const platform::Rect& rect, int textHeight) {
    return rect.top + (rect.Height() - textHeight) / 2;
}

platform::Rect CategoryBox(const platform::Rect& cell, int boxWidth) {
    return {cell.left, cell.top, cell.left + boxWidth, cell.bottom};
}

platform::Rect CategoryNameClip(const platform::Rect& box) {
    return {box.left, box.top, box.right - 1, box.bottom};
}

platform::Rect SubjectRect(const platform::Rect& cell, bool hasCategoryBox, int boxWidth) {
    platform::Rect rect = cell;
    if (hasCategoryBox) rect.left += boxWidth + kTextIndent;
    return rect;
}

RowLines CellLines(const platform::Rect& cell, bool lastRow) {
    RowLines result;
    result.lines[0] = {cell.left, cell.top, cell.right, cell.top};
    result.lines[1] = {cell.left, cell.top, cell.left, cell.bottom};
    result.lines[2] = {cell.right - 1, cell.top, cell.right - 1, cell.bottom};
    result.count = 3;
    if (lastRow)
        result.lines[result.count++] = {cell.left, cell.bottom - 1, cell.right, cell.bottom - 1};
    return result;
}

std::string HeaderDateText(int dayNumber, const std::string& monthNameGen, int year) {
    return platform::IntToStr(dayNumber) + " " + monthNameGen + " " + platform::IntToStr(year);
}

}  // namespace timetable
