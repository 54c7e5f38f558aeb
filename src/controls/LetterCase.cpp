// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/LetterCase.h"

namespace {

QString MapAscii(const QString &text, char16_t from, char16_t to, int shift)
{
    QString result = text;
    for (QChar &c : result) {
        const char16_t u = c.unicode();
        if (u >= from && u <= to)
            c = QChar(static_cast<char16_t>(u + shift));
    }
    return result;
}

} // namespace

QString AsciiUpper(const QString &text)
{
    return MapAscii(text, u'a', u'z', 'A' - 'a');
}

QString AsciiLower(const QString &text)
{
    return MapAscii(text, u'A', u'Z', 'a' - 'A');
}

QString TagCase(const QString &text, bool upper)
{
    return upper ? AsciiUpper(text) : AsciiLower(text);
}

QString AttrCase(const QString &text, bool upper)
{
    return upper ? AsciiUpper(text) : AsciiLower(text);
}
