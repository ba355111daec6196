#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QCalendarWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <cstdlib>

#include "app/AddChangeEventForm.h"
#include "app/EventsCategoriesEditorForm.h"
#include "app/RemoveOldEntriesForm.h"
#include "app/TimeTableForm.h"
#include "platform/Dates.h"
#include "platform/qt/CheckListBox.h"
#include "platform/qt/DrawGrid.h"
#include "platform/qt/Edit.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/DocumentBuilder.h"
#include "tests/support/qt/AccessibleActions.h"
#include "tests/support/qt/FakeMainServices.h"
#include "tests/support/qt/ModalWatch.h"
#include "tests/support/qt/UserInput.h"
#include "ui_AddChangeEventForm.h"
#include "ui_EventsCategoriesEditorForm.h"
#include "ui_RemoveOldEntriesForm.h"
#include "ui_TimeTableForm.h"

namespace {

// Centred within the width of a window frame, which a window learns only once it is shown.
bool CentredOver(const QWidget& owner, const QWidget& shown) {
    const QPoint offset = owner.frameGeometry().center() - shown.frameGeometry().center();
    return std::abs(offset.x()) <= 3 && std::abs(offset.y()) <= 3;
}

// The controls a user reaches in a window (not the parts Qt builds inside its own widgets)
// that have no name for a screen reader.
std::vector<std::string> UnnamedControls(QWidget& window) {
    std::vector<std::string> unnamed;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        const bool reachable =
            qobject_cast<QAbstractButton*>(control) || qobject_cast<QLineEdit*>(control) ||
            qobject_cast<QPlainTextEdit*>(control) || qobject_cast<QComboBox*>(control) ||
            qobject_cast<QAbstractItemView*>(control) || qobject_cast<QCalendarWidget*>(control);
        const QString name = control->objectName();
        if (!reachable || name.isEmpty() || name.startsWith("qt_")) continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        if (accessible == nullptr || accessible->text(QAccessible::Name).isEmpty())
            unnamed.push_back(name.toStdString());
    }
    return unnamed;
}

}  // namespace

TEST_F(MainWindowTest, EveryControlOfTheDiaryWindowsIsNamed) {
    TMainForm& form = Open();
    testing_support::FakeMainServices services(&form.DataFile);
    TAddChangeEventForm events(form.DataFile);
    TEventsCategoriesEditorForm editor(services);
    TRemoveOldEntriesForm oldYears(form.DataFile, services);
    TTimeTableForm diary(form.DataFile, services, events, editor, form.NameDays);
    for (QWidget* window : std::initializer_list<QWidget*>{&events, &editor, &oldYears, &diary}) {
        window->show();
        EXPECT_EQ(std::vector<std::string>{}, UnnamedControls(*window))
            << window->objectName().toStdString();
        window->hide();
    }
}

TEST_F(MainWindowTest, TerminarzOpensTheDiaryAndTheGridFollowsOnlyAChange) {
    TMainForm& form = Open();
    form.show();
    // An event the main table does not show yet: only a refresh brings it in.
    testing_support::AddEvent(form.DataFile.Calendar, 2005, 10, 3, "Klasówka");
    const int rowsBefore = form.DrawTimeTable.RowCount;
    TTimeTableForm* diary = nullptr;
    for (QAbstractButton* button : {static_cast<QAbstractButton*>(ui().btnTimeTable),
                                    static_cast<QAbstractButton*>(ui().SpeedButton6)}) {
        testing_support::ExpectModal<TTimeTableForm>(
            [&] { button->click(); },
            [&](TTimeTableForm& shown) {
                EXPECT_TRUE(CentredOver(form, shown));
                // Made once and kept.
                EXPECT_TRUE(diary == nullptr || diary == &shown);
                diary = &shown;
                shown.Ui().btnExit->click();
            });
    }
    EXPECT_FALSE(form.IsModified());
    EXPECT_EQ(rowsBefore, form.DrawTimeTable.RowCount);

    testing_support::ExpectModal<TTimeTableForm>([&] { ui().mTimeTable->trigger(); },
                                                 [](TTimeTableForm& shown) {
                                                     shown.Ui().btnRngMonth->click();
                                                     shown.Ui().btnExit->click();
                                                 });
    EXPECT_TRUE(form.IsModified());
    EXPECT_EQ(2, form.DataFile.Settings.TimeTableFormRange);
    EXPECT_EQ(rowsBefore + 2, form.DrawTimeTable.RowCount);
}

TEST_F(MainWindowTest, AToolBarButtonPressedThroughTheAccessibilityInterfaceRepliesFirst) {
    Open().show();
    testing_support::ExpectModal<TTimeTableForm>(
        [this] { accessible_actions::Press(*ui().btnTimeTable); },
        [](TTimeTableForm& diary) { diary.Ui().btnExit->click(); });
}

TEST_F(MainWindowTest, KategorieOpensTheEditorAndAChangeRefreshesTheGrid) {
    TMainForm& form = Open();
    form.show();
    testing_support::ExpectModal<TEventsCategoriesEditorForm>(
        [&] { ui().SpeedButton4->click(); },
        [&](TEventsCategoriesEditorForm& editor) {
            EXPECT_TRUE(CentredOver(form, editor));
            editor.Ui().btnOK->click();
        });
    EXPECT_FALSE(form.IsModified());
    testing_support::AddEvent(form.DataFile.Calendar, 2005, 10, 3, "Klasówka");
    const int rowsBefore = form.DrawTimeTable.RowCount;
    testing_support::ExpectModal<TEventsCategoriesEditorForm>(
        [&] { ui().mCategoriesEditor->trigger(); },
        [&](TEventsCategoriesEditorForm& editor) {
            user_input::Type(*editor.Ui().edNewCatName, "Basen");
            editor.Ui().btnNewCategory->click();
            editor.Ui().btnOK->click();
        });
    EXPECT_TRUE(form.IsModified());
    EXPECT_EQ(rowsBefore + 2, form.DrawTimeTable.RowCount);
    // The document asks to be saved when it closes.
    boxes.ExpectSaveQuestion(platform::answer::No);
    form.close();
}

TEST_F(MainWindowTest, ADoubleClickOnTheTimeTableAddsAnEventForToday) {
    TMainForm& form = Open();
    form.show();
    platform::DrawGrid& grid = *ui().TimeTableDrawGrid;
    const QPoint cell(grid.viewport()->width() / 2, grid.viewport()->height() / 2);
    testing_support::ExpectModal<TAddChangeEventForm>(
        [&] { user_input::DoubleClick(*grid.viewport(), cell); },
        [](TAddChangeEventForm& dialog) { dialog.Ui().btnCancel->click(); });
    EXPECT_FALSE(form.IsModified());
    EXPECT_EQ(0, form.DrawTimeTable.RowCount);

    testing_support::ExpectModal<TAddChangeEventForm>(
        [&] { user_input::DoubleClick(*grid.viewport(), cell); },
        [](TAddChangeEventForm& dialog) {
            EXPECT_EQ(platform::EncodeDate(2005, 10, 3), dialog.Ui().DatePicker->Date());
            user_input::Type(*dialog.Ui().edSubject, "Dyżur");
            dialog.Ui().btnOK->click();
        });
    EXPECT_TRUE(form.IsModified());
    EXPECT_EQ(2, form.DrawTimeTable.RowCount);
    EXPECT_EQ("Dyżur", form.DrawTimeTable.RowEvent(1)->Subject);
}

// Deleting a year the tables show must leave no painter with the deleted days: both grids
// are painted again at once, which the sanitizer build checks for use after free.
TEST_F(MainWindowTest, DeletingOldYearsRebuildsBothTablesBeforeTheyPaint) {
    today.Set(2005, 1, 2);  // a Sunday: its week began on 27 December 2004
    TMainForm& form = Open();
    testing_support::AddEvent(form.DataFile.Calendar, 2004, 12, 28, "Narty");
    testing_support::AddEvent(form.DataFile.Calendar, 2005, 1, 2, "Powrót");
    form.DataFile.Settings.TimeTableFormRange = 1;
    form.SetTimeTableRange(1, true);
    form.show();
    ASSERT_EQ(4, form.DrawTimeTable.RowCount);

    testing_support::ExpectModal<TTimeTableForm>(
        [&] { ui().mTimeTable->trigger(); },
        [&](TTimeTableForm& diary) {
            ASSERT_EQ(4, diary.Painter().RowCount);
            testing_support::ExpectModal<TRemoveOldEntriesForm>(
                [&] { diary.PopupTools().actions().at(0)->trigger(); },
                [&](TRemoveOldEntriesForm& oldYears) {
                    ASSERT_EQ(1, oldYears.Ui().CheckListBox->ItemCount());
                    oldYears.Ui().CheckListBox->SetChecked(0, true);
                    boxes.Expect("Czy napewno chcesz usunąc wpisy z tych lat?", "Kasowanie wpisów",
                                 platform::mb::YesNo | platform::mb::IconWarning,
                                 platform::answer::Yes);
                    oldYears.Ui().btnDelete->click();
                    diary.Ui().DrawGrid->viewport()->grab();
                    ui().TimeTableDrawGrid->viewport()->grab();
                    EXPECT_EQ(2, diary.Painter().RowCount);
                    EXPECT_EQ(2, form.DrawTimeTable.RowCount);
                    oldYears.Ui().btnExit->click();
                });
            diary.Ui().btnExit->click();
        });
    EXPECT_TRUE(form.IsModified());
    EXPECT_EQ(1, form.DataFile.Calendar.Count());
}

TEST_F(MainWindowTest, NewRebuildsTheHiddenDiarysTableOverTheEmptiedDays) {
    TMainForm& form = Open();
    form.show();
    testing_support::AddEvent(form.DataFile.Calendar, 2005, 10, 3, "Klasówka");
    TTimeTableForm* diary = nullptr;
    testing_support::ExpectModal<TTimeTableForm>([&] { ui().mTimeTable->trigger(); },
                                                 [&](TTimeTableForm& shown) {
                                                     diary = &shown;
                                                     shown.Ui().btnRngDay->click();
                                                     shown.Ui().btnExit->click();
                                                 });
    ASSERT_NE(nullptr, diary);
    EXPECT_EQ(2, diary->Painter().RowCount);  // the day and its event
    form.DataFile.Modified = false;

    ui().mNew->trigger();
    // The days the diary's painter pointed at are gone; it was rebuilt over the empty diary,
    // so painting its grid reads nothing freed.
    EXPECT_GT(2, diary->Painter().RowCount);
    diary->Ui().DrawGrid->grab();
}
