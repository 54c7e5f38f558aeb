// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/WindowListMenu.h"

#include "editor/TfrmMDIChild.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QPointer>

WindowListMenu::WindowListMenu(QMenu *menu, std::function<void(TfrmMDIChild *)> activate)
    : QObject(menu), FMenu(menu), FGroup(new QActionGroup(this)),
      FActivate(std::move(activate))
{
    FGroup->setExclusive(true);
}

void WindowListMenu::Update(const QList<TfrmMDIChild *> &documents, const TfrmMDIChild *active)
{
    qDeleteAll(FEntries);
    FEntries.clear();
    delete FSeparator;
    FSeparator = nullptr;
    if (documents.isEmpty())
        return;

    FSeparator = FMenu->addSeparator();
    for (TfrmMDIChild *document : documents) {
        QString caption = document->windowTitle();
        // A caption is shown as it is, never as a keyboard mnemonic.
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        auto *entry = new QAction(caption, FMenu);
        entry->setCheckable(true);
        entry->setChecked(document == active);
        FGroup->addAction(entry);
        QPointer<TfrmMDIChild> target(document);
        connect(entry, &QAction::triggered, this, [this, target] {
            if (target)
                FActivate(target);
        });
        FMenu->addAction(entry);
        FEntries.append(entry);
    }
}
