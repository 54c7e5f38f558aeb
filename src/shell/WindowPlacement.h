// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// The stored state of a window: position and size in pixels, and whether it
// is maximised or stays on top.
struct WindowPlacement {
    bool Maximized = false;
    bool StayOnTop = false;
    qint32 Left = 0;
    qint32 Top = 0;
    qint32 Width = 0;
    qint32 Height = 0;

    friend bool operator==(const WindowPlacement &, const WindowPlacement &) = default;
};
