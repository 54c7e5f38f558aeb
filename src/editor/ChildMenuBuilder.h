// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QString>

class QAction;
class QMenu;
class QWidget;
class TfrmMDIChild;

// Builds a document window's Edit, Search and Tags menus and connects their
// items to the window's handlers. Every item carries its name as object
// name and a two-part hint "Short| long" in the dynamic property "hint"
// (the short part is its tool tip, the long part its status tip).
class ChildMenuBuilder {
public:
    struct Menus {
        QMenu *edit = nullptr;
        QMenu *search = nullptr;
        QMenu *tags = nullptr;
    };

    static Menus Build(TfrmMDIChild &child);

    // Stores a "Short| long" hint on an action: property "hint", tool tip
    // and status tip.
    static void SetHint(QAction *action, const QString &hint);

private:
    static QMenu *BuildEdit(TfrmMDIChild &child);
    static QMenu *BuildSearch(TfrmMDIChild &child);
    static QMenu *BuildTags(TfrmMDIChild &child);
    static QMenu *AddSubmenu(QMenu *parent, const char *name, const QString &caption,
                             const QString &hint);
    static QAction *AddItem(QMenu *menu, const char *name, const QString &caption,
                            const QKeySequence &shortcut, const QString &hint);
    static void AddTagItems(TfrmMDIChild &child, QMenu *menu);
    static void AddAttributeItems(TfrmMDIChild &child, QMenu *menu);
};
