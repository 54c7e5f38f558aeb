// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>

class QMenu;
class RecentFiles;

// Keeps the File menu's Reopen sub-menu in step with the recent-file list:
// one entry per file, captioned in capitals, each opening the file by its
// real path.
class ReopenMenu : public QObject {
    Q_OBJECT
public:
    ReopenMenu(RecentFiles &files, QMenu &menu, std::function<void(const QString &)> open,
               QObject *parent = nullptr);

    void Rebuild();

private:
    RecentFiles &FFiles;
    QMenu &FMenu;
    std::function<void(const QString &)> FOpen;
};
