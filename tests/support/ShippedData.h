// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/WindowPlacement.h"
#include "support/ShippedTables.h"

#include <QString>
#include <QTest>

// The shipped tables and, for the main window's tests, placements in test
// failure messages.
namespace QTest {
template <> inline char *toString(const WindowPlacement &p)
{
    return qstrdup(QStringLiteral("{maximized %1, on top %2, %3, %4, %5 x %6}")
                       .arg(p.Maximized)
                       .arg(p.StayOnTop)
                       .arg(p.Left)
                       .arg(p.Top)
                       .arg(p.Width)
                       .arg(p.Height)
                       .toLatin1()
                       .constData());
}
} // namespace QTest
