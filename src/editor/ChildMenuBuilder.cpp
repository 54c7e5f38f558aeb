// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/ChildMenuBuilder.h"

#include "editor/AttributeItems.h"
#include "editor/TagMenuItems.h"
#include "editor/TfrmMDIChild.h"

#include <QAction>
#include <QMenu>

ChildMenuBuilder::Menus ChildMenuBuilder::Build(TfrmMDIChild &child)
{
    Menus menus;
    menus.edit = BuildEdit(child);
    menus.search = BuildSearch(child);
    menus.tags = BuildTags(child);
    return menus;
}

void ChildMenuBuilder::SetHint(QAction *action, const QString &hint)
{
    action->setProperty("hint", hint);
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    action->setToolTip(bar < 0 ? hint : hint.left(bar));
    action->setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
}

QMenu *ChildMenuBuilder::AddSubmenu(QMenu *parent, const char *name, const QString &caption,
                                    const QString &hint)
{
    QMenu *menu = parent->addMenu(caption);
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    SetHint(menu->menuAction(), hint);
    return menu;
}

QAction *ChildMenuBuilder::AddItem(QMenu *menu, const char *name, const QString &caption,
                                   const QKeySequence &shortcut, const QString &hint)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    SetHint(action, hint);
    return action;
}

QMenu *ChildMenuBuilder::BuildEdit(TfrmMDIChild &child)
{
    auto *edit = new QMenu(QStringLiteral("&Edit"), &child);
    edit->setObjectName(QStringLiteral("mnuEdit"));
    edit->menuAction()->setObjectName(QStringLiteral("mnuEdit"));
    SetHint(edit->menuAction(), QStringLiteral("Edit| Editing commands for the page"));

    QObject::connect(AddItem(edit, "mnuUndo", QStringLiteral("&Undo"), QKeySequence(QStringLiteral("Ctrl+Z")),
                             QStringLiteral("Undo| Takes back the last change")),
                     &QAction::triggered, &child, &TfrmMDIChild::mnuUndoClick);
    edit->addSeparator();
    QObject::connect(AddItem(edit, "mnuCut", QStringLiteral("Cu&t"), QKeySequence(QStringLiteral("Ctrl+X")),
                             QStringLiteral("Cut| Cuts the selection and puts it on the Clipboard")),
                     &QAction::triggered, &child, &TfrmMDIChild::mnuCutClick);
    QObject::connect(AddItem(edit, "mnuCopy", QStringLiteral("&Copy"), QKeySequence(QStringLiteral("Ctrl+C")),
                             QStringLiteral("Copy| Copies the selection to the Clipboard")),
                     &QAction::triggered, &child, &TfrmMDIChild::mnuCopyClick);
    QObject::connect(AddItem(edit, "mnuPaste", QStringLiteral("&Paste"), QKeySequence(QStringLiteral("Ctrl+V")),
                             QStringLiteral("Paste| Inserts the Clipboard's text")),
                     &QAction::triggered, &child, &TfrmMDIChild::mnuPasteClick);
    QObject::connect(AddItem(edit, "mnuClear", QStringLiteral("Clea&r"), QKeySequence(),
                             QStringLiteral("Clear| Deletes the selection without using the Clipboard")),
                     &QAction::triggered, &child, &TfrmMDIChild::mnuClearClick);
    edit->addSeparator();
    QObject::connect(AddItem(edit, "mnuSelectAll", QStringLiteral("Select A&ll"), QKeySequence(QStringLiteral("Ctrl+A")),
                             QStringLiteral("Select all| Selects the whole page")),
                     &QAction::triggered, &child, &TfrmMDIChild::mnuSelectAllClick);

    QObject::connect(edit, &QMenu::aboutToShow, &child, &TfrmMDIChild::mnuEditClick);
    return edit;
}

QMenu *ChildMenuBuilder::BuildSearch(TfrmMDIChild &child)
{
    // The items are connected by the find, go-to-line and incremental
    // search commands, which look them up by object name.
    auto *search = new QMenu(QStringLiteral("&Search"), &child);
    search->setObjectName(QStringLiteral("mnuSearch"));
    search->menuAction()->setObjectName(QStringLiteral("mnuSearch"));
    SetHint(search->menuAction(), QStringLiteral("Search| Finding and replacing text"));
    AddItem(search, "mnuFind", QStringLiteral("&Find ..."), QKeySequence(QStringLiteral("Ctrl+F")),
            QStringLiteral("Find| Finds a text in the page"));
    AddItem(search, "mnuFindNext", QStringLiteral("Find &Next"), QKeySequence(Qt::Key_F3),
            QStringLiteral("Find next| Finds the next place of the text last looked for"));
    AddItem(search, "mnuReplace", QStringLiteral("&Replace ..."), QKeySequence(QStringLiteral("Ctrl+H")),
            QStringLiteral("Replace| Replaces a text by another"));
    search->addSeparator();
    AddItem(search, "mnuIncrSearch", QStringLiteral("&Incremental Search"),
            QKeySequence(QStringLiteral("Ctrl+I")),
            QStringLiteral("Incremental search| Finds the text as you type it"));
    AddItem(search, "mnuGoToLine", QStringLiteral("&Go To Line Number ..."),
            QKeySequence(QStringLiteral("Ctrl+G")),
            QStringLiteral("Go to line| Moves the caret to a line number"));
    return search;
}

void ChildMenuBuilder::AddTagItems(TfrmMDIChild &child, QMenu *menu)
{
    for (const TagMenuItem *item : TagMenuItems::InMenu(menu->objectName())) {
        QAction *action = AddItem(menu, item->objectName, QString::fromLatin1(item->caption),
                                  QKeySequence(), QString::fromLatin1(item->hint));
        const QString name = QString::fromLatin1(item->objectName);
        if (item->handler) {
            const char *handler = item->handler;
            QObject::connect(action, &QAction::triggered, &child,
                             [&child, handler] { child.ForwardTagItem(handler); });
        } else if (name == QLatin1String("mnuDL")) {
            QObject::connect(action, &QAction::triggered, &child, &TfrmMDIChild::mnuDLClick);
        } else if (name == QLatin1String("mnuLI")) {
            QObject::connect(action, &QAction::triggered, &child, &TfrmMDIChild::mnuLIClick);
        }
    }
}

void ChildMenuBuilder::AddAttributeItems(TfrmMDIChild &child, QMenu *menu)
{
    for (const AttributeItem *item : AttributeItems::InMenu(menu->objectName())) {
        QAction *action = AddItem(menu, item->objectName, QString::fromLatin1(item->caption),
                                  QKeySequence(), QString::fromLatin1(item->hint));
        const QString name = QString::fromLatin1(item->objectName);
        QObject::connect(action, &QAction::triggered, &child,
                         [&child, name] { child.AttributeItemClick(name); });
    }
}

QMenu *ChildMenuBuilder::BuildTags(TfrmMDIChild &child)
{
    auto *tags = new QMenu(QStringLiteral("&Tags"), &child);
    tags->setObjectName(QStringLiteral("mnuTags"));
    tags->menuAction()->setObjectName(QStringLiteral("mnuTags"));
    SetHint(tags->menuAction(), QStringLiteral("Tags| Inserts HTML tags and attributes"));

    // A tag submenu with its items and, when given, an attributes submenu.
    auto tagMenu = [&](const char *name, const char *caption, const char *hint,
                       const char *attrName = nullptr, const char *attrCaption = nullptr,
                       const char *attrHint = nullptr) {
        QMenu *menu = AddSubmenu(tags, name, QString::fromLatin1(caption), QString::fromLatin1(hint));
        AddTagItems(child, menu);
        QMenu *attributes = nullptr;
        if (attrName) {
            menu->addSeparator();
            attributes = AddSubmenu(menu, attrName, QString::fromLatin1(attrCaption),
                                    QString::fromLatin1(attrHint));
            AddAttributeItems(child, attributes);
        }
        return attributes;
    };

    tagMenu("mnuPageStructure", "&Page Srtucture", "Page structure| Tags that build the frame of a page",
            "mnuPageAttributes", "A&ttributes", "Page attributes| Attributes of the BODY tag");
    tagMenu("mnuHeadings", "&Headings", "Headings| Heading tags of six levels");
    tagMenu("mnuLink", "&Link", "Link| Anchor and link tags");
    tagMenu("mnuLists", "L&ists", "Lists| Tags of lists and their items",
            "mnuListAttributes", "&Attributes", "List attributes| Attributes of list items");
    tagMenu("mnuFormatting", "&Formatting", "Formatting| Tags that format text");
    tagMenu("mnuImage", "&Image", "Image| The image tag",
            "mnuImageAttributes", "&Attributes", "Image attributes| Attributes of the IMG tag");
    tagMenu("mnuForm", "&Form", "Form| Tags of forms and their fields",
            "mnuFormAttributes", "Attributes", "Form attributes| Attributes of forms and fields");
    tagMenu("mnuTable", "&Table", "Table| Tags of tables, rows and cells",
            "mnuTableAttributes", "Attributes", "Table attributes| Attributes of tables and cells");
    QMenu *other = tagMenu("mnuOther", "&Other", "Other| Other tags",
                           "mnuOtherAttributes", "Attributes", "Other attributes| Attributes of other tags");
    QMenu *clear = AddSubmenu(other, "mnuCLEAR", QStringLiteral("&CLEAR"),
                              QStringLiteral("Clear| The CLEAR attribute of a line break"));
    AddAttributeItems(child, clear);
    // NOSHADE follows the CLEAR submenu.
    other->removeAction(clear->menuAction());
    other->insertMenu(other->actions().value(0), clear);

    tags->addSeparator();
    QMenu *common = AddSubmenu(tags, "mnuCommonAttributes", QStringLiteral("&Common  Attributes"),
                               QStringLiteral("Common attributes| Attributes that many tags take"));
    QMenu *align = AddSubmenu(common, "mnuALIGN", QStringLiteral("&ALIGN"),
                              QStringLiteral("Align| The ALIGN attribute and its values"));
    AddTagItems(child, align);
    AddAttributeItems(child, align);
    AddAttributeItems(child, common);
    QMenu *valign = AddSubmenu(common, "mnuVALIGN", QStringLiteral("&VALIGN"),
                               QStringLiteral("Vertical align| The VALIGN attribute and its values"));
    AddAttributeItems(child, valign);
    return tags;
}
