#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QToolButton>
#include <cstdlib>
#include <functional>

#include "app/AddChangeEventForm.h"
#include "app/EventsCategoriesEditorForm.h"
#include "app/MainRoutines.h"
#include "app/RemoveOldEntriesForm.h"
#include "app/TimeTableForm.h"
#include "core/DataFile.h"
#include "platform/Dates.h"
#include "platform/qt/CheckBox.h"
#include "platform/qt/DrawGrid.h"
#include "platform/qt/Edit.h"
#include "platform/qt/Label.h"
#include "platform/qt/Memo.h"
#include "platform/qt/MonthCalendar.h"
#include "platform/qt/Panel.h"
#include "platform/qt/QtColor.h"
#include "platform/qt/SpeedButton.h"
#include "tests/support/DocumentBuilder.h"
#include "tests/support/Environment.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/qt/AccessibleActions.h"
#include "tests/support/qt/FakeMainServices.h"
#include "tests/support/qt/ModalWatch.h"
#include "tests/support/qt/UserInput.h"
#include "timetable/NameDays.h"
#include "ui_AddChangeEventForm.h"
#include "ui_TimeTableForm.h"

namespace {

const char* const kQuestion = "Czy na pewno chcesz usunąć ten wpis z terminarza?";
const char* const kCaption = "Kasowanie zdarzenia";
const char* const kHint = "W tym polu wyświetlany jest opis zdarzenia.";

// The diary alone over a document with events on 3, 5 and 20 October 2005; today is Monday
// 3 October.
class TimeTableFormTest : public ::testing::Test {
  protected:
    TimeTableFormTest()
        : today(2005, 10, 3),
          main(&document),
          events(document),
          editor(main),
          form(document, main, events, editor, nameDays) {
        testing_support::MakeNew(document);
        testing_support::AddEvent(document.Calendar, 2005, 10, 3, "Klasówka", "Sprawdzian",
                                  "Ułamki\r\nProcenty");
        testing_support::AddEvent(document.Calendar, 2005, 10, 3, "Zebranie");
        testing_support::AddEvent(document.Calendar, 2005, 10, 5, "Wycieczka");
        testing_support::AddEvent(document.Calendar, 2005, 10, 20, "Koncert");
    }

    Ui::TTimeTableForm& ui() { return form.Ui(); }
    platform::DrawGrid& grid() { return *ui().DrawGrid; }
    int Rows() const { return form.Painter().RowCount; }
    // The grid row that shows the event with this subject, -1 when none does.
    int RowOf(const std::string& subject) const {
        for (int r = 0; r < Rows(); ++r) {
            const TClEvent* event = form.Painter().RowEvent(r);
            if (event != nullptr && event->Subject == subject) return r;
        }
        return -1;
    }
    void ClickRow(int row) {
        user_input::Click(*grid().viewport(),
                          {grid().viewport()->width() / 2, row * kRowHeight + kRowHeight / 2});
    }
    void DoubleClickRow(int row) {
        user_input::DoubleClick(*grid().viewport(), {grid().viewport()->width() / 2,
                                                     row * kRowHeight + kRowHeight / 2});
    }
    void CalendarKey(int key) {
        auto* view = ui().MonthCalendar->findChild<QAbstractItemView*>();
        ASSERT_NE(nullptr, view);
        user_input::KeyPress(*view, key);
    }
    // The calendar's own page controls: its arrows and its month menu.
    void CalendarArrow(const char* name) {
        auto* arrow = ui().MonthCalendar->findChild<QToolButton*>(name);
        ASSERT_NE(nullptr, arrow);
        user_input::Click(*arrow, arrow->rect().center());
    }
    void CalendarMonth(int month) {
        auto* button = ui().MonthCalendar->findChild<QToolButton*>("qt_calendar_monthbutton");
        ASSERT_NE(nullptr, button);
        ASSERT_NE(nullptr, button->menu());
        button->menu()->actions().at(month - 1)->trigger();
    }
    // The subject of the event the preview shows; empty when it shows none.
    std::string PreviewedSubject() {
        const std::string text = ui().memoEventDesc->Text();
        const std::string lead = "Temat: ";
        if (text.rfind(lead, 0) != 0) return "";
        return text.substr(lead.size(), text.find("\r\n") - lead.size());
    }
    // The subject of the event on the selected row; empty on a header or without rows.
    std::string SelectedSubject() {
        const TClEvent* event = form.Painter().RowEvent(grid().Row());
        return event == nullptr ? "" : event->Subject;
    }
    // The grid as a screen reader reads it.
    QAccessibleInterface& Accessible() {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&grid());
        EXPECT_NE(nullptr, accessible);
        return *accessible;
    }
    QAccessibleTableInterface& Table() {
        QAccessibleTableInterface* table = Accessible().tableInterface();
        EXPECT_NE(nullptr, table);
        return *table;
    }
    std::string Cell(int row, int column) {
        QAccessibleInterface* cell = Table().cellAt(row, column);
        return cell == nullptr ? "(none)" : cell->text(QAccessible::Name).toStdString();
    }
    void Show() {
        form.show();
        QApplication::sendPostedEvents();
    }
    // Adds an event with this subject through "Dodaj" and checks the date the dialog offers.
    void AddThroughTheDialog(TDateTime expectedDate, const QString& subject) {
        testing_support::ExpectModal<TAddChangeEventForm>(
            [this] { ui().btnAddEvent->click(); },
            [&](TAddChangeEventForm& dialog) {
                EXPECT_EQ(expectedDate, dialog.Ui().DatePicker->Date());
                user_input::Type(*dialog.Ui().edSubject, subject);
                dialog.Ui().btnOK->click();
            });
    }

    static constexpr int kRowHeight = 16;
    testing_support::FixedToday today;
    TDataFile document;
    testing_support::FakeMainServices main;
    testing_support::ScriptedMessageBoxes boxes;
    CImieninyBase nameDays;
    TAddChangeEventForm events;
    TEventsCategoriesEditorForm editor;
    TTimeTableForm form;
};

}  // namespace

TEST_F(TimeTableFormTest, AShowingStartsAtTodayWithTheDocumentsRangeAndColours) {
    document.Settings.TimeTableFormRange = 1;
    document.Settings.TimeTableColors[ttToday] = 0x00FF00;
    Show();
    EXPECT_EQ("Terminarz", form.windowTitle().toStdString());
    EXPECT_EQ("3 października 2005", ui().btnSelectToday->text().toStdString());
    EXPECT_EQ("Poniedziałek", ui().lblDayOfWeek->Text());
    EXPECT_EQ(0x800000u, FontColor(*ui().lblDayOfWeek));
    const int labelCentre = ui().lblDayOfWeek->x() + ui().lblDayOfWeek->width() / 2;
    EXPECT_LE(std::abs(labelCentre - ui().gbToday->width() / 2), 1);
    EXPECT_EQ(nameDays.GetNames(platform::EncodeDate(2005, 10, 3)), ui().lblImieniny->Text());

    // The week of 3 October: that day with two events, 5 October with one.
    EXPECT_TRUE(ui().btnRngWeek->isChecked());
    EXPECT_EQ(5, Rows());
    EXPECT_EQ(5, grid().RowCount());
    EXPECT_EQ(kHint, ui().memoEventDesc->toPlainText().toStdString());
    EXPECT_TRUE(ui().checkEventDataVisible->Checked());
    EXPECT_TRUE(ui().panelEventData->isVisible());

    // Today's header is painted in the document's colour for today.
    const QImage picture = grid().viewport()->grab().toImage();
    EXPECT_EQ(platform::ToQColor(0x00FF00).rgb(), picture.pixel(picture.width() - 5, 3));
}

TEST_F(TimeTableFormTest, TheWeekdayIsRedOnSundayOnlyInTheTodayPanel) {
    today.Set(2005, 10, 2);
    Show();
    EXPECT_EQ("Niedziela", ui().lblDayOfWeek->Text());
    EXPECT_EQ(0x0000FFu, FontColor(*ui().lblDayOfWeek));
    form.close();
    today.Set(2005, 10, 1);
    Show();
    EXPECT_EQ("Sobota", ui().lblDayOfWeek->Text());
    EXPECT_EQ(0x800000u, FontColor(*ui().lblDayOfWeek));
}

TEST_F(TimeTableFormTest, RangeButtonsRebuildOnlyWhenTheRangeChanges) {
    Show();
    EXPECT_TRUE(ui().btnRngDay->isChecked());
    EXPECT_EQ(3, Rows());
    ui().btnRngMonth->click();
    EXPECT_EQ(7, Rows());
    // An event added behind the window's back shows only after a rebuild.
    testing_support::AddEvent(document.Calendar, 2005, 10, 21, "Dyskoteka");
    ui().btnRngMonth->click();
    EXPECT_EQ(7, Rows());
    ui().btnRngWeek->click();
    EXPECT_EQ(5, Rows());
    EXPECT_EQ(1, form.Painter().Range);
}

TEST_F(TimeTableFormTest, RangeButtonsToggledThroughAccessibilityRebuildTheGrid) {
    Show();
    accessible_actions::Toggle(*ui().btnRngMonth);
    EXPECT_TRUE(ui().btnRngMonth->isChecked());
    EXPECT_EQ(2, form.Painter().Range);
    EXPECT_EQ(7, Rows());
    accessible_actions::Toggle(*ui().btnRngWeek);
    accessible_actions::Toggle(*ui().btnRngWeek);  // the button that is down stays down
    EXPECT_TRUE(ui().btnRngWeek->isChecked());
    EXPECT_FALSE(ui().btnRngMonth->isChecked());
    EXPECT_EQ(1, form.Painter().Range);
    EXPECT_EQ(5, Rows());
}

TEST_F(TimeTableFormTest, TheRangeButtonsAreOneKindOfControlToAssistiveTechnology) {
    Show();
    for (platform::SpeedButton* button : {ui().btnRngDay, ui().btnRngWeek, ui().btnRngMonth}) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button);
        ASSERT_NE(nullptr, accessible);
        EXPECT_EQ(QAccessible::CheckBox, accessible->role()) << button->text().toStdString();
        EXPECT_EQ(button->text(), accessible->text(QAccessible::Name));
        EXPECT_EQ(button->isChecked(), accessible->state().checked);
    }
    accessible_actions::Toggle(*ui().btnRngMonth);
    accessible_actions::Toggle(*ui().btnRngDay);
    EXPECT_TRUE(ui().btnRngDay->isChecked());
    EXPECT_EQ(0, form.Painter().Range);
}

TEST_F(TimeTableFormTest, EveryWayOfClosingKeepsTheRangeAndOnlyAChangeMarksTheDocument) {
    Show();
    ui().btnExit->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(0, main.modifiedCalls);

    const std::function<void()> ways[] = {
        [this] { ui().btnExit->click(); },
        [this] { user_input::KeyPress(form, Qt::Key_Escape); },
        [this] { form.close(); },
    };
    std::uint8_t range = 0;
    for (const auto& way : ways) {
        Show();
        range = range == 2 ? 1 : 2;
        (range == 2 ? ui().btnRngMonth : ui().btnRngWeek)->click();
        way();
        EXPECT_FALSE(form.isVisible());
        EXPECT_EQ(range, document.Settings.TimeTableFormRange);
    }
    EXPECT_EQ(3, main.modifiedCalls);
}

TEST_F(TimeTableFormTest, TheCalendarRebuildsOnEveryNewDateAndAddUsesTheDateShown) {
    Show();
    EXPECT_EQ(3, Rows());
    CalendarKey(Qt::Key_Right);  // 4 October: no entries
    EXPECT_EQ(0, Rows());
    CalendarKey(Qt::Key_Right);
    EXPECT_EQ(platform::EncodeDate(2005, 10, 5), ui().MonthCalendar->Date());
    EXPECT_EQ(2, Rows());

    // A click that leaves the date as it was does not rebuild.
    testing_support::AddEvent(document.Calendar, 2005, 10, 5, "Basen");
    emit ui().MonthCalendar->click();
    EXPECT_EQ(2, Rows());
    ui().btnSelectToday->click();
    EXPECT_EQ(3, Rows());
    CalendarKey(Qt::Key_Right);
    CalendarKey(Qt::Key_Right);
    EXPECT_EQ(3, Rows());

    AddThroughTheDialog(platform::EncodeDate(2005, 10, 5), "Kino");
    EXPECT_EQ(4, Rows());
    EXPECT_NE(-1, RowOf("Kino"));
    EXPECT_EQ(1, main.modifiedCalls);
}

// Digits typed into the focused calendar, as by a user who expects to type a date there.
TEST_F(TimeTableFormTest, KeysTypedIntoTheCalendarLeaveTheDateShownAndAdded) {
    Show();
    user_input::Activate(form);
    ui().MonthCalendar->setFocus();
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(nullptr, focused);
    for (const char* typed : {"15032024", "15.03.2024", "1"}) {
        user_input::KeyClicks(*focused, typed);
        user_input::KeyPress(*focused, Qt::Key_Return, "\r");
    }
    EXPECT_EQ(3, Rows());
    AddThroughTheDialog(platform::EncodeDate(2005, 10, 3), "Kino");
    EXPECT_EQ(4, Rows());
}

// A day chosen through the accessibility interface, as by a screen reader or voice control.
TEST_F(TimeTableFormTest, ADayChosenThroughTheAccessibilityInterfaceIsShownAndAdded) {
    Show();
    auto* view = ui().MonthCalendar->findChild<QAbstractItemView*>();
    ASSERT_NE(nullptr, view);
    const QAbstractItemModel& days = *view->model();
    QModelIndex fifth;  // the first 5 from the top is October's: the days before it are 26 to 30
    for (int row = days.rowCount() - 1; row >= 0; --row) {
        for (int col = 0; col < days.columnCount(); ++col) {
            if (days.index(row, col).data().toString() == "5") fifth = days.index(row, col);
        }
    }
    ASSERT_TRUE(fifth.isValid());
    accessible_actions::ToggleItem(*view, fifth.row(), fifth.column());
    EXPECT_EQ(platform::EncodeDate(2005, 10, 5), ui().MonthCalendar->Date());
    EXPECT_EQ(2, Rows());
    AddThroughTheDialog(platform::EncodeDate(2005, 10, 5), "Kino");
    EXPECT_EQ(3, Rows());
}

TEST_F(TimeTableFormTest, TurningTheCalendarsPageMovesTheDateShownAndAdded) {
    Show();
    CalendarArrow("qt_calendar_prevmonth");
    EXPECT_EQ(platform::EncodeDate(2005, 9, 3), ui().MonthCalendar->Date());
    EXPECT_EQ(0, Rows());
    CalendarMonth(10);
    EXPECT_EQ(platform::EncodeDate(2005, 10, 3), ui().MonthCalendar->Date());
    EXPECT_EQ(3, Rows());

    // The page does not turn before the first month there is, and "Dodaj" adds on the date
    // shown.
    form.GoToDate(platform::EncodeDate(1, 1, 31));
    CalendarArrow("qt_calendar_prevmonth");
    AddThroughTheDialog(platform::EncodeDate(1, 1, 31), "Kino");
    EXPECT_EQ(2, Rows());
    EXPECT_EQ(1, RowOf("Kino"));
}

TEST_F(TimeTableFormTest, ThePreviewFollowsTheSelectedRowThroughADateOrRangeChange) {
    testing_support::AddEvent(document.Calendar, 2005, 10, 4, "Dyżur");
    Show();
    ClickRow(RowOf("Klasówka"));
    CalendarKey(Qt::Key_Right);  // 4 October: the same row is now another event
    EXPECT_EQ("Dyżur", PreviewedSubject());

    document.Settings.TimeTableFormRange = 2;
    form.close();
    Show();
    ClickRow(RowOf("Wycieczka"));
    ui().btnRngDay->click();
    EXPECT_EQ("Dyżur", SelectedSubject());
    EXPECT_EQ("Dyżur", PreviewedSubject());
    // "Usuń" deletes what the preview shows.
    boxes.Expect(kQuestion, kCaption, platform::mb::YesNo, platform::answer::Yes);
    ui().btnDeleteEvent->click();
    EXPECT_EQ(0, Rows());
    EXPECT_NE(nullptr, document.Calendar.GetOrCreateDay(5, 10, 2005)->GetEvent(0));
    EXPECT_EQ("", PreviewedSubject());
}

TEST_F(TimeTableFormTest, ThePreviewFollowsTheSelectedRowWhenTheRowsChangeUnderIt) {
    document.Settings.TimeTableFormRange = 1;
    Show();
    ClickRow(RowOf("Wycieczka"));
    AddThroughTheDialog(ui().MonthCalendar->Date(), "Kino");
    EXPECT_EQ(SelectedSubject(), PreviewedSubject());

    // Changed behind the closed window, as the main window may change the document.
    ClickRow(RowOf("Zebranie"));
    form.close();
    document.Calendar.GetOrCreateDay(3, 10, 2005)->Events.Delete(0);
    Show();
    EXPECT_EQ("Kino", SelectedSubject());
    EXPECT_EQ("Kino", PreviewedSubject());
}

TEST_F(TimeTableFormTest, APreviewFollowsTheClickedRow) {
    Show();
    ClickRow(RowOf("Klasówka"));
    EXPECT_EQ(
        "Temat: Klasówka\r\nKategoria: Sprawdzian\r\n"
        "============================================\r\n\r\nUłamki\r\nProcenty",
        ui().memoEventDesc->Text());
    ClickRow(0);  // the header
    EXPECT_EQ("", ui().memoEventDesc->Text());
}

TEST_F(TimeTableFormTest, DeletingAsksOnlyForAnEventRowAndRebuildsBothTables) {
    Show();
    ClickRow(0);
    ui().btnDeleteEvent->click();  // a header: no question
    user_input::KeyRelease(grid(), Qt::Key_Delete);

    ClickRow(RowOf("Klasówka"));
    boxes.Expect(kQuestion, kCaption, platform::mb::YesNo, platform::answer::No);
    ui().btnDeleteEvent->click();
    EXPECT_EQ(3, Rows());
    EXPECT_EQ(0, main.modifiedCalls);

    boxes.Expect(kQuestion, kCaption, platform::mb::YesNo, platform::answer::Yes);
    user_input::KeyRelease(grid(), Qt::Key_Delete);
    EXPECT_EQ(2, Rows());
    EXPECT_EQ(-1, RowOf("Klasówka"));
    EXPECT_EQ(1, main.modifiedCalls);
    EXPECT_EQ(1, main.timeTableRefreshes);
    // The preview follows the row now selected.
    EXPECT_EQ(0, ui().memoEventDesc->Text().find("Temat: Zebranie"));

    CalendarKey(Qt::Key_Right);  // an empty grid
    ui().btnDeleteEvent->click();
    EXPECT_EQ(1, main.modifiedCalls);
}

TEST_F(TimeTableFormTest, DodajAndUsunThroughTheAccessibilityInterfaceReplyBeforeTheyAsk) {
    Show();
    testing_support::ExpectModal<TAddChangeEventForm>(
        [this] { accessible_actions::Press(*ui().btnAddEvent); },
        [](TAddChangeEventForm& dialog) { dialog.Ui().btnCancel->click(); });

    ClickRow(RowOf("Klasówka"));
    QAccessibleInterface* usun = QAccessible::queryAccessibleInterface(ui().btnDeleteEvent);
    ASSERT_NE(nullptr, usun);
    usun->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(boxes.Shown().empty());  // the question waits for the reply
    boxes.Expect(kQuestion, kCaption, platform::mb::YesNo, platform::answer::Yes);
    QApplication::processEvents();
    EXPECT_EQ(-1, RowOf("Klasówka"));
    EXPECT_EQ(1, main.modifiedCalls);
}

TEST_F(TimeTableFormTest, DeletingTheOnlyEventOfADayInTheWeekDropsItsHeader) {
    document.Settings.TimeTableFormRange = 1;
    Show();
    ClickRow(RowOf("Wycieczka"));
    boxes.Expect(kQuestion, kCaption, platform::mb::YesNo, platform::answer::Yes);
    ui().btnDeleteEvent->click();
    EXPECT_EQ(3, Rows());
}

TEST_F(TimeTableFormTest, DoubleClickChangesAnEventAndNothingOnAHeader) {
    Show();
    ClickRow(RowOf("Zebranie"));
    DoubleClickRow(0);
    EXPECT_EQ("", ui().memoEventDesc->Text());
    EXPECT_FALSE(events.isVisible());

    const int row = RowOf("Zebranie");
    testing_support::ExpectModal<TAddChangeEventForm>(
        [&] { DoubleClickRow(row); },
        [](TAddChangeEventForm& dialog) {
            EXPECT_EQ("Zebranie", dialog.Ui().edSubject->Text());
            // The subject opens selected whole; End goes on after it.
            user_input::KeyPress(*dialog.Ui().edSubject, Qt::Key_End);
            user_input::Type(*dialog.Ui().edSubject, " rodziców");
            dialog.Ui().btnOK->click();
        });
    EXPECT_EQ(1, main.modifiedCalls);
    EXPECT_EQ(0, ui().memoEventDesc->Text().find("Temat: Zebranie rodziców"));
}

TEST_F(TimeTableFormTest, ThePreviewBarsDoubleClickClosesAndReopensThePreview) {
    Show();
    platform::Panel& bar = *ui().panelEventDataBar;
    user_input::DoubleClick(bar, bar.rect().center());
    QApplication::sendPostedEvents();
    EXPECT_FALSE(ui().checkEventDataVisible->Checked());
    EXPECT_FALSE(ui().panelEventData->isVisible());
    EXPECT_EQ(bar.height(), ui().panelEvent->height());

    // The bar's caption passes a double click on to the bar.
    const QPoint caption =
        ui().lblSelectionType->mapTo(&form, ui().lblSelectionType->rect().center());
    QWidget* target = form.childAt(caption);
    ASSERT_EQ(&bar, target);
    user_input::DoubleClick(*target, target->mapFrom(&form, caption));
    QApplication::sendPostedEvents();
    EXPECT_TRUE(ui().panelEventData->isVisible());
    EXPECT_GT(ui().panelEvent->height(), bar.height());
}

TEST_F(TimeTableFormTest, TheToolsOpenTheCategoriesEditorAndTheOldYears) {
    const QStringList items = [this] {
        QStringList texts;
        for (const QAction* action : form.PopupTools().actions()) texts << action->text();
        return texts;
    }();
    EXPECT_EQ((QStringList{"Usuń dawne wpisy...", "Kategorie..."}), items);
    Show();
    testing_support::ExpectModal<TEventsCategoriesEditorForm>(
        [this] { form.PopupTools().actions().at(1)->trigger(); },
        [this](TEventsCategoriesEditorForm& categories) {
            EXPECT_EQ(&document.Calendar, categories.Calendar);
            categories.close();
        });
    testing_support::ExpectModal<TRemoveOldEntriesForm>(
        [this] { form.PopupTools().actions().at(0)->trigger(); },
        [](TRemoveOldEntriesForm& oldYears) { oldYears.close(); });
}

TEST_F(TimeTableFormTest, TheGridReadsAsATableOfWhatItsRowsPaint) {
    Show();
    QAccessibleTableInterface& table = Table();
    EXPECT_EQ(Rows(), table.rowCount());
    EXPECT_EQ("3 października 2005", Cell(0, 0));
    EXPECT_EQ("Poniedziałek", Cell(0, 1));
    const int exam = RowOf("Klasówka");
    EXPECT_EQ("Klasówka", Cell(exam, 0));
    EXPECT_EQ("Sprawdzian", Cell(exam, 1));

    const int meeting = RowOf("Zebranie");
    ClickRow(meeting);
    EXPECT_EQ(QList<int>{meeting}, table.selectedRows());
    EXPECT_TRUE(table.cellAt(meeting, 0)->tableCellInterface()->isSelected());
    EXPECT_FALSE(table.cellAt(exam, 0)->tableCellInterface()->isSelected());
    EXPECT_EQ(table.cellAt(meeting, 0), Accessible().focusChild());
}

TEST_F(TimeTableFormTest, ARowChosenThroughTheTableIsTheOneUsunAndDeleteActOn) {
    Show();
    ASSERT_TRUE(Table().selectRow(RowOf("Zebranie")));
    EXPECT_EQ("Zebranie", PreviewedSubject());
    boxes.Expect(kQuestion, kCaption, platform::mb::YesNo, platform::answer::Yes);
    ui().btnDeleteEvent->click();
    EXPECT_EQ(-1, RowOf("Zebranie"));
    EXPECT_NE(-1, RowOf("Klasówka"));

    accessible_actions::ToggleItem(grid(), RowOf("Klasówka"), 1);
    EXPECT_EQ("Klasówka", PreviewedSubject());
    boxes.Expect(kQuestion, kCaption, platform::mb::YesNo, platform::answer::Yes);
    user_input::KeyRelease(grid(), Qt::Key_Delete);
    EXPECT_EQ(0, Rows());
    EXPECT_EQ(0, Table().rowCount());
    EXPECT_EQ(nullptr, Accessible().focusChild());
}

TEST_F(TimeTableFormTest, TheGridsTableFollowsEveryRebuildOfItsRows) {
    Show();
    ui().btnRngMonth->click();
    EXPECT_EQ(7, Table().rowCount());
    EXPECT_EQ("Koncert", Cell(RowOf("Koncert"), 0));
    EXPECT_EQ("Czwartek", Cell(RowOf("Koncert") - 1, 1));

    CalendarArrow("qt_calendar_nextmonth");
    EXPECT_EQ(0, Table().rowCount());
    AddThroughTheDialog(ui().MonthCalendar->Date(), "Kino");
    EXPECT_EQ(2, Table().rowCount());
    EXPECT_EQ("Kino", Cell(1, 0));

    // The cell's "Press" changes the event as a double click on its row does.
    const int row = RowOf("Kino");
    testing_support::ExpectModal<TAddChangeEventForm>(
        [&] { accessible_actions::PressItem(grid(), row); },
        [](TAddChangeEventForm& dialog) {
            EXPECT_EQ("Kino", dialog.Ui().edSubject->Text());
            user_input::KeyPress(*dialog.Ui().edSubject, Qt::Key_End);
            user_input::Type(*dialog.Ui().edSubject, " z klasą");
            dialog.Ui().btnOK->click();
        });
    EXPECT_EQ("Kino z klasą", Cell(row, 0));
    EXPECT_EQ("Kino z klasą", PreviewedSubject());
}
