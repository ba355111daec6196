#include "platform/qt/DrawGridAccessible.h"

#include "platform/qt/AccessibleItems.h"
#include "platform/qt/DrawGrid.h"
#include "platform/qt/Pressable.h"

namespace platform {
namespace {

int DescribedRows(const DrawGrid& grid) {
    return static_cast<int>(grid.Texts().size());
}

bool IsCell(const DrawGrid& grid, int row, int column) {
    return row >= 0 && row < DescribedRows(grid) && column >= 0 && column < grid.TextColumns();
}

// The selected row, when it is one the window described (not the empty area kept alone).
bool HasSelectedRow(const DrawGrid& grid) {
    return grid.Row() < DescribedRows(grid);
}

// The table's children are its cells, row by row.
int CellIndex(const DrawGrid& grid, int row, int column) {
    return row * grid.TextColumns() + column;
}

// One text of a row. It lives while the table's rows stay as they are: the table drops its
// cells whenever the rows are rebuilt.
class AccessibleGridCell : public AccessibleViewItem {
  public:
    AccessibleGridCell(DrawGrid& grid, int row, int column)
        : AccessibleViewItem(grid, row, column) {}

    bool isValid() const override { return Grid() && IsCell(*Grid(), rowIndex(), columnIndex()); }
    QAccessible::Role role() const override { return QAccessible::Cell; }

    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name || !isValid()) return {};
        const std::vector<std::string>& texts = Grid()->Texts()[rowIndex()];
        return columnIndex() < static_cast<int>(texts.size())
                   ? QString::fromStdString(texts[columnIndex()])
                   : QString();
    }

    bool isSelected() const override { return isValid() && Grid()->Row() == rowIndex(); }

    // "Toggle" chooses the row as a click does; in a grid that always holds one selected row
    // it never unselects. "Press" is a double click on the row, after the call has returned.
    // "SetFocus" also moves the keyboard focus there.
    QStringList actionNames() const override {
        return {QAccessibleActionInterface::toggleAction(),
                QAccessibleActionInterface::pressAction(),
                QAccessibleActionInterface::setFocusAction()};
    }
    void doAction(const QString& action) override {
        if (!isValid() || !Grid()->isEnabled()) return;
        if (action == QAccessibleActionInterface::toggleAction()) {
            Grid()->ChooseRow(rowIndex());
        } else if (action == QAccessibleActionInterface::pressAction()) {
            // The rows may have been rebuilt meanwhile: the row must still be one described.
            PressAfterReply(*Grid(), [grid = Grid(), row = rowIndex()] {
                if (row < DescribedRows(*grid)) grid->ActivateRow(row);
            });
        } else if (action == QAccessibleActionInterface::setFocusAction()) {
            Grid()->setFocus(Qt::OtherFocusReason);
            Grid()->ChooseRow(rowIndex());
        }
    }

  protected:
    QRect ViewportRect() const override { return Grid()->RowRect(rowIndex()); }
    void AddOwnState(QAccessible::State& state) const override {
        state.focused = state.selected && columnIndex() == 0 && Grid()->hasFocus();
    }

  private:
    DrawGrid* Grid() const { return static_cast<DrawGrid*>(View()); }
};

class AccessibleDrawGrid : public AccessibleViewTable {
  public:
    explicit AccessibleDrawGrid(DrawGrid& grid) : AccessibleViewTable(grid, QAccessible::Table) {}

    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint point = Grid().viewport()->mapFromGlobal(QPoint(x, y));
        if (!Grid().viewport()->rect().contains(point)) return nullptr;
        const auto row = Grid().RowAt(point);
        return row ? cellAt(*row, 0) : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        return HasSelectedRow(Grid()) ? cellAt(Grid().Row(), 0) : nullptr;
    }

    int columnCount() const override { return Grid().TextColumns(); }
    int rowCount() const override { return DescribedRows(Grid()); }

    // The selection is always one whole row.
    int selectedCellCount() const override { return selectedRowCount() * columnCount(); }
    int selectedRowCount() const override { return HasSelectedRow(Grid()) ? 1 : 0; }
    QList<QAccessibleInterface*> selectedCells() const override {
        QList<QAccessibleInterface*> cells;
        if (!HasSelectedRow(Grid())) return cells;
        for (int column = 0; column < columnCount(); ++column)
            cells.append(cellAt(Grid().Row(), column));
        return cells;
    }
    QList<int> selectedRows() const override {
        if (!HasSelectedRow(Grid())) return {};
        return {Grid().Row()};
    }
    bool isRowSelected(int row) const override {
        return HasSelectedRow(Grid()) && row == Grid().Row();
    }
    bool selectRow(int row) override {
        if (!IsCell(Grid(), row, 0) || !Grid().isEnabled()) return false;
        Grid().ChooseRow(row);
        return true;
    }
    // One row stays selected, as with the mouse and the keys.
    bool unselectRow(int /*row*/) override { return false; }

    void modelChange(QAccessibleTableModelChangeEvent* /*event*/) override { DropItems(); }

  protected:
    AccessibleViewItem* NewItem(int row, int column) const override {
        return new AccessibleGridCell(Grid(), row, column);
    }

  private:
    DrawGrid& Grid() const { return *static_cast<DrawGrid*>(widget()); }
};

}  // namespace

QAccessibleInterface* NewAccessibleDrawGrid(DrawGrid& grid) {
    return new AccessibleDrawGrid(grid);
}

void AnnounceRowsRebuilt(DrawGrid& grid) {
    QAccessibleTableModelChangeEvent rebuilt(&grid, QAccessibleTableModelChangeEvent::ModelReset);
    // The cells handed out stand for rows that are gone. Qt passes the change on to the table
    // only while assistive technology listens; the table drops them every time.
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&grid);
    if (accessible != nullptr && accessible->tableInterface() != nullptr)
        accessible->tableInterface()->modelChange(&rebuilt);
    QAccessible::updateAccessibility(&rebuilt);
    AnnounceSelection(grid);
}

void AnnounceSelection(DrawGrid& grid) {
    // As Qt's item views do: nothing is made for listeners that are not there.
    if (!QAccessible::isActive() || !HasSelectedRow(grid)) return;
    const int child = CellIndex(grid, grid.Row(), 0);
    QAccessibleEvent selection(&grid, QAccessible::Selection);
    selection.setChild(child);
    QAccessible::updateAccessibility(&selection);
    if (!grid.hasFocus()) return;
    QAccessibleEvent focus(&grid, QAccessible::Focus);
    focus.setChild(child);
    QAccessible::updateAccessibility(&focus);
}

}  // namespace platform
