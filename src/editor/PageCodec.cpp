// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/PageCodec.h"

#include <QStringDecoder>

namespace {

const QByteArray Utf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");

bool IsValidUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    Q_UNUSED(text);
    return !decoder.hasError();
}

} // namespace

PageCodec::Decoded PageCodec::Decode(const QByteArray &bytes)
{
    Decoded page;
    if (bytes.startsWith(Utf8Bom) && IsValidUtf8(QByteArrayView(bytes).sliced(Utf8Bom.size()))) {
        page.encoding = PageEncoding::Utf8Bom;
        page.text = QString::fromUtf8(QByteArrayView(bytes).sliced(Utf8Bom.size()));
    } else if (IsValidUtf8(bytes)) {
        page.encoding = PageEncoding::Utf8;
        page.text = QString::fromUtf8(bytes);
    } else {
        page.encoding = PageEncoding::Latin1;
        page.text = QString::fromLatin1(bytes);
    }
    return page;
}

QString PageCodec::WithCrLf(const QString &text)
{
    QString result;
    result.reserve(text.size() + text.size() / 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r')) {
            result += QLatin1String("\r\n");
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
        } else if (c == QLatin1Char('\n')) {
            result += QLatin1String("\r\n");
        } else {
            result += c;
        }
    }
    return result;
}

bool PageCodec::Encode(const QString &text, PageEncoding encoding, QByteArray &bytes,
                       QChar *badChar)
{
    const QString page = WithCrLf(text);
    switch (encoding) {
    case PageEncoding::Latin1:
        for (const QChar c : page) {
            if (c.unicode() > 0xFF) {
                if (badChar)
                    *badChar = c;
                return false;
            }
        }
        bytes = page.toLatin1();
        return true;
    case PageEncoding::Utf8Bom:
        bytes = Utf8Bom + page.toUtf8();
        return true;
    case PageEncoding::Utf8:
        break;
    }
    bytes = page.toUtf8();
    return true;
}
