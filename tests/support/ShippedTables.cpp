// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ShippedTables.h"

#include <QDir>
#include <QFile>

int CopyShippedTables(const QString &appDir)
{
    const QDir built(qEnvironmentVariable("QUILLON_BINARY_DIR") + QStringLiteral("/DATA"));
    const QDir home(appDir);
    if (!home.mkpath(QStringLiteral("DATA")))
        return -1;
    const QStringList tables = built.entryList({QStringLiteral("*.db")}, QDir::Files);
    for (const QString &table : tables) {
        const QString target = home.filePath(QStringLiteral("DATA/") + table);
        QFile::remove(target);
        if (!QFile::copy(built.filePath(table), target))
            return -1;
    }
    return int(tables.size());
}
