// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/PageCodec.h"

#include <QStringDecoder>
#include <QtEndian>

namespace {

const QByteArray Utf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");
const QByteArray Utf16LEBom = QByteArrayLiteral("\xFF\xFE");
const QByteArray Utf16BEBom = QByteArrayLiteral("\xFE\xFF");

bool IsValidUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    Q_UNUSED(text);
    return !decoder.hasError();
}

// UTF-16 code units taken as they stand; false when the bytes are not
// well-formed UTF-16 (an odd length or an unpaired surrogate), which could
// not be written back byte for byte.
bool DecodeUtf16(QByteArrayView bytes, bool littleEndian, QString &text)
{
    if (bytes.size() % 2 != 0)
        return false;
    const qsizetype units = bytes.size() / 2;
    QString result(units, Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(result.data());
    const uchar *in = reinterpret_cast<const uchar *>(bytes.data());
    for (qsizetype i = 0; i < units; ++i)
        out[i] = littleEndian ? qFromLittleEndian<quint16>(in + 2 * i) : qFromBigEndian<quint16>(in + 2 * i);
    for (qsizetype i = 0; i < units; ++i) {
        const QChar c(out[i]);
        if (c.isHighSurrogate() && i + 1 < units && QChar(out[i + 1]).isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            return false;
    }
    text = std::move(result);
    return true;
}

QByteArray EncodeUtf16(const QString &text, bool littleEndian)
{
    QByteArray bytes(2 * text.size() + 2, Qt::Uninitialized);
    uchar *out = reinterpret_cast<uchar *>(bytes.data());
    const quint16 mark = 0xFEFF;
    littleEndian ? qToLittleEndian(mark, out) : qToBigEndian(mark, out);
    const char16_t *in = reinterpret_cast<const char16_t *>(text.constData());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const quint16 unit = in[i];
        littleEndian ? qToLittleEndian(unit, out + 2 + 2 * i) : qToBigEndian(unit, out + 2 + 2 * i);
    }
    return bytes;
}

} // namespace

PageCodec::Decoded PageCodec::Decode(const QByteArray &bytes)
{
    Decoded page;
    const QByteArrayView view(bytes);
    if (bytes.startsWith(Utf16LEBom) && DecodeUtf16(view.sliced(2), true, page.text)) {
        page.encoding = PageEncoding::Utf16LE;
        return page;
    }
    if (bytes.startsWith(Utf16BEBom) && DecodeUtf16(view.sliced(2), false, page.text)) {
        page.encoding = PageEncoding::Utf16BE;
        return page;
    }
    if (bytes.startsWith(Utf8Bom) && IsValidUtf8(view.sliced(Utf8Bom.size()))) {
        page.encoding = PageEncoding::Utf8Bom;
        page.text = QString::fromUtf8(view.sliced(Utf8Bom.size()));
    } else if (IsValidUtf8(view)) {
        page.encoding = PageEncoding::Utf8;
        page.text = QString::fromUtf8(view);
    } else {
        page.encoding = PageEncoding::Latin1;
        page.text = QString::fromLatin1(view);
    }
    page.looksBinary = bytes.contains('\0');
    return page;
}

bool PageCodec::Encode(const QString &text, PageEncoding encoding, QByteArray &bytes,
                       QChar *badChar)
{
    switch (encoding) {
    case PageEncoding::Latin1:
        for (const QChar c : text) {
            if (c.unicode() > 0xFF) {
                if (badChar)
                    *badChar = c;
                return false;
            }
        }
        bytes = text.toLatin1();
        return true;
    case PageEncoding::Utf8Bom:
        bytes = Utf8Bom + text.toUtf8();
        return true;
    case PageEncoding::Utf16LE:
        bytes = EncodeUtf16(text, true);
        return true;
    case PageEncoding::Utf16BE:
        bytes = EncodeUtf16(text, false);
        return true;
    case PageEncoding::Utf8:
        break;
    }
    bytes = text.toUtf8();
    return true;
}
