#include <gtest/gtest.h>

#include "timetable/TimeTableGeometry.h"

namespace {

using platform::Rect;

TEST(TimeTableGeometry, CentringTruncatesTowardZero) {
    const Rect cell{10, 20, 310, 40};
    EXPECT_EQ(timetable::CentredX(cell, 91), 10 + 104);  // 209 / 2
    EXPECT_EQ(timetable::CentredY(cell, 13), 20 + 3);    // 7 / 2
    // A text wider than the cell: -41 / 2 is -20, not -21.
    EXPECT_EQ(timetable::CentredX(Rect{0, 0, 50, 20}, 91), -20);
    EXPECT_EQ(timetable::CentredY(Rect{0, 0, 50, 10}, 13), -1);
}

TEST(TimeTableGeometry, CategoryBoxAndSubject) {
    const Rect cell{5, 16, 305, 32};
    const Rect box = timetable::CategoryBox(cell, 90);
    EXPECT_EQ(box, (Rect{5, 16, 95, 32}));
    EXPECT_EQ(timetable::CategoryNameClip(box), (Rect{5, 16, 94, 32}));
    EXPECT_EQ(timetable::SubjectRect(cell, true, 90), (Rect{99, 16, 305, 32}));
    EXPECT_EQ(timetable::SubjectRect(cell, false, 90), cell);
}

}  // namespace
