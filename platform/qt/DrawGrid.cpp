#include "platform/qt/DrawGrid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "platform/qt/DrawGridAccessible.h"
#include "platform/qt/QtCanvas.h"

namespace platform {

DrawGrid::DrawGrid(QWidget* parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalScrollBar()->setSingleStep(1);
}

void DrawGrid::SetColCount(int count) {
    colCount_ = std::max(1, count);
    col_ = std::min(col_, colCount_ - 1);
    Invalidate();
}

void DrawGrid::SetRows(RowTexts texts) {
    texts_ = std::move(texts);
    textColumns_ = 1;
    for (const auto& row : texts_)
        textColumns_ = std::max(textColumns_, static_cast<int>(row.size()));
    rowCount_ = std::max<int>(1, static_cast<int>(texts_.size()));
    row_ = std::min(row_, rowCount_ - 1);
    UpdateScrollBar();
    Invalidate();
    AnnounceRowsRebuilt(*this);
}

void DrawGrid::SetDefaultRowHeight(int height) {
    rowHeight_ = std::max(1, height);
    UpdateScrollBar();
    Invalidate();
}

void DrawGrid::SetDefaultColWidth(int width) {
    colWidth_ = std::max(1, width);
    Invalidate();
}

void DrawGrid::SetRow(int row) {
    Select(col_, std::clamp(row, 0, rowCount_ - 1));
}

void DrawGrid::SetDrawCell(DrawCellHandler handler) {
    drawCell_ = std::move(handler);
    Invalidate();
}

void DrawGrid::Invalidate() {
    viewport()->update();
}

void DrawGrid::ChooseRow(int row) {
    UserSelect(col_, std::clamp(row, 0, rowCount_ - 1));
    emit click();
}

void DrawGrid::ActivateRow(int row) {
    ChooseRow(row);
    emit doubleClick();
}

QRect DrawGrid::RowRect(int row) const {
    return QRect(0, (row - TopRow()) * rowHeight_, colCount_ * colWidth_, rowHeight_);
}

std::optional<int> DrawGrid::RowAt(QPoint point) const {
    const auto cell = CellAt(point);
    if (!cell) return std::nullopt;
    return cell->y();
}

int DrawGrid::TopRow() const {
    return verticalScrollBar()->value();
}

int DrawGrid::PageRows() const {
    return std::max(1, viewport()->height() / rowHeight_);
}

void DrawGrid::UpdateScrollBar() {
    verticalScrollBar()->setPageStep(PageRows());
    verticalScrollBar()->setRange(0, std::max(0, rowCount_ - PageRows()));
}

std::optional<QPoint> DrawGrid::CellAt(QPoint point) const {
    if (point.x() < 0 || point.y() < 0) return std::nullopt;
    const int col = point.x() / colWidth_;
    const int row = TopRow() + point.y() / rowHeight_;
    if (col >= colCount_ || row >= rowCount_) return std::nullopt;
    return QPoint(col, row);
}

void DrawGrid::Select(int col, int row) {
    col_ = col;
    row_ = row;
    if (row < TopRow()) {
        verticalScrollBar()->setValue(row);
    } else if (row >= TopRow() + PageRows()) {
        verticalScrollBar()->setValue(row - PageRows() + 1);
    }
    Invalidate();
    AnnounceSelection(*this);
}

void DrawGrid::UserSelect(int col, int row) {
    emit selectCell(col, row);
    Select(col, row);
}

void DrawGrid::paintEvent(QPaintEvent* /*event*/) {
    if (!drawCell_) return;
    QPainter painter(viewport());
    QtCanvas canvas(painter, font());
    const QSize area = viewport()->size();
    for (int row = TopRow(); row < rowCount_; ++row) {
        const int top = (row - TopRow()) * rowHeight_;
        if (top >= area.height()) break;
        for (int col = 0; col < colCount_ && col * colWidth_ < area.width(); ++col) {
            const Rect cell{col * colWidth_, top, (col + 1) * colWidth_, top + rowHeight_};
            drawCell_(canvas, col, row, cell, col == col_ && row == row_);
        }
    }
}

void DrawGrid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBar();
}

// The cells are painted from the top row, so scrolling only repaints.
void DrawGrid::scrollContentsBy(int /*dx*/, int /*dy*/) {
    Invalidate();
}

void DrawGrid::mousePressEvent(QMouseEvent* event) {
    pressedOnCell_ = false;
    if (event->button() != Qt::LeftButton) return;
    const auto cell = CellAt(event->position().toPoint());
    if (!cell) return;
    pressedOnCell_ = true;
    UserSelect(cell->x(), cell->y());
}

void DrawGrid::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressedOnCell_) return;
    pressedOnCell_ = false;
    emit click();
}

void DrawGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    pressedOnCell_ = false;
    if (event->button() == Qt::LeftButton) emit doubleClick();
}

void DrawGrid::keyPressEvent(QKeyEvent* event) {
    int col = col_;
    int row = row_;
    switch (event->key()) {
        case Qt::Key_Up:
            --row;
            break;
        case Qt::Key_Down:
            ++row;
            break;
        case Qt::Key_PageUp:
            row -= PageRows();
            break;
        case Qt::Key_PageDown:
            row += PageRows();
            break;
        case Qt::Key_Home:
            row = 0;
            break;
        case Qt::Key_End:
            row = rowCount_ - 1;
            break;
        case Qt::Key_Left:
            --col;
            break;
        case Qt::Key_Right:
            ++col;
            break;
        default:
            QAbstractScrollArea::keyPressEvent(event);
            return;
    }
    col = std::clamp(col, 0, colCount_ - 1);
    row = std::clamp(row, 0, rowCount_ - 1);
    if (col == col_ && row == row_) return;
    UserSelect(col, row);
    emit click();
}

void DrawGrid::keyReleaseEvent(QKeyEvent* event) {
    QAbstractScrollArea::keyReleaseEvent(event);
    if (!event->isAutoRepeat()) emit keyUp(event->key());
}

}  // namespace platform
