// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/TListBoxHorz.h"

#include <QEvent>
#include <QFontMetrics>
#include <QScrollBar>

#include <algorithm>

TListBoxHorz::TListBoxHorz(QWidget *parent) : QListWidget(parent)
{
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QAbstractItemModel *items = model();
    connect(items, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex &, int first, int last) { ItemsInserted(first, last); });
    connect(items, &QAbstractItemModel::rowsRemoved, this, [this] { MeasureAll(); });
    connect(items, &QAbstractItemModel::modelReset, this, [this] { MeasureAll(); });
    // Renaming an item in place is measured like a removal: the renamed item
    // may have been the widest one.
    connect(items, &QAbstractItemModel::dataChanged, this, [this] { MeasureAll(); });
}

TListBoxHorz::~TListBoxHorz()
{
    // The items outlive this destructor's body and are cleared on their way
    // out; that must not measure a half-destroyed list.
    disconnect(model(), nullptr, this, nullptr);
}

void TListBoxHorz::SetScrollWidth(int width)
{
    FScrollWidth = std::max(0, width);
    updateGeometries();
}

int TListBoxHorz::TextWidth(const QString &text) const
{
    return fontMetrics().horizontalAdvance(text + QLatin1Char('X'));
}

int TListBoxHorz::WidestItemWidth() const
{
    int widest = 0;
    for (int row = 0; row < count(); ++row)
        widest = std::max(widest, TextWidth(item(row)->text()));
    return widest;
}

void TListBoxHorz::ItemsInserted(int first, int last)
{
    int widest = FScrollWidth;
    for (int row = first; row <= last; ++row) {
        if (const QListWidgetItem *added = item(row))
            widest = std::max(widest, TextWidth(added->text()));
    }
    if (widest != FScrollWidth)
        SetScrollWidth(widest);
}

void TListBoxHorz::MeasureAll()
{
    SetScrollWidth(WidestItemWidth());
}

void TListBoxHorz::changeEvent(QEvent *event)
{
    QListWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        MeasureAll();
}

void TListBoxHorz::updateGeometries()
{
    QListWidget::updateGeometries();
    // The horizontal range is the list's own extent, not the items' layout.
    QScrollBar *bar = horizontalScrollBar();
    const int page = viewport()->width();
    bar->setPageStep(std::max(1, page));
    bar->setSingleStep(std::max(1, fontMetrics().averageCharWidth()));
    bar->setRange(0, std::max(0, FScrollWidth - page));
}
