#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QDate>
#include <QTextCharFormat>

#include "UserInput.h"
#include "platform/Dates.h"
#include "platform/qt/DatePicker.h"
#include "platform/qt/MonthCalendar.h"

namespace platform {
namespace {

TEST(DatePicker, DateRoundTripsWithoutTimeOfDay) {
    DatePicker picker;
    picker.SetDate(EncodeDate(2005, 6, 24) + 0.75);
    EXPECT_EQ(picker.Date(), EncodeDate(2005, 6, 24));
    EXPECT_EQ(picker.text(), "24.06.2005");
    EXPECT_TRUE(picker.calendarPopup());
}

TEST(DatePicker, ChangedFollowsTheUserOnly) {
    DatePicker picker;
    int changes = 0;
    QObject::connect(&picker, &DatePicker::changed, [&] { ++changes; });
    picker.SetDate(EncodeDate(2004, 8, 14));
    picker.SetDate(EncodeDate(2005, 1, 1));
    EXPECT_EQ(changes, 0);
    picker.setCurrentSection(QDateTimeEdit::DaySection);
    user_input::KeyPress(picker, Qt::Key_Up);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(picker.Date(), EncodeDate(2005, 1, 2));
}

class MonthCalendarTest : public ::testing::Test {
  protected:
    MonthCalendarTest() {
        calendar_.resize(300, 220);
        calendar_.show();
        QObject::connect(&calendar_, &MonthCalendar::click,
                         [this] { dates_.push_back(calendar_.Date()); });
    }

    // The day's cell in the calendar's view, in the view's viewport coordinates.
    QPoint CellOf(int day) {
        auto* view = calendar_.findChild<QAbstractItemView*>();
        const QAbstractItemModel* model = view->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            for (int col = 0; col < model->columnCount(); ++col) {
                const QModelIndex index = model->index(row, col);
                // The middle of the month is shown once.
                if (model->data(index).toInt() == day) return view->visualRect(index).center();
            }
        }
        return {};
    }

    MonthCalendar calendar_;
    std::vector<TDateTime> dates_;  // the date seen by each click handler
};

TEST_F(MonthCalendarTest, ProgramDateEmitsNothing) {
    calendar_.SetDate(EncodeDate(2005, 3, 3));
    EXPECT_EQ(calendar_.Date(), EncodeDate(2005, 3, 3));
    EXPECT_TRUE(dates_.empty());
}

TEST_F(MonthCalendarTest, UserClickSelectsTheDayThenClicks) {
    calendar_.SetDate(EncodeDate(2005, 3, 3));
    QWidget& cells = *calendar_.findChild<QAbstractItemView*>()->viewport();
    const QPoint cell = CellOf(15);
    user_input::Click(cells, cell);
    EXPECT_EQ(dates_, std::vector<TDateTime>{EncodeDate(2005, 3, 15)});
}

TEST_F(MonthCalendarTest, TodayIsNotMarked) {
    calendar_.setSelectedDate(
        QDate::currentDate().addMonths(1).addDays(-QDate::currentDate().day() + 1));
    calendar_.setCurrentPage(QDate::currentDate().year(), QDate::currentDate().month());
    const QImage asShown = calendar_.grab().toImage();
    calendar_.setDateTextFormat(QDate::currentDate(), calendar_.dateTextFormat(QDate(2000, 1, 1)));
    EXPECT_EQ(calendar_.grab().toImage(), asShown);
}

}  // namespace
}  // namespace platform
