// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/MainCommandTable.h"

#include "shell/TagCommands.h"
#include "shell/TfrmMainForm.h"

#include <QAction>
#include <QKeySequence>
#include <QToolButton>

namespace {
using F = TfrmMainForm;
using P = CommandPlace;
using Kind = MainCommandRecord::Kind;
} // namespace

int MainHandler::Count() const
{
    return int(form != nullptr) + int(tags != nullptr) + int(tag != nullptr) + int(later);
}

MainCommandRecord MainCommandRecord::Key(const char *keys) const
{
    MainCommandRecord record = *this;
    record.shortcut = keys;
    return record;
}

MainCommandRecord MainCommandRecord::Id(MainCommand command) const
{
    MainCommandRecord record = *this;
    record.id = command;
    return record;
}

MainCommandRecord MainCommandRecord::Icon(const char *themeIcon, int standardPixmap) const
{
    MainCommandRecord record = *this;
    record.look.themeIcon = themeIcon;
    record.look.standardPixmap = standardPixmap;
    return record;
}

MainCommandRecord MainCommandRecord::Drawn(QIcon (*drawIcon)()) const
{
    MainCommandRecord record = *this;
    record.look.drawIcon = drawIcon;
    return record;
}

MainCommandRecord MainCommandRecord::Glyph(int fontStyle) const
{
    MainCommandRecord record = *this;
    record.look.fontStyle = fontStyle;
    return record;
}

MainCommandRecord MainCommandRecord::Check() const
{
    MainCommandRecord record = *this;
    record.checkable = true;
    return record;
}

MainCommandRecord MainCommandRecord::Off() const
{
    MainCommandRecord record = *this;
    record.startsDisabled = true;
    return record;
}

const QList<CommandContainer> &MainCommandTable::Menus()
{
    static const QList<CommandContainer> menus = {
        {P::File, "mnuFile", "&File", 0, "File| Creates, opens, saves and prints Web pages",
         &F::mnuFileClick},
        {P::View, "mnuView", "&View", 2,
         "View| Shows or hides the bars, options and page properties", &F::mnuViewClick},
        {P::Tools, "mnuTools", "&Tools", 7, "Tools| Tool windows, wizards and text commands",
         &F::mnuToolsClick},
        {P::Window, "mnuWindow", "&Window", 8,
         "Window| Arranges the open windows and switches between them", &F::mnuWindowPopup},
        {P::Help, "mnuHelp", "&Help", 9, "Help| Help about Quillon"},
        {P::Popup, "mnuMainPopup", "", -1, "", &F::mnuMainPopupPopup},
    };
    return menus;
}

const QList<CommandContainer> &MainCommandTable::Pages()
{
    static const QList<CommandContainer> pages = {
        {P::PageStructure, "tsPageStructure", "Page Structure"},
        {P::Headings, "tsHeadings", "Headings"},
        {P::Link, "tsLink", "Link"},
        {P::List, "tsList", "List"},
        {P::Formatting, "tsFormatting", "Formatting"},
        {P::Image, "tsImage", "Image"},
        {P::Form, "tsForm", "Form"},
        {P::Table, "tsTable", "Table"},
        {P::Other, "tsOther", "Other"},
    };
    return pages;
}

QList<const MainCommandRecord *> MainCommandTable::In(CommandPlace place)
{
    QList<const MainCommandRecord *> records;
    for (const MainCommandRecord &record : Records()) {
        if (record.place == place)
            records.append(&record);
    }
    return records;
}

const MainCommandRecord *MainCommandTable::Forwarded(MainCommand command)
{
    for (const MainCommandRecord &record : Records()) {
        if (record.id == command)
            return &record;
    }
    return nullptr;
}

QList<int> MainCommandTable::Shortcuts()
{
    QList<int> keys;
    for (const MainCommandRecord &record : Records()) {
        if (record.shortcut)
            keys.append(QKeySequence(QString::fromLatin1(record.shortcut))[0].toCombined());
    }
    return keys;
}

void MainCommandTable::Run(const MainHandler &handler, TfrmMainForm &form)
{
    if (handler.form)
        (form.*handler.form)();
    else if (handler.tags)
        (form.Tags().*handler.tags)();
    else if (handler.tag)
        form.Tags().InsertTagByName(QString::fromLatin1(handler.tag));
}

void MainCommandTable::Connect(const MainCommandRecord &record, TfrmMainForm &form,
                               QObject *context)
{
    if (record.kind != Kind::Command || record.handler.later)
        return;
    const QString name = QString::fromLatin1(record.name);
    const MainHandler handler = record.handler;
    const auto run = [&form, handler] { Run(handler, form); };
    if (record.place >= P::ToolBar) {
        if (auto *button = form.findChild<QToolButton *>(name))
            QObject::connect(button, &QToolButton::clicked, context, run);
    } else if (QAction *action = form.MenuItem(name)) {
        QObject::connect(action, record.checkable ? &QAction::toggled : &QAction::triggered,
                         context, run);
    }
}
