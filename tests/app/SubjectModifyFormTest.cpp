#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>

#include "app/SubjectModifyForm.h"
#include "platform/Cp1250.h"
#include "platform/qt/CheckBox.h"
#include "platform/qt/ComboBox.h"
#include "platform/qt/Edit.h"
#include "platform/qt/Memo.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/DocumentBuilder.h"
#include "tests/support/Environment.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/qt/AccessibleActions.h"
#include "tests/support/qt/FakeMainServices.h"
#include "tests/support/qt/ModalWatch.h"
#include "tests/support/qt/UserInput.h"
#include "ui_Main.h"
#include "ui_SubjectModifyForm.h"

namespace {

constexpr unsigned kQuestion = platform::mb::YesNo | platform::mb::IconQuestion;

class SubjectModifyFormTest : public ::testing::Test {
  protected:
    SubjectModifyFormTest() {
        testing_support::AddSubject(document, "Polski", {12, 9}, 1, 9, "Nowak", "Lektury");
        testing_support::AddSubject(document, "Religia", {}, 0, kNoFinalMark, "Ks. Jan",
                                    "Raz\r\nw tygodniu");
    }
    Ui::TSubjectModifyForm& ui() { return form.Ui(); }

    testing_support::ScriptedMessageBoxes boxes;
    TDataFile document;
    testing_support::FakeMainServices main{&document};
    TSubjectModifyForm form{document, main};
};

TEST_F(SubjectModifyFormTest, OpensOnTheMainWindowsSubject) {
    main.currentSubject = 1;
    form.show();
    EXPECT_EQ("Modyfikacja przedmiotu", form.windowTitle().toStdString());
    EXPECT_EQ(2, ui().cbSubjects->count());
    EXPECT_EQ(1, ui().cbSubjects->ItemIndex());
    EXPECT_EQ("Religia", ui().editNewName->Text());
    EXPECT_EQ("Ks. Jan", ui().edTeacher->Text());
    EXPECT_FALSE(ui().checkInAverage->Checked());
    EXPECT_EQ("Raz\r\nw tygodniu", ui().memoComment->Text());
}

TEST_F(SubjectModifyFormTest, WithoutACurrentSubjectNothingIsShownOrChanged) {
    main.currentSubject = -1;
    form.show();
    EXPECT_EQ(-1, ui().cbSubjects->ItemIndex());
    EXPECT_TRUE(ui().editNewName->text().isEmpty());
    ui().btnModify->click();
    EXPECT_EQ(0, main.modifiedCalls);
}

TEST_F(SubjectModifyFormTest, YesStoresTheFieldsAndKeepsTheMarks) {
    main.currentSubject = 0;
    form.show();
    ui().editNewName->setText("Język polski");
    ui().edTeacher->setText("Kowalska");
    ui().checkInAverage->SetChecked(false);
    ui().memoComment->SetText("Lektury\r\nWypracowanie");
    // The question names the subject as it is stored, and has no blank before "?".
    boxes.Expect("Czy chcesz zmodyfikować przedmiot Polski?", "Quirvale 2", kQuestion,
                 platform::answer::Yes);
    ui().btnModify->click();

    const TSubject& subject = *document.Subjects.Get(0);
    EXPECT_EQ("Język polski", subject.Name);
    EXPECT_EQ("Kowalska", subject.Teacher);
    EXPECT_EQ(0, subject.InAverage);
    EXPECT_EQ("Lektury\r\nWypracowanie", subject.Comment);
    EXPECT_EQ(2, subject.Marks.Count);
    EXPECT_EQ(9, subject.FinalMark);
    EXPECT_EQ(1, main.modifiedCalls);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(0, ui().cbSubjects->ItemIndex());
    EXPECT_EQ("Język polski", ui().cbSubjects->itemText(0).toStdString());
    EXPECT_EQ("Język polski", ui().editNewName->Text());
}

TEST_F(SubjectModifyFormTest, ChangingOnlyTheTeacherKeepsTheCommentByteForByte) {
    document.Subjects.Get(0)->Comment = "x\ny\rz\r\n";
    main.currentSubject = 0;
    form.show();
    ui().edTeacher->setFocus();
    ui().edTeacher->end(false);
    user_input::Type(*ui().edTeacher, "a");
    boxes.Expect("Czy chcesz zmodyfikować przedmiot Polski?", "Quirvale 2", kQuestion,
                 platform::answer::Yes);
    ui().btnModify->click();
    EXPECT_EQ("Nowaka", document.Subjects.Get(0)->Teacher);
    EXPECT_EQ("x\ny\rz\r\n", document.Subjects.Get(0)->Comment);
    // An edit of the comment keeps the breaks outside it.
    ui().memoComment->moveCursor(QTextCursor::End);
    user_input::Type(*ui().memoComment, "!");
    boxes.Expect("Czy chcesz zmodyfikować przedmiot Polski?", "Quirvale 2", kQuestion,
                 platform::answer::Yes);
    ui().btnModify->click();
    EXPECT_EQ("x\ny\rz\r\n!", document.Subjects.Get(0)->Comment);
}

TEST_F(SubjectModifyFormTest, ACommentSetThroughTheAccessibilityInterfaceKeepsToTheCodePage) {
    main.currentSubject = 1;
    form.show();
    accessible_actions::SetValue(*ui().memoComment, QString::fromUtf8("m1\r\nm2😀中Ж"));
    EXPECT_EQ("m1\r\nm2", ui().memoComment->Text());
    boxes.Expect("Czy chcesz zmodyfikować przedmiot Religia?", "Quirvale 2", kQuestion,
                 platform::answer::Yes);
    ui().btnModify->click();
    EXPECT_EQ("m1\r\nm2", document.Subjects.Get(1)->Comment);
    EXPECT_EQ("m1\r\nm2", ui().memoComment->Text());
}

// A comment as long as a document holds is taken, stored and saved; what goes past it is not.
TEST_F(SubjectModifyFormTest, ACommentTakesNoMoreThanTheDocumentCanSaveAndOpenAgain) {
    main.currentSubject = 1;
    form.show();
    const QString longest(static_cast<qsizetype>(platform::kLongestText), QLatin1Char('x'));
    accessible_actions::SetValue(*ui().memoComment, longest + QStringLiteral("yz"));
    EXPECT_EQ(longest.toStdString(), ui().memoComment->Text());
    accessible_actions::InsertText(*ui().memoComment, 0, QStringLiteral("a"));
    EXPECT_EQ(longest.toStdString(), ui().memoComment->Text());
    boxes.Expect("Czy chcesz zmodyfikować przedmiot Religia?", "Quirvale 2", kQuestion,
                 platform::answer::Yes);
    ui().btnModify->click();
    EXPECT_EQ(longest.toStdString(), document.Subjects.Get(1)->Comment);

    testing_support::TempDir dir;
    ASSERT_EQ(0, document.SaveToFile(dir.File("rok.ocn")));
    TDataFile reopened;
    ASSERT_EQ(0, reopened.LoadFromFile(dir.File("rok.ocn")));
    EXPECT_EQ(longest.toStdString(), reopened.Subjects.Get(1)->Comment);
}

TEST_F(SubjectModifyFormTest, NoChangesNothing) {
    main.currentSubject = 0;
    form.show();
    ui().editNewName->setText("Matematyka");
    boxes.Expect("Czy chcesz zmodyfikować przedmiot Polski?", "Quirvale 2", kQuestion,
                 platform::answer::No);
    ui().btnModify->click();
    EXPECT_EQ("Polski", document.Subjects.Get(0)->Name);
    EXPECT_FALSE(document.Modified);
}

TEST_F(SubjectModifyFormTest, TypingIntoTheBoxEmptiesEverythingAndModifyDoesNothing) {
    main.currentSubject = 0;
    form.show();
    ui().cbSubjects->setFocus();
    ui().cbSubjects->lineEdit()->selectAll();
    user_input::Type(*ui().cbSubjects->lineEdit(), "M");
    EXPECT_EQ(-1, ui().cbSubjects->ItemIndex());
    EXPECT_TRUE(ui().cbSubjects->currentText().isEmpty());
    EXPECT_TRUE(ui().editNewName->text().isEmpty());
    EXPECT_TRUE(ui().edTeacher->text().isEmpty());
    EXPECT_TRUE(ui().memoComment->Text().empty());
    EXPECT_FALSE(ui().checkInAverage->Checked());
    ui().btnModify->click();
    EXPECT_EQ(0, main.modifiedCalls);

    // Closing hands the empty choice back to the main window.
    ui().btnExit->click();
    EXPECT_EQ(-1, main.currentSubject);
}

TEST_F(SubjectModifyFormTest, ATypedTextIsNotCompletedIntoAnotherSubject) {
    main.currentSubject = 1;
    form.show();
    QApplication::setActiveWindow(&form);
    ui().cbSubjects->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(ui().cbSubjects->lineEdit()->hasFocus());
    user_input::Type(*QApplication::focusWidget(), "X");
    EXPECT_TRUE(ui().cbSubjects->currentText().isEmpty());
    user_input::KeyPress(*QApplication::focusWidget(), Qt::Key_Return, "\r");
    EXPECT_EQ(-1, ui().cbSubjects->ItemIndex());
    EXPECT_TRUE(ui().editNewName->text().isEmpty());
}

TEST_F(SubjectModifyFormTest, EveryCloseHandsTheSubjectBack) {
    main.currentSubject = 0;
    form.show();
    ui().cbSubjects->SetItemIndex(1);
    form.reject();  // Esc
    EXPECT_EQ(1, main.currentSubject);
    EXPECT_EQ(0, main.modifiedCalls);
}

}  // namespace

TEST_F(MainWindowTest, TheMainWindowShowsTheSubjectModifiedAndPickedInTheDialog) {
    TMainForm& form = Open();
    testing_support::AddSubject(form.DataFile, "Polski", {12});
    testing_support::AddSubject(form.DataFile, "Historia", {3}, 1);
    form.RefreshSubjectsList();
    form.show();
    boxes.Expect("Czy chcesz zmodyfikować przedmiot Historia?", "Quirvale 2", kQuestion,
                 platform::answer::Yes);
    QAction* modifyItem = form.findChild<QAction*>("pmModifySubject");
    ASSERT_NE(nullptr, modifyItem);
    testing_support::ExpectModal<TSubjectModifyForm>(
        [&] { modifyItem->trigger(); },
        [&](TSubjectModifyForm& dialog) {
            EXPECT_EQ("Polski", dialog.Ui().editNewName->Text());
            dialog.Ui().cbSubjects->SetItemIndex(1);
            emit dialog.Ui().cbSubjects->changed();
            dialog.Ui().checkInAverage->SetChecked(false);
            dialog.Ui().btnModify->click();
            dialog.Ui().btnExit->click();
        });
    EXPECT_EQ(1, form.CurrentSubject());
    EXPECT_EQ("Historia", ui().cbSubject->currentText().toStdString());
    EXPECT_TRUE(ui().lblDodatkowy->isVisibleTo(&form));
    EXPECT_TRUE(form.IsModified());

    testing_support::ExpectModal<TSubjectModifyForm>([&] { ui().mSubjectModify->trigger(); },
                                                     [&](TSubjectModifyForm& dialog) {
                                                         EXPECT_EQ("Historia",
                                                                   dialog.Ui().editNewName->Text());
                                                         dialog.Ui().btnExit->click();
                                                     });
}
