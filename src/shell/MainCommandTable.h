// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/MainCommand.h"
#include "shell/ToolButtonFactory.h"

#include <QList>
#include <optional>

class QObject;
class TagCommands;
class TfrmMainForm;

// Where a record of the main window's command table appears.
// clang-format off
enum class CommandPlace {
    File, View, Tools, Window, Help, Popup,   // the menus; Popup is mnuMainPopup
    ToolBar,                                 // pnlToolBar
    PageStructure, Headings, Link, List, Formatting, Image, Form, Table, Other,
};
// clang-format on

// A menu or a tag notebook page.
struct CommandContainer {
    CommandPlace place;
    const char *name;    // object name
    const char *caption; // menu title or tab caption
    int group = -1;      // a menu-bar menu's merge group
    const char *hint = "";
    void (TfrmMainForm::*onOpen)() = nullptr; // a menu's rule when it opens
};

// What a command runs: exactly one of these.
struct MainHandler {
    void (TfrmMainForm::*form)() = nullptr; // a slot of the main window
    void (TagCommands::*tags)() = nullptr;  // a tag command
    const char *tag = nullptr;              // inserts this catalogue tag by name
    bool later = false; // the command arrives with its window

    int Count() const;
    // Whether TagCommands connects it (its own commands and tag buttons).
    bool OnTagCommands() const { return tags || tag; }
};

// One record of the main window: a menu item, a tool button or a tag
// notebook button, or a layout entry (separator, submenu, gap, stretch).
// Within a place, the records stand in display order.
struct MainCommandRecord {
    enum class Kind { Command, Separator, Submenu, Gap, Stretch };
    Kind kind = Kind::Command;
    CommandPlace place = CommandPlace::File;
    const char *name = "";      // design name: "mnuSave", "btnSave", "sbH1"
    const char *caption = "";   // menu caption, or the glyph of a button ("&&" for "&")
    const char *hint = nullptr; // "Short| long"; nullptr: the hint of `hintFrom`
    const char *hintFrom = nullptr;
    MainHandler handler;
    const char *shortcut = nullptr; // "Ctrl+S"
    ButtonLook look;                // buttons: icon and glyph style
    std::optional<MainCommand> id;  // the id others run it by
    bool checkable = false;         // a check item, checked at start; runs when its mark changes
    bool startsDisabled = false;

    MainCommandRecord Key(const char *keys) const;
    MainCommandRecord Id(MainCommand command) const;
    MainCommandRecord Icon(const char *themeIcon, int standardPixmap = -1) const;
    MainCommandRecord Drawn(QIcon (*drawIcon)()) const;
    MainCommandRecord Glyph(int fontStyle) const;
    MainCommandRecord Check() const;
    MainCommandRecord Off() const;
};

// The main window's commands: menus, pop-up menu, tool bar and tag
// notebook. The builders build from it, the main window and TagCommands
// connect from it, and the editor's clashing keys come from it.
class MainCommandTable {
public:
    static const QList<MainCommandRecord> &Records();
    // The menus (the menu-bar menus, then mnuMainPopup) and the notebook
    // pages, each in order.
    static const QList<CommandContainer> &Menus();
    static const QList<CommandContainer> &Pages();
    // The records of one place, in order.
    static QList<const MainCommandRecord *> In(CommandPlace place);
    // The record others run by this id, or nullptr.
    static const MainCommandRecord *Forwarded(MainCommand command);
    // Every shortcut the main window binds (as QKeyCombination::toCombined).
    static QList<int> Shortcuts();

    static void Run(const MainHandler &handler, TfrmMainForm &form);
    // Connects the record's menu item or button in `form` to its handler,
    // for as long as `context` lives.
    static void Connect(const MainCommandRecord &record, TfrmMainForm &form, QObject *context);
};
