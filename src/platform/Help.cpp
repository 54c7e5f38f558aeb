// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Help.h"

#include "platform/QtHelp.h"

namespace {

Help *installedHelp = nullptr;

} // namespace

Help &Help::Instance()
{
    if (installedHelp)
        return *installedHelp;
    static QtHelp qtHelp;
    return qtHelp;
}

void Help::SetInstance(Help *help)
{
    installedHelp = help;
}
