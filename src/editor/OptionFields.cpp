// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/OptionFields.h"

#include "editor/OptionTable.h"

#include <QFontDatabase>

OptionFields::OptionFields()
{
    for (const OptionTable::Row &row : OptionTable::Rows())
        OptionTable::Set(*this, row, row.defaultValue);
    // A fixed-pitch font: pages are written by hand and columns matter.
    editorFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    editorFont.setPointSize(10);
}
