#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>

#include "app/AddMarkForm.h"
#include "app/MarksEditorForm.h"
#include "platform/qt/ComboBox.h"
#include "platform/qt/ListBox.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/DocumentBuilder.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/qt/AccessibleActions.h"
#include "tests/support/qt/FakeMainServices.h"
#include "tests/support/qt/ModalWatch.h"
#include "tests/support/qt/UserInput.h"
#include "ui_AddMarkForm.h"
#include "ui_Main.h"
#include "ui_MarksEditorForm.h"

namespace {

class MarksEditorFormTest : public ::testing::Test {
  protected:
    Ui::TMarksEditorForm& ui() { return editor.Ui(); }
    std::vector<std::string> Listed() {
        std::vector<std::string> marks;
        for (int i = 0; i < ui().MarksList->count(); ++i)
            marks.push_back(ui().MarksList->item(i)->text().toStdString());
        return marks;
    }

    testing_support::ScriptedMessageBoxes boxes;
    TDataFile document;
    testing_support::FakeMainServices main{&document};
    TAddMarkForm keypad{main};
    TMarksEditorForm editor{document, main, keypad};
};

TEST_F(MarksEditorFormTest, AnEmptyDocumentLeavesNothingToDo) {
    editor.show();
    EXPECT_EQ("Edytor ocen", editor.windowTitle().toStdString());
    EXPECT_EQ(0, ui().cbSubjectsList->count());
    EXPECT_EQ(0, ui().MarksList->count());
    EXPECT_FALSE(ui().btnNewMark->isEnabled());
    EXPECT_FALSE(ui().btnDeleteMark->isEnabled());
}

TEST_F(MarksEditorFormTest, OpensOnTheMainWindowsSubjectWithItsMarksInOrder) {
    testing_support::AddSubject(document, "Polski", {12});
    testing_support::AddSubject(document, "Fizyka", {12, 10, 0});
    main.currentSubject = 1;
    editor.show();
    EXPECT_EQ(1, ui().cbSubjectsList->ItemIndex());
    EXPECT_EQ((std::vector<std::string>{"5", "4-", "1"}), Listed());
    EXPECT_TRUE(ui().btnNewMark->isEnabled());
    EXPECT_TRUE(ui().btnDeleteMark->isEnabled());
}

TEST_F(MarksEditorFormTest, DeletingTheSelectedMarkAsksNothing) {
    TSubject* subject = testing_support::AddSubject(document, "Fizyka", {12, 10, 0});
    main.currentSubject = 0;
    editor.show();
    // Nothing selected: nothing deleted.
    ui().btnDeleteMark->click();
    EXPECT_EQ(3, subject->Marks.Count);
    EXPECT_EQ(0, main.modifiedCalls);

    ui().MarksList->SetItemIndex(1);
    ui().btnDeleteMark->click();
    EXPECT_EQ((std::vector<std::string>{"5", "1"}), Listed());
    EXPECT_EQ(2, subject->Marks.Count);
    EXPECT_EQ(0, *subject->Marks.Get(1));
    EXPECT_EQ(1, main.modifiedCalls);
    EXPECT_EQ(-1, ui().MarksList->ItemIndex());
}

// The list keeps the focus all along, and Qt makes its first row current whenever it gets the
// focus back; only a selected row counts.
TEST_F(MarksEditorFormTest, AfterADeletionNothingMoreIsDeletedWithoutASelection) {
    TSubject* subject = testing_support::AddSubject(document, "Fizyka", {12, 1, 0});
    main.currentSubject = 0;
    editor.show();
    QApplication::setActiveWindow(&editor);
    ui().MarksList->setFocus(Qt::TabFocusReason);
    accessible_actions::ToggleItem(*ui().MarksList, 1);
    ui().btnDeleteMark->click();
    EXPECT_EQ((std::vector<std::string>{"5", "1"}), Listed());
    testing_support::ExpectModal<TAddMarkForm>(
        [&] { ui().btnNewMark->click(); },
        [](TAddMarkForm& shown) { shown.Ui().btnCancel->click(); });
    QApplication::setActiveWindow(&editor);
    ui().MarksList->setFocus(Qt::ActiveWindowFocusReason);
    ui().btnDeleteMark->click();
    EXPECT_EQ(2, subject->Marks.Count);
    EXPECT_EQ(1, main.modifiedCalls);
}

TEST_F(MarksEditorFormTest, DeletingTheOnlyMarkDisablesDeleting) {
    TSubject* subject = testing_support::AddSubject(document, "Fizyka", {3});
    main.currentSubject = 0;
    editor.show();
    ui().MarksList->SetItemIndex(0);
    ui().btnDeleteMark->click();
    EXPECT_EQ(0, subject->Marks.Count);
    EXPECT_FALSE(ui().btnDeleteMark->isEnabled());
    EXPECT_TRUE(ui().btnNewMark->isEnabled());
}

TEST_F(MarksEditorFormTest, AddingGoesThroughTheKeypad) {
    TSubject* subject = testing_support::AddSubject(document, "Fizyka");
    main.currentSubject = 0;
    editor.show();
    EXPECT_FALSE(ui().btnDeleteMark->isEnabled());
    testing_support::ExpectModal<TAddMarkForm>([&] { ui().btnNewMark->click(); },
                                               [](TAddMarkForm& shown) {
                                                   shown.Ui().btn6m->click();
                                                   shown.Ui().btnAccept->click();
                                               });
    EXPECT_EQ((std::vector<std::string>{"6-"}), Listed());
    EXPECT_EQ(1, subject->Marks.Count);
    EXPECT_EQ(1, main.modifiedCalls);
    EXPECT_TRUE(ui().btnDeleteMark->isEnabled());

    testing_support::ExpectModal<TAddMarkForm>(
        [&] { ui().btnNewMark->click(); },
        [](TAddMarkForm& shown) { shown.Ui().btnCancel->click(); });
    EXPECT_EQ(1, subject->Marks.Count);
    EXPECT_EQ(1, main.modifiedCalls);
}

TEST_F(MarksEditorFormTest, TypingIntoTheBoxEmptiesTheListAndClosingHandsBackNoSubject) {
    testing_support::AddSubject(document, "Polski", {12});
    testing_support::AddSubject(document, "Fizyka", {9});
    main.currentSubject = 1;
    editor.show();
    ui().cbSubjectsList->setFocus();
    user_input::Type(*ui().cbSubjectsList->lineEdit(), "x");
    EXPECT_EQ(-1, ui().cbSubjectsList->ItemIndex());
    EXPECT_EQ(0, ui().MarksList->count());
    EXPECT_FALSE(ui().btnDeleteMark->isEnabled());
    EXPECT_TRUE(ui().btnNewMark->isEnabled());
    testing_support::ExpectNoModal([&] { ui().btnNewMark->click(); }, "without a subject");
    editor.close();
    EXPECT_EQ(-1, main.currentSubject);
}

}  // namespace

TEST_F(MainWindowTest, TheMarksEditorEditsTheMainWindowsSubjectAndHandsItsOwnBack) {
    TMainForm& form = Open();
    testing_support::AddSubject(form.DataFile, "Polski", {12});
    testing_support::AddSubject(form.DataFile, "Fizyka", {9, 3});
    form.RefreshSubjectsList();
    form.show();
    testing_support::ExpectModal<TMarksEditorForm>(
        [&] { ui().SpeedButton1->click(); },
        [](TMarksEditorForm& editor) {
            EXPECT_EQ(0, editor.Ui().cbSubjectsList->ItemIndex());
            editor.Ui().cbSubjectsList->SetItemIndex(1);
            emit editor.Ui().cbSubjectsList->changed();
            editor.Ui().MarksList->SetItemIndex(0);
            editor.Ui().btnDeleteMark->click();
            editor.close();
        });
    EXPECT_EQ(1, form.CurrentSubject());
    EXPECT_EQ("2", ui().edMarks->text().toStdString());
    EXPECT_TRUE(form.IsModified());

    // Typed text hands back no subject: the main window falls back to the first.
    testing_support::ExpectModal<TMarksEditorForm>(
        [&] { ui().mAddDelMark->trigger(); },
        [](TMarksEditorForm& editor) {
            EXPECT_EQ(1, editor.Ui().cbSubjectsList->ItemIndex());
            editor.Ui().cbSubjectsList->setFocus();
            user_input::Type(*editor.Ui().cbSubjectsList->lineEdit(), "x");
            editor.close();
        });
    EXPECT_EQ(0, form.CurrentSubject());
    EXPECT_EQ("5", ui().edMarks->text().toStdString());
}
