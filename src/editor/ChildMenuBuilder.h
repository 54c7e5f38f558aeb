// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QMenu;
class TfrmMDIChild;

// Builds a document window's Edit, Search and Tags menus from
// ChildCommandTable and connects their items to the window's handlers.
// Every item carries its name as object name and a two-part hint
// "Short| long" in the dynamic property "hint" (the short part is its
// tool tip, the long part its status tip).
class ChildMenuBuilder {
public:
    struct Menus {
        QMenu *edit = nullptr;
        QMenu *search = nullptr;
        QMenu *tags = nullptr;
    };

    static Menus Build(TfrmMDIChild &child);
};
