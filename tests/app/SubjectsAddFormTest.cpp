#include <gtest/gtest.h>

#include "app/SubjectsAddForm.h"
#include "platform/qt/CheckBox.h"
#include "platform/qt/Edit.h"
#include "platform/qt/Memo.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/DocumentBuilder.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/qt/AccessibleActions.h"
#include "tests/support/qt/FakeMainServices.h"
#include "tests/support/qt/ModalWatch.h"
#include "tests/support/qt/UserInput.h"
#include "ui_Main.h"
#include "ui_SubjectsAddForm.h"

namespace {

constexpr unsigned kQuestion = platform::mb::YesNo | platform::mb::IconQuestion;

class SubjectsAddFormTest : public ::testing::Test {
  protected:
    SubjectsAddFormTest() { form.show(); }

    void Fill(const QString& name, const QString& teacher, const std::string& comment,
              bool inAverage) {
        ui().editName->setText(name);
        ui().edTeacher->setText(teacher);
        ui().memoComment->SetText(comment);
        ui().checkInAverage->SetChecked(inAverage);
    }
    // Presses "Dodaj przedmiot" and answers Yes to the question naming the subject as
    // `shownName`.
    void AddConfirmed(const std::string& shownName) {
        boxes.Expect("Czy napewno chesz dodać przedmiot " + shownName + " ?", "Quirvale 2",
                     kQuestion, platform::answer::Yes);
        ui().btnAddSubject->click();
    }
    Ui::TSubjectsAddForm& ui() { return form.Ui(); }

    testing_support::ScriptedMessageBoxes boxes;
    TDataFile document;
    testing_support::FakeMainServices main{&document};
    TSubjectsAddForm form{document, main};
};

TEST_F(SubjectsAddFormTest, OpensEmptyWithTheAverageBoxTicked) {
    EXPECT_EQ("Dodaj przedmiot", form.windowTitle().toStdString());
    EXPECT_EQ("Dodaj przedmiot", ui().btnAddSubject->text().toStdString());
    EXPECT_EQ("Wyjście", ui().btnExit->text().toStdString());
    EXPECT_EQ("Czy przedmiot ma być wliczany do średniej?",
              ui().checkInAverage->text().toStdString());
    Fill("Fizyka", "Nowak", "x", false);
    form.hide();
    form.show();
    EXPECT_TRUE(ui().editName->text().isEmpty());
    EXPECT_TRUE(ui().edTeacher->text().isEmpty());
    EXPECT_TRUE(ui().memoComment->Text().empty());
    EXPECT_TRUE(ui().checkInAverage->Checked());
}

TEST_F(SubjectsAddFormTest, YesAppendsTheSubjectAndTheDialogStaysOpen) {
    testing_support::AddSubject(document, "Biologia");
    Fill("Matematyka", "Kowalska", "Zeszyt w kratkę\r\nCyrkiel", false);
    AddConfirmed("Matematyka");

    ASSERT_EQ(2, document.Subjects.Count);
    const TSubject& added = *document.Subjects.Get(1);
    EXPECT_EQ("Matematyka", added.Name);
    EXPECT_EQ("Kowalska", added.Teacher);
    EXPECT_EQ("Zeszyt w kratkę\r\nCyrkiel", added.Comment);
    EXPECT_EQ(0, added.InAverage);
    EXPECT_EQ(kNoFinalMark, added.FinalMark);
    EXPECT_EQ(0, added.Marks.Count);
    EXPECT_EQ(1, main.modifiedCalls);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ("Matematyka", ui().editName->text().toStdString());
}

TEST_F(SubjectsAddFormTest, NoAddsNothingAndASecondYesAddsTheSameSubjectAgain) {
    Fill("", "", "", true);
    boxes.Expect("Czy napewno chesz dodać przedmiot  ?", "Quirvale 2", kQuestion,
                 platform::answer::No);
    ui().btnAddSubject->click();
    EXPECT_EQ(0, document.Subjects.Count);
    EXPECT_FALSE(document.Modified);

    // An empty name is accepted, as often as asked.
    for (int i = 0; i < 2; ++i)
        boxes.Expect("Czy napewno chesz dodać przedmiot  ?", "Quirvale 2", kQuestion,
                     platform::answer::Yes);
    ui().btnAddSubject->click();
    ui().btnAddSubject->click();
    ASSERT_EQ(2, document.Subjects.Count);
    EXPECT_EQ("", document.Subjects.Get(1)->Name);
    EXPECT_EQ(1, document.Subjects.Get(1)->InAverage);
}

TEST_F(SubjectsAddFormTest, TypedTextsKeepToWhatTheDocumentFileCanHold) {
    // Cyrillic is outside the document's code page; Polish letters and the euro sign are in it.
    ui().editName->setFocus();
    user_input::Type(*ui().editName, QString::fromUtf8("Żaba жx"));
    ui().edTeacher->setFocus();
    user_input::Type(*ui().edTeacher, QString::fromUtf8("Ćma ж€"));
    ui().memoComment->setFocus();
    user_input::Type(*ui().memoComment, QString::fromUtf8("łyżwy ж"));
    AddConfirmed("Żaba x");
    ASSERT_EQ(1, document.Subjects.Count);
    EXPECT_EQ("Żaba x", document.Subjects.Get(0)->Name);
    EXPECT_EQ("Ćma €", document.Subjects.Get(0)->Teacher);
    EXPECT_EQ("łyżwy ", document.Subjects.Get(0)->Comment);
}

// As an on-screen keyboard or voice control puts them in: what the file cannot hold is dropped
// from the screen as from the subject, and the comment's line break stays CR LF.
TEST_F(SubjectsAddFormTest, TextsPutInThroughTheAccessibilityInterfaceKeepToTheCodePage) {
    accessible_actions::ReplaceText(*ui().editName, QString::fromUtf8("Fizyka😀"));
    accessible_actions::SetValue(*ui().memoComment, QString::fromUtf8("m1\r\nm2😀中Ж"));
    accessible_actions::InsertText(*ui().memoComment, 0, QString::fromUtf8("Ж→"));
    EXPECT_EQ("m1\r\nm2", ui().memoComment->Text());
    AddConfirmed("Fizyka");
    ASSERT_EQ(1, document.Subjects.Count);
    EXPECT_EQ("m1\r\nm2", document.Subjects.Get(0)->Comment);
}

// A name pasted over several lines is stored, and asked about, as the one line the field shows.
TEST_F(SubjectsAddFormTest, APastedNameAndTeacherAreStoredOnOneLine) {
    ui().editName->setFocus();
    user_input::Paste(*ui().editName, "Bio-X\r\nChemia\n");
    ui().edTeacher->setFocus();
    user_input::Paste(*ui().edTeacher, "Anna\rNowak");
    AddConfirmed("Bio-X Chemia ");
    ASSERT_EQ(1, document.Subjects.Count);
    EXPECT_EQ("Bio-X Chemia ", document.Subjects.Get(0)->Name);
    EXPECT_EQ("Anna Nowak", document.Subjects.Get(0)->Teacher);
}

TEST_F(SubjectsAddFormTest, ExitClosesWithoutAsking) {
    ui().btnExit->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(0, main.modifiedCalls);
}

}  // namespace

TEST_F(MainWindowTest, AddingASubjectListsItInTheMainWindow) {
    TMainForm& form = Open();
    form.show();
    boxes.Expect("Czy napewno chesz dodać przedmiot Chemia ?", "Quirvale 2", kQuestion,
                 platform::answer::Yes);
    testing_support::ExpectModal<TSubjectsAddForm>([&] { ui().mSubjectAdd->trigger(); },
                                                   [&](TSubjectsAddForm& dialog) {
                                                       dialog.Ui().editName->setText("Chemia");
                                                       dialog.Ui().btnAddSubject->click();
                                                       dialog.Ui().btnExit->click();
                                                   });
    ASSERT_EQ(1, form.DataFile.Subjects.Count);
    EXPECT_TRUE(form.IsModified());
    EXPECT_EQ(1, ui().cbSubject->count());
    EXPECT_EQ("Chemia", ui().cbSubject->currentText().toStdString());

    // The subject pop-up's "Nowy..." runs the same command.
    QAction* newItem = form.findChild<QAction*>("pmNewSubject");
    ASSERT_NE(nullptr, newItem);
    testing_support::ExpectModal<TSubjectsAddForm>(
        [&] { newItem->trigger(); },
        [&](TSubjectsAddForm& dialog) { dialog.Ui().btnExit->click(); });
    EXPECT_EQ(1, form.DataFile.Subjects.Count);

    // The addition is a change to keep: closing asks about it.
    boxes.ExpectSaveQuestion(platform::answer::Cancel);
    form.close();
    EXPECT_TRUE(form.isVisible());
}
