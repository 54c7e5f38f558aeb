// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/LiveOptions.h"
#include "editor/OptionFields.h"

// A plain set of option values with the program's defaults. The main
// window keeps one as its live copy until the options dialog takes that role;
// tests set fields directly.
class LiveOptionValues : public OptionFields, public LiveOptions {
public:
    bool Flag(bool OptionFields::*option) const override { return this->*option; }
    int Number(int OptionFields::*option) const override { return this->*option; }
    QFont EditorFont() const override { return editorFont; }
    QColor EditorFontColor() const override { return editorFontColor; }
    QColor editBackColor() const override { return backColor; }
};
