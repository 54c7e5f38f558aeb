// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QObject;

// Two-part hints "Short| long text": the short part is the tool tip, the
// long part is what the message bar shows. The whole hint is kept in the
// dynamic property "hint" of the button or menu item.

// The text before the first bar, or the whole text when it has none.
QString ShortHint(const QString &hint);
// The text after the first bar, or the whole text when it has none.
QString LongHint(const QString &hint);

// Gives a widget or an action its hint: the "hint" property, the tool tip
// (short part) and the status tip (long part).
void SetHint(QObject *target, const QString &hint);
QString HintOf(const QObject *target);
