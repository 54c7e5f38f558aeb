// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/WindowPlacement.h"

#include <QSize>

class QWidget;

// Puts a window where a placement says and reads its placement back.
// Left and Top are the frame's position, Width and Height the size of the
// window's contents.
class WindowPlacer {
public:
    // The size of the primary screen (800 x 600 when there is none).
    static QSize ScreenSize();
    // Normal state, then width, height, left and top; maximised when the
    // placement says so; kept above other windows when it stays on top.
    static void Apply(QWidget *window, const WindowPlacement &placement);
    // A maximised window reports the place it returns to when restored.
    static WindowPlacement Read(const QWidget *window);
};
