// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The rules of the preview browser list: at most ten programs, each a path
// with no blanks around it, kept as the file system spells it, and never
// listed twice (whatever the letter case).
class BrowserList {
public:
    static constexpr int MaxBrowsers = 10;

    // "Can not use more than 10 browsers."
    static QString LimitMessage();
    static bool IsFull(const QStringList &list) { return list.size() >= MaxBrowsers; }
    // True when the list holds the path, compared without regard to case.
    static bool Contains(const QStringList &list, const QString &path);
    // The path with blanks trimmed at both ends; letter case is kept.
    static QString Clean(const QString &path) { return path.trimmed(); }

    // A stored list made fit for use: paths trimmed, empty ones dropped,
    // at most ten kept. `index` (the selected entry, -1 for none) is moved
    // along so that it still names the same path, or -1 when that path
    // was dropped or the index was out of range.
    static QStringList Cleaned(const QStringList &paths, int &index);
};
