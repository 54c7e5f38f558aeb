// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/OptionFields.h"

#include <QColor>
#include <QFont>

// The options that the rest of the program reads while it runs. The main
// window owns the live copy; lower layers read it through this interface.
// Each option of the option table (OptionTable) is read by its field in
// OptionFields; the accessors below carry the names of the controls that
// show them.
class LiveOptions {
public:
    virtual ~LiveOptions() = default;

    virtual bool Flag(bool OptionFields::*option) const = 0;
    virtual int Number(int OptionFields::*option) const = 0;
    virtual QFont EditorFont() const = 0; // the font dialog's font
    virtual QColor EditorFontColor() const = 0;
    virtual QColor editBackColor() const = 0; // editor background

    bool cbTagPrompt() const { return Flag(&OptionFields::tagPrompt); } // "&Insert Tag With Prompt"
    bool cbTagUpperCase() const
    {
        return Flag(&OptionFields::tagUpperCase);
    } // tag literals in upper case
    bool cbAttrUpperCase() const
    {
        return Flag(&OptionFields::attrUpperCase);
    }                                                           // attribute literals in upper case
    bool cbSound() const { return Flag(&OptionFields::sound); } // "&Beep On Error Action"
    bool cbTagsMenu() const
    {
        return Flag(&OptionFields::tagsMenu);
    } // document windows show their Tags menu
    bool cbWordWrap() const { return Flag(&OptionFields::wordWrap); }
    bool cbBackup() const { return Flag(&OptionFields::backup); }
    bool cbAutoSave() const { return Flag(&OptionFields::autoSave); }
    int spnSaveInterval() const { return Number(&OptionFields::saveInterval); } // minutes
    bool cbRUFList() const { return Flag(&OptionFields::rufList); }
    int spnRUFEntries() const { return Number(&OptionFields::rufEntries); }
    bool cbShowTagInspector() const { return Flag(&OptionFields::showTagInspector); }
    bool ShowTipsAtStartup() const { return Flag(&OptionFields::showTipsAtStartup); }
};
