#include "platform/qt/MonthCalendar.h"

#include <QAbstractItemView>

#include "platform/qt/QtDate.h"

namespace platform {

MonthCalendar::MonthCalendar(QWidget* parent)
    : QCalendarWidget(parent), days_(findChild<QAbstractItemView*>()) {
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    // Also bounds the year box and the month menu.
    setDateRange(FirstQDate(), LastQDate());
    setDateEditEnabled(false);
    connect(this, &QCalendarWidget::clicked, this, &MonthCalendar::click);
    connect(this, &QCalendarWidget::currentPageChanged, this, &MonthCalendar::PageChanged);
    connect(days_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &MonthCalendar::DaySelectionChanged);
}

TDateTime MonthCalendar::Date() const {
    return FromQDate(selectedDate());
}

void MonthCalendar::SetDate(TDateTime date) {
    setSelectedDate(ToQDate(date));
}

// Qt sets a new date before it turns the page to it, so a page turned by a date (the program's
// or a click on a day) already holds that date and changes nothing here.
void MonthCalendar::PageChanged(int year, int month) {
    const QDate date = selectedDate();
    if (year == date.year() && month == date.month()) return;
    // The arrows still turn to the month before the first and after the last; the page goes
    // back to the date, which stays.
    if (year < FirstQDate().year() || year > LastQDate().year()) {
        setCurrentPage(date.year(), date.month());
        return;
    }
    // Whole years 1 to 9999 lie in the range, and addMonths keeps the day within the month.
    setSelectedDate(date.addMonths((year - date.year()) * 12 + month - date.month()));
    emit click();
}

// A click, the keyboard and the program select the date's cell after setting the date, so
// that cell holds the date already. A cell selected otherwise (the accessibility interface's
// "Toggle" or its selection, which add to the selection) is chosen as a click on it; whatever
// else changes the selection, the date's cell stays the one selected.
void MonthCalendar::DaySelectionChanged(const QItemSelection& added) {
    const QModelIndexList cells = added.indexes();
    const QDate day = cells.size() == 1 ? DayOf(cells.front()) : QDate();
    if (day.isValid() && day != selectedDate()) {
        setSelectedDate(day);
        emit clicked(day);
        return;
    }
    const QModelIndexList selected = days_->selectionModel()->selectedIndexes();
    if (selected.size() != 1 || DayOf(selected.front()) != selectedDate())
        SelectDay(selectedDate());
}

// The table shows six weeks of seven days, a row of weekday names above; the first cell that
// shows 1 is the first of the month shown (the days before it, of the month before, are 22 or
// more).
QDate MonthCalendar::DayOf(const QModelIndex& cell) const {
    const QAbstractItemModel& model = *days_->model();
    for (int row = 0; row < model.rowCount(); ++row) {
        for (int col = 0; col < model.columnCount(); ++col) {
            if (model.index(row, col).data().toString() != QStringLiteral("1")) continue;
            bool isDay = false;
            cell.data().toString().toInt(&isDay);
            const QDate day = QDate(yearShown(), monthShown(), 1)
                                  .addDays((cell.row() - row) * 7 + cell.column() - col);
            return isDay && day >= minimumDate() && day <= maximumDate() ? day : QDate();
        }
    }
    return QDate();
}

void MonthCalendar::SelectDay(QDate day) {
    const QAbstractItemModel& model = *days_->model();
    for (int row = 0; row < model.rowCount(); ++row) {
        for (int col = 0; col < model.columnCount(); ++col) {
            const QModelIndex cell = model.index(row, col);
            if (DayOf(cell) != day) continue;
            days_->selectionModel()->select(cell, QItemSelectionModel::ClearAndSelect);
            return;
        }
    }
}

}  // namespace platform
