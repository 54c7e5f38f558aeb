// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/MenuFocusReturn.h"

#include <QAction>
#include <QActionEvent>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

MenuFocusReturn::MenuFocusReturn(QMenuBar *bar, std::function<void()> menusClosed)
    : QObject(bar), FBar(bar), FMenusClosed(std::move(menusClosed))
{
    const QList<QAction *> actions = bar->actions();
    for (QAction *action : actions)
        Watch(action->menu<QMenu *>());
    bar->installEventFilter(this);
}

bool MenuFocusReturn::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == FBar && event->type() == QEvent::ActionAdded)
        Watch(static_cast<QActionEvent *>(event)->action()->menu<QMenu *>());
    return QObject::eventFilter(watched, event);
}

void MenuFocusReturn::Watch(QMenu *menu)
{
    if (menu)
        connect(menu, &QMenu::aboutToHide, this, &MenuFocusReturn::MenuHidden,
                Qt::UniqueConnection);
}

void MenuFocusReturn::MenuHidden()
{
    // The bar takes the keyboard only after the menu has gone, and moving
    // along the bar opens the next menu at once: look once both are done.
    if (FPending)
        return;
    FPending = true;
    QTimer::singleShot(0, this, &MenuFocusReturn::Settle);
}

void MenuFocusReturn::Settle()
{
    FPending = false;
    if (!QApplication::activePopupWidget() && FMenusClosed)
        FMenusClosed();
}
