// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/TfrmMDIChild.h"

#include <QList>

class QMenu;
class QWidget;

// The main window's menus and its pop-up menu.
struct MainMenuSet {
    QMenu *mnuFile = nullptr;
    QMenu *mnuView = nullptr;
    QMenu *mnuTools = nullptr;
    QMenu *mnuWindow = nullptr;
    QMenu *mnuHelp = nullptr;
    QMenu *mnuReopen = nullptr;
    QMenu *mnuMainPopup = nullptr;
    // The menu-bar menus with their merge groups, in menu order.
    QList<MergedMenu> Groups;
};

// Builds every menu item with its caption, shortcut and hint from tables.
// Items are owned by their menus and carry their names as object names, so
// they can be found with findChild<QAction *>("mnuSave").
class MainMenuBuilder {
public:
    struct Item {
        const char *name;             // object name ("" for an unnamed separator)
        const char *caption;          // "-" for a separator
        const char *shortcut = nullptr;
        const char *hint = nullptr;   // "Short| long text"
        const char *hintFrom = nullptr;   // take the hint of this item instead
        bool checkable = false;
        bool submenu = false;
    };
    struct Menu {
        const char *name;
        const char *caption;
        int group;                    // merge group; -1 for the pop-up menu
        const char *hint;
        QList<Item> items;
    };

    static MainMenuSet Build(QWidget *owner);
    // The menu-bar menus followed by the pop-up menu `mnuMainPopup`.
    static const QList<Menu> &Menus();
};
