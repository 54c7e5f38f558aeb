// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>

// A list box whose horizontal scroll range follows its widest item: the
// list scrolls sideways exactly as far as the widest text plus one "X".
// Adding an item can only widen the range; removing items or changing the
// font measures all remaining items again; clearing sets it to 0.
class TListBoxHorz : public QListWidget {
    Q_OBJECT
    Q_PROPERTY(int ScrollWidth READ ScrollWidth WRITE SetScrollWidth)
    Q_PROPERTY(double About READ About WRITE SetAbout)
public:
    static constexpr double Version = 0.99;

    explicit TListBoxHorz(QWidget *parent = nullptr);
    ~TListBoxHorz() override;

    // The horizontal extent in pixels the list can be scrolled across.
    int ScrollWidth() const { return FScrollWidth; }
    void SetScrollWidth(int width);

    double About() const { return FAbout; }
    void SetAbout(double value) { FAbout = value; }

    // The width of a text in the list's font, with one "X" of margin.
    int TextWidth(const QString &text) const;
    // The widest of all items (0 for an empty list).
    int WidestItemWidth() const;

protected:
    void changeEvent(QEvent *event) override;
    void updateGeometries() override;

private:
    void ItemsInserted(int first, int last);
    void MeasureAll();

    int FScrollWidth = 0;
    double FAbout = Version;
};
