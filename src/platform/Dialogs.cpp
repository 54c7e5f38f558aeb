// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Dialogs.h"

#include "platform/QtDialogs.h"

#include <QPointer>
#include <QWidget>

namespace {

Dialogs *installedDialogs = nullptr;

QPointer<QWidget> &parentWindow()
{
    static QPointer<QWidget> parent;
    return parent;
}

} // namespace

Dialogs &Dialogs::Instance()
{
    if (installedDialogs)
        return *installedDialogs;
    static QtDialogs qtDialogs;
    return qtDialogs;
}

void Dialogs::SetInstance(Dialogs *dialogs)
{
    installedDialogs = dialogs;
}

void Dialogs::SetParentWindow(QWidget *parent)
{
    parentWindow() = parent;
}

QWidget *Dialogs::ParentWindow()
{
    return parentWindow().data();
}
