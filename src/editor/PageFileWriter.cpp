// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/PageFileWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {

qint64 FailAfterBytes = -1;

constexpr QFileDevice::Permissions AnyWrite =
    QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;

// A file or folder without any write permission bit is not written, even
// by a user whom the system would let through (the superuser).
QString ReadOnlyReason(const QString &path)
{
    const QFileInfo target(path);
    if (target.exists()) {
        if (target.isDir())
            return QStringLiteral("Is a directory");
        if (!(target.permissions() & AnyWrite))
            return QStringLiteral("The file is read-only");
    }
    const QString folder =
        target.exists() ? QFileInfo(target.canonicalFilePath()).absolutePath() : target.absolutePath();
    const QFileInfo folderInfo(folder);
    if (folderInfo.exists() && !(folderInfo.permissions() & AnyWrite))
        return QStringLiteral("The folder is read-only");
    return QString();
}

} // namespace

void PageFileWriter::SetFailAfterBytesForTesting(qint64 bytes)
{
    FailAfterBytes = bytes;
}

QString PageFileWriter::Write(const QString &path, const QByteArray &bytes)
{
    const QString readOnly = ReadOnlyReason(path);
    if (!readOnly.isEmpty())
        return readOnly;

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (FailAfterBytes >= 0 && bytes.size() > FailAfterBytes) {
        file.write(bytes.constData(), FailAfterBytes);
        file.cancelWriting();
        return QStringLiteral("No space left on device");
    }
    if (file.write(bytes) != bytes.size()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return file.errorString();
    return QString();
}
