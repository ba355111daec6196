#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QScrollBar>

#include "platform/qt/DrawGrid.h"
#include "platform/qt/QtColor.h"
#include "tests/support/qt/UserInput.h"

namespace platform {
namespace {

// Rows that paint no text.
DrawGrid::RowTexts Blank(int rows) {
    return DrawGrid::RowTexts(rows);
}

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
    grid_.SetRows(Blank(0));
    EXPECT_EQ(grid_.RowCount(), 1);  // at least one row, as the windows expect
    grid_.SetRows(Blank(3));
    const int width = grid_.viewport()->width();
    EXPECT_EQ(Paint(), (std::vector<DrawnCell>{{0, {0, 0, width, 16}, true},
                                               {1, {0, 16, width, 32}, false},
                                               {2, {0, 32, width, 48}, false}}));
    EXPECT_EQ(FromQColor(image_.pixelColor(5, 3)), 0x0000FFu);  // painted through the canvas
    grid_.SetRows(Blank(40));
    EXPECT_EQ(Paint().size(), 6u);
}

TEST_F(DrawGridTest, ProgramSelectionClampsScrollsByRowsAndEmitsNothing) {
    grid_.SetRows(Blank(40));
    EXPECT_EQ(grid_.verticalScrollBar()->maximum(), 35);
    grid_.SetRow(20);
    const auto cells = Paint();
    EXPECT_EQ(cells.front().row, 16);  // the selected row shows at the bottom
    EXPECT_EQ(cells.front().rect.top, 0);
    EXPECT_TRUE(cells[4].selected);
    grid_.SetRow(99);
    EXPECT_EQ(grid_.Row(), 39);
    grid_.SetRows(Blank(5));
    EXPECT_EQ(grid_.Row(), 4);
    EXPECT_EQ(Paint().front().row, 0);
    EXPECT_TRUE(events_.empty());
}

TEST_F(DrawGridTest, MouseSelectsOnPressClicksOnReleaseAndDoubleClicksAnywhere) {
    grid_.SetRows(Blank(3));
    user_input::DoubleClick(*grid_.viewport(), InRow(2));
    user_input::DoubleClick(*grid_.viewport(), InRow(4));  // below the rows
    EXPECT_EQ(events_, (std::vector<std::string>{"select 2 at 0", "click at 2", "double at 2",
                                                 "double at 2"}));
}

TEST_F(DrawGridTest, KeysMoveTheSelectionAndReleasesReportQtKeyCodes) {
    grid_.SetRows(Blank(40));
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

// Three rows as the diary paints them: a day's header, an event with its category and one
// with no category box.
const DrawGrid::RowTexts kDiaryRows = {
    {"10 marca 2004", "Środa"}, {"Klasówka", "Sprawdzian"}, {"Zebranie"}};

QAccessibleInterface& Accessible(DrawGrid& grid) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&grid);
    EXPECT_NE(nullptr, accessible);
    return *accessible;
}

QAccessibleTableInterface& TableOf(DrawGrid& grid) {
    QAccessibleTableInterface* table = Accessible(grid).tableInterface();
    EXPECT_NE(nullptr, table);
    return *table;
}

QString CellText(DrawGrid& grid, int row, int column) {
    QAccessibleInterface* cell = TableOf(grid).cellAt(row, column);
    return cell == nullptr ? "(none)" : cell->text(QAccessible::Name);
}

TEST_F(DrawGridTest, AssistiveTechnologyReadsThePaintedTextsAsATable) {
    grid_.SetRows(kDiaryRows);
    QAccessibleInterface& accessible = Accessible(grid_);
    EXPECT_EQ(QAccessible::Table, accessible.role());
    QAccessibleTableInterface& table = TableOf(grid_);
    EXPECT_EQ(3, table.rowCount());
    EXPECT_EQ(2, table.columnCount());
    EXPECT_EQ("Środa", CellText(grid_, 0, 1));
    EXPECT_EQ("Klasówka", CellText(grid_, 1, 0));
    EXPECT_EQ("", CellText(grid_, 2, 1));
    EXPECT_EQ("(none)", CellText(grid_, 3, 0));

    // The cells are the table's children, row by row, each knowing its place.
    EXPECT_EQ(6, accessible.childCount());
    QAccessibleInterface* category = table.cellAt(1, 1);
    EXPECT_EQ(category, accessible.child(3));
    EXPECT_EQ(3, accessible.indexOfChild(category));
    EXPECT_EQ(&accessible, category->parent());
    EXPECT_EQ(QAccessible::Cell, category->role());
    EXPECT_EQ(1, category->tableCellInterface()->rowIndex());
    EXPECT_EQ(1, category->tableCellInterface()->columnIndex());

    // Each row's cells lie where the row is painted, one row under another.
    const QRect header = table.cellAt(0, 0)->rect();
    const QRect event = table.cellAt(1, 0)->rect();
    EXPECT_EQ(grid_.viewport()->mapToGlobal(QPoint(0, 0)), header.topLeft());
    EXPECT_EQ(header.bottom() + 1, event.top());
    EXPECT_EQ(table.cellAt(1, 0), accessible.childAt(event.center().x(), event.center().y()));

    // Without rows the table is empty, though the grid keeps its row of empty area.
    grid_.SetRows({});
    EXPECT_EQ(1, grid_.RowCount());
    EXPECT_EQ(0, table.rowCount());
    EXPECT_EQ(nullptr, table.cellAt(0, 0));
    EXPECT_EQ(QList<int>{}, table.selectedRows());
    EXPECT_EQ(nullptr, accessible.focusChild());
}

TEST_F(DrawGridTest, TheSelectedRowIsTheTablesSelectionAndFocus) {
    grid_.SetRows(kDiaryRows);
    QAccessibleInterface& accessible = Accessible(grid_);
    QAccessibleTableInterface& table = TableOf(grid_);
    grid_.SetRow(1);
    EXPECT_EQ(QList<int>{1}, table.selectedRows());
    EXPECT_TRUE(table.isRowSelected(1));
    EXPECT_FALSE(table.isRowSelected(0));
    EXPECT_EQ((QList<QAccessibleInterface*>{table.cellAt(1, 0), table.cellAt(1, 1)}),
              table.selectedCells());
    EXPECT_TRUE(table.cellAt(1, 1)->tableCellInterface()->isSelected());
    EXPECT_TRUE(table.cellAt(1, 1)->state().selected);
    EXPECT_FALSE(table.cellAt(0, 0)->state().selected);
    EXPECT_EQ(table.cellAt(1, 0), accessible.focusChild());

    EXPECT_FALSE(table.cellAt(1, 0)->state().focused);
    QApplication::setActiveWindow(&grid_);
    grid_.setFocus();
    EXPECT_TRUE(table.cellAt(1, 0)->state().focused);
    EXPECT_FALSE(table.cellAt(1, 1)->state().focused);
    user_input::KeyPress(grid_, Qt::Key_Down);
    EXPECT_EQ("Zebranie", accessible.focusChild()->text(QAccessible::Name));
    EXPECT_TRUE(accessible.focusChild()->state().focused);
}

TEST_F(DrawGridTest, ARowChosenThroughTheTableIsSelectedAsAClickSelectsIt) {
    grid_.SetRows(kDiaryRows);
    QAccessibleTableInterface& table = TableOf(grid_);
    EXPECT_TRUE(table.selectRow(2));
    EXPECT_EQ(events_, (std::vector<std::string>{"select 2 at 0", "click at 2"}));
    EXPECT_FALSE(table.selectRow(3));
    EXPECT_FALSE(table.unselectRow(2));  // one row always stays selected
    EXPECT_FALSE(table.selectColumn(1));
    EXPECT_EQ(2, grid_.Row());

    events_.clear();
    QAccessibleActionInterface* actions = table.cellAt(1, 1)->actionInterface();
    ASSERT_NE(nullptr, actions);
    actions->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(events_, (std::vector<std::string>{"select 1 at 2", "click at 1"}));

    events_.clear();
    actions->doAction(QAccessibleActionInterface::pressAction());  // as a double click
    EXPECT_TRUE(events_.empty());                                  // after the call has replied
    QApplication::processEvents();
    EXPECT_EQ(events_, (std::vector<std::string>{"select 1 at 1", "click at 1", "double at 1"}));

    QApplication::setActiveWindow(&grid_);
    table.cellAt(0, 0)->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
    EXPECT_EQ(0, grid_.Row());
    EXPECT_TRUE(grid_.hasFocus());

    events_.clear();
    grid_.setEnabled(false);
    EXPECT_FALSE(table.selectRow(1));
    table.cellAt(1, 0)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    table.cellAt(1, 0)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QApplication::processEvents();
    EXPECT_TRUE(events_.empty());
}

TEST_F(DrawGridTest, NewRowsRebuildTheTableAndDropTheCellsOfTheOldOnes) {
    grid_.SetRows(kDiaryRows);
    QAccessibleTableInterface& table = TableOf(grid_);
    const QAccessible::Id held = QAccessible::uniqueId(table.cellAt(1, 0));
    grid_.SetRows({{"11 marca 2004", "Czwartek"}, {"Wycieczka", ""}});
    EXPECT_EQ(nullptr, QAccessible::accessibleInterface(held));
    EXPECT_EQ(2, table.rowCount());
    EXPECT_EQ("Wycieczka", CellText(grid_, 1, 0));
    EXPECT_EQ("", CellText(grid_, 1, 1));
}

TEST_F(DrawGridTest, APressOnARowGoneByTheTimeItRunsDoesNothing) {
    grid_.SetRows(kDiaryRows);
    TableOf(grid_).cellAt(2, 0)->actionInterface()->doAction(
        QAccessibleActionInterface::pressAction());
    grid_.SetRows({{"11 marca 2004", "Czwartek"}});
    events_.clear();
    QApplication::processEvents();
    EXPECT_TRUE(events_.empty());
}

}  // namespace
}  // namespace platform
