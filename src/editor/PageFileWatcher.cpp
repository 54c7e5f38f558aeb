// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/PageFileWatcher.h"

#include "editor/TfrmMDIChild.h"
#include "platform/NativeFileName.h"

#include <QFileInfo>
#include <QFileSystemWatcher>

PageFileWatcher &PageFileWatcher::Instance()
{
    static PageFileWatcher *instance = new PageFileWatcher;
    return *instance;
}

PageFileWatcher::PageFileWatcher() : FWatcher(new QFileSystemWatcher(this))
{
    connect(FWatcher, &QFileSystemWatcher::fileChanged, this, &PageFileWatcher::FileChanged);
}

void PageFileWatcher::Watch(TfrmMDIChild *child, const QString &path)
{
    Forget(child);
    // Names that Qt cannot spell go unwatched; their saves still check the
    // file before writing.
    if (path.isEmpty() || NativeFileName::HasEscapedBytes(path))
        return;
    FPaths.insert(child, path);
    if (!FWatcher->files().contains(path))
        FWatcher->addPath(path);
}

void PageFileWatcher::Forget(TfrmMDIChild *child)
{
    const QString path = FPaths.take(child);
    if (!path.isEmpty() && !FPaths.values().contains(path))
        FWatcher->removePath(path);
}

void PageFileWatcher::FileChanged(const QString &path)
{
    // A file replaced by renaming another over it drops out of the watch:
    // follow the new one.
    if (!FWatcher->files().contains(path) && QFileInfo::exists(path))
        FWatcher->addPath(path);
    QList<QPointer<TfrmMDIChild>> children;
    for (auto it = FPaths.cbegin(); it != FPaths.cend(); ++it) {
        if (it.value() == path)
            children << it.key();
    }
    for (const QPointer<TfrmMDIChild> &child : children) {
        if (child)
            child->DiskFileChanged();
    }
}
