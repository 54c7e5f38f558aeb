// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/MainMenuBuilder.h"

#include "controls/Hints.h"
#include "shell/MainCommandTable.h"

#include <QAction>
#include <QHash>
#include <QKeySequence>
#include <QMenu>
#include <QWidget>

MainMenuSet MainMenuBuilder::Build(QWidget *owner)
{
    MainMenuSet set;
    QHash<QString, QString> hints; // item name -> hint, for copied hints
    QHash<QString, QMenu *> built;

    using Kind = MainCommandRecord::Kind;
    for (const CommandContainer &def : MainCommandTable::Menus()) {
        auto *menu = new QMenu(QString::fromUtf8(def.caption), owner);
        menu->setObjectName(QString::fromLatin1(def.name));
        menu->menuAction()->setObjectName(menu->objectName());
        if (*def.hint)
            SetHint(menu->menuAction(), QString::fromUtf8(def.hint));
        for (const MainCommandRecord *item : MainCommandTable::In(def.place)) {
            const QString name = QString::fromLatin1(item->name);
            if (item->kind == Kind::Separator) {
                QAction *separator = menu->addSeparator();
                separator->setObjectName(name);
                continue;
            }
            QAction *action;
            if (item->kind == Kind::Submenu) {
                auto *sub = new QMenu(QString::fromUtf8(item->caption), menu);
                sub->setObjectName(name);
                action = menu->addMenu(sub);
                built.insert(name, sub);
            } else {
                action = new QAction(QString::fromUtf8(item->caption), menu);
                action->setObjectName(name);
                menu->addAction(action);
            }
            action->setObjectName(name);
            if (item->shortcut)
                action->setShortcut(QKeySequence(QString::fromLatin1(item->shortcut)));
            if (item->checkable) {
                action->setCheckable(true);
                action->setChecked(true);
            }
            if (item->startsDisabled)
                action->setEnabled(false);
            const QString hint = item->hint ? QString::fromUtf8(item->hint)
                                            : hints.value(QString::fromLatin1(item->hintFrom));
            SetHint(action, hint);
            hints.insert(name, hint);
        }
        built.insert(menu->objectName(), menu);
        if (def.group >= 0)
            set.Groups.append(MergedMenu{def.group, menu});
    }

    set.mnuFile = built.value(QStringLiteral("mnuFile"));
    set.mnuView = built.value(QStringLiteral("mnuView"));
    set.mnuTools = built.value(QStringLiteral("mnuTools"));
    set.mnuWindow = built.value(QStringLiteral("mnuWindow"));
    set.mnuHelp = built.value(QStringLiteral("mnuHelp"));
    set.mnuReopen = built.value(QStringLiteral("mnuReopen"));
    set.mnuMainPopup = built.value(QStringLiteral("mnuMainPopup"));
    return set;
}
