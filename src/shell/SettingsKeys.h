// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where the settings live in the registry: every key of the program lies
// under one base key. SettingsStore, RecentFiles and WorkState name their
// keys through it.
class SettingsKeys {
public:
    // "Software\Varo Software\Quillon 4.21\4.21"
    static QString Base();
    // The full path of a key under the base key, as written.
    static QString Path(const QString &subKey);
};
