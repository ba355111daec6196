#pragma once

#include <QAbstractScrollArea>
#include <QPoint>
#include <QRect>
#include <functional>
#include <optional>
#include <string>
#include <vector>

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
//
// Assistive technology reads the grid as a table of the texts its rows paint (the window
// gives them with the rows); a row it chooses is selected as a click selects it.
class DrawGrid : public QAbstractScrollArea {
    Q_OBJECT
  public:
    using DrawCellHandler =
        std::function<void(Canvas& canvas, int col, int row, const Rect& rect, bool selected)>;
    // Per row, the texts it paints, as a screen reader reads them cell by cell.
    using RowTexts = std::vector<std::vector<std::string>>;

    explicit DrawGrid(QWidget* parent = nullptr);

    void SetColCount(int count);
    // One row per list of texts. Like the original grid, it keeps at least one row: without
    // texts there is one row of empty area, which assistive technology does not see.
    void SetRows(RowTexts texts);
    int RowCount() const { return rowCount_; }
    const RowTexts& Texts() const { return texts_; }
    // Cells per row as read: the most any row has, at least one.
    int TextColumns() const { return textColumns_; }
    void SetDefaultRowHeight(int height);
    void SetDefaultColWidth(int width);
    int Row() const { return row_; }
    // Selects the row's cell in the current column and scrolls it into view.
    void SetRow(int row);
    void SetDrawCell(DrawCellHandler handler);
    // Repaints the cells, for when what they show has changed.
    void Invalidate();
    // The user's choice of a row through assistive technology: it selects the row and
    // signals as a click on it does.
    void ChooseRow(int row);
    // The user's double click on a row through assistive technology: the row is chosen, then
    // the double click signalled.
    void ActivateRow(int row);
    // The row's cells in the viewport's coordinates, outside it when scrolled away.
    QRect RowRect(int row) const;
    // The row under a point of the viewport, none below the rows.
    std::optional<int> RowAt(QPoint point) const;

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
    RowTexts texts_;
    int textColumns_ = 1;
};

}  // namespace platform
