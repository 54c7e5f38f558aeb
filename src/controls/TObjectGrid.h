// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QPointer>
#include <QRect>
#include <QTableWidget>

// Where a control embedded in a grid cell goes. `Move` is false when the
// cell is out of view: the control is then only hidden.
struct CellControlPlacement {
    bool Move = false;
    QRect Bounds;
    bool Visible = false;
};

// The placement rule for a control in a cell. `cell` is the cell's
// rectangle, empty when the cell is scrolled out of view. A check box is 14
// pixels wide, centred in the cell (each half rounded down) and shown; any
// other control fills the column width from the cell's left edge and is
// hidden until its owner shows it. Both take the cell's top and the row
// height.
CellControlPlacement PlaceCellControl(const QRect &cell, int columnWidth, int rowHeight,
                                      bool isCheckBox);

// A string grid addressed as (column, row) whose cells can also hold a
// control (a check box, a drop-down list, ...). The grid keeps those
// controls on their cells whenever it scrolls, a column or row is resized
// or moved, or the row or column count changes. The controls are children
// of the grid's viewport and send their own signals as usual.
//
// Row numbers count the fixed rows: with one fixed row (the default), row 0
// is the header and the data rows are 1, 2, ...
class TObjectGrid : public QTableWidget {
    Q_OBJECT
public:
    static constexpr int CheckBoxWidth = 14;

    explicit TObjectGrid(QWidget *parent = nullptr);

    int ColCount() const { return columnCount(); }
    void SetColCount(int count);
    // Fixed rows included.
    int RowCount() const { return rowCount() + FFixedRows; }
    void SetRowCount(int count);
    // 0 or 1: the one fixed row is the grid's header line.
    int FixedRows() const { return FFixedRows; }
    void SetFixedRows(int count);

    QString Cells(int col, int row) const;
    void SetCells(int col, int row, const QString &text);

    // The control stored in a cell, or null. Storing a control makes it a
    // child of the grid's viewport; the grid does not delete it when it is
    // taken out of the cell (storing null), the one who stored it does.
    QWidget *Objects(int col, int row) const;
    void SetObjects(int col, int row, QWidget *control);

    int ColWidths(int col) const { return columnWidth(col); }
    void SetColWidths(int col, int width) { setColumnWidth(col, width); }
    int RowHeights(int row) const;
    void SetRowHeights(int row, int height);
    int DefaultRowHeight() const;
    void SetDefaultRowHeight(int height);

    // The current cell in grid numbers (-1 when there is none).
    int Col() const { return currentColumn(); }
    int Row() const;
    void SetCurrentCell(int col, int row);

    // The cell's rectangle in viewport coordinates; empty when the cell is
    // out of view, hidden, or a fixed cell.
    QRect CellRect(int col, int row) const;

    // Puts every stored control on its cell by PlaceCellControl.
    void LayoutControls();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    using CellKey = std::pair<int, int>; // (column, data row)
    void ShiftObjects(bool rows, int first, int count);

    int FFixedRows = 1;
    QHash<CellKey, QPointer<QWidget>> FObjects;
};
