// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/MainMenuBuilder.h"

#include <QString>

class QAction;

// The rules that decide, each time a menu opens, which items of the main
// window's menus are visible or enabled, and which hints they copy.
class MainMenuState {
public:
    explicit MainMenuState(const MainMenuSet &menus);

    // An item (or a menu's own action) of these menus by its object name.
    QAction *Item(const QString &name) const;

    // File: the page items only with a document open; Reopen and its
    // separator only when the list has entries and is switched on.
    void UpdateFileMenu(bool documents, bool reopenOption) const;
    // View: preview and page properties need a document.
    void UpdateViewMenu(bool documents) const;
    // Tools: the commands that write into a page need a document, the case
    // commands a selection too; their hints follow the case buttons.
    void UpdateToolsMenu(bool documents, bool selection, const QString &upperCaseHint,
                         const QString &lowerCaseHint) const;
    // Pop-up: hints copied from the main menus; page commands need a
    // document, cut and copy a selection, paste text on the clipboard.
    void UpdatePopupMenu(bool documents, bool selection, bool clipboardText) const;

private:
    void SetVisible(std::initializer_list<const char *> names, bool visible) const;
    void SetEnabled(std::initializer_list<const char *> names, bool enabled) const;

    MainMenuSet FMenus;
};
