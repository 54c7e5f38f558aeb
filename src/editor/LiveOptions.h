// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>

// The options that the rest of the program reads while it runs. The main
// window owns the live copy; lower layers read it through this interface.
// Accessors carry the names of the option controls they stand for.
class LiveOptions {
public:
    virtual ~LiveOptions() = default;

    virtual bool cbTagPrompt() const = 0;        // "&Insert Tag With Prompt"
    virtual bool cbTagUpperCase() const = 0;     // tag literals in upper case
    virtual bool cbAttrUpperCase() const = 0;    // attribute literals in upper case
    virtual bool cbSound() const = 0;            // "&Beep On Error Action"
    virtual bool cbTagsMenu() const = 0;         // document windows show their Tags menu
    virtual bool cbWordWrap() const = 0;
    virtual bool cbBackup() const = 0;
    virtual bool cbAutoSave() const = 0;
    virtual int spnSaveInterval() const = 0;     // minutes, 1 to 255
    virtual bool cbRUFList() const = 0;
    virtual int spnRUFEntries() const = 0;       // 1 to 20
    virtual bool cbShowTagInspector() const = 0;
    virtual bool ShowTipsAtStartup() const = 0;
    virtual QFont EditorFont() const = 0;        // the font dialog's font
    virtual QColor EditorFontColor() const = 0;
    virtual QColor editBackColor() const = 0;    // editor background
};
