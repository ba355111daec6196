#include "platform/qt/ListBox.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScopedValueRollback>

#include "platform/qt/FocusedItem.h"

namespace platform {

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QAbstractItemView::clicked, this, &ListBox::click);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ListBox::SelectionChanged);
}

void ListBox::ClearItems() {
    const QScopedValueRollback quiet(quiet_, true);
    clear();
}

void ListBox::AddItem(const std::string& text) {
    const QScopedValueRollback quiet(quiet_, true);
    addItem(QString::fromStdString(text));
}

int ListBox::ItemIndex() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void ListBox::SetItemIndex(int index) {
    const QScopedValueRollback quiet(quiet_, true);
    if (index >= 0 && index < count()) {
        setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    } else {
        setCurrentRow(-1, QItemSelectionModel::Clear);
        clearSelection();
    }
}

// Selecting another item through the accessibility interface first clears the selection, then
// selects; only the change that leaves an item selected is the user's choice.
void ListBox::SelectionChanged() {
    if (!quiet_ && ItemIndex() >= 0) emit click();
}

void ListBox::keyPressEvent(QKeyEvent* event) {
    if (SelectFocusedItem(*this, *event)) {
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

// Qt would clear the selection and leave the focus frame on a row nothing shows as chosen.
void ListBox::mousePressEvent(QMouseEvent* event) {
    if (!indexAt(event->position().toPoint()).isValid()) {
        setFocus(Qt::MouseFocusReason);
        event->accept();
    } else {
        const QScopedValueRollback quiet(quiet_, true);
        QListWidget::mousePressEvent(event);
    }
    emit mouseDown();
}

}  // namespace platform
