#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include "platform/qt/StringGrid.h"
#include "tests/support/qt/AccessibleActions.h"
#include "tests/support/qt/UserInput.h"

namespace platform {
namespace {

// The final marks grid: two columns, a fixed header row and one row per subject.
class StringGridTest : public ::testing::Test {
  protected:
    StringGridTest() {
        grid_.SetColCount(2);
        grid_.SetRowCount(3);
        grid_.SetCells(0, 0, "Przedmiot");
        grid_.SetCells(0, 1, "Fizyka");
        grid_.SetFixedRows(1);
        grid_.SetCells(1, 0, "Ocena");
        grid_.resize(240, 160);
        grid_.show();
    }

    StringGrid grid_;
};

TEST_F(StringGridTest, RowZeroIsTheHeader) {
    EXPECT_EQ(grid_.RowCount(), 3);
    EXPECT_EQ(grid_.rowCount(), 2);  // the selectable rows
    EXPECT_TRUE(grid_.horizontalHeader()->isVisible());
    EXPECT_EQ(grid_.Cells(0, 0), "Przedmiot");
    EXPECT_EQ(grid_.Cells(1, 0), "Ocena");
    EXPECT_EQ(grid_.Cells(0, 1), "Fizyka");
    grid_.SetCells(1, 2, "brak");
    grid_.SetCells(1, 3, "poza");
    EXPECT_EQ(grid_.Cells(1, 2), "brak");
    EXPECT_EQ(grid_.Cells(1, 3), "");
    grid_.SetFixedRows(0);
    EXPECT_EQ(grid_.Cells(0, 0), "Przedmiot");
    EXPECT_EQ(grid_.Cells(1, 2), "brak");
}

TEST_F(StringGridTest, UserSelectionReportsGridRows) {
    std::vector<int> rows;
    QObject::connect(&grid_, &StringGrid::selectCell, [&](int, int row) { rows.push_back(row); });
    const QPoint second = grid_.visualRect(grid_.model()->index(1, 0)).center();
    user_input::Click(*grid_.viewport(), second);
    user_input::Click(*grid_.viewport(), second);  // the same cell again
    user_input::KeyPress(grid_, Qt::Key_Up);
    user_input::KeyPress(grid_, Qt::Key_F2);  // cells are not editable
    EXPECT_EQ(rows, (std::vector<int>{2, 2, 1}));
    EXPECT_EQ(grid_.Cells(0, 1), "Fizyka");
}

TEST_F(StringGridTest, APressBelowTheRowsKeepsTheChosenCell) {
    std::vector<int> rows;
    QObject::connect(&grid_, &StringGrid::selectCell, [&](int, int row) { rows.push_back(row); });
    user_input::Click(*grid_.viewport(), grid_.visualRect(grid_.model()->index(1, 0)).center());
    const QPoint below(5, grid_.viewport()->height() - 3);
    ASSERT_FALSE(grid_.indexAt(below).isValid());
    user_input::Click(*grid_.viewport(), below);
    EXPECT_EQ(rows, std::vector<int>{2});
    EXPECT_EQ(grid_.selectionModel()->selectedIndexes(),
              QModelIndexList{grid_.model()->index(1, 0)});
}

TEST_F(StringGridTest, ACellSelectedThroughAccessibilityReportsItsRowOnce) {
    std::vector<std::pair<int, int>> cells;
    QObject::connect(&grid_, &StringGrid::selectCell,
                     [&](int col, int row) { cells.emplace_back(col, row); });
    accessible_actions::ToggleItem(grid_, 1, 1);
    accessible_actions::ToggleItem(grid_, 0, 0);
    EXPECT_EQ(cells, (std::vector<std::pair<int, int>>{{1, 2}, {0, 1}}));
}

TEST_F(StringGridTest, TheProgramsChangesReportNothing) {
    int reports = 0;
    QObject::connect(&grid_, &StringGrid::selectCell, [&] { ++reports; });
    accessible_actions::ToggleItem(grid_, 1, 1);
    reports = 0;
    grid_.SetRowCount(2);
    grid_.SetFixedRows(0);
    grid_.SetColCount(1);
    EXPECT_EQ(reports, 0);
}

TEST(StringGridKeys, TabLeavesTheGridTheArrowsMoveWithinIt) {
    QWidget window;
    auto* before = new QPushButton("Przed", &window);
    auto* grid = new StringGrid(&window);
    auto* after = new QPushButton("Po", &window);
    auto* layout = new QVBoxLayout(&window);
    for (QWidget* control :
         {static_cast<QWidget*>(before), static_cast<QWidget*>(grid), static_cast<QWidget*>(after)})
        layout->addWidget(control);
    grid->SetColCount(2);
    grid->SetRowCount(4);
    grid->SetFixedRows(1);
    std::vector<int> rows;
    QObject::connect(grid, &StringGrid::selectCell, [&](int, int row) { rows.push_back(row); });
    window.show();
    QApplication::setActiveWindow(&window);
    grid->setFocus(Qt::TabFocusReason);
    grid->SetRow(1);
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_Right);
    EXPECT_EQ(rows, (std::vector<int>{2, 2}));
    EXPECT_EQ(grid->currentColumn(), 1);

    QTest::keyClick(grid, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), after);
    grid->setFocus(Qt::TabFocusReason);
    QTest::keyClick(grid, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), before);
    EXPECT_EQ(grid->currentRow(), 1);  // the row the user left
    EXPECT_EQ(rows.size(), 2u);
}

// Qt puts the focus frame on the first cell when Tab brings the focus into the grid, and
// selects nothing: a keyboard user starts on that cell, with an arrow key or Space.
class StringGridKeysTest : public ::testing::Test {
  protected:
    StringGridKeysTest() {
        auto* layout = new QVBoxLayout(&window_);
        layout->addWidget(before_);
        layout->addWidget(grid_);
        grid_->SetColCount(2);
        grid_->SetRowCount(4);
        grid_->SetFixedRows(1);
        QObject::connect(grid_, &StringGrid::selectCell,
                         [this](int col, int row) { cells_.emplace_back(col, row); });
        window_.show();
        user_input::Activate(window_);
        before_->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(before_, Qt::Key_Tab);
    }

    QWidget window_;
    QPushButton* before_ = new QPushButton("Przed", &window_);
    StringGrid* grid_ = new StringGrid(&window_);
    std::vector<std::pair<int, int>> cells_;
};

TEST_F(StringGridKeysTest, TheFirstArrowKeySelectsTheCellTheFocusIsOn) {
    ASSERT_TRUE(grid_->hasFocus());
    ASSERT_FALSE(grid_->selectionModel()->hasSelection());
    QTest::keyClick(grid_, Qt::Key_Down);
    QTest::keyClick(grid_, Qt::Key_Down);
    EXPECT_EQ(cells_, (std::vector<std::pair<int, int>>{{0, 1}, {0, 2}}));
}

TEST_F(StringGridKeysTest, RightOrSpaceOnTheFocusedCellSelectsIt) {
    ASSERT_TRUE(grid_->hasFocus());
    QTest::keyClick(grid_, Qt::Key_Right);
    grid_->clearSelection();
    QTest::keyClick(grid_, Qt::Key_Space);
    EXPECT_EQ(cells_, (std::vector<std::pair<int, int>>{{0, 1}, {0, 1}}));
}

TEST_F(StringGridTest, SetRowMakesARowCurrentAndReportsNothing) {
    int reports = 0;
    QObject::connect(&grid_, &StringGrid::selectCell, [&] { ++reports; });
    grid_.SetRow(2);
    EXPECT_EQ(grid_.currentRow(), 1);
    EXPECT_EQ(grid_.selectionModel()->selectedIndexes().size(), 1);
    grid_.SetRow(0);  // the fixed row
    grid_.SetRow(3);  // past the last row
    EXPECT_EQ(grid_.currentRow(), 1);
    EXPECT_EQ(reports, 0);
}

}  // namespace
}  // namespace platform
