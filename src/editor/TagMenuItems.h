// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

// One tag item of a document window's Tags menu.
struct TagMenuItem {
    const char *objectName;  // "mnuBODY"
    const char *menu;        // object name of the submenu that holds it
    const char *caption;     // "<&BODY>"
    // The main window's command the item runs ("sbBODYClick"); nullptr for
    // the items the document window handles itself (mnuDL, mnuLI).
    const char *handler;
    const char *hint;        // "Short| long"
};

// The tag items of the Tags menu, grouped by submenu in menu order.
class TagMenuItems {
public:
    static const QList<TagMenuItem> &All();
    // The items of one submenu, in menu order.
    static QList<const TagMenuItem *> InMenu(const QString &menuName);
};
