// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Load and save routines report a failure with a message built from a
// format such as "Can not load tags: %1", filled with the failure's own
// text or "Unknown error", and raise it to whoever handles it.

// A failure's own text, trimmed, or "Unknown error" when it has none.
QString ErrorReason(const QString &text);

// Inside a catch block: the text of the error being handled, or "Unknown
// error" when it carries none.
QString CaughtErrorText();

// Raises std::runtime_error with the format's %1 filled by the reason
// ("Unknown error" when it is empty).
[[noreturn]] void RaiseError(const QString &format, const QString &reason);
