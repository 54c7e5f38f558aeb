// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ReopenMenu.h"

#include "controls/Hints.h"
#include "shell/RecentFiles.h"

#include <QAction>
#include <QMenu>

ReopenMenu::ReopenMenu(RecentFiles &files, QMenu &menu, std::function<void(const QString &)> open,
                       QObject *parent)
    : QObject(parent), FFiles(files), FMenu(menu), FOpen(std::move(open))
{
    connect(&FFiles, &RecentFiles::Changed, this, &ReopenMenu::Rebuild);
    Rebuild();
}

void ReopenMenu::Rebuild()
{
    FMenu.clear();
    const QStringList files = FFiles.Files();
    const QStringList captions = FFiles.Captions();
    for (int i = 0; i < files.size(); ++i) {
        // A caption is shown as it stands: "&" is no accelerator here.
        QString caption = captions.value(i);
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction *entry = FMenu.addAction(caption);
        SetHint(entry, QStringLiteral("%1|%2").arg(captions.value(i), RecentFiles::EntryHint));
        const QString path = files.at(i);
        connect(entry, &QAction::triggered, this, [this, path] { FOpen(path); });
    }
}
