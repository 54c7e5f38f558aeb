// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>

class QMenu;
class QMenuBar;

// A menu of the menu bar that closes without a choice (Esc) leaves the bar
// in its keyboard mode, where typed letters open menus and run their
// commands without anything showing it. This watches every menu the bar
// holds, also those merged in later: once a menu has closed and no other
// has opened in its place, the given routine runs, which hands the
// keyboard back (the main window gives the focus to the page and clears
// the menu's hint).
class MenuFocusReturn : public QObject {
    Q_OBJECT
public:
    MenuFocusReturn(QMenuBar *bar, std::function<void()> menusClosed);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Watch(QMenu *menu);
    void MenuHidden();
    void Settle();

    QMenuBar *FBar;
    std::function<void()> FMenusClosed;
    bool FPending = false;
};
