#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QTest>

#include "app/AddMarkForm.h"
#include "app/FinalMarksEditorForm.h"
#include "platform/qt/Panel.h"
#include "platform/qt/StringGrid.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/DocumentBuilder.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/qt/AccessibleActions.h"
#include "tests/support/qt/FakeMainServices.h"
#include "tests/support/qt/ModalWatch.h"
#include "tests/support/qt/UserInput.h"
#include "ui_AddMarkForm.h"
#include "ui_FinalMarksEditorForm.h"
#include "ui_Main.h"

namespace {

// Clicks a cell of the grid; row 1 is the first row under the header.
void ClickCell(platform::StringGrid& grid, int col, int row) {
    const QRect cell = grid.visualRect(grid.model()->index(row - 1, col));
    user_input::Click(*grid.viewport(), cell.center());
}

// Picks a mark in the keypad that "..." opens, or cancels it when `button` is null.
void PickThroughKeypad(QPushButton& selectMark, platform::SpeedButton* Ui::TAddMarkForm::*button) {
    testing_support::ExpectModal<TAddMarkForm>([&] { selectMark.click(); },
                                               [&](TAddMarkForm& keypad) {
                                                   if (button == nullptr) {
                                                       keypad.Ui().btnCancel->click();
                                                       return;
                                                   }
                                                   (keypad.Ui().*button)->click();
                                                   keypad.Ui().btnAccept->click();
                                               });
}

class FinalMarksEditorFormTest : public ::testing::Test {
  protected:
    Ui::TFinalMarksEditorForm& ui() { return editor.Ui(); }
    platform::StringGrid& grid() { return *editor.Ui().SubjectsList; }
    std::vector<std::string> Column(int col) {
        std::vector<std::string> cells;
        for (int row = 0; row < grid().RowCount(); ++row) cells.push_back(grid().Cells(col, row));
        return cells;
    }

    testing_support::ScriptedMessageBoxes boxes;
    TDataFile document;
    testing_support::FakeMainServices main{&document};
    TAddMarkForm keypad{main};
    TFinalMarksEditorForm editor{document, main, keypad};
};

TEST_F(FinalMarksEditorFormTest, ListsEverySubjectWithItsFinalMark) {
    testing_support::AddSubject(document, "Polski", {}, 1, 12);
    testing_support::AddSubject(document, "Fizyka", {}, 1, kNoFinalMark);
    editor.show();
    EXPECT_EQ("Oceny końcowe", editor.windowTitle().toStdString());
    EXPECT_EQ((std::vector<std::string>{"Przedmiot", "Polski", "Fizyka"}), Column(0));
    EXPECT_EQ((std::vector<std::string>{"Ocena", "5", "brak"}), Column(1));
    EXPECT_EQ("", ui().edName->Caption());
    EXPECT_EQ("", ui().edMark->Caption());
    EXPECT_GT(grid().columnWidth(0), grid().columnWidth(1));

    ClickCell(grid(), 1, 2);
    EXPECT_EQ("Fizyka", ui().edName->Caption());
    EXPECT_EQ("brak", ui().edMark->Caption());
    ClickCell(grid(), 0, 1);
    EXPECT_EQ("Polski", ui().edName->Caption());
    EXPECT_EQ("5", ui().edMark->Caption());
}

TEST_F(FinalMarksEditorFormTest, TenSubjectsShowWholeUnderTheHeaderWithoutScrolling) {
    for (int i = 1; i <= 10; ++i)
        testing_support::AddSubject(document, "Przedmiot " + std::to_string(i), {}, 1, 12);
    editor.show();
    QCoreApplication::processEvents();
    const QWidget& rows = *grid().viewport();
    EXPECT_TRUE(grid().horizontalHeader()->isVisible());
    EXPECT_GE(grid().horizontalHeader()->height(), grid().horizontalHeader()->sizeHint().height());
    EXPECT_LE(grid().rowViewportPosition(9) + grid().rowHeight(9), rows.height());
    EXPECT_FALSE(grid().verticalScrollBar()->isVisible());
}

TEST_F(FinalMarksEditorFormTest, AnEmptyDocumentHasOneEmptyRowAndNothingToStore) {
    editor.show();
    EXPECT_EQ(2, grid().RowCount());
    EXPECT_EQ("", grid().Cells(0, 1));
    EXPECT_EQ("", grid().Cells(1, 1));
    // The empty row selects nothing, so "..." opens no keypad and "X" changes nothing.
    ClickCell(grid(), 0, 1);
    EXPECT_EQ("", ui().edName->Caption());
    testing_support::ExpectNoModal([&] { ui().btnSelectMark->click(); }, "\"...\"");
    ui().btnDelMark->click();
    ui().btnOK->click();
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(0, main.modifiedCalls);
}

TEST_F(FinalMarksEditorFormTest, WithoutASelectedRowTheButtonsDoNothing) {
    testing_support::AddSubject(document, "Polski", {}, 1, 12);
    editor.show();
    testing_support::ExpectNoModal([&] { ui().btnSelectMark->click(); }, "\"...\"");
    ui().btnDelMark->click();
    EXPECT_EQ((std::vector<std::string>{"Ocena", "5"}), Column(1));
}

TEST_F(FinalMarksEditorFormTest, XShowsBrakAtOnceAndOkStoresIt) {
    TSubject* polski = testing_support::AddSubject(document, "Polski", {}, 1, 12);
    TSubject* fizyka = testing_support::AddSubject(document, "Fizyka", {}, 1, 9);
    editor.show();
    ClickCell(grid(), 0, 1);
    ui().btnDelMark->click();
    EXPECT_EQ("brak", grid().Cells(1, 1));
    EXPECT_EQ("brak", ui().edMark->Caption());
    EXPECT_EQ(12, polski->FinalMark);  // only the working copy so far

    ui().btnOK->click();
    EXPECT_EQ(kNoFinalMark, polski->FinalMark);
    EXPECT_EQ(9, fizyka->FinalMark);
    EXPECT_EQ(1, main.modifiedCalls);
    EXPECT_FALSE(editor.isVisible());
}

TEST_F(FinalMarksEditorFormTest, ARowSelectedThroughAccessibilityIsTheOneChanged) {
    testing_support::AddSubject(document, "Polski", {}, 1, 12);
    TSubject* fizyka = testing_support::AddSubject(document, "Fizyka", {}, 1, 9);
    editor.show();
    accessible_actions::ToggleItem(grid(), 1, 0);
    EXPECT_EQ("Fizyka", ui().edName->Caption());
    ui().btnDelMark->click();
    ui().btnOK->click();
    EXPECT_EQ(kNoFinalMark, fizyka->FinalMark);
}

TEST_F(FinalMarksEditorFormTest, APickThroughTheKeypadIsKeptOnlyByOk) {
    TSubject* polski = testing_support::AddSubject(document, "Polski", {12}, 1, kNoFinalMark);
    editor.show();
    ClickCell(grid(), 0, 1);
    PickThroughKeypad(*ui().btnSelectMark, &Ui::TAddMarkForm::btn4p);
    EXPECT_EQ("4+", grid().Cells(1, 1));
    EXPECT_EQ("4+", ui().edMark->Caption());
    // The keypad's accept marks the document at once, even when the editor is cancelled.
    EXPECT_EQ(1, main.modifiedCalls);
    EXPECT_EQ(1, polski->Marks.Count);  // the subject's own marks are not touched

    ui().btnCancel->click();
    EXPECT_EQ(kNoFinalMark, polski->FinalMark);
    EXPECT_TRUE(document.Modified);

    // Every showing starts from the document, with no row picked.
    editor.show();
    EXPECT_EQ("brak", grid().Cells(1, 1));
    EXPECT_EQ("", ui().edName->Caption());
    EXPECT_TRUE(grid().selectedItems().isEmpty());
    ui().btnDelMark->click();
    ClickCell(grid(), 0, 1);
    PickThroughKeypad(*ui().btnSelectMark, nullptr);  // cancelled: the value stays
    EXPECT_EQ("brak", ui().edMark->Caption());
    PickThroughKeypad(*ui().btnSelectMark, &Ui::TAddMarkForm::btn6);
    ui().btnOK->click();
    EXPECT_EQ(15, polski->FinalMark);
}

TEST_F(FinalMarksEditorFormTest, TheKeyboardReachesTheButtonsAndComesBackToTheRowFromTheKeypad) {
    testing_support::AddSubject(document, "Polski", {}, 1, 12);
    TSubject* fizyka = testing_support::AddSubject(document, "Fizyka", {}, 1, kNoFinalMark);
    editor.show();
    QApplication::setActiveWindow(&editor);
    grid().setFocus(Qt::TabFocusReason);
    QTest::keyClick(&grid(), Qt::Key_Down);
    QTest::keyClick(&grid(), Qt::Key_Down);
    EXPECT_EQ("Fizyka", ui().edName->Caption());
    QTest::keyClick(&grid(), Qt::Key_Tab);
    ASSERT_EQ(ui().btnSelectMark, editor.focusWidget());

    testing_support::ExpectModal<TAddMarkForm>(
        [&] { QTest::keyClick(ui().btnSelectMark, Qt::Key_Space); },
        [](TAddMarkForm& keypad) {
            keypad.Ui().btn5->click();
            keypad.Ui().btnAccept->click();
        });
    EXPECT_EQ("5", ui().edMark->Caption());
    EXPECT_EQ(&grid(), editor.focusWidget());
    EXPECT_EQ(1, grid().currentRow());  // still on "Fizyka"

    QTest::keyClick(&grid(), Qt::Key_Tab);
    QTest::keyClick(editor.focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(ui().btnDelMark, editor.focusWidget());
    QTest::keyClick(editor.focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(ui().btnOK, editor.focusWidget());
    QTest::keyClick(editor.focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(ui().btnCancel, editor.focusWidget());
    grid().setFocus(Qt::TabFocusReason);
    QTest::keyClick(&grid(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(ui().btnCancel, editor.focusWidget());

    QTest::keyClick(ui().btnOK, Qt::Key_Space);
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(12, fizyka->FinalMark);
}

// Tab brings the focus into the grid with its frame on the first subject: the first arrow key
// chooses that subject, not the next one, and "X" then clears its mark.
TEST_F(FinalMarksEditorFormTest, TheFirstArrowKeyAfterTabEntryChoosesTheFirstSubject) {
    TSubject* polski = testing_support::AddSubject(document, "Polski", {}, 1, 12);
    TSubject* fizyka = testing_support::AddSubject(document, "Fizyka", {}, 1, 9);
    editor.show();
    user_input::Activate(editor);
    fprintf(stderr, "after open: focus %s cur %d,%d\n",
            qPrintable(QApplication::focusWidget() ? QApplication::focusWidget()->objectName()
                                                   : "none"),
            grid().currentRow(), grid().currentColumn());
    ui().btnCancel->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(ui().btnCancel, Qt::Key_Tab);
    fprintf(stderr, "after tab: cur %d,%d\n", grid().currentRow(), grid().currentColumn());
    ASSERT_EQ(&grid(), editor.focusWidget());
    QTest::keyClick(&grid(), Qt::Key_Down);
    EXPECT_EQ("Polski", ui().edName->Caption());
    EXPECT_EQ("5", ui().edMark->Caption());

    QTest::keyClick(&grid(), Qt::Key_Tab);
    QTest::keyClick(editor.focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(ui().btnDelMark, editor.focusWidget());
    QTest::keyClick(ui().btnDelMark, Qt::Key_Space);
    EXPECT_EQ("brak", grid().Cells(1, 1));
    QTest::keyClick(ui().btnDelMark, Qt::Key_Tab);
    QTest::keyClick(ui().btnOK, Qt::Key_Space);
    EXPECT_EQ(kNoFinalMark, polski->FinalMark);
    EXPECT_EQ(9, fizyka->FinalMark);
}

// The subject the details show stays the one the grid shows chosen, for "X" to act on.
TEST_F(FinalMarksEditorFormTest, APressBelowTheSubjectsKeepsTheChosenOne) {
    testing_support::AddSubject(document, "Polski", {}, 1, 12);
    TSubject* fizyka = testing_support::AddSubject(document, "Fizyka", {}, 1, 9);
    editor.show();
    ClickCell(grid(), 0, 2);
    const QPoint below(5, grid().viewport()->height() - 3);
    ASSERT_FALSE(grid().indexAt(below).isValid());
    user_input::Click(*grid().viewport(), below);
    EXPECT_EQ(grid().selectionModel()->selectedIndexes(),
              QModelIndexList{grid().model()->index(1, 0)});
    EXPECT_EQ("Fizyka", ui().edName->Caption());
    ui().btnDelMark->click();
    ui().btnOK->click();
    EXPECT_EQ(kNoFinalMark, fizyka->FinalMark);
}

TEST_F(FinalMarksEditorFormTest, OkWithoutChangesStillStoresAndMarksModified) {
    testing_support::AddSubject(document, "Polski", {}, 1, 12);
    editor.show();
    ui().btnOK->click();
    EXPECT_EQ(1, main.modifiedCalls);
    EXPECT_EQ(12, document.Subjects.Get(0)->FinalMark);
}

TEST_F(FinalMarksEditorFormTest, EscapeDropsTheWorkingCopy) {
    TSubject* polski = testing_support::AddSubject(document, "Polski", {}, 1, 12);
    editor.show();
    ClickCell(grid(), 0, 1);
    ui().btnDelMark->click();
    editor.reject();
    EXPECT_EQ(12, polski->FinalMark);
    EXPECT_EQ(0, main.modifiedCalls);
    // Closed, the editor has no working copy left to change.
    ui().btnDelMark->click();
    EXPECT_EQ(12, polski->FinalMark);
}

}  // namespace

TEST_F(MainWindowTest, FinalMarksRefreshTheBrowserAndTheAverages) {
    TMainForm& form = Open();
    testing_support::AddSubject(form.DataFile, "Polski", {12});
    testing_support::AddSubject(form.DataFile, "Fizyka", {12});
    form.RefreshSubjectsList();
    form.show();
    testing_support::ExpectModal<TFinalMarksEditorForm>(
        [&] { ui().btnFinalMarks->click(); },
        [](TFinalMarksEditorForm& editor) {
            platform::StringGrid& grid = *editor.Ui().SubjectsList;
            ClickCell(grid, 0, 1);
            PickThroughKeypad(*editor.Ui().btnSelectMark, &Ui::TAddMarkForm::btn5);
            ClickCell(grid, 0, 2);
            PickThroughKeypad(*editor.Ui().btnSelectMark, &Ui::TAddMarkForm::btn4);
            editor.Ui().btnOK->click();
        });
    EXPECT_EQ("5", ui().lblFinalMark->text().toStdString());
    EXPECT_EQ("4,5", ui().lblFinalMarksAverage->text().toStdString());
    EXPECT_TRUE(form.IsModified());

    testing_support::ExpectModal<TFinalMarksEditorForm>(
        [&] { ui().mFinalMarks->trigger(); },
        [](TFinalMarksEditorForm& editor) { editor.Ui().btnCancel->click(); });
}
