#pragma once

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <map>
#include <utility>

class QAbstractScrollArea;

// What the views that assistive technology sees as tables of their own items (the check list,
// the draw grid) share: the items' place in the tree and in the table, and the table's cache of
// the items it has handed out. What an item says, how it shows and what its actions do, and
// what the table selects, are each view's own.
namespace platform {

// One item of a view: a table cell with actions. It stands for a place in the view (a row and a
// column), not for what is shown there, until its table drops it.
class AccessibleViewItem : public QAccessibleInterface,
                           public QAccessibleTableCellInterface,
                           public QAccessibleActionInterface {
  public:
    AccessibleViewItem(QAbstractScrollArea& view, int row, int column);

    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override { return table(); }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    // The view shows what its owner holds; nothing is typed into an item.
    void setText(QAccessible::Text /*kind*/, const QString& /*text*/) override {}
    QRect rect() const override;
    // Invalid alone once the item is gone; else selectable, focusable, disabled with the view,
    // offscreen outside its viewport, and what the view adds.
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

    QStringList keyBindingsForAction(const QString& /*action*/) const override { return {}; }

  protected:
    // The view, or null once it is gone.
    QAbstractScrollArea* View() const { return view_.data(); }
    // Where a valid item stands in the view's viewport.
    virtual QRect ViewportRect() const = 0;
    // Adds to a valid item's state what the view's own items tell (the focus, a tick).
    virtual void AddOwnState(QAccessible::State& state) const = 0;

  private:
    QPointer<QAbstractScrollArea> view_;
    int row_;
    int column_;
};

// A view as a table of its items, selected by whole rows, never by columns. Its children are
// its cells row by row. It keeps every item it hands out, so that a place keeps one interface,
// until the view drops them.
class AccessibleViewTable : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    AccessibleViewTable(QWidget& view, QAccessible::Role role) : QAccessibleWidget(&view, role) {}
    ~AccessibleViewTable() override { DropItems(); }
    AccessibleViewTable(const AccessibleViewTable&) = delete;
    AccessibleViewTable& operator=(const AccessibleViewTable&) = delete;

    void* interface_cast(QAccessible::InterfaceType type) override;

    int childCount() const override { return rowCount() * columnCount(); }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QString columnDescription(int /*column*/) const override { return {}; }
    QString rowDescription(int /*row*/) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    bool isColumnSelected(int /*column*/) const override { return false; }
    bool selectColumn(int /*column*/) override { return false; }
    bool unselectColumn(int /*column*/) override { return false; }

    QAccessibleInterface* cellAt(int row, int column) const override;

  protected:
    // A new interface for the item at a place within the table.
    virtual AccessibleViewItem* NewItem(int row, int column) const = 0;
    void DropItems();

  private:
    mutable std::map<std::pair<int, int>, QAccessible::Id> items_;
};

}  // namespace platform
