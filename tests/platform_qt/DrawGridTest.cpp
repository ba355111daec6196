#include <gtest/gtest.h>

#include <QImage>
#include <QScrollBar>
#include <algorithm>

#include "UserInput.h"
#include "platform/qt/DrawGrid.h"
#include "platform/qt/QtColor.h"

namespace platform {
namespace {

struct DrawnCell {
    int col;
    int row;
    Rect rect;
    bool selected;
    bool operator==(const DrawnCell&) const = default;
};

// A grid one column wide, 16-pixel rows, tall enough for 5 whole rows.
class DrawGridTest : public ::testing::Test {
  protected:
    DrawGridTest() {
        grid_.SetColCount(1);
        grid_.SetDefaultRowHeight(16);
        grid_.SetDrawCell(
            [this](Canvas& canvas, int col, int row, const Rect& rect, bool selected) {
                drawn_.push_back({col, row, rect, selected});
                canvas.SetBrushColor(selected ? 0x0000FF : 0xFFFFFF);
                canvas.FillRect(rect);
            });
        grid_.show();
        const int frame = grid_.height() - grid_.viewport()->height();
        grid_.resize(200, 5 * 16 + 8 + frame);
        grid_.SetDefaultColWidth(grid_.viewport()->width());
        QObject::connect(&grid_, &DrawGrid::click, [this] { events_.push_back("click"); });
        QObject::connect(&grid_, &DrawGrid::doubleClick,
                         [this] { events_.push_back("doubleClick"); });
        QObject::connect(&grid_, &DrawGrid::selectCell, [this](int col, int row) {
            events_.push_back("select " + std::to_string(col) + "," + std::to_string(row) +
                              " from " + std::to_string(grid_.Row()));
        });
    }

    // Paints the grid and returns the cells it drew, top first.
    std::vector<DrawnCell> Paint() {
        drawn_.clear();
        image_ = grid_.viewport()->grab().toImage();
        return drawn_;
    }

    QPoint InRow(int visibleRow) const { return QPoint(10, visibleRow * 16 + 8); }

    DrawGrid grid_;
    std::vector<DrawnCell> drawn_;
    std::vector<std::string> events_;
    QImage image_;
};

TEST_F(DrawGridTest, KeepsAtLeastOneRow) {
    grid_.SetRowCount(0);
    EXPECT_EQ(grid_.RowCount(), 1);
    grid_.SetRowCount(-3);
    EXPECT_EQ(grid_.RowCount(), 1);
    grid_.SetRowCount(12);
    EXPECT_EQ(grid_.RowCount(), 12);
}

TEST_F(DrawGridTest, DrawsEveryVisibleCellStackedByRowHeight) {
    grid_.SetRowCount(3);
    const auto cells = Paint();
    const int width = grid_.viewport()->width();
    ASSERT_EQ(cells.size(), 3u);
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(cells[row], (DrawnCell{0, row, {0, row * 16, width, row * 16 + 16}, row == 0}));
    }
}

TEST_F(DrawGridTest, DrawsOnlyTheRowsThatShow) {
    grid_.SetRowCount(40);
    const auto cells = Paint();
    ASSERT_FALSE(cells.empty());
    EXPECT_EQ(cells.size(), 6u);  // five whole rows and part of the sixth
    EXPECT_LT(cells.back().rect.top, grid_.viewport()->height());
    EXPECT_GT(cells.back().rect.bottom, grid_.viewport()->height());
}

TEST_F(DrawGridTest, CellsPaintThroughTheCanvas) {
    grid_.SetRowCount(3);
    grid_.SetRow(1);
    Paint();
    EXPECT_EQ(FromQColor(image_.pixelColor(5, 16 + 3)), 0x0000FFu);
    EXPECT_EQ(FromQColor(image_.pixelColor(5, 3)), 0xFFFFFFu);
}

TEST_F(DrawGridTest, ProgramSelectionClampsScrollsAndEmitsNothing) {
    grid_.SetRowCount(40);
    grid_.SetRow(20);
    EXPECT_EQ(grid_.Row(), 20);
    auto cells = Paint();
    // The selected row comes into view at the bottom.
    const auto selected =
        std::find_if(cells.begin(), cells.end(), [](auto& c) { return c.selected; });
    ASSERT_NE(selected, cells.end());
    EXPECT_EQ(selected->row, 20);
    EXPECT_LE(selected->rect.bottom, grid_.viewport()->height());
    EXPECT_EQ(cells.front().row, 16);
    grid_.SetRow(99);
    EXPECT_EQ(grid_.Row(), 39);
    grid_.SetRowCount(5);
    EXPECT_EQ(grid_.Row(), 4);
    EXPECT_EQ(Paint().front().row, 0);
    EXPECT_TRUE(events_.empty());
}

TEST_F(DrawGridTest, MousePressSelectsAndReleaseClicks) {
    grid_.SetRowCount(3);
    user_input::Press(*grid_.viewport(), InRow(2));
    EXPECT_EQ(events_, std::vector<std::string>{"select 0,2 from 0"});
    EXPECT_EQ(grid_.Row(), 2);
    user_input::Release(*grid_.viewport(), InRow(2));
    EXPECT_EQ(events_.back(), "click");
}

TEST_F(DrawGridTest, ClicksBelowTheRowsSelectNothing) {
    grid_.SetRowCount(2);
    user_input::Click(*grid_.viewport(), InRow(4));
    EXPECT_TRUE(events_.empty());
    EXPECT_EQ(grid_.Row(), 0);
}

TEST_F(DrawGridTest, DoubleClickAnywhere) {
    grid_.SetRowCount(3);
    user_input::DoubleClick(*grid_.viewport(), InRow(1));
    EXPECT_EQ(events_, (std::vector<std::string>{"select 0,1 from 0", "click", "doubleClick"}));
    events_.clear();
    user_input::DoubleClick(*grid_.viewport(), InRow(4));
    EXPECT_EQ(events_, std::vector<std::string>{"doubleClick"});
}

TEST_F(DrawGridTest, KeysMoveTheSelection) {
    grid_.SetRowCount(40);
    user_input::KeyPress(grid_, Qt::Key_Down);
    EXPECT_EQ(events_, (std::vector<std::string>{"select 0,1 from 0", "click"}));
    user_input::KeyPress(grid_, Qt::Key_PageDown);
    EXPECT_EQ(grid_.Row(), 6);
    user_input::KeyPress(grid_, Qt::Key_End);
    EXPECT_EQ(grid_.Row(), 39);
    EXPECT_EQ(Paint().back().row, 39);
    user_input::KeyPress(grid_, Qt::Key_PageUp);
    EXPECT_EQ(grid_.Row(), 34);
    user_input::KeyPress(grid_, Qt::Key_Home);
    EXPECT_EQ(grid_.Row(), 0);
    EXPECT_EQ(Paint().front().row, 0);
    events_.clear();
    user_input::KeyPress(grid_, Qt::Key_Up);  // already at the top
    EXPECT_TRUE(events_.empty());
}

TEST_F(DrawGridTest, KeyUpReportsTheDeleteKeyOncePerRelease) {
    std::vector<int> keys;
    QObject::connect(&grid_, &DrawGrid::keyUp, [&](int key) { keys.push_back(key); });
    user_input::KeyRelease(grid_, Qt::Key_Delete, true);
    user_input::KeyRelease(grid_, Qt::Key_Delete);
    user_input::KeyRelease(grid_, Qt::Key_A);
    EXPECT_EQ(keys, (std::vector<int>{Qt::Key_Delete, Qt::Key_A}));
}

TEST_F(DrawGridTest, ScrollBarScrollsByRows) {
    grid_.SetRowCount(40);
    grid_.verticalScrollBar()->setValue(3);
    const auto cells = Paint();
    EXPECT_EQ(cells.front().row, 3);
    EXPECT_EQ(cells.front().rect.top, 0);
    EXPECT_EQ(grid_.verticalScrollBar()->maximum(), 40 - 5);
}

}  // namespace
}  // namespace platform
