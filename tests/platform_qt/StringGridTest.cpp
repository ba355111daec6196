#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLineEdit>

#include "UserInput.h"
#include "platform/qt/StringGrid.h"

namespace platform {
namespace {

// The final marks grid: two columns, a fixed header row and one row per subject.
class StringGridTest : public ::testing::Test {
  protected:
    StringGridTest() {
        grid_.SetColCount(2);
        grid_.SetRowCount(2);
        grid_.SetFixedRows(1);
        grid_.SetCells(0, 0, "Przedmiot");
        grid_.SetCells(1, 0, "Ocena");
        grid_.resize(240, 160);
        grid_.show();
        QObject::connect(&grid_, &StringGrid::selectCell, [this](int col, int row) {
            selected_.push_back({col, row});
        });
    }

    QPoint CentreOf(int col, int row) {
        return grid_.visualRect(grid_.model()->index(row - 1, col)).center();
    }

    StringGrid grid_;
    std::vector<std::pair<int, int>> selected_;
};

TEST_F(StringGridTest, RowZeroIsTheHeader) {
    EXPECT_EQ(grid_.RowCount(), 2);
    EXPECT_EQ(grid_.Cells(0, 0), "Przedmiot");
    EXPECT_EQ(grid_.Cells(1, 0), "Ocena");
    EXPECT_TRUE(grid_.horizontalHeader()->isVisible());
    EXPECT_EQ(grid_.horizontalHeaderItem(1)->text(), "Ocena");
    EXPECT_EQ(grid_.rowCount(), 1);  // one selectable row
}

TEST_F(StringGridTest, CellsBelowTheHeader) {
    grid_.SetRowCount(4);
    grid_.SetCells(0, 3, "Fizyka");
    grid_.SetCells(1, 3, "brak");
    grid_.SetCells(1, 1, "5+");
    grid_.SetCells(1, 1, "4");
    EXPECT_EQ(grid_.Cells(0, 3), "Fizyka");
    EXPECT_EQ(grid_.Cells(1, 3), "brak");
    EXPECT_EQ(grid_.Cells(1, 1), "4");
    EXPECT_EQ(grid_.Cells(0, 2), "");
    grid_.SetCells(2, 1, "poza");
    grid_.SetCells(0, 4, "poza");
    EXPECT_EQ(grid_.Cells(2, 1), "");
    EXPECT_EQ(grid_.Cells(0, 4), "");
    grid_.SetRowCount(2);
    EXPECT_EQ(grid_.Cells(0, 0), "Przedmiot");
    EXPECT_EQ(grid_.Cells(1, 1), "4");
}

TEST_F(StringGridTest, UserSelectionReportsGridRows) {
    grid_.SetRowCount(3);
    user_input::Press(*grid_.viewport(), CentreOf(0, 2));
    user_input::Release(*grid_.viewport(), CentreOf(0, 2));
    user_input::Press(*grid_.viewport(), CentreOf(0, 2));  // the same cell again
    user_input::KeyPress(grid_, Qt::Key_Up);
    EXPECT_EQ(selected_, (std::vector<std::pair<int, int>>{{0, 2}, {0, 2}, {0, 1}}));
}

TEST_F(StringGridTest, CellsAreNotEditable) {
    grid_.SetCells(0, 1, "Fizyka");
    grid_.setCurrentCell(0, 0);
    user_input::Type(grid_, "x");
    user_input::KeyPress(grid_, Qt::Key_F2);
    EXPECT_EQ(grid_.Cells(0, 1), "Fizyka");
    EXPECT_EQ(grid_.viewport()->findChild<QLineEdit*>(), nullptr);  // no cell editor
    EXPECT_TRUE(selected_.empty());
}

TEST(StringGrid, FixedRowKeepsItsTextsEitherWay) {
    StringGrid grid;
    grid.SetColCount(2);
    grid.SetRowCount(3);
    grid.SetCells(0, 0, "Przedmiot");
    grid.SetCells(0, 1, "Fizyka");
    grid.SetFixedRows(1);
    EXPECT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(grid.Cells(0, 0), "Przedmiot");
    EXPECT_EQ(grid.Cells(0, 1), "Fizyka");
    grid.SetFixedRows(0);
    EXPECT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(grid.Cells(0, 0), "Przedmiot");
    EXPECT_EQ(grid.Cells(0, 1), "Fizyka");
}

}  // namespace
}  // namespace platform
