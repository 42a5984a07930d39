// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flex_grid.h"

#include "twips.h"

#include <QHeaderView>
#include <algorithm>

namespace controls {

FlexGrid::FlexGrid(QWidget* parent) : QTableWidget(parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(NoEditTriggers);
    setSelectionMode(NoSelection);
    setFocusPolicy(Qt::TabFocus);
    // Tab leaves the grid for the next control instead of walking through its cells.
    setTabKeyNavigation(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
}

void FlexGrid::setShape(int rows, int columns) {
    setRowCount(rows);
    setColumnCount(columns);
    // Rows share the height; every row stays fully visible.
    const int rowHeight = std::min(px(240), (height() - 2 * frameWidth()) / std::max(rows, 1));
    for (int r = 0; r < rows; ++r) {
        setRowHeight(r, rowHeight);
        for (int c = 0; c < columns; ++c) {
            auto* item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsEnabled);
            if (r == 0 || c == 0)
                item->setBackground(palette().button());
            setItem(r, c, item);
        }
    }
}

void FlexGrid::setColumnWidthTwips(int column, int twips) {
    setColumnWidth(column, px(twips));
}

void FlexGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    if (hasFocus())
        QTableWidget::currentChanged(current, previous);
    else
        QAbstractItemView::currentChanged(current, previous);
}

QTableWidgetItem* FlexGrid::cell(int row, int column) const {
    QTableWidgetItem* c = item(row, column);
    Q_ASSERT(c);
    return c;
}

QString FlexGrid::cellText(int row, int column) const {
    return cell(row, column)->text();
}

void FlexGrid::setCellText(int row, int column, const QString& text) {
    cell(row, column)->setText(text);
}

bool FlexGrid::cellBold(int row, int column) const {
    return cell(row, column)->font().bold();
}

void FlexGrid::setCellBold(int row, int column, bool bold) {
    QFont f = font();
    f.setBold(bold);
    cell(row, column)->setFont(f);
}

} // namespace controls
