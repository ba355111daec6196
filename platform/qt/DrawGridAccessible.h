#pragma once

class QAccessibleInterface;

namespace platform {

class DrawGrid;

// A draw grid as assistive technology sees it: a table with one row per row the window
// described, its texts as cells, the selected row as the selection and the focus, and a row
// chosen through the table (its selection, a cell's actions) chosen as a click chooses it.
QAccessibleInterface* NewAccessibleDrawGrid(DrawGrid& grid);

// Tells assistive technology that the grid's rows were rebuilt, and so its table.
void AnnounceRowsRebuilt(DrawGrid& grid);
// Tells assistive technology which row is selected now, and focused when the grid has focus.
void AnnounceSelection(DrawGrid& grid);

}  // namespace platform
