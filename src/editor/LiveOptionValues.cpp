// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/LiveOptionValues.h"

#include <QFontDatabase>

LiveOptionValues::LiveOptionValues()
{
    // A fixed-pitch font: pages are written by hand and columns matter.
    editorFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    editorFont.setPointSize(10);
}
