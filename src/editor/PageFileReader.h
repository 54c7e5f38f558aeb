// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/PageDiskStamp.h"

#include <QByteArray>
#include <QString>

// Reads a page file whole. Only regular files are read: a FIFO, a device
// or a folder would block the program or make no sense as a page.
class PageFileReader {
public:
    struct Result {
        QByteArray bytes;
        QString failure;       // empty when the whole file was read
        PageDiskStamp stamp;   // the file as it was read
    };

    static Result Read(const QString &path);

    // The reason given for anything but a regular file.
    static QString NotRegularText() { return QStringLiteral("not a regular file"); }
};
