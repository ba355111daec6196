#include <gtest/gtest.h>

#include <QScrollBar>

#include "platform/qt/DrawGrid.h"
#include "platform/qt/QtColor.h"
#include "tests/support/qt/UserInput.h"

namespace platform {
namespace {

struct DrawnCell {
    int row;
    Rect rect;
    bool selected;
    bool operator==(const DrawnCell&) const = default;
};

// The time table's grid: one column as wide as the grid, 16-pixel rows, room for five whole
// rows and half a sixth. Records the cells drawn and the signals, with the row each sees.
class DrawGridTest : public ::testing::Test {
  protected:
    DrawGridTest() {
        grid_.SetColCount(1);
        grid_.SetDefaultRowHeight(16);
        grid_.SetDrawCell([this](Canvas& canvas, int, int row, const Rect& rect, bool selected) {
            drawn_.push_back({row, rect, selected});
            canvas.SetBrushColor(selected ? 0x0000FF : 0xFFFFFF);
            canvas.FillRect(rect);
        });
        grid_.show();
        grid_.resize(200, 5 * 16 + 8 + grid_.height() - grid_.viewport()->height());
        grid_.SetDefaultColWidth(grid_.viewport()->width());
        QObject::connect(&grid_, &DrawGrid::click, [this] { Log("click"); });
        QObject::connect(&grid_, &DrawGrid::doubleClick, [this] { Log("double"); });
        QObject::connect(&grid_, &DrawGrid::selectCell,
                         [this](int, int row) { Log("select " + std::to_string(row)); });
    }

    void Log(const std::string& event) {
        events_.push_back(event + " at " + std::to_string(grid_.Row()));
    }

    std::vector<DrawnCell> Paint() {
        drawn_.clear();
        image_ = grid_.viewport()->grab().toImage();
        return drawn_;
    }

    QPoint InRow(int shown) const { return QPoint(10, shown * 16 + 8); }

    DrawGrid grid_;
    std::vector<DrawnCell> drawn_;
    std::vector<std::string> events_;
    QImage image_;
};

TEST_F(DrawGridTest, DrawsTheVisibleRowsStackedOneUnderAnother) {
    grid_.SetRowCount(0);
    EXPECT_EQ(grid_.RowCount(), 1);  // at least one row, as the windows expect
    grid_.SetRowCount(3);
    const int width = grid_.viewport()->width();
    EXPECT_EQ(Paint(), (std::vector<DrawnCell>{{0, {0, 0, width, 16}, true},
                                               {1, {0, 16, width, 32}, false},
                                               {2, {0, 32, width, 48}, false}}));
    EXPECT_EQ(FromQColor(image_.pixelColor(5, 3)), 0x0000FFu);  // painted through the canvas
    grid_.SetRowCount(40);
    EXPECT_EQ(Paint().size(), 6u);
}

TEST_F(DrawGridTest, ProgramSelectionClampsScrollsByRowsAndEmitsNothing) {
    grid_.SetRowCount(40);
    EXPECT_EQ(grid_.verticalScrollBar()->maximum(), 35);
    grid_.SetRow(20);
    const auto cells = Paint();
    EXPECT_EQ(cells.front().row, 16);  // the selected row shows at the bottom
    EXPECT_EQ(cells.front().rect.top, 0);
    EXPECT_TRUE(cells[4].selected);
    grid_.SetRow(99);
    EXPECT_EQ(grid_.Row(), 39);
    grid_.SetRowCount(5);
    EXPECT_EQ(grid_.Row(), 4);
    EXPECT_EQ(Paint().front().row, 0);
    EXPECT_TRUE(events_.empty());
}

TEST_F(DrawGridTest, MouseSelectsOnPressClicksOnReleaseAndDoubleClicksAnywhere) {
    grid_.SetRowCount(3);
    user_input::DoubleClick(*grid_.viewport(), InRow(2));
    user_input::DoubleClick(*grid_.viewport(), InRow(4));  // below the rows
    EXPECT_EQ(events_, (std::vector<std::string>{"select 2 at 0", "click at 2", "double at 2",
                                                 "double at 2"}));
}

TEST_F(DrawGridTest, KeysMoveTheSelectionAndReleasesReportQtKeyCodes) {
    grid_.SetRowCount(40);
    user_input::KeyPress(grid_, Qt::Key_Down);
    EXPECT_EQ(events_, (std::vector<std::string>{"select 1 at 0", "click at 1"}));
    user_input::KeyPress(grid_, Qt::Key_PageDown);
    EXPECT_EQ(grid_.Row(), 6);
    user_input::KeyPress(grid_, Qt::Key_End);
    EXPECT_EQ(Paint().back().row, 39);
    user_input::KeyPress(grid_, Qt::Key_PageUp);
    EXPECT_EQ(grid_.Row(), 34);
    user_input::KeyPress(grid_, Qt::Key_Home);
    EXPECT_EQ(grid_.Row(), 0);
    events_.clear();
    user_input::KeyPress(grid_, Qt::Key_Up);  // already at the top
    EXPECT_TRUE(events_.empty());

    std::vector<int> released;
    QObject::connect(&grid_, &DrawGrid::keyUp, [&](int key) { released.push_back(key); });
    user_input::KeyRelease(grid_, Qt::Key_Delete, true);  // auto-repeat
    user_input::KeyRelease(grid_, Qt::Key_Delete);
    EXPECT_EQ(released, std::vector<int>{Qt::Key_Delete});
}

}  // namespace
}  // namespace platform
