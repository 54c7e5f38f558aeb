// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/MenuMerge.h"

#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <algorithm>

QList<QMenu *> MenuMerge::Merge(const QList<MergedMenu> &mainMenus,
                                const QList<MergedMenu> &childMenus)
{
    QSet<int> childGroups;
    for (const MergedMenu &menu : childMenus)
        if (menu.menu)
            childGroups.insert(menu.group);

    QList<MergedMenu> all;
    for (const MergedMenu &menu : mainMenus)
        if (menu.menu && !childGroups.contains(menu.group))
            all.append(menu);
    for (const MergedMenu &menu : childMenus)
        if (menu.menu)
            all.append(menu);
    std::stable_sort(all.begin(), all.end(),
                     [](const MergedMenu &a, const MergedMenu &b) { return a.group < b.group; });

    QList<QMenu *> result;
    result.reserve(all.size());
    for (const MergedMenu &menu : all)
        result.append(menu.menu);
    return result;
}

void MenuMerge::Apply(QMenuBar *bar, const QList<MergedMenu> &mainMenus,
                      const QList<MergedMenu> &childMenus)
{
    const QList<QAction *> current = bar->actions();
    for (QAction *action : current)
        bar->removeAction(action);
    for (QMenu *menu : Merge(mainMenus, childMenus))
        bar->addAction(menu->menuAction());
}
