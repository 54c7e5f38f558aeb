// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>

// Every option as a plain field: one for each row of the option table
// (OptionTable), which also gives its default, and the editor font and
// colours, which are no rows of their own. A new object holds the defaults.
struct OptionFields {
    OptionFields();

    // Rows of the option table; their defaults are there.
    bool toolBar{};
    bool messageBar{};
    bool tagNotebookBar{};
    bool showTagInspector{};
    bool sound{};
    bool showTipsAtStartup{};
    bool tagsMenu{};
    bool backup{};
    bool autoSave{};
    int saveInterval{};
    bool rufList{};
    int rufEntries{};
    bool tagPrompt{};
    bool tagUpperCase{};
    bool attrUpperCase{};
    bool wordWrap{};

    QFont editorFont;
    QColor editorFontColor = Qt::black;
    QColor backColor = Qt::white;
};
