#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/AddMarkForm.h"
#include "app/FinalMarksEditorForm.h"
#include "app/SubjectModifyForm.h"
#include "app/SubjectsAddForm.h"
#include "platform/qt/CheckBox.h"
#include "platform/qt/Edit.h"
#include "platform/qt/Memo.h"
#include "platform/qt/StringGrid.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/DocumentBuilder.h"
#include "tests/support/qt/AccessibleActions.h"
#include "tests/support/qt/ModalWatch.h"
#include "tests/support/qt/UserInput.h"
#include "ui_AddMarkForm.h"
#include "ui_FinalMarksEditorForm.h"
#include "ui_SubjectModifyForm.h"
#include "ui_SubjectsAddForm.h"

namespace {

constexpr unsigned kQuestion = platform::mb::YesNo | platform::mb::IconQuestion;

void AddMark(Ui::TMainForm& ui, platform::SpeedButton* Ui::TAddMarkForm::*button) {
    testing_support::ExpectModal<TAddMarkForm>([&] { ui.mAddMark->trigger(); },
                                               [&](TAddMarkForm& keypad) {
                                                   (keypad.Ui().*button)->click();
                                                   keypad.Ui().btnAccept->click();
                                               });
}

// Changes the current subject, `name`, through "Modyfikuj przedmiot", confirmed: `change` is
// done to the window before its "Modyfikuj".
void ModifySubject(Ui::TMainForm& ui, testing_support::ScriptedMessageBoxes& boxes,
                   const std::string& name,
                   const std::function<void(TSubjectModifyForm&)>& change) {
    boxes.Expect("Czy chcesz zmodyfikować przedmiot " + name + "?", "Quirvale 2", kQuestion,
                 platform::answer::Yes);
    testing_support::ExpectModal<TSubjectModifyForm>([&] { ui.mSubjectModify->trigger(); },
                                                     [&](TSubjectModifyForm& dialog) {
                                                         change(dialog);
                                                         dialog.Ui().btnModify->click();
                                                         dialog.Ui().btnExit->click();
                                                     });
}

// Adds one subject through "Dodaj przedmiot", confirmed under the name it shows, `shownName`:
// `fill` fills the window before its "Dodaj".
void AddOneSubject(Ui::TMainForm& ui, testing_support::ScriptedMessageBoxes& boxes,
                   const std::string& shownName,
                   const std::function<void(TSubjectsAddForm&)>& fill) {
    boxes.Expect("Czy napewno chesz dodać przedmiot " + shownName + " ?", "Quirvale 2", kQuestion,
                 platform::answer::Yes);
    testing_support::ExpectModal<TSubjectsAddForm>([&] { ui.mSubjectAdd->trigger(); },
                                                   [&](TSubjectsAddForm& dialog) {
                                                       fill(dialog);
                                                       dialog.Ui().btnAddSubject->click();
                                                       dialog.Ui().btnExit->click();
                                                   });
}

// Saves at `path` a document of one compulsory subject without marks.
void SaveOneSubject(const std::string& path, const std::string& name, const std::string& teacher,
                    const std::string& comment = "") {
    TDataFile stored;
    testing_support::MakeNew(stored);
    testing_support::AddSubject(stored, name, {}, 1, kNoFinalMark, teacher, comment);
    ASSERT_EQ(0, stored.SaveToFile(path));
}

}  // namespace

// The pupil's road: subjects added and changed, marks and a final mark entered through the
// windows, then saved, give the file of the same document built in code; reloading it and
// saving again changes no byte.
TEST_F(MainWindowTest, AGradeBookEditedThroughTheWindowsSavesAsBuiltInCode) {
    TMainForm& form = Open();
    form.show();
    boxes.Expect("Czy napewno chesz dodać przedmiot Matematyka ?", "Quirvale 2", kQuestion,
                 platform::answer::Yes);
    boxes.Expect("Czy napewno chesz dodać przedmiot Religia ?", "Quirvale 2", kQuestion,
                 platform::answer::Yes);
    testing_support::ExpectModal<TSubjectsAddForm>(
        [&] { ui().mSubjectAdd->trigger(); },
        [](TSubjectsAddForm& dialog) {
            dialog.Ui().editName->setText("Matematyka");
            dialog.Ui().edTeacher->setText("Kowalska");
            dialog.Ui().memoComment->SetText("Cyrkiel\r\nEkierka");
            dialog.Ui().btnAddSubject->click();
            dialog.Ui().editName->setText("Religia");
            dialog.Ui().edTeacher->clear();
            dialog.Ui().memoComment->SetText("");
            dialog.Ui().checkInAverage->SetChecked(false);
            dialog.Ui().btnAddSubject->click();
            dialog.Ui().btnExit->click();
        });

    AddMark(ui(), &Ui::TAddMarkForm::btn5);
    AddMark(ui(), &Ui::TAddMarkForm::btn3m);

    ModifySubject(ui(), boxes, "Matematyka",
                  [](TSubjectModifyForm& dialog) { dialog.Ui().edTeacher->setText("Nowak"); });

    testing_support::ExpectModal<TFinalMarksEditorForm>(
        [&] { ui().mFinalMarks->trigger(); },
        [](TFinalMarksEditorForm& editor) {
            platform::StringGrid& grid = *editor.Ui().SubjectsList;
            user_input::Click(*grid.viewport(),
                              grid.visualRect(grid.model()->index(1, 0)).center());
            testing_support::ExpectModal<TAddMarkForm>([&] { editor.Ui().btnSelectMark->click(); },
                                                       [](TAddMarkForm& keypad) {
                                                           keypad.Ui().btn6->click();
                                                           keypad.Ui().btnAccept->click();
                                                       });
            editor.Ui().btnOK->click();
        });
    ASSERT_TRUE(form.IsModified());

    TDataFile built;
    testing_support::MakeNew(built);
    testing_support::AddSubject(built, "Matematyka", {12, 7}, 1, kNoFinalMark, "Nowak",
                                "Cyrkiel\r\nEkierka");
    testing_support::AddSubject(built, "Religia", {}, 0, 15);

    const std::string edited = programDir.File("edited.ocn");
    const std::string expected = programDir.File("built.ocn");
    const std::string again = programDir.File("again.ocn");
    ASSERT_EQ(0, form.DataFile.SaveToFile(edited));
    ASSERT_EQ(0, built.SaveToFile(expected));
    EXPECT_EQ(testing_support::ReadBytes(expected), testing_support::ReadBytes(edited));

    TDataFile reloaded;
    ASSERT_EQ(0, reloaded.LoadFromFile(edited));
    ASSERT_EQ(0, reloaded.SaveToFile(again));
    EXPECT_EQ(testing_support::ReadBytes(edited), testing_support::ReadBytes(again));
}

// The file holds what the memos show: a comment set through the accessibility interface loses
// only what the file cannot hold, and changing only the teacher keeps a comment byte for byte.
TEST_F(MainWindowTest, CommentsAreSavedAsTheMemosShowThem) {
    const std::string path = programDir.File("szkola.ocn");
    ASSERT_NO_FATAL_FAILURE(SaveOneSubject(path, "Polski", "Nowak", "x\ny\rz"));
    Open().show();
    files.ExpectOpen(path);
    ui().mOpen->trigger();

    ModifySubject(ui(), boxes, "Polski", [](TSubjectModifyForm& dialog) {
        platform::Edit& teacher = *dialog.Ui().edTeacher;
        teacher.setFocus();
        teacher.end(false);
        user_input::Type(teacher, "a");
    });
    AddOneSubject(ui(), boxes, "Fizyka", [](TSubjectsAddForm& dialog) {
        dialog.Ui().editName->setText("Fizyka");
        accessible_actions::SetValue(*dialog.Ui().memoComment, QString::fromUtf8("m1\r\nm2😀中Ж"));
    });
    ui().mSave->trigger();

    TDataFile reloaded;
    ASSERT_EQ(0, reloaded.LoadFromFile(path));
    ASSERT_EQ(2, reloaded.Subjects.Count);
    EXPECT_EQ("Nowaka", reloaded.Subjects.Get(0)->Teacher);
    EXPECT_EQ("x\ny\rz", reloaded.Subjects.Get(0)->Comment);
    EXPECT_EQ("m1\r\nm2", reloaded.Subjects.Get(1)->Comment);
}

// The file holds what the one-line fields show: a pasted name and teacher are saved on one
// line, and a stored name with its breaks is saved as it was when only the teacher changed.
TEST_F(MainWindowTest, PastedNamesAreSavedOnOneLine) {
    const std::string path = programDir.File("szkola.ocn");
    ASSERT_NO_FATAL_FAILURE(SaveOneSubject(path, "Bio\nlogia", "Nowak"));
    Open().show();
    files.ExpectOpen(path);
    ui().mOpen->trigger();

    ModifySubject(ui(), boxes, "Bio\nlogia", [](TSubjectModifyForm& dialog) {
        platform::Edit& teacher = *dialog.Ui().edTeacher;
        teacher.setFocus();
        teacher.selectAll();
        user_input::Paste(teacher, "Anna\r\nNowak\r\n");
    });
    AddOneSubject(ui(), boxes, "Bio-X Chemia ", [](TSubjectsAddForm& dialog) {
        platform::Edit& name = *dialog.Ui().editName;
        name.setFocus();
        user_input::Paste(name, "Bio-X\r\nChemia\n");
    });
    EXPECT_EQ("Bio-X Chemia ", ui().cbSubject->itemText(1).toStdString());
    ui().mSave->trigger();

    TDataFile reloaded;
    ASSERT_EQ(0, reloaded.LoadFromFile(path));
    ASSERT_EQ(2, reloaded.Subjects.Count);
    EXPECT_EQ("Bio\nlogia", reloaded.Subjects.Get(0)->Name);
    EXPECT_EQ("Anna Nowak ", reloaded.Subjects.Get(0)->Teacher);
    EXPECT_EQ("Bio-X Chemia ", reloaded.Subjects.Get(1)->Name);
}
