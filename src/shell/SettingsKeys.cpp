// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/SettingsKeys.h"

QString SettingsKeys::Base()
{
    return QStringLiteral("Software\\Varo Software\\Quillon 4.21\\4.21");
}

QString SettingsKeys::Path(const QString &subKey)
{
    return Base() + QLatin1Char('\\') + subKey;
}
