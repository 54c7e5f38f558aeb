// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/Hints.h"

#include <QAction>
#include <QVariant>
#include <QWidget>

namespace {
const char *const HintProperty = "hint";
}

QString ShortHint(const QString &hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.left(bar);
}

QString LongHint(const QString &hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

void SetHint(QObject *target, const QString &hint)
{
    if (!target)
        return;
    target->setProperty(HintProperty, hint);
    if (auto *action = qobject_cast<QAction *>(target)) {
        action->setToolTip(ShortHint(hint));
        action->setStatusTip(LongHint(hint));
    } else if (auto *widget = qobject_cast<QWidget *>(target)) {
        widget->setToolTip(ShortHint(hint));
        widget->setStatusTip(LongHint(hint));
    }
}

QString HintOf(const QObject *target)
{
    return target ? target->property(HintProperty).toString() : QString();
}
