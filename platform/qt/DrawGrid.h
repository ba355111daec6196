#pragma once

#include <QAbstractScrollArea>
#include <QPoint>
#include <functional>
#include <optional>

#include "platform/Canvas.h"

namespace platform {

// An owner-drawn grid of equal cells without grid lines, as the time tables use it: every
// visible cell is painted by the draw-cell handler on a QtCanvas; one cell is selected at a
// time; it scrolls vertically by whole rows.
//
// The user's selection of a cell (mouse press or arrow, page, Home and End keys) emits
// `selectCell()` before it takes effect, and `click()` once it has: on the mouse release, at
// once for a key. A double click anywhere emits `doubleClick()`. Released keys emit `keyUp()`
// with their Qt key code. Nothing the program does emits a signal.
class DrawGrid : public QAbstractScrollArea {
    Q_OBJECT
  public:
    using DrawCellHandler =
        std::function<void(Canvas& canvas, int col, int row, const Rect& rect, bool selected)>;

    explicit DrawGrid(QWidget* parent = nullptr);

    void SetColCount(int count);
    // Like the original grid, it keeps at least one row.
    void SetRowCount(int count);
    int RowCount() const { return rowCount_; }
    void SetDefaultRowHeight(int height);
    void SetDefaultColWidth(int width);
    int Row() const { return row_; }
    // Selects the row's cell in the current column and scrolls it into view.
    void SetRow(int row);
    void SetDrawCell(DrawCellHandler handler);
    // Repaints the cells, for when what they show has changed.
    void Invalidate();

  signals:
    void click();
    void doubleClick();
    void keyUp(int key);
    void selectCell(int col, int row);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

  private:
    int TopRow() const;
    // Rows wholly visible, at least one.
    int PageRows() const;
    void UpdateScrollBar();
    std::optional<QPoint> CellAt(QPoint point) const;
    void Select(int col, int row);
    void UserSelect(int col, int row);

    int colCount_ = 1;
    int rowCount_ = 1;
    int rowHeight_ = 24;
    int colWidth_ = 64;
    int col_ = 0;
    int row_ = 0;
    bool pressedOnCell_ = false;
    DrawCellHandler drawCell_;
};

}  // namespace platform
