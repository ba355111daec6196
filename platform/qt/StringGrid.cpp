#include "platform/qt/StringGrid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <algorithm>

#include "platform/qt/FocusedItem.h"

namespace platform {

StringGrid::StringGrid(QWidget* parent) : QTableWidget(parent) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    // The arrow keys move within the grid; Tab moves on to the window's other controls.
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    horizontalHeader()->hide();
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(this, &QTableWidget::cellPressed, this,
            [this](int row, int col) { emit selectCell(col, row + fixedRows_); });
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &StringGrid::SelectionChanged);
}

void StringGrid::SetColCount(int count) {
    const QScopedValueRollback quiet(quiet_, true);
    setColumnCount(std::max(0, count));
    FillHeader();
}

void StringGrid::SetRowCount(int count) {
    const QScopedValueRollback quiet(quiet_, true);
    setRowCount(std::max(0, count - fixedRows_));
}

void StringGrid::SetFixedRows(int count) {
    const int fixed = std::clamp(count, 0, 1);
    if (fixed == fixedRows_) return;
    const QScopedValueRollback quiet(quiet_, true);
    if (fixed == 1) {
        if (rowCount() == 0) setRowCount(1);
        for (int col = 0; col < columnCount(); ++col) {
            const QTableWidgetItem* cell = item(0, col);
            setHorizontalHeaderItem(col, new QTableWidgetItem(cell ? cell->text() : QString()));
        }
        removeRow(0);
        horizontalHeader()->show();
    } else {
        insertRow(0);
        for (int col = 0; col < columnCount(); ++col) {
            setItem(0, col, new QTableWidgetItem(HeaderText(col)));
        }
        horizontalHeader()->hide();
    }
    fixedRows_ = fixed;
}

int StringGrid::HeightForRows(int rows) const {
    ensurePolished();
    // The fixed row is the header, which the table keeps above the rows at its size hint.
    const int header = fixedRows_ == 1 ? horizontalHeader()->sizeHint().height() : 0;
    return 2 * frameWidth() + header + rows * verticalHeader()->defaultSectionSize();
}

QString StringGrid::HeaderText(int col) const {
    const QTableWidgetItem* header = horizontalHeaderItem(col);
    return header ? header->text() : QString();
}

void StringGrid::FillHeader() {
    for (int col = 0; col < columnCount(); ++col) {
        if (horizontalHeaderItem(col) == nullptr)
            setHorizontalHeaderItem(col, new QTableWidgetItem);
    }
}

std::string StringGrid::Cells(int col, int row) const {
    if (col < 0 || col >= columnCount() || row < 0 || row >= RowCount()) return {};
    if (row < fixedRows_) return HeaderText(col).toStdString();
    const QTableWidgetItem* cell = item(row - fixedRows_, col);
    return cell ? cell->text().toStdString() : std::string();
}

void StringGrid::SetCells(int col, int row, const std::string& text) {
    if (col < 0 || col >= columnCount() || row < 0 || row >= RowCount()) return;
    const QString qtext = QString::fromStdString(text);
    if (row < fixedRows_) {
        setHorizontalHeaderItem(col, new QTableWidgetItem(qtext));
    } else if (QTableWidgetItem* cell = item(row - fixedRows_, col)) {
        cell->setText(qtext);
    } else {
        setItem(row - fixedRows_, col, new QTableWidgetItem(qtext));
    }
}

void StringGrid::SetRow(int row) {
    if (row < fixedRows_ || row >= RowCount()) return;
    const QScopedValueRollback quiet(quiet_, true);
    setCurrentCell(row - fixedRows_, std::max(0, currentColumn()));
}

// Qt would clear the selection, leaving the window on a row nothing shows as chosen.
void StringGrid::mousePressEvent(QMouseEvent* event) {
    if (!indexAt(event->position().toPoint()).isValid()) {
        setFocus(Qt::MouseFocusReason);
        event->accept();
        return;
    }
    const QScopedValueRollback quiet(quiet_, true);
    QTableWidget::mousePressEvent(event);
}

void StringGrid::keyPressEvent(QKeyEvent* event) {
    if (SelectFocusedItem(*this, *event)) {
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

// Selecting another cell through the accessibility interface first clears the selection, then
// selects; only the change that leaves a cell selected is the user's choice.
void StringGrid::SelectionChanged() {
    if (quiet_) return;
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (!selected.isEmpty())
        emit selectCell(selected.first().column(), selected.first().row() + fixedRows_);
}

}  // namespace platform
