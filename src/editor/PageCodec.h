// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// How a page file's bytes stand for its text.
enum class PageEncoding {
    Utf8,       // UTF-8 without a byte-order mark (also every new page)
    Utf8Bom,    // UTF-8 that began with a byte-order mark, kept on saving
    Latin1,     // 8-bit text, one byte per character
    Utf16LE,    // UTF-16 with its byte-order mark, little end first
    Utf16BE     // UTF-16 with its byte-order mark, big end first
};

// Turns page files into text and back, byte for byte. A file that starts
// with a UTF-16 byte-order mark and holds well-formed UTF-16 is UTF-16; a
// file whose bytes are valid UTF-8 is UTF-8 (a byte-order mark is kept);
// anything else is 8-bit text read byte for byte. Line ends are left as
// they are: the editor keeps them.
class PageCodec {
public:
    struct Decoded {
        QString text;             // without the byte-order mark
        PageEncoding encoding = PageEncoding::Utf8;
        // NUL bytes outside UTF-16: a binary file opened by mistake, most
        // likely. The text still holds every byte.
        bool looksBinary = false;
    };

    static Decoded Decode(const QByteArray &bytes);

    // The bytes of a page in the given encoding. Returns false, and leaves
    // `bytes` untouched, when a character cannot be held by the 8-bit
    // encoding; `badChar` then tells which one.
    static bool Encode(const QString &text, PageEncoding encoding, QByteArray &bytes,
                       QChar *badChar = nullptr);
};
