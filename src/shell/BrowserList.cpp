// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/BrowserList.h"

QString BrowserList::LimitMessage()
{
    return QStringLiteral("Can not use more than ") + QString::number(MaxBrowsers)
        + QStringLiteral(" browsers.");
}

bool BrowserList::Contains(const QStringList &list, const QString &path)
{
    return list.contains(path, Qt::CaseInsensitive);
}

QStringList BrowserList::Cleaned(const QStringList &paths, int &index)
{
    QStringList result;
    int newIndex = -1;
    for (int i = 0; i < paths.size() && result.size() < MaxBrowsers; ++i) {
        const QString path = Clean(paths.at(i));
        if (path.isEmpty())
            continue;
        if (i == index)
            newIndex = result.size();
        result.append(path);
    }
    index = newIndex;
    return result;
}
