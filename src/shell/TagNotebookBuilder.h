// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QFrame;
class QWidget;

// Builds the tag notebook bar `pnlTagNotebookBar`: the tab control
// `TagGrpPageControl` with one page of tag buttons per tag group, from the
// pages and records of MainCommandTable.
class TagNotebookBuilder {
public:
    static constexpr int BarHeight = 62;

    static QFrame *Build(QWidget *parent);
};
