// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/WindowPlacement.h"

#include <QString>
#include <QTest>

// Copies the tables the build made (QUILLON_BINARY_DIR/DATA) into
// appDir/DATA; returns how many were copied, or -1 when one failed.
int CopyShippedTables(const QString &appDir);

// Placements in test failure messages.
namespace QTest {
template <> inline char *toString(const WindowPlacement &p)
{
    return qstrdup(QStringLiteral("{maximized %1, on top %2, %3, %4, %5 x %6}")
                       .arg(p.Maximized).arg(p.StayOnTop).arg(p.Left).arg(p.Top)
                       .arg(p.Width).arg(p.Height).toLatin1().constData());
}
}
