// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/TextSearch.h"

#include <QChar>
#include <QList>
#include <QString>

namespace {

bool IsWordChar(uchar c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsContinuation(uchar c)
{
    return (c & 0xC0) == 0x80;
}

const uchar *Bytes(QByteArrayView buffer)
{
    return reinterpret_cast<const uchar *>(buffer.data());
}

bool IsWordStart(const uchar *bytes, qsizetype pos)
{
    return IsWordChar(bytes[pos]) && (pos == 0 || !IsWordChar(bytes[pos - 1]));
}

// The character that begins at pos (not ASCII) and its length in bytes. A
// byte that does not begin a well-formed sequence stands alone.
qsizetype Decode(QByteArrayView buffer, qsizetype pos, char32_t *c)
{
    const uchar *b = Bytes(buffer) + pos;
    const qsizetype left = buffer.size() - pos;
    int follow = 0;
    char32_t value = 0;
    char32_t least = 0;
    if (b[0] >= 0xC2 && b[0] <= 0xDF) {
        follow = 1, value = b[0] & 0x1F, least = 0x80;
    } else if (b[0] >= 0xE0 && b[0] <= 0xEF) {
        follow = 2, value = b[0] & 0x0F, least = 0x800;
    } else if (b[0] >= 0xF0 && b[0] <= 0xF4) {
        follow = 3, value = b[0] & 0x07, least = 0x10000;
    }
    *c = QChar::ReplacementCharacter;
    if (follow == 0 || left <= follow)
        return 1;
    for (int i = 1; i <= follow; ++i) {
        if (!IsContinuation(b[i]))
            return 1;
        value = (value << 6) | (b[i] & 0x3F);
    }
    if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return 1;
    *c = value;
    return follow + 1;
}

} // namespace

TextSearch::TextSearch(QStringView text, unsigned options) : FOptions(options)
{
    const QList<uint> characters = text.toUcs4();
    FText.reserve(characters.size());
    for (uint c : characters)
        FText.push_back(Fold(c));
    if (FText.empty())
        return;
    const char32_t first = FText.front();
    for (uint b = 0; b < 0x80; ++b)
        FFirstByte[b] = Fold(b) == first;
    if (first >= 0x80) {
        if (FOptions & MatchCase) {
            FFirstByte[uchar(QString::fromUcs4(&first, 1).toUtf8().front())] = true;
            return;
        }
        for (uint b = 0xC0; b <= 0xFF; ++b)
            FFirstByte[b] = true;
    } else if (!(FOptions & MatchCase)) {
        // A few letters outside ASCII fold into it (the dotless i, the long
        // s); the two-byte sequences are checked, longer ones may begin a
        // match.
        for (uint b = 0xC2; b <= 0xDF; ++b) {
            for (char32_t c = ((b & 0x1F) << 6); c < ((b & 0x1F) << 6) + 0x40 && !FFirstByte[b];
                 ++c)
                FFirstByte[b] = Fold(c) == first;
        }
        for (uint b = 0xE0; b <= 0xF4; ++b)
            FFirstByte[b] = true;
    }
}

char32_t TextSearch::Fold(char32_t c) const
{
    if (FOptions & MatchCase)
        return c;
    if (c < 0x80)
        return c >= 'a' && c <= 'z' ? c - ('a' - 'A') : c;
    return QChar::toUpper(c);
}

TextSearch::Match TextSearch::MatchAt(QByteArrayView buffer, qsizetype pos) const
{
    const uchar *bytes = Bytes(buffer);
    const bool wholeWords = FOptions & WholeWords;
    if (wholeWords && !IsWordStart(bytes, pos))
        return {};
    qsizetype end = pos;
    for (char32_t wanted : FText) {
        if (end >= buffer.size())
            return {};
        char32_t c = bytes[end];
        if (c < 0x80)
            ++end;
        else
            end += Decode(buffer, end, &c);
        if (Fold(c) != wanted)
            return {};
    }
    if (wholeWords && end < buffer.size() && IsWordChar(bytes[end]))
        return {};
    return {pos, end - pos};
}

TextSearch::Match TextSearch::ScanBuffer(QByteArrayView buffer, qsizetype selStart,
                                         qsizetype selLength) const
{
    if (FText.empty() || selStart < 0 || selLength < 0 || selStart > buffer.size() - selLength)
        return {};
    const uchar *bytes = Bytes(buffer);
    if (FOptions & Forward) {
        for (qsizetype pos = selStart + selLength; pos < buffer.size(); ++pos) {
            if (!FFirstByte[bytes[pos]])
                continue;
            if (const Match match = MatchAt(buffer, pos); match.Found())
                return match;
        }
        return {};
    }
    // A match must end at or before the selection's start: the first
    // candidate lies as many characters before it as the text holds.
    qsizetype from = selStart;
    for (size_t i = 0; i < FText.size(); ++i) {
        if (from == 0)
            return {};
        --from;
        while (from > 0 && IsContinuation(bytes[from]))
            --from;
    }
    for (qsizetype pos = from; pos >= 0; --pos) {
        if (!FFirstByte[bytes[pos]])
            continue;
        if (const Match match = MatchAt(buffer, pos); match.Found())
            return match;
    }
    return {};
}
