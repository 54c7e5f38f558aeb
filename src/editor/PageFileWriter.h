// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Writes page files and their backup copies whole or not at all, by the
// file name's exact bytes (see NativeFileName). Each function returns an
// empty text on success, else the reason: the system's own text for the
// call that failed ("No space left on device", "Permission denied",
// "Read-only file system", ...), or "Is a directory", "Not a regular file",
// "The file is read-only" or "The folder is read-only" for a file or folder
// that is refused before anything is written. A file or folder without any
// write permission bit is refused even for the superuser.
class PageFileWriter {
public:
    // Writes a page file. A symbolic link at the name keeps pointing where
    // it did and its target is written. An existing file keeps its owner,
    // group and mode bits (set-id bits too): the bytes go to a new file
    // beside it that takes its place once complete. Where such a new file
    // could not keep them, or the file has more than one hard link, the file
    // is overwritten in place instead: its old bytes are first copied to a
    // hidden file (beside it, else in its folder's parent, else in $TMPDIR
    // or /tmp), the room for the new size is reserved, and a failure puts
    // the old bytes back. Should even that fail, the copy is kept and the
    // reason names it. A failed write leaves the old file as it was.
    static QString Write(const QString &path, const QByteArray &bytes);

    // Writes a backup copy, always as a new file that replaces whatever was
    // at backupPath: a symbolic link there is replaced by a regular file and
    // its target is left alone. The copy takes the group and permission
    // bits of the page file at pagePath where it can (when the group cannot
    // be taken, the group gets no more than others); without a page file it
    // is made as any new file is.
    static QString WriteBackup(const QString &backupPath, const QByteArray &bytes,
                               const QString &pagePath);

    // Tests: from now on no byte at this position or past it can be written
    // into a page or backup file (the in-place safety copy is not affected),
    // and the write fails as on a full disk; a negative value switches this
    // off.
    static void SetFailAfterBytesForTesting(qint64 bytes);
};
