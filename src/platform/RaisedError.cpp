// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RaisedError.h"

#include <exception>
#include <stdexcept>

namespace {
const QString UnknownError = QStringLiteral("Unknown error");
}

QString CaughtErrorText()
{
    try {
        throw;
    } catch (const std::exception &error) {
        const QString text = QString::fromUtf8(error.what()).trimmed();
        return text.isEmpty() ? UnknownError : text;
    } catch (...) {
        return UnknownError;
    }
}

void RaiseError(const QString &format, const QString &reason)
{
    throw std::runtime_error(
        format.arg(reason.trimmed().isEmpty() ? UnknownError : reason).toStdString());
}
