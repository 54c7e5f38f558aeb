// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/TfrmMDIChild.h"

#include <QList>

class QMenu;
class QMenuBar;

// Menu merging by group: the active document window's menus join the main
// window's menu bar in the order of their groups. A document menu whose
// group equals a main menu's group takes that menu's place; menus of the
// same group keep their own order, main menus before document menus.
class MenuMerge {
public:
    static QList<QMenu *> Merge(const QList<MergedMenu> &mainMenus,
                                const QList<MergedMenu> &childMenus);
    // Puts the merged menus into a menu bar in place of what it held.
    static void Apply(QMenuBar *bar, const QList<MergedMenu> &mainMenus,
                      const QList<MergedMenu> &childMenus);
};
