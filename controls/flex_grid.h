// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// A grid with a fixed (header-style) first row and column, cell text by row and column, a bold
// flag per cell and column widths in twips.
#pragma once

#include <QTableWidget>

namespace controls {

class FlexGrid : public QTableWidget {
    Q_OBJECT
  public:
    explicit FlexGrid(QWidget* parent);
    void setShape(int rows, int columns);
    void setColumnWidthTwips(int column, int twips);
    QString cellText(int row, int column) const;
    void setCellText(int row, int column, const QString& text);
    bool cellBold(int row, int column) const;
    void setCellBold(int row, int column, bool bold);

  protected:
    // A new current cell is reported as a focus change only while the grid has the focus: the
    // settlement moves the current cell to the row that paid, which a screen reader must not
    // take for a move of the focus.
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

  private:
    QTableWidgetItem* cell(int row, int column) const;
};

} // namespace controls
