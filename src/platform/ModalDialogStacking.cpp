// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ModalDialogStacking.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace {

bool StaysOnTop(const QWidget &window)
{
    if (window.windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        return true;
    // A dialog lifted here carries the mark on its native window only.
    const QWindow *handle = window.windowHandle();
    return handle && handle->flags().testFlag(Qt::WindowStaysOnTopHint);
}

} // namespace

void ModalDialogStacking::Install()
{
    static QPointer<ModalDialogStacking> installed;
    if (installed || !qApp)
        return;
    installed = new ModalDialogStacking(qApp);
    qApp->installEventFilter(installed);
}

QWidget *ModalDialogStacking::WindowToStandAbove(const QWidget &dialog)
{
    const auto onTop = [&dialog](const QWidget *window) {
        return window && window != &dialog && window->isWindow() && window->isVisible()
            && !window->isMinimized() && window->windowType() != Qt::ToolTip
            && StaysOnTop(*window);
    };
    // The window the dialog was asked from first (the Tag Inspector asking
    // for a file), else any that stays on top.
    if (QWidget *active = QApplication::activeWindow(); onTop(active))
        return active;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (onTop(window))
            return window;
    }
    return nullptr;
}

bool ModalDialogStacking::eventFilter(QObject *watched, QEvent *event)
{
    // The show event comes before the window is mapped, so the window
    // manager learns both from the start.
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto *dialog = static_cast<QWidget *>(watched);
        QWindow *handle = dialog->windowHandle();
        if (dialog->isWindow() && dialog->isModal() && handle)
            StandAbove(*dialog, *handle, WindowToStandAbove(*dialog));
    }
    return QObject::eventFilter(watched, event);
}

void ModalDialogStacking::StandAbove(QWidget &dialog, QWindow &handle, QWidget *window)
{
    // Window managers keep a dialog above the window it belongs to, in
    // that window's layer: it belongs to the one it has to stand above,
    // and stays on top itself where that window does.
    Qt::WindowFlags flags = dialog.windowFlags();
    if (window)
        flags |= Qt::WindowStaysOnTopHint;
    if (handle.flags() != flags)
        handle.setFlags(flags);
    const QWidget *owner = window ? window : dialog.parentWidget();
    handle.setTransientParent(owner ? owner->window()->windowHandle() : nullptr);
}
