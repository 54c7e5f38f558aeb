// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/LiveOptionValues.h"

#include <QColor>
#include <QList>
#include <QStringList>

// Everything the settings store reads into the options and writes back at
// the end: the option values (among them the three bars), the browser list
// with its selected entry, and the colour dialog's custom colours. The
// options dialog shows it in its controls; the settings store moves it to
// and from the registry.
struct OptionsData {
    LiveOptionValues values;    // every row of the option table, editor font and colours
    QStringList browsers;       // at most ten browser paths
    int browserIndex = -1;      // the selected browser; -1 none
    QList<QColor> customColors; // the colour dialog's custom colours

    QString SelectedBrowser() const
    {
        return browserIndex >= 0 && browserIndex < browsers.size() ? browsers.at(browserIndex)
                                                                   : QString();
    }
};
