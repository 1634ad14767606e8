// The fixed grid both reference windows show their topics in: no headers,
// no editing, one cell chosen at a time, no scroll bars, every cell of one
// size and the grid exactly as large as its cells.
#pragma once

class QTableWidget;
class QWidget;

namespace quaeryn::ui {

// An empty grid of that many rows and columns.
QTableWidget* NewTopicGrid(int rows, int columns, QWidget* parent);
// Gives every column and row the size and the grid the size of its cells.
void SizeTopicGrid(QTableWidget* grid, int columnWidth, int rowHeight);

}  // namespace quaeryn::ui
