// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/NativeFileName.h"

#include <QRandomGenerator>
#include <QtTest>

class tst_NativeFileName : public QObject {
    Q_OBJECT
private slots:
    void decode_data();
    void decode();
    void randomBytesRoundTrip();
};

void tst_NativeFileName::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name");   // lone surrogates hold the bytes that are not UTF-8
    QTest::addColumn<bool>("escaped");
    const auto row = [](const char *tag, const QByteArray &bytes, QStringView name, bool escaped) {
        QTest::newRow(tag) << bytes << name.toString() << escaped;
    };
    row("ascii", "index.htm", u"index.htm", false);
    row("multi-byte", "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80", u"caf\u00E9 \u20AC \U0001F600", false);
    row("lone high byte", "caf\xE9.htm", u"caf\xDCE9.htm", true);
    row("0x80 and 0xFF", "\x80\xFF", u"\xDC80\xDCFF", true);
    row("mixed with valid", "\xC3\xA9\xE9\xF0\x9F\x98\x80\x80", u"\u00E9\xDCE9\U0001F600\xDC80", true);
    row("truncated sequence", "\xE2\x82" "A", u"\xDCE2\xDC82" "A", true);
    row("encoded surrogate", "\xED\xA0\x80", u"\xDCED\xDCA0\xDC80", true);
    row("overlong slash", "\xC0\xAF", u"\xDCC0\xDCAF", true);
    row("past U+10FFFF", "\xF4\x90\x80\x80", u"\xDCF4\xDC90\xDC80\xDC80", true);
}

void tst_NativeFileName::decode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    QFETCH(bool, escaped);
    QCOMPARE(NativeFileName::Decode(bytes), name);
    QCOMPARE(NativeFileName::Encode(name), bytes);
    QCOMPARE(NativeFileName::HasEscapedBytes(name), escaped);
}

void tst_NativeFileName::randomBytesRoundTrip()
{
    QRandomGenerator random(9);
    for (int round = 0; round < 20000; ++round) {
        QByteArray bytes(random.bounded(1, 12), Qt::Uninitialized);
        // Mostly high bytes, where the invalid sequences are.
        for (char &byte : bytes)
            byte = char(random.bounded(8) == 0 ? random.bounded(0x80) : random.bounded(0x80, 0x100));
        const QString name = NativeFileName::Decode(bytes);
        QVERIFY2(NativeFileName::Encode(name) == bytes, bytes.toHex(' ').constData());
        QCOMPARE(NativeFileName::HasEscapedBytes(name), QString::fromUtf8(bytes).toUtf8() != bytes);
    }
}

QTEST_GUILESS_MAIN(tst_NativeFileName)
#include "tst_NativeFileName.moc"
