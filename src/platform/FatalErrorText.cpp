// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FatalErrorText.h"

QString &FatalErrorText()
{
    static QString text;
    return text;
}
