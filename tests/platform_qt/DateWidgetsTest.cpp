#include <gtest/gtest.h>

#include <QAbstractItemView>

#include "platform/Dates.h"
#include "platform/qt/DatePicker.h"
#include "platform/qt/MonthCalendar.h"
#include "tests/support/qt/UserInput.h"

namespace platform {
namespace {

TEST(DatePicker, DropsTheTimeOfDayAndSignalsTheUserOnly) {
    DatePicker picker;
    int changes = 0;
    QObject::connect(&picker, &DatePicker::changed, [&] { ++changes; });
    picker.SetDate(EncodeDate(2005, 6, 24) + 0.75);
    EXPECT_EQ(picker.Date(), EncodeDate(2005, 6, 24));
    EXPECT_EQ(picker.text(), "24.06.2005");
    EXPECT_EQ(changes, 0);
    picker.setCurrentSection(QDateTimeEdit::DaySection);
    user_input::KeyPress(picker, Qt::Key_Up);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(picker.Date(), EncodeDate(2005, 6, 25));
}

TEST(MonthCalendar, ClickFollowsTheUserWithTheDayChosen) {
    MonthCalendar calendar;
    calendar.resize(300, 220);
    calendar.show();
    std::vector<TDateTime> seen;
    QObject::connect(&calendar, &MonthCalendar::click, [&] { seen.push_back(calendar.Date()); });
    calendar.SetDate(EncodeDate(2005, 3, 3));
    EXPECT_EQ(calendar.Date(), EncodeDate(2005, 3, 3));

    auto* view = calendar.findChild<QAbstractItemView*>();
    const QAbstractItemModel& days = *view->model();
    QPoint fifteenth;  // the middle of a month is shown once
    for (int row = 0; row < days.rowCount(); ++row) {
        for (int col = 0; col < days.columnCount(); ++col) {
            const QModelIndex cell = days.index(row, col);
            if (days.data(cell).toInt() == 15) fifteenth = view->visualRect(cell).center();
        }
    }
    user_input::Click(*view->viewport(), fifteenth);
    EXPECT_EQ(seen, std::vector<TDateTime>{EncodeDate(2005, 3, 15)});
}

}  // namespace
}  // namespace platform
