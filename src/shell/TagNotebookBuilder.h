// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

class QFrame;
class QTabWidget;
class QWidget;
struct ButtonDef;

// Builds the tag notebook bar `pnlTagNotebookBar`: the tab control
// `TagGrpPageControl` with one page of tag buttons per tag group.
class TagNotebookBuilder {
public:
    static constexpr int BarHeight = 62;

    struct Page {
        const char *name;       // object name of the page
        const char *caption;    // tab caption
        QList<ButtonDef> buttons;
    };

    static QFrame *Build(QWidget *parent);
    static const QList<Page> &Pages();
};
