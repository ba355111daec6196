#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QToolButton>

#include "app/MainRoutines.h"
#include "app/StudentDataForm.h"
#include "platform/Dates.h"
#include "platform/qt/DatePicker.h"
#include "platform/qt/Edit.h"
#include "platform/qt/Memo.h"
#include "platform/qt/SpinEdit.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/DocumentBuilder.h"
#include "tests/support/qt/AccessibleActions.h"
#include "tests/support/qt/FakeMainServices.h"
#include "tests/support/qt/ModalWatch.h"
#include "tests/support/qt/UserInput.h"
#include "ui_StudentDataForm.h"

namespace {

QAction& Item(QMenu& menu, const char* name) {
    QAction* item = menu.findChild<QAction*>(name);
    EXPECT_NE(nullptr, item) << name;
    return *item;
}

class StudentDataTest : public ::testing::Test {
  protected:
    StudentDataTest() {
        testing_support::MakeNew(document);
        TStudent& pupil = document.Student;
        pupil.Name = "Łucja";
        pupil.Surname = "Kowalska";
        pupil.SchoolType = "Liceum";
        pupil.SchoolName = "LO nr 1";
        pupil.Term = "I";
        pupil.Comment = "Wycieczka\r\nw czerwcu";
        pupil.EndOfSchoolYear = platform::EncodeDate(2005, 6, 24);
        pupil.SchoolYear = 2004;
        pupil.Class = 2;
        pupil.ClassChar = 'b';
    }
    Ui::TStudentDataForm& ui() { return form.Ui(); }

    TDataFile document;
    testing_support::FakeMainServices main{&document};
    TStudentDataForm form{document, main};
};

}  // namespace

TEST_F(StudentDataTest, ShowsThePupilsRecord) {
    form.show();
    EXPECT_EQ("Dane Ucznia", form.windowTitle().toStdString());
    EXPECT_EQ("Łucja", ui().editStudentName->Text());
    EXPECT_EQ("Kowalska", ui().editStudentSurname->Text());
    EXPECT_EQ("Liceum", ui().editSchoolType->Text());
    EXPECT_EQ("LO nr 1", ui().editSchoolName->Text());
    EXPECT_EQ("I", ui().editTerm->Text());
    EXPECT_EQ("II", ui().editClass->Text());
    EXPECT_EQ("b", ui().editClassChar->Text());
    EXPECT_EQ(platform::EncodeDate(2005, 6, 24), ui().dtpEndOfSchoolYear->Date());
    EXPECT_EQ(2004, ui().CSpinSchoolYear1->GetValue());
    EXPECT_EQ(2005, ui().CSpinSchoolYear2->GetValue());
    EXPECT_EQ("Wycieczka\r\nw czerwcu", ui().memoComment->Text());
    EXPECT_TRUE(ui().editClass->isReadOnly());
    EXPECT_TRUE(ui().editClassChar->isReadOnly());
}

// A date typed over the end of the school year with the cursor in its year.
TEST_F(StudentDataTest, ADateTypedOverTheEndOfTheSchoolYearIsStored) {
    form.show();
    user_input::Activate(form);
    ui().dtpEndOfSchoolYear->setFocus();
    ui().dtpEndOfSchoolYear->findChild<QLineEdit*>()->setCursorPosition(8);
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(nullptr, focused);
    user_input::KeyClicks(*focused, "26062006");
    ui().btnOK->click();
    EXPECT_EQ(platform::EncodeDate(2006, 6, 26), document.Student.EndOfSchoolYear);
    EXPECT_EQ(1, main.modifiedCalls);
}

TEST_F(StudentDataTest, OkWithoutAChangeStoresNothing) {
    form.show();
    ui().btnOK->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(0, main.modifiedCalls);
    EXPECT_FALSE(document.Modified);
}

TEST_F(StudentDataTest, ChangingOnlyTheCommentStoresEveryField) {
    form.show();
    ui().editStudentName->SetText("Anna");  // the program's text is no change
    ui().memoComment->moveCursor(QTextCursor::End);
    user_input::Type(*ui().memoComment, "!");
    ui().btnOK->click();
    EXPECT_EQ("Wycieczka\r\nw czerwcu!", document.Student.Comment);
    EXPECT_EQ("Anna", document.Student.Name);
    EXPECT_EQ(2004, document.Student.SchoolYear);
    EXPECT_EQ(2, document.Student.Class);
    EXPECT_EQ('b', document.Student.ClassChar);
    EXPECT_EQ(1, main.modifiedCalls);
}

TEST_F(StudentDataTest, ANameSetThroughTheAccessibilityInterfaceIsStored) {
    form.show();
    accessible_actions::ReplaceText(*ui().editStudentName, "Zofia");
    ui().btnOK->click();
    EXPECT_EQ("Zofia", document.Student.Name);
    EXPECT_EQ(1, main.modifiedCalls);
}

TEST_F(StudentDataTest, ALongSurnameSurvivesAChangeOfTheComment) {
    const std::string surname(40000, 'W');
    document.Student.Surname = surname;
    form.show();
    ui().memoComment->moveCursor(QTextCursor::End);
    user_input::Type(*ui().memoComment, "!");
    ui().btnOK->click();
    EXPECT_EQ(document.Student.Surname.size(), surname.size());
    EXPECT_TRUE(document.Student.Surname == surname);
}

// A pasted school name is stored on one line; the name stored with its breaks stays as it was.
TEST_F(StudentDataTest, APastedFieldIsStoredOnOneLineAndAStoredOneKeepsItsBreaks) {
    document.Student.Name = "Łucja\r\nMaria\n";
    form.show();
    EXPECT_EQ("Łucja\r\nMaria\n", ui().editStudentName->Text());
    ui().editSchoolName->setFocus();
    ui().editSchoolName->selectAll();
    user_input::Paste(*ui().editSchoolName, "Bio-X\r\nChemia\n");
    accessible_actions::InsertText(*ui().editTerm, 1, "\nII");
    ui().btnOK->click();
    EXPECT_EQ(1, main.modifiedCalls);
    EXPECT_EQ("Bio-X Chemia ", document.Student.SchoolName);
    EXPECT_EQ("I II", document.Student.Term);
    EXPECT_EQ("Łucja\r\nMaria\n", document.Student.Name);
}

// A break deleted and brought back by Ctrl+Z is stored as it was, not as the user's CR LF.
TEST_F(StudentDataTest, AnUndoneDeletionLeavesTheCommentByteForByte) {
    document.Student.Comment = "Wycieczka\nw czerwcu\rsala";
    form.show();
    ui().memoComment->setFocus();
    QTextCursor caret = ui().memoComment->textCursor();
    caret.setPosition(9);  // before the LF
    ui().memoComment->setTextCursor(caret);
    QTest::keyClick(ui().memoComment, Qt::Key_Delete);
    QTest::keyClick(ui().memoComment, Qt::Key_Z, Qt::ControlModifier);
    ui().btnOK->click();
    EXPECT_EQ(1, main.modifiedCalls);
    EXPECT_EQ("Wycieczka\nw czerwcu\rsala", document.Student.Comment);
}

TEST_F(StudentDataTest, ChangingAnotherFieldKeepsTheCommentByteForByte) {
    document.Student.Comment = "x\ny\rz";
    form.show();
    user_input::Type(*ui().editStudentName, "x");
    ui().btnOK->click();
    EXPECT_EQ(1, main.modifiedCalls);
    EXPECT_EQ("x\ny\rz", document.Student.Comment);
}

TEST_F(StudentDataTest, ACommentSetThroughTheAccessibilityInterfaceShowsWhatIsStored) {
    form.show();
    accessible_actions::SetValue(*ui().memoComment, QString::fromUtf8("Zoo😀\nż中"));
    EXPECT_EQ(ui().memoComment->toPlainText(), QString::fromUtf8("Zoo\nż"));
    ui().btnOK->click();
    EXPECT_EQ("Zoo\r\nż", document.Student.Comment);
    form.show();
    EXPECT_EQ("Zoo\r\nż", ui().memoComment->Text());
}

TEST_F(StudentDataTest, CancelStoresNothing) {
    form.show();
    user_input::Type(*ui().editStudentName, "x");
    ui().btnCancel->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ("Łucja", document.Student.Name);
    EXPECT_EQ(0, main.modifiedCalls);
}

TEST_F(StudentDataTest, TheClassMenusOfferTenNumeralsAndTwentyFiveLetters) {
    form.show();
    std::vector<std::string> numerals;
    for (const QAction* item : form.popupSelectClass().actions())
        numerals.push_back(item->text().toStdString());
    EXPECT_EQ(
        (std::vector<std::string>{"I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX", "X"}),
        numerals);
    std::string letters;
    for (const QAction* item : form.popupSelectClassChar().actions())
        letters += item->text().toStdString();
    EXPECT_EQ("abcdefghijklmnopqrstuwxyz", letters);
    EXPECT_EQ("x", Item(form.popupSelectClassChar(), "i2").text().toStdString());
    EXPECT_EQ("c", Item(form.popupSelectClassChar(), "c11").text().toStdString());

    user_input::Click(*ui().editClass, ui().editClass->rect().center());
    EXPECT_TRUE(form.popupSelectClass().isVisible());
    const QPoint expected = form.pos() + ui().editClass->mapTo(&form, QPoint(0, 0));
    EXPECT_EQ(expected, form.popupSelectClass().pos());
    form.popupSelectClass().close();
}

TEST_F(StudentDataTest, ChosenClassAndLetterAreStored) {
    form.show();
    Item(form.popupSelectClass(), "c4").trigger();
    Item(form.popupSelectClassChar(), "i2").trigger();
    EXPECT_EQ("IV", ui().editClass->Text());
    ui().btnOK->click();
    EXPECT_EQ(4, document.Student.Class);
    EXPECT_EQ('x', document.Student.ClassChar);
    EXPECT_EQ(1, main.modifiedCalls);
}

TEST_F(StudentDataTest, TheKeysOfADropDownListOpenTheClassMenusForTheKeyboard) {
    form.show();
    QApplication::setActiveWindow(&form);
    const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {{Qt::Key_Space, Qt::NoModifier},
                                                              {Qt::Key_Return, Qt::NoModifier},
                                                              {Qt::Key_Enter, Qt::KeypadModifier},
                                                              {Qt::Key_Down, Qt::AltModifier},
                                                              {Qt::Key_F4, Qt::NoModifier}};
    for (const auto& [key, modifiers] : keys) {
        QTest::keyClick(ui().editClassChar, key, modifiers);
        EXPECT_EQ(&form.popupSelectClassChar(), QApplication::activePopupWidget()) << key;
        form.popupSelectClassChar().close();
    }
    EXPECT_TRUE(form.isVisible());  // Enter opened the menu, it pressed no button

    ui().editClass->setFocus(Qt::TabFocusReason);
    QTest::keyClick(ui().editClass, Qt::Key_Space);
    QWidget* menu = QApplication::activePopupWidget();
    ASSERT_EQ(&form.popupSelectClass(), menu);
    const QPoint expected = form.pos() + ui().editClass->mapTo(&form, QPoint(0, 0));
    EXPECT_EQ(expected, menu->pos());
    QTest::keyClick(menu, Qt::Key_Down);
    QTest::keyClick(menu, Qt::Key_Return);
    EXPECT_EQ(nullptr, QApplication::activePopupWidget());
    EXPECT_EQ("I", ui().editClass->Text());
    ui().btnOK->click();
    EXPECT_EQ(1, document.Student.Class);
    EXPECT_EQ(1, main.modifiedCalls);
}

TEST_F(StudentDataTest, TheClassIsChosenThroughTheAccessibilityInterfaceOnlyFromItsMenu) {
    form.show();
    accessible_actions::ReplaceText(*ui().editClassChar, "v");
    accessible_actions::ReplaceText(*ui().editClass, "XX");
    EXPECT_EQ("b", ui().editClassChar->Text());
    EXPECT_EQ("II", ui().editClass->Text());
    ui().btnOK->click();
    EXPECT_EQ('b', document.Student.ClassChar);
    EXPECT_EQ(0, main.modifiedCalls);

    form.show();
    QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(&form.popupSelectClass());
    ASSERT_NE(nullptr, menu);
    QAccessibleInterface* fourth = menu->child(3);
    ASSERT_NE(nullptr, fourth);
    EXPECT_EQ("IV", fourth->text(QAccessible::Name).toStdString());
    fourth->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ("IV", ui().editClass->Text());
    ui().btnOK->click();
    EXPECT_EQ(4, document.Student.Class);
    EXPECT_EQ(1, main.modifiedCalls);
}

TEST_F(StudentDataTest, EveryOpeningStartsAtTheFirstField) {
    const auto open = [this](const std::function<void(TStudentDataForm&)>& handle) {
        testing_support::ExpectModal<TStudentDataForm>(
            [this] { ShowCentredModal(form, main.owner); },
            [&](TStudentDataForm& pupil) {
                user_input::Activate(pupil);
                handle(pupil);
            });
    };
    open([](TStudentDataForm& pupil) {
        pupil.Ui().editTerm->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(pupil.Ui().editTerm, QApplication::focusWidget());
        pupil.Ui().btnCancel->click();
    });
    open([](TStudentDataForm& pupil) {
        EXPECT_EQ(pupil.Ui().editStudentName, QApplication::focusWidget());
        // The name opens selected whole, so typing replaces it.
        QTest::keyClicks(QApplication::focusWidget(), "Ola");
        pupil.Ui().btnOK->click();
    });
    EXPECT_EQ("Ola", document.Student.Name);
    EXPECT_EQ("I", document.Student.Term);
}

// Digits typed into the drop-down calendar of the end of the school year, as a user who
// opened it with its arrow and went on typing.
TEST_F(StudentDataTest, ADateTypedIntoThePopUpCalendarEndsNoSchoolYearInYearOne) {
    form.show();
    user_input::Activate(form);
    platform::DatePicker& picker = *ui().dtpEndOfSchoolYear;
    QWidget* focused = user_input::DropDownCalendar(picker);
    ASSERT_NE(nullptr, focused);
    QTest::keyClicks(focused, "15012027");
    QTest::keyClick(focused, Qt::Key_Return);
    ui().btnOK->click();
    EXPECT_EQ(platform::EncodeDate(2005, 6, 24), document.Student.EndOfSchoolYear);
}

TEST_F(StudentDataTest, NoClassShowsEmptyAndStaysNone) {
    document.Student.Class = 0;
    form.show();
    EXPECT_EQ("", ui().editClass->Text());
    user_input::Type(*ui().editTerm, "I");
    ui().btnOK->click();
    EXPECT_EQ(0, document.Student.Class);
}

TEST_F(StudentDataTest, TheClassLetterIsACodePageByte) {
    document.Student.ClassChar = '\xB3';  // "ł"
    form.show();
    EXPECT_EQ("ł", ui().editClassChar->Text());
    user_input::Type(*ui().editTerm, "I");
    ui().btnOK->click();
    EXPECT_EQ('\xB3', document.Student.ClassChar);

    document.Student.ClassChar = '\0';
    form.show();
    EXPECT_EQ("", ui().editClassChar->Text());
    user_input::Type(*ui().editTerm, "I");
    ui().btnOK->click();
    EXPECT_EQ('\0', document.Student.ClassChar);
}

TEST_F(StudentDataTest, TheTwoYearSpinsMoveTogether) {
    form.show();
    ui().CSpinSchoolYear2->stepUp();
    EXPECT_EQ(2006, ui().CSpinSchoolYear2->GetValue());
    EXPECT_EQ(2005, ui().CSpinSchoolYear1->GetValue());
    ui().btnOK->click();
    EXPECT_EQ(2005, document.Student.SchoolYear);

    document.Student.SchoolYear = 0;
    form.show();
    EXPECT_EQ(1, ui().CSpinSchoolYear1->GetValue());
    EXPECT_EQ(2, ui().CSpinSchoolYear2->GetValue());
    ui().CSpinSchoolYear1->stepDown();  // already at its lower bound
    EXPECT_EQ(2, ui().CSpinSchoolYear2->GetValue());
}

// The year spins change by their arrows only, also for an on-screen keyboard or dictation.
TEST_F(StudentDataTest, TheYearSpinsTakeNoTextFromTheAccessibilityInterface) {
    form.show();
    accessible_actions::InsertText(*ui().CSpinSchoolYear1, 0, "7");
    accessible_actions::ReplaceText(*ui().CSpinSchoolYear2, "3000");
    EXPECT_EQ(2004, ui().CSpinSchoolYear1->GetValue());
    EXPECT_EQ(2005, ui().CSpinSchoolYear2->GetValue());
    ui().btnOK->click();
    EXPECT_EQ(0, main.modifiedCalls);
    EXPECT_EQ(2004, document.Student.SchoolYear);

    form.show();
    QTest::keyClick(ui().CSpinSchoolYear1, Qt::Key_Up);
    EXPECT_EQ(2006, ui().CSpinSchoolYear2->GetValue());
    ui().btnOK->click();
    EXPECT_EQ(2005, document.Student.SchoolYear);
}

TEST_F(MainWindowTest, PupilDataRefreshThePupilsLine) {
    TMainForm& form = Open();
    form.show();
    testing_support::ExpectModal<TStudentDataForm>(
        [&] { ui().mSetStudentData->trigger(); },
        [](TStudentDataForm& pupil) {
            user_input::Type(*pupil.Ui().editStudentName, "Jan");
            pupil.Ui().dtpEndOfSchoolYear->SetDate(platform::EncodeDate(2005, 10, 13));
            pupil.Ui().btnOK->click();
        });
    EXPECT_EQ("Jan", form.DataFile.Student.Name);
    EXPECT_EQ("10 dni", ui().lblDaysToEndOfSchoolYear->text().toStdString());
    EXPECT_TRUE(ui().lblStudentName->text().startsWith("Jan"));
    EXPECT_TRUE(form.IsModified());
}
