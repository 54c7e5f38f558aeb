// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

class QFileSystemWatcher;
class TfrmMDIChild;

// Tells document windows when their page file changes on disk. One watcher
// serves every window (the system allows a program only a few).
class PageFileWatcher : public QObject {
    Q_OBJECT
public:
    static PageFileWatcher &Instance();

    // The window's page file is `path` from now on (empty: none).
    void Watch(TfrmMDIChild *child, const QString &path);
    void Forget(TfrmMDIChild *child);

private:
    PageFileWatcher();
    void FileChanged(const QString &path);

    QFileSystemWatcher *FWatcher;
    QHash<TfrmMDIChild *, QString> FPaths;
};
