// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

// What a page file looked like on disk when the editor last read or wrote
// it: enough to tell that another program has changed it since.
struct PageDiskStamp {
    bool known = false;     // false: never taken (an untitled page)
    bool exists = false;
    bool regular = false;   // a regular file (after following links)
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0;  // modification time in nanoseconds

    // The file's state now, links followed.
    static PageDiskStamp Of(const QString &path);
    // The state of an open file (exists is false when it cannot be asked).
    static PageDiskStamp OfOpenFile(int fd);

    bool operator==(const PageDiskStamp &other) const = default;
};
