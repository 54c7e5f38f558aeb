// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/PanelStatusBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStackedLayout>

namespace {
// Each panel is a sunken label, like the panels of a classic status bar.
QLabel *NewPanelLabel(QWidget *parent, Qt::Alignment alignment)
{
    auto *label = new QLabel(parent);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(alignment);
    label->setTextFormat(Qt::PlainText);
    label->setMinimumWidth(0);
    return label;
}
}

PanelStatusBar::PanelStatusBar(QWidget *parent)
    : QFrame(parent)
{
    FStack = new QStackedLayout(this);
    FStack->setContentsMargins(0, 0, 0, 0);

    FPanelRow = new QWidget(this);
    auto *row = new QHBoxLayout(FPanelRow);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    row->addStretch(1);
    FStack->addWidget(FPanelRow);

    FSimpleLabel = NewPanelLabel(this, Qt::AlignLeft | Qt::AlignVCenter);
    FSimpleLabel->setObjectName(QStringLiteral("SimplePanel"));
    FStack->addWidget(FSimpleLabel);

    FStack->setCurrentWidget(FPanelRow);
    // Like any status bar it clips its panels rather than widen the window.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

int PanelStatusBar::AddPanel(int width, Qt::Alignment alignment)
{
    auto *label = NewPanelLabel(FPanelRow, alignment);
    label->setFixedWidth(width);
    label->setObjectName(QStringLiteral("Panel%1").arg(FPanels.size()));
    auto *row = static_cast<QHBoxLayout *>(FPanelRow->layout());
    // Panels stand left to right; the stretch stays last.
    row->insertWidget(int(FPanels.size()), label);
    FPanels.append(label);
    return int(FPanels.size()) - 1;
}

QLabel *PanelStatusBar::Panel(int index) const
{
    return (index >= 0 && index < FPanels.size()) ? FPanels.at(index) : nullptr;
}

int PanelStatusBar::PanelWidth(int index) const
{
    QLabel *label = Panel(index);
    return label ? label->minimumWidth() : 0;
}

Qt::Alignment PanelStatusBar::PanelAlignment(int index) const
{
    QLabel *label = Panel(index);
    return label ? label->alignment() : Qt::Alignment();
}

void PanelStatusBar::SetPanelText(int index, const QString &text)
{
    QLabel *label = Panel(index);
    if (!label)
        return;
    label->setText(text);
    // A panel is never narrower than its text: the designed widths were
    // made for a smaller font than desktops use today.
    const int needed = label->fontMetrics().horizontalAdvance(text) + 2 * label->margin() + 10;
    if (needed > label->width() && needed > label->minimumWidth())
        label->setFixedWidth(needed);
}

QString PanelStatusBar::PanelText(int index) const
{
    QLabel *label = Panel(index);
    return label ? label->text() : QString();
}

void PanelStatusBar::SetSimpleText(const QString &text)
{
    FSimpleLabel->setText(text);
}

QString PanelStatusBar::SimpleText() const
{
    return FSimpleLabel->text();
}

void PanelStatusBar::SetSimple(bool simple)
{
    FStack->setCurrentWidget(simple ? static_cast<QWidget *>(FSimpleLabel) : FPanelRow);
}

bool PanelStatusBar::IsSimple() const
{
    return FStack->currentWidget() == FSimpleLabel;
}

void PanelStatusBar::RepaintNow()
{
    if (isVisible())
        repaint();
}
