// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/TObjectGrid.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QScrollBar>

#include <algorithm>

CellControlPlacement PlaceCellControl(const QRect &cell, int columnWidth, int rowHeight,
                                      bool isCheckBox)
{
    CellControlPlacement place;
    if (cell.isEmpty())
        return place;
    place.Move = true;
    if (isCheckBox) {
        const int left = cell.left() + cell.width() / 2 - TObjectGrid::CheckBoxWidth / 2;
        place.Bounds = QRect(left, cell.top(), TObjectGrid::CheckBoxWidth, rowHeight);
        place.Visible = true;
    } else {
        place.Bounds = QRect(cell.left(), cell.top(), columnWidth, rowHeight);
        place.Visible = false;
    }
    return place;
}

TObjectGrid::TObjectGrid(QWidget *parent) : QTableWidget(parent)
{
    verticalHeader()->hide();
    horizontalHeader()->setHighlightSections(false);
    horizontalScrollBar()->setSingleStep(8);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);

    auto relayout = [this] { LayoutControls(); };
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, relayout);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, relayout);
    for (QHeaderView *header : {horizontalHeader(), verticalHeader()}) {
        connect(header, &QHeaderView::sectionResized, this, relayout);
        connect(header, &QHeaderView::sectionMoved, this, relayout);
    }
    QAbstractItemModel *cells = model();
    connect(cells, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex &, int first, int last) {
                ShiftObjects(true, first, last - first + 1);
                LayoutControls();
            });
    connect(cells, &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex &, int first, int last) {
                ShiftObjects(true, first, -(last - first + 1));
                LayoutControls();
            });
    connect(cells, &QAbstractItemModel::columnsInserted, this,
            [this](const QModelIndex &, int first, int last) {
                ShiftObjects(false, first, last - first + 1);
                LayoutControls();
            });
    connect(cells, &QAbstractItemModel::columnsRemoved, this,
            [this](const QModelIndex &, int first, int last) {
                ShiftObjects(false, first, -(last - first + 1));
                LayoutControls();
            });
}

void TObjectGrid::SetColCount(int count)
{
    setColumnCount(std::max(0, count));
}

void TObjectGrid::SetRowCount(int count)
{
    setRowCount(std::max(0, count - FFixedRows));
}

void TObjectGrid::SetFixedRows(int count)
{
    const int total = RowCount();
    FFixedRows = std::clamp(count, 0, 1);
    horizontalHeader()->setVisible(FFixedRows > 0);
    SetRowCount(total);
}

QString TObjectGrid::Cells(int col, int row) const
{
    const QTableWidgetItem *cell =
        row < FFixedRows ? horizontalHeaderItem(col) : item(row - FFixedRows, col);
    return cell ? cell->text() : QString();
}

void TObjectGrid::SetCells(int col, int row, const QString &text)
{
    if (col < 0 || col >= ColCount() || row < 0 || row >= RowCount())
        return;
    if (row < FFixedRows) {
        if (QTableWidgetItem *header = horizontalHeaderItem(col))
            header->setText(text);
        else
            setHorizontalHeaderItem(col, new QTableWidgetItem(text));
        return;
    }
    if (QTableWidgetItem *cell = item(row - FFixedRows, col))
        cell->setText(text);
    else
        setItem(row - FFixedRows, col, new QTableWidgetItem(text));
}

QWidget *TObjectGrid::Objects(int col, int row) const
{
    return FObjects.value({col, row - FFixedRows}).data();
}

void TObjectGrid::SetObjects(int col, int row, QWidget *control)
{
    if (col < 0 || col >= ColCount() || row < FFixedRows || row >= RowCount())
        return;
    const CellKey key{col, row - FFixedRows};
    if (!control) {
        FObjects.remove(key);
        return;
    }
    if (control->parentWidget() != viewport())
        control->setParent(viewport());
    FObjects.insert(key, control);
}

int TObjectGrid::RowHeights(int row) const
{
    return row < FFixedRows ? horizontalHeader()->height() : rowHeight(row - FFixedRows);
}

void TObjectGrid::SetRowHeights(int row, int height)
{
    if (row >= FFixedRows)
        setRowHeight(row - FFixedRows, height);
}

int TObjectGrid::DefaultRowHeight() const
{
    return verticalHeader()->defaultSectionSize();
}

void TObjectGrid::SetDefaultRowHeight(int height)
{
    verticalHeader()->setMinimumSectionSize(std::min(height, verticalHeader()->minimumSectionSize()));
    verticalHeader()->setDefaultSectionSize(height);
}

int TObjectGrid::Row() const
{
    const int row = currentRow();
    return row < 0 ? -1 : row + FFixedRows;
}

void TObjectGrid::SetCurrentCell(int col, int row)
{
    if (row >= FFixedRows)
        setCurrentCell(row - FFixedRows, col);
}

QRect TObjectGrid::CellRect(int col, int row) const
{
    const int dataRow = row - FFixedRows;
    if (dataRow < 0 || dataRow >= rowCount() || col < 0 || col >= columnCount()
        || isRowHidden(dataRow) || isColumnHidden(col))
        return QRect();
    // The whole section, grid line included, so that a cell is as wide as
    // its column.
    const QRect cell(columnViewportPosition(col), rowViewportPosition(dataRow),
                     columnWidth(col), rowHeight(dataRow));
    if (!cell.intersects(viewport()->rect()))
        return QRect();
    return cell;
}

void TObjectGrid::LayoutControls()
{
    if (FObjects.isEmpty())
        return;
    setUpdatesEnabled(false);
    for (auto it = FObjects.cbegin(); it != FObjects.cend(); ++it) {
        QWidget *control = it.value().data();
        if (!control)
            continue;
        const int col = it.key().first;
        const int dataRow = it.key().second;
        const CellControlPlacement place =
            PlaceCellControl(CellRect(col, dataRow + FFixedRows), columnWidth(col),
                             rowHeight(dataRow), qobject_cast<QCheckBox *>(control) != nullptr);
        if (place.Move)
            control->setGeometry(place.Bounds);
        control->setVisible(place.Visible);
    }
    setUpdatesEnabled(true);
    viewport()->update();
}

void TObjectGrid::resizeEvent(QResizeEvent *event)
{
    QTableWidget::resizeEvent(event);
    // Cells come into view or go out of it as the grid changes size.
    LayoutControls();
}

void TObjectGrid::ShiftObjects(bool rows, int first, int count)
{
    QHash<CellKey, QPointer<QWidget>> moved;
    for (auto it = FObjects.cbegin(); it != FObjects.cend(); ++it) {
        CellKey key = it.key();
        int &index = rows ? key.second : key.first;
        if (index >= first) {
            if (count < 0 && index < first - count) {
                // The cell is gone: its control no longer has a place.
                if (QWidget *control = it.value().data())
                    control->hide();
                continue;
            }
            index += count;
        }
        moved.insert(key, it.value());
    }
    FObjects = moved;
}
