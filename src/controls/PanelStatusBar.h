// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <QList>
#include <QString>

class QLabel;
class QStackedLayout;
class QWidget;

// A status bar made of panels of fixed widths, with a simple mode that
// shows one text across the whole bar (used for hints). The panels keep
// their texts while the simple mode is on and show them again when it ends.
class PanelStatusBar : public QFrame {
    Q_OBJECT
public:
    explicit PanelStatusBar(QWidget *parent = nullptr);

    // Appends a panel; returns its index.
    int AddPanel(int width, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
    int PanelCount() const { return int(FPanels.size()); }
    int PanelWidth(int index) const;
    Qt::Alignment PanelAlignment(int index) const;

    // Indices outside the panels are ignored (empty text on reading).
    void SetPanelText(int index, const QString &text);
    QString PanelText(int index) const;

    // Simple mode: one text over the whole bar instead of the panels.
    void SetSimpleText(const QString &text);
    QString SimpleText() const;
    void SetSimple(bool simple);
    bool IsSimple() const;

    // Repaints the bar at once, without waiting for the event loop.
    void RepaintNow();

private:
    QLabel *Panel(int index) const;

    QWidget *FPanelRow = nullptr;
    QLabel *FSimpleLabel = nullptr;
    QStackedLayout *FStack = nullptr;
    QList<QLabel *> FPanels;
};
