// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/LiveOptions.h"

// A plain set of option values with the program's defaults. The main window
// keeps one as its live copy until the options dialog takes that role;
// tests set fields directly.
class LiveOptionValues : public LiveOptions {
public:
    LiveOptionValues();

    bool tagPrompt = true;
    bool tagUpperCase = true;
    bool attrUpperCase = true;
    bool sound = true;
    bool tagsMenu = true;
    bool wordWrap = false;
    bool backup = true;
    bool autoSave = true;
    int saveInterval = 10;
    bool rufList = true;
    int rufEntries = 5;
    bool showTagInspector = true;
    bool showTipsAtStartup = true;
    QFont editorFont;
    QColor editorFontColor = Qt::black;
    QColor backColor = Qt::white;

    bool cbTagPrompt() const override { return tagPrompt; }
    bool cbTagUpperCase() const override { return tagUpperCase; }
    bool cbAttrUpperCase() const override { return attrUpperCase; }
    bool cbSound() const override { return sound; }
    bool cbTagsMenu() const override { return tagsMenu; }
    bool cbWordWrap() const override { return wordWrap; }
    bool cbBackup() const override { return backup; }
    bool cbAutoSave() const override { return autoSave; }
    int spnSaveInterval() const override { return saveInterval; }
    bool cbRUFList() const override { return rufList; }
    int spnRUFEntries() const override { return rufEntries; }
    bool cbShowTagInspector() const override { return showTagInspector; }
    bool ShowTipsAtStartup() const override { return showTipsAtStartup; }
    QFont EditorFont() const override { return editorFont; }
    QColor EditorFontColor() const override { return editorFontColor; }
    QColor editBackColor() const override { return backColor; }
};
