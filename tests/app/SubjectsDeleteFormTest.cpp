#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "app/SubjectsDeleteForm.h"
#include "platform/qt/ListBox.h"
#include "platform/qt/Memo.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/DocumentBuilder.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/qt/AccessibleActions.h"
#include "tests/support/qt/FakeMainServices.h"
#include "tests/support/qt/ModalWatch.h"
#include "tests/support/qt/UserInput.h"
#include "ui_Main.h"
#include "ui_SubjectsDeleteForm.h"

namespace {

constexpr unsigned kQuestion = platform::mb::YesNo | platform::mb::IconQuestion;

class SubjectsDeleteFormTest : public ::testing::Test {
  protected:
    Ui::TSubjectsDeleteForm& ui() { return form.Ui(); }
    std::vector<std::string> Listed() {
        std::vector<std::string> names;
        for (int i = 0; i < ui().SubjectsList->count(); ++i)
            names.push_back(ui().SubjectsList->item(i)->text().toStdString());
        return names;
    }
    // Selects an entry as the user's click does.
    void ClickEntry(int row) {
        platform::ListBox& list = *ui().SubjectsList;
        user_input::Click(*list.viewport(), list.visualItemRect(list.item(row)).center());
    }

    testing_support::ScriptedMessageBoxes boxes;
    TDataFile document;
    testing_support::FakeMainServices main{&document};
    TSubjectsDeleteForm form{document, main};
};

TEST_F(SubjectsDeleteFormTest, AnEmptyDocumentShowsAnEmptyListAndNoDeleteButton) {
    form.show();
    EXPECT_EQ("Usuń przedmiot", form.windowTitle().toStdString());
    EXPECT_EQ(0, ui().SubjectsList->count());
    EXPECT_FALSE(ui().btnDeleteSubject->isEnabled());
    // Nothing selected: nothing asked, nothing changed.
    ui().btnDeleteSubject->click();
    EXPECT_EQ(0, main.modifiedCalls);
}

TEST_F(SubjectsDeleteFormTest, AClickShowsTheCommentAndWithoutOneNothingIsAsked) {
    testing_support::AddSubject(document, "Polski", {}, 1, kNoFinalMark, "", "Lektury\r\nWiersz");
    testing_support::AddSubject(document, "Historia", {}, 1, kNoFinalMark, "", "Daty");
    form.show();
    EXPECT_EQ((std::vector<std::string>{"Polski", "Historia"}), Listed());
    EXPECT_EQ(-1, ui().SubjectsList->ItemIndex());
    EXPECT_TRUE(ui().btnDeleteSubject->isEnabled());
    ui().btnDeleteSubject->click();
    EXPECT_EQ(2, document.Subjects.Count);

    ClickEntry(0);
    EXPECT_EQ("Lektury\r\nWiersz", ui().memoComment->Text());
    ClickEntry(1);
    EXPECT_EQ("Daty", ui().memoComment->Text());
}

// Qt makes the first row current when the list gets the focus; that is no choice of the user's.
TEST_F(SubjectsDeleteFormTest, OnlyASelectedSubjectIsAskedAboutHoweverTheListHasTheFocus) {
    testing_support::AddSubject(document, "Polski", {}, 1, kNoFinalMark, "", "Lektury");
    testing_support::AddSubject(document, "Historia", {}, 1, kNoFinalMark, "", "Daty");
    form.show();
    QApplication::setActiveWindow(&form);
    ui().SubjectsList->setFocus(Qt::TabFocusReason);
    ui().btnDeleteSubject->click();  // nothing selected: no question

    accessible_actions::ToggleItem(*ui().SubjectsList, 1);
    EXPECT_EQ("Daty", ui().memoComment->Text());
    boxes.Expect("Czy napewno chcesz usunąć przedmiot Historia ?", "Quirvale 2", kQuestion,
                 platform::answer::Yes);
    ui().btnDeleteSubject->click();
    EXPECT_EQ((std::vector<std::string>{"Polski"}), Listed());
    ui().SubjectsList->setFocus(Qt::TabFocusReason);
    ui().btnDeleteSubject->click();  // nothing selected after a deletion
    EXPECT_EQ(1, document.Subjects.Count);
    EXPECT_EQ(1, main.modifiedCalls);
}

// The list takes the focus as the window opens, with its frame on the first subject: the first
// arrow key or Space chooses that subject, and the command then deletes it.
TEST_F(SubjectsDeleteFormTest, AKeyboardUserChoosesTheFirstSubjectAndDeletesIt) {
    testing_support::AddSubject(document, "Polski", {}, 1, kNoFinalMark, "", "Lektury");
    testing_support::AddSubject(document, "Historia", {}, 1, kNoFinalMark, "", "Daty");
    testing_support::AddSubject(document, "Chemia", {}, 1, kNoFinalMark, "", "Wzory");
    form.show();
    user_input::Activate(form);
    platform::ListBox& list = *ui().SubjectsList;
    ASSERT_EQ(&list, QApplication::focusWidget());
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(0, list.ItemIndex());
    EXPECT_EQ("Lektury", ui().memoComment->Text());
    boxes.Expect("Czy napewno chcesz usunąć przedmiot Polski ?", "Quirvale 2", kQuestion,
                 platform::answer::Yes);
    accessible_actions::Press(*ui().btnDeleteSubject);
    EXPECT_EQ((std::vector<std::string>{"Historia", "Chemia"}), Listed());

    // Tab out and back puts the frame on the first subject again, for Space to choose.
    QTest::keyClick(&list, Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(&list, QApplication::focusWidget());
    QTest::keyClick(&list, Qt::Key_Space);
    EXPECT_EQ("Daty", ui().memoComment->Text());
    boxes.Expect("Czy napewno chcesz usunąć przedmiot Historia ?", "Quirvale 2", kQuestion,
                 platform::answer::Yes);
    accessible_actions::Press(*ui().btnDeleteSubject);
    EXPECT_EQ((std::vector<std::string>{"Chemia"}), Listed());
    EXPECT_EQ(2, main.modifiedCalls);
}

TEST_F(SubjectsDeleteFormTest, YesDeletesTheSubjectWithItsMarksAndNoKeepsIt) {
    testing_support::AddSubject(document, "Polski", {12, 9});
    testing_support::AddSubject(document, "Historia", {3});
    form.show();

    ClickEntry(1);
    boxes.Expect("Czy napewno chcesz usunąć przedmiot Historia ?", "Quirvale 2", kQuestion,
                 platform::answer::No);
    ui().btnDeleteSubject->click();
    EXPECT_EQ(2, document.Subjects.Count);
    EXPECT_FALSE(document.Modified);

    boxes.Expect("Czy napewno chcesz usunąć przedmiot Historia ?", "Quirvale 2", kQuestion,
                 platform::answer::Yes);
    ui().btnDeleteSubject->click();
    ASSERT_EQ(1, document.Subjects.Count);
    EXPECT_EQ("Polski", document.Subjects.Get(0)->Name);
    EXPECT_EQ(1, main.modifiedCalls);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ((std::vector<std::string>{"Polski"}), Listed());
    EXPECT_EQ(-1, ui().SubjectsList->ItemIndex());
    EXPECT_TRUE(ui().memoComment->Text().empty());

    ClickEntry(0);
    boxes.Expect("Czy napewno chcesz usunąć przedmiot Polski ?", "Quirvale 2", kQuestion,
                 platform::answer::Yes);
    ui().btnDeleteSubject->click();
    EXPECT_EQ(0, document.Subjects.Count);
    EXPECT_FALSE(ui().btnDeleteSubject->isEnabled());
}

}  // namespace

TEST_F(MainWindowTest, DeletingTheSelectedLastSubjectFallsBackToTheFirst) {
    TMainForm& form = Open();
    testing_support::AddSubject(form.DataFile, "Polski");
    testing_support::AddSubject(form.DataFile, "Historia", {12});
    form.RefreshSubjectsList();
    form.SetCurrentSubject(1);
    form.show();
    boxes.Expect("Czy napewno chcesz usunąć przedmiot Historia ?", "Quirvale 2", kQuestion,
                 platform::answer::Yes);
    testing_support::ExpectModal<TSubjectsDeleteForm>([&] { ui().mSubjectDel->trigger(); },
                                                      [&](TSubjectsDeleteForm& dialog) {
                                                          dialog.Ui().SubjectsList->SetItemIndex(1);
                                                          dialog.Ui().btnDeleteSubject->click();
                                                          dialog.Ui().btnExit->click();
                                                      });
    EXPECT_EQ(1, form.DataFile.Subjects.Count);
    EXPECT_EQ(0, form.CurrentSubject());
    EXPECT_EQ("Polski", ui().cbSubject->currentText().toStdString());
    EXPECT_TRUE(form.IsModified());

    QAction* deleteItem = form.findChild<QAction*>("pmDeleteSubject");
    ASSERT_NE(nullptr, deleteItem);
    testing_support::ExpectModal<TSubjectsDeleteForm>(
        [&] { deleteItem->trigger(); },
        [&](TSubjectsDeleteForm& dialog) { dialog.Ui().btnExit->click(); });
}
