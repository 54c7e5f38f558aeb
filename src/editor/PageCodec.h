// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// How a page file's bytes stand for its text.
enum class PageEncoding {
    Utf8,       // UTF-8 without a byte-order mark (also every new page)
    Utf8Bom,    // UTF-8 that began with a byte-order mark, kept on saving
    Latin1      // 8-bit text, one byte per character
};

// Turns page files into text and back. A file is UTF-8 when its bytes are
// valid UTF-8, otherwise 8-bit text read byte for byte; saving writes the
// text in the encoding it was read with and with CR LF line ends.
class PageCodec {
public:
    struct Decoded {
        QString text;             // without the byte-order mark
        PageEncoding encoding = PageEncoding::Utf8;
    };

    static Decoded Decode(const QByteArray &bytes);

    // The bytes of a page: every line end (CR LF, lone LF, lone CR) written
    // as CR LF, in the given encoding. Returns false, and leaves `bytes`
    // untouched, when a character cannot be held by the 8-bit encoding;
    // `badChar` then tells which one.
    static bool Encode(const QString &text, PageEncoding encoding, QByteArray &bytes,
                       QChar *badChar = nullptr);

    // Line ends made CR LF.
    static QString WithCrLf(const QString &text);
};
