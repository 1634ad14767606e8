#include "reference/ui/TopicGrid.h"

#include <QAbstractItemView>
#include <QHeaderView>
#include <QTableWidget>

namespace quaeryn::ui {

QTableWidget* NewTopicGrid(int rows, int columns, QWidget* parent) {
    auto* grid = new QTableWidget(rows, columns, parent);
    grid->setObjectName("grdOutput");
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return grid;
}

void SizeTopicGrid(QTableWidget* grid, int columnWidth, int rowHeight) {
    for (int c = 0; c < grid->columnCount(); ++c) grid->setColumnWidth(c, columnWidth);
    for (int r = 0; r < grid->rowCount(); ++r) grid->setRowHeight(r, rowHeight);
    const int frame = 2 * grid->frameWidth();
    grid->setFixedSize(columnWidth * grid->columnCount() + frame, rowHeight * grid->rowCount() + frame);
}

}  // namespace quaeryn::ui
