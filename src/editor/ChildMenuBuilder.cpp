// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/ChildMenuBuilder.h"

#include "controls/Hints.h"
#include "editor/ChildCommandTable.h"
#include "editor/TfrmMDIChild.h"

#include <QAction>
#include <QHash>
#include <QKeySequence>
#include <QMenu>

namespace {

void Connect(TfrmMDIChild &child, QAction *action, const ChildCommand &row)
{
    if (row.own) {
        QObject::connect(action, &QAction::triggered, &child, row.own);
    } else if (row.forward) {
        const MainCommand command = *row.forward;
        QObject::connect(action, &QAction::triggered, &child,
                         [&child, command] { child.ForwardTagItem(command); });
    } else if (row.attribute) {
        const QString name = QString::fromLatin1(row.name);
        QObject::connect(action, &QAction::triggered, &child,
                         [&child, name] { child.AttributeItemClick(name); });
    }
}

} // namespace

ChildMenuBuilder::Menus ChildMenuBuilder::Build(TfrmMDIChild &child)
{
    QHash<QString, QMenu *> built;
    for (const ChildCommand &row : ChildCommandTable::Records()) {
        QMenu *holder = built.value(QLatin1String(row.menu));
        const QString name = QString::fromLatin1(row.name);
        const QString caption = QString::fromLatin1(row.caption);
        switch (row.kind) {
        case ChildCommand::Kind::Menu: {
            QMenu *menu = holder ? holder->addMenu(caption) : new QMenu(caption, &child);
            menu->setObjectName(name);
            menu->menuAction()->setObjectName(name);
            SetHint(menu->menuAction(), QString::fromLatin1(row.hint));
            if (row.onOpen)
                QObject::connect(menu, &QMenu::aboutToShow, &child, row.onOpen);
            built.insert(name, menu);
            break;
        }
        case ChildCommand::Kind::Separator:
            holder->addSeparator();
            break;
        case ChildCommand::Kind::Command: {
            QAction *action = holder->addAction(caption);
            action->setObjectName(name);
            if (row.shortcut)
                action->setShortcut(QKeySequence(QString::fromLatin1(row.shortcut)));
            SetHint(action, QString::fromLatin1(row.hint));
            Connect(child, action, row);
            break;
        }
        }
    }
    return {built.value(QStringLiteral("mnuEdit")), built.value(QStringLiteral("mnuSearch")),
            built.value(QStringLiteral("mnuTags"))};
}
