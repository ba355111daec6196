#pragma once

#include <QTableWidget>
#include <string>

namespace platform {

// A grid of read-only texts addressed as the original grid was: Cells(col, row), with row 0
// the fixed header row when there is one. The fixed row is the table's header, so it looks
// like one, stays in view and cannot be selected. The user's selection of a cell, by mouse,
// keyboard or the accessibility interface, emits `selectCell()` once with those coordinates, as
// does every press on a cell; a press outside the cells changes nothing. The program's changes
// through these members emit nothing.
// The arrow keys move between the cells; from a cell the focus frame is on but nothing selects
// (the first one, when the grid takes the focus), the first arrow key selects that cell, as
// Space does. Tab and Shift+Tab leave the grid.
class StringGrid : public QTableWidget {
    Q_OBJECT
  public:
    explicit StringGrid(QWidget* parent = nullptr);

    void SetColCount(int count);
    // All rows, the fixed one included.
    void SetRowCount(int count);
    int RowCount() const { return rowCount() + fixedRows_; }
    // 0 or 1: the grid shows at most one fixed row. Row 0 keeps its texts either way.
    void SetFixedRows(int count);
    // The height at which the grid shows so many rows whole under its fixed row, in its own
    // font, without scrolling.
    int HeightForRows(int rows) const;
    // A cell outside the grid reads as empty; setting one does nothing.
    std::string Cells(int col, int row) const;
    void SetCells(int col, int row, const std::string& text);
    // Makes a row below the fixed one the current and selected one, in the column that was
    // current (else the first), as the keyboard goes on from there.
    void SetRow(int row);

  signals:
    void selectCell(int col, int row);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void SelectionChanged();
    QString HeaderText(int col) const;
    // Gives every column a header item, so that no column shows a number in its place.
    void FillHeader();

    int fixedRows_ = 0;
    // Set while the program or a mouse press changes the selection: the one reports nothing,
    // the other reports the cell pressed.
    bool quiet_ = false;
};

}  // namespace platform
