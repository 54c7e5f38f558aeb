// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/WindowPlacement.h"

#include <QSize>

// The placements of the main window and the Tag Inspector used on a first
// run, or when a stored placement cannot be used.
struct WindowLayout {
    WindowPlacement Main;
    WindowPlacement Inspector;
};

// The default layout for a screen of the given size. A narrow screen (800
// pixels wide or less) gets a centred 630 x 450 main window and the
// inspector in the bottom-right corner; a wider one gets the main window at
// the top left with the inspector to its right.
WindowLayout DefaultWindowLayout(const QSize &screen);

// Whether a stored placement can be applied on a screen of the given size:
// a maximised window always can; otherwise its top-left corner must lie on
// the screen and both sides must have a positive length.
bool IsUsableWindowRect(const WindowPlacement &placement, const QSize &screen);
