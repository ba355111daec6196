#include "platform/qt/DrawGridAccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <map>
#include <utility>

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
class AccessibleGridCell : public QAccessibleInterface,
                           public QAccessibleTableCellInterface,
                           public QAccessibleActionInterface {
  public:
    AccessibleGridCell(DrawGrid& grid, int row, int column)
        : grid_(&grid), row_(row), column_(column) {}

    bool isValid() const override { return grid_ && IsCell(*grid_, row_, column_); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        QAccessibleInterface* table = Table();
        return table == nullptr ? nullptr : table->window();
    }
    QAccessibleInterface* parent() const override { return Table(); }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::Cell; }

    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name || !isValid()) return {};
        const std::vector<std::string>& texts = grid_->Texts()[row_];
        return column_ < static_cast<int>(texts.size()) ? QString::fromStdString(texts[column_])
                                                        : QString();
    }
    // The grid shows what the document holds; nothing is typed into it.
    void setText(QAccessible::Text /*kind*/, const QString& /*text*/) override {}

    QRect rect() const override {
        if (!isValid()) return {};
        const QRect row = grid_->RowRect(row_);
        return QRect(grid_->viewport()->mapToGlobal(row.topLeft()), row.size());
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state.selectable = true;
        state.focusable = true;
        state.selected = isSelected();
        state.focused = state.selected && column_ == 0 && grid_->hasFocus();
        state.disabled = !grid_->isEnabled();
        state.offscreen = !grid_->viewport()->rect().intersects(grid_->RowRect(row_));
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    bool isSelected() const override { return isValid() && grid_->Row() == row_; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return Table(); }

    // "Toggle" chooses the row as a click does; in a grid that always holds one selected row
    // it never unselects. "Press" is a double click on the row, after the call has returned.
    // "SetFocus" also moves the keyboard focus there.
    QStringList actionNames() const override {
        return {QAccessibleActionInterface::toggleAction(),
                QAccessibleActionInterface::pressAction(),
                QAccessibleActionInterface::setFocusAction()};
    }
    QStringList keyBindingsForAction(const QString& /*action*/) const override { return {}; }
    void doAction(const QString& action) override {
        if (!isValid() || !grid_->isEnabled()) return;
        if (action == QAccessibleActionInterface::toggleAction()) {
            grid_->ChooseRow(row_);
        } else if (action == QAccessibleActionInterface::pressAction()) {
            // The rows may have been rebuilt meanwhile: the row must still be one described.
            PressAfterReply(*grid_, [grid = grid_.data(), row = row_] {
                if (row < DescribedRows(*grid)) grid->ActivateRow(row);
            });
        } else if (action == QAccessibleActionInterface::setFocusAction()) {
            grid_->setFocus(Qt::OtherFocusReason);
            grid_->ChooseRow(row_);
        }
    }

  private:
    QAccessibleInterface* Table() const { return QAccessible::queryAccessibleInterface(grid_); }

    QPointer<DrawGrid> grid_;
    int row_;
    int column_;
};

class AccessibleDrawGrid : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    explicit AccessibleDrawGrid(DrawGrid& grid) : QAccessibleWidget(&grid, QAccessible::Table) {}
    ~AccessibleDrawGrid() override { DropCells(); }
    AccessibleDrawGrid(const AccessibleDrawGrid&) = delete;
    AccessibleDrawGrid& operator=(const AccessibleDrawGrid&) = delete;

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    int childCount() const override { return rowCount() * columnCount(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0) return nullptr;
        return cellAt(index / columnCount(), index % columnCount());
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* cell = dynamic_cast<const AccessibleGridCell*>(child);
        if (cell == nullptr || !cell->isValid() || cell->parent() != this) return -1;
        return CellIndex(Grid(), cell->rowIndex(), cell->columnIndex());
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint point = Grid().viewport()->mapFromGlobal(QPoint(x, y));
        if (!Grid().viewport()->rect().contains(point)) return nullptr;
        const auto row = Grid().RowAt(point);
        return row ? cellAt(*row, 0) : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        return HasSelectedRow(Grid()) ? cellAt(Grid().Row(), 0) : nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QString columnDescription(int /*column*/) const override { return {}; }
    QString rowDescription(int /*row*/) const override { return {}; }
    int columnCount() const override { return Grid().TextColumns(); }
    int rowCount() const override { return DescribedRows(Grid()); }

    // The selection is always one whole row.
    int selectedCellCount() const override { return selectedRowCount() * columnCount(); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return HasSelectedRow(Grid()) ? 1 : 0; }
    QList<QAccessibleInterface*> selectedCells() const override {
        QList<QAccessibleInterface*> cells;
        if (!HasSelectedRow(Grid())) return cells;
        for (int column = 0; column < columnCount(); ++column)
            cells.append(cellAt(Grid().Row(), column));
        return cells;
    }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override {
        if (!HasSelectedRow(Grid())) return {};
        return {Grid().Row()};
    }
    bool isColumnSelected(int /*column*/) const override { return false; }
    bool isRowSelected(int row) const override {
        return HasSelectedRow(Grid()) && row == Grid().Row();
    }
    bool selectRow(int row) override {
        if (!IsCell(Grid(), row, 0) || !Grid().isEnabled()) return false;
        Grid().ChooseRow(row);
        return true;
    }
    bool selectColumn(int /*column*/) override { return false; }
    // One row stays selected, as with the mouse and the keys.
    bool unselectRow(int /*row*/) override { return false; }
    bool unselectColumn(int /*column*/) override { return false; }

    QAccessibleInterface* cellAt(int row, int column) const override {
        if (!IsCell(Grid(), row, column)) return nullptr;
        const auto found = cells_.find({row, column});
        if (found != cells_.end()) return QAccessible::accessibleInterface(found->second);
        auto* cell = new AccessibleGridCell(Grid(), row, column);
        const QAccessible::Id id = QAccessible::registerAccessibleInterface(cell);
        cells_.emplace(std::pair(row, column), id);
        return cell;
    }

    void modelChange(QAccessibleTableModelChangeEvent* /*event*/) override { DropCells(); }

  private:
    DrawGrid& Grid() const { return *static_cast<DrawGrid*>(widget()); }

    void DropCells() {
        for (const auto& [position, id] : cells_) QAccessible::deleteAccessibleInterface(id);
        cells_.clear();
    }

    mutable std::map<std::pair<int, int>, QAccessible::Id> cells_;
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
