// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/NativeFileName.h"

namespace {

constexpr char16_t EscapeBase = 0xDC00;

bool IsContinuation(uchar byte)
{
    return (byte & 0xC0) == 0x80;
}

// The length of the valid UTF-8 sequence at the start of bytes and the code
// point it holds, or 0 when the first byte starts no valid sequence
// (stray continuation bytes, overlong forms, encoded surrogates, values
// past U+10FFFF, cut-off sequences).
int ValidSequence(const uchar *bytes, qsizetype size, char32_t &codePoint)
{
    const uchar lead = bytes[0];
    int length = 0;
    uchar low = 0x80, high = 0xBF;   // the range of the second byte
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0F;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (size < length || bytes[1] < low || bytes[1] > high)
        return 0;
    for (int i = 1; i < length; ++i) {
        if (!IsContinuation(bytes[i]))
            return 0;
        codePoint = (codePoint << 6) | (bytes[i] & 0x3F);
    }
    return length;
}

bool IsEscape(char16_t unit)
{
    return unit >= EscapeBase + 0x80 && unit <= EscapeBase + 0xFF;
}

} // namespace

QString NativeFileName::Decode(QByteArrayView bytes)
{
    QString name;
    name.reserve(bytes.size());
    const auto *data = reinterpret_cast<const uchar *>(bytes.data());
    qsizetype at = 0;
    while (at < bytes.size()) {
        char32_t codePoint = 0;
        const int length = ValidSequence(data + at, bytes.size() - at, codePoint);
        if (length == 0) {
            name.append(QChar(char16_t(EscapeBase + data[at])));
            ++at;
        } else {
            name.append(QChar::fromUcs4(codePoint));
            at += length;
        }
    }
    return name;
}

QByteArray NativeFileName::Encode(QStringView name)
{
    QByteArray bytes;
    bytes.reserve(name.size() * 3);
    for (qsizetype at = 0; at < name.size(); ++at) {
        const char16_t unit = name[at].unicode();
        char32_t codePoint = unit;
        if (QChar::isHighSurrogate(unit) && at + 1 < name.size()
            && QChar::isLowSurrogate(name[at + 1].unicode())) {
            codePoint = QChar::surrogateToUcs4(unit, name[at + 1].unicode());
            ++at;
        } else if (IsEscape(unit)) {
            bytes.append(char(unit - EscapeBase));
            continue;
        }
        if (codePoint < 0x80) {
            bytes.append(char(codePoint));
        } else if (codePoint < 0x800) {
            bytes.append(char(0xC0 | (codePoint >> 6)));
            bytes.append(char(0x80 | (codePoint & 0x3F)));
        } else if (codePoint < 0x10000) {
            bytes.append(char(0xE0 | (codePoint >> 12)));
            bytes.append(char(0x80 | ((codePoint >> 6) & 0x3F)));
            bytes.append(char(0x80 | (codePoint & 0x3F)));
        } else {
            bytes.append(char(0xF0 | (codePoint >> 18)));
            bytes.append(char(0x80 | ((codePoint >> 12) & 0x3F)));
            bytes.append(char(0x80 | ((codePoint >> 6) & 0x3F)));
            bytes.append(char(0x80 | (codePoint & 0x3F)));
        }
    }
    return bytes;
}

bool NativeFileName::HasEscapedBytes(QStringView name)
{
    for (qsizetype at = 0; at < name.size(); ++at) {
        const char16_t unit = name[at].unicode();
        // A low surrogate that completes a pair is part of a character.
        const bool paired = at > 0 && QChar::isHighSurrogate(name[at - 1].unicode());
        if (IsEscape(unit) && !paired)
            return true;
    }
    return false;
}
