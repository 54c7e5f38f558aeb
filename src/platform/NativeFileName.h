// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// File names on Linux are bytes, and not every name is valid UTF-8. A name
// becomes text and back without losing a byte: valid UTF-8 decodes as
// usual, and every other byte is kept as a lone surrogate U+DC80..U+DCFF.
class NativeFileName {
public:
    // Bytes of a file name as text: valid UTF-8 decodes as usual; every byte
    // that is not part of valid UTF-8 becomes the lone surrogate U+DC00 +
    // byte, so Encode(Decode(b)) == b for every byte string b.
    static QString Decode(QByteArrayView bytes);
    // The inverse: lone surrogates U+DC80..U+DCFF become their byte again,
    // everything else is UTF-8 (any other lone surrogate in its three-byte
    // form).
    static QByteArray Encode(QStringView name);
    // Whether a name holds such escaped bytes (Qt's own file classes cannot
    // reach it then; use the native calls).
    static bool HasEscapedBytes(QStringView name);
};
