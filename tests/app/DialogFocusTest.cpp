#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QTest>

#include "tests/app/MainWindowFixture.h"
#include "tests/support/qt/ModalWatch.h"
#include "tests/support/qt/UserInput.h"

namespace {

// The dialog's control of that name has the focus, itself or through the part it passes the
// focus to (a calendar's table of days).
void ExpectFocusOn(QDialog& dialog, const char* field) {
    QWidget* expected = dialog.findChild<QWidget*>(field);
    ASSERT_NE(nullptr, expected) << field;
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(nullptr, focused) << "no focus in " << field << "'s window";
    EXPECT_TRUE(focused == expected || expected->isAncestorOf(focused))
        << focused->objectName().toStdString() << " has the focus, not " << field;
}

// Opens the dialog by its command and hands it over once it is the active window.
void OpenBy(QAction& command, const std::function<void(QDialog&)>& handle) {
    testing_support::ExpectModalWindow(
        [&] { command.trigger(); },
        [](QWidget& window) { return qobject_cast<QDialog*>(&window) != nullptr; },
        [&](QWidget& window) {
            user_input::Activate(window);
            handle(static_cast<QDialog&>(window));
        },
        command.text().toStdString());
}

}  // namespace

// A user moves on from the first field (Shift+Tab goes round to the dialog's last control),
// closes the dialog, and opens it again.
TEST_F(MainWindowTest, EveryDialogOpensOnItsFirstFieldEveryTime) {
    TMainForm& form = Open();
    form.show();
    const struct {
        QAction* command;
        const char* firstField;
    } dialogs[] = {
        {ui().mSetStudentData, "editStudentName"}, {ui().mSubjectAdd, "editName"},
        {ui().mSubjectModify, "cbSubjects"},       {ui().mSetMarksValues, "editValue1"},
        {ui().mOptions, "checkOpenFileOnStartUp"}, {ui().mTimeTable, "MonthCalendar"},
        {ui().mCategoriesEditor, "edNewCatName"},
    };
    for (const auto& [command, firstField] : dialogs) {
        SCOPED_TRACE(firstField);
        OpenBy(*command, [&](QDialog& dialog) {
            ExpectFocusOn(dialog, firstField);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
            QWidget* moved = QApplication::focusWidget();
            ASSERT_NE(nullptr, moved);
            EXPECT_NE(firstField, moved->objectName().toStdString());
            QTest::keyClick(moved, Qt::Key_Escape);
        });
        OpenBy(*command, [&](QDialog& dialog) {
            ExpectFocusOn(dialog, firstField);
            dialog.reject();
        });
    }
}
