// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/WindowPlacer.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

QSize WindowPlacer::ScreenSize()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(800, 600);
}

void WindowPlacer::Apply(QWidget *window, const WindowPlacement &placement)
{
    if (!window)
        return;
    const bool onTop = window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    if (onTop != placement.StayOnTop) {
        // Changing a window's flags hides it; a shown window is shown again.
        const bool shown = window->isVisible();
        window->setWindowFlag(Qt::WindowStaysOnTopHint, placement.StayOnTop);
        if (shown)
            window->show();
    }
    window->setWindowState(window->windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized));
    window->resize(qMax(0, placement.Width), qMax(0, placement.Height));
    window->move(placement.Left, placement.Top);
    if (placement.Maximized)
        window->setWindowState(window->windowState() | Qt::WindowMaximized);
}

WindowPlacement WindowPlacer::Read(const QWidget *window)
{
    WindowPlacement placement;
    if (!window)
        return placement;
    placement.Maximized = window->isMaximized();
    placement.StayOnTop = window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    QRect geometry(window->pos(), window->size());
    if (placement.Maximized && window->normalGeometry().isValid()) {
        // The normal geometry is the contents' rectangle; keep the frame's
        // offset so that applying it again puts the window back in place.
        const QRect normal = window->normalGeometry();
        const QPoint frameOffset = window->geometry().topLeft() - window->pos();
        geometry = QRect(normal.topLeft() - frameOffset, normal.size());
    }
    placement.Left = geometry.left();
    placement.Top = geometry.top();
    placement.Width = geometry.width();
    placement.Height = geometry.height();
    return placement;
}
