// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/AttributeItems.h"
#include "editor/MainCommand.h"

#include <QList>
#include <optional>

class TfrmMDIChild;

// One row of a document window's menus, in menu order: a menu (top-level
// when `menu` is empty), a separator, or a command with its handler.
struct ChildCommand {
    enum class Kind { Menu, Separator, Command };
    using Handler = void (TfrmMDIChild::*)();

    Kind kind = Kind::Command;
    const char *menu = ""; // object name of the menu that holds the row
    const char *name = ""; // object name, "mnuUndo"
    const char *caption = "";
    const char *hint = ""; // "Short| long"
    const char *shortcut = nullptr;
    // The handler: exactly one of these four.
    Handler own = nullptr;                  // the document window's own
    std::optional<MainCommand> forward;     // a main-window command it runs
    std::optional<AttributeItem> attribute; // an attribute it inserts
    bool later = false;                     // its command has not arrived yet

    // The handler a menu runs when it opens.
    Handler onOpen = nullptr;

    ChildCommand Key(const char *keys) const;
    ChildCommand Later() const;
    ChildCommand OnOpen(Handler handler) const;
    // Exactly one handler is given (commands) or none (menus, separators).
    bool HandlerIsWhole() const;
};

// The document window's Edit, Search and Tags menus with their tag and
// attribute items: one record for each, in menu order.
class ChildCommandTable {
public:
    static const QList<ChildCommand> &Records();
    // The record of a command by its object name, or nullptr.
    static const ChildCommand *Find(const QString &name);
    // The attribute an item of the Tags menu inserts, or nullptr.
    static const AttributeItem *Attribute(const QString &name);
    // Every shortcut the document window's menus bind.
    static QList<int> Shortcuts();
};
