// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Writes a file whole or not at all: the bytes go to a temporary file in
// the same folder, which replaces the old file only once it is complete.
// A failed write (disk full, no permission, read-only folder) leaves the
// old file exactly as it was. A symbolic link keeps pointing where it did
// and its target is written; an existing file keeps its permission bits.
class PageFileWriter {
public:
    // Returns an empty text on success, else what went wrong.
    static QString Write(const QString &path, const QByteArray &bytes);

    // Tests: every following write fails after this many bytes as a full
    // disk would; a negative value switches this off.
    static void SetFailAfterBytesForTesting(qint64 bytes);
};
