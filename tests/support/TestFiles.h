// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/NativeFileName.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstdio>

// Whole files for tests, by the name's own bytes (so also names that are
// not valid UTF-8).
namespace TestFiles {

// The file's bytes, or "<missing>" when it cannot be read.
inline QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    if (NativeFileName::HasEscapedBytes(path) || !file.open(QIODevice::ReadOnly)) {
        FILE *raw = std::fopen(NativeFileName::Encode(path).constData(), "rb");
        if (!raw)
            return QByteArray("<missing>");
        QByteArray bytes;
        char buffer[4096];
        for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, raw)) > 0;)
            bytes.append(buffer, qsizetype(got));
        std::fclose(raw);
        return bytes;
    }
    return file.readAll();
}

// Writes the file whole; false when it could not.
inline bool WriteBytes(const QString &path, const QByteArray &bytes)
{
    FILE *raw = std::fopen(NativeFileName::Encode(path).constData(), "wb");
    if (!raw)
        return false;
    const bool whole = std::fwrite(bytes.constData(), 1, size_t(bytes.size()), raw) == size_t(bytes.size());
    return std::fclose(raw) == 0 && whole;
}

} // namespace TestFiles
