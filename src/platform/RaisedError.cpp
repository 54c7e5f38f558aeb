// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RaisedError.h"

#include <exception>
#include <stdexcept>

QString ErrorReason(const QString &text)
{
    const QString reason = text.trimmed();
    return reason.isEmpty() ? QStringLiteral("Unknown error") : reason;
}

QString CaughtErrorText()
{
    try {
        throw;
    } catch (const std::exception &error) {
        return ErrorReason(QString::fromUtf8(error.what()));
    } catch (...) {
        return ErrorReason(QString());
    }
}

void RaiseError(const QString &format, const QString &reason)
{
    throw std::runtime_error(format.arg(ErrorReason(reason)).toStdString());
}
