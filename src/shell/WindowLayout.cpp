// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/WindowLayout.h"

namespace {
constexpr qint32 InspectorWidth = 290;
constexpr qint32 NarrowScreenWidth = 800;
}

WindowLayout DefaultWindowLayout(const QSize &screen)
{
    const qint32 w = screen.width();
    const qint32 h = screen.height();
    WindowLayout layout;
    layout.Inspector.StayOnTop = true;
    if (w > NarrowScreenWidth) {
        layout.Main.Left = 0;
        layout.Main.Top = 0;
        layout.Main.Width = w - InspectorWidth;
        layout.Main.Height = 600;
        layout.Inspector.Left = layout.Main.Width + 1;
        layout.Inspector.Top = 0;
        layout.Inspector.Width = InspectorWidth;
        layout.Inspector.Height = layout.Main.Height;
    } else {
        layout.Main.Width = 630;
        layout.Main.Height = 450;
        layout.Main.Left = w / 2 - 315;
        layout.Main.Top = h / 2 - 225;
        layout.Inspector.Left = w - InspectorWidth;
        layout.Inspector.Top = h - 400;
        layout.Inspector.Width = InspectorWidth;
        layout.Inspector.Height = 400;
    }
    return layout;
}

bool IsUsableWindowRect(const WindowPlacement &placement, const QSize &screen)
{
    if (placement.Maximized)
        return true;
    // A negative size is as useless as a zero one: such a window could not
    // be seen or grabbed, so it counts as unusable too.
    return placement.Left >= 0 && placement.Left < screen.width()
        && placement.Top >= 0 && placement.Top < screen.height()
        && placement.Width > 0 && placement.Height > 0;
}
