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

// Builds the menus and every menu item with its caption, shortcut and hint
// from MainCommandTable. Items are owned by their menus and carry their
// names as object names, so they can be found with
// findChild<QAction *>("mnuSave").
class MainMenuBuilder {
public:
    static MainMenuSet Build(QWidget *owner);
};
