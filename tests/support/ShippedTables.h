// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Copies the tables the build made (QUILLON_BINARY_DIR/DATA) into
// appDir/DATA; returns how many were copied, or -1 when one failed.
int CopyShippedTables(const QString &appDir);
