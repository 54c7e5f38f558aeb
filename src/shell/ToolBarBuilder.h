// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QFrame;
class QWidget;

// Builds the main window's tool bar panel `pnlToolBar` from the records of
// MainCommandTable placed on it: the file and edit buttons, the tag and
// text buttons, the buttons that open tool windows and the preview button
// at the right end.
class ToolBarBuilder {
public:
    static constexpr int BarHeight = 35;

    static QFrame *Build(QWidget *parent);
};
