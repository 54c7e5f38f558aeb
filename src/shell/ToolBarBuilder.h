// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

class QFrame;
class QWidget;
struct ButtonDef;

// Builds the main window's tool bar panel `pnlToolBar`: the file and edit
// buttons, the tag and text buttons, the buttons that open tool windows and
// the preview button at the right end.
class ToolBarBuilder {
public:
    static constexpr int BarHeight = 35;

    static QFrame *Build(QWidget *parent);
    // Every button of the bar, in order, grouped; an entry with a null name
    // separates two groups.
    static const QList<ButtonDef> &Buttons();
};
