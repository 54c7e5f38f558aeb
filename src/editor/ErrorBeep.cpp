// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/ErrorBeep.h"

#include "editor/LiveOptions.h"
#include "platform/Dialogs.h"

#include <QCoreApplication>

void ErrorBeep(const LiveOptions &options)
{
    QCoreApplication::processEvents();
    if (options.cbSound())
        Dialogs::Instance().Beep();
}
