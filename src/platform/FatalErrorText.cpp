// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FatalErrorText.h"

#include "platform/ProductInfo.h"

QString &FatalErrorText()
{
    static QString text;
    return text;
}

QString MakerContactText()
{
    return QStringLiteral("Contact Varo Software.") + QStringLiteral("\r")
        + QStringLiteral("E-mail : ") + ProductInfo::ContactAddress;
}
