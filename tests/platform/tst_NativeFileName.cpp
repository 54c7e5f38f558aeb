// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/NativeFileName.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

// Text from UTF-16 code units, so lone surrogates can be written down.
QString Units(std::initializer_list<char16_t> units)
{
    QString text;
    for (char16_t unit : units)
        text.append(QChar(unit));
    return text;
}

} // namespace

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
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("escaped");
    QTest::newRow("ascii") << QByteArray("index.htm") << QStringLiteral("index.htm") << false;
    QTest::newRow("multi-byte") << QByteArray("caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80")
                                << QStringLiteral("caf\u00E9 \u20AC \U0001F600") << false;
    QTest::newRow("lone high byte") << QByteArray("caf\xE9.htm")
                                    << QStringLiteral("caf") + Units({0xDCE9}) + QStringLiteral(".htm")
                                    << true;
    QTest::newRow("0x80 and 0xFF") << QByteArray("\x80\xFF") << Units({0xDC80, 0xDCFF}) << true;
    QTest::newRow("mixed with valid") << QByteArray("\xC3\xA9\xE9\xF0\x9F\x98\x80\x80")
                                      << Units({0xE9, 0xDCE9, 0xD83D, 0xDE00, 0xDC80}) << true;
    QTest::newRow("truncated sequence") << QByteArray("\xE2\x82" "A")
                                        << Units({0xDCE2, 0xDC82, 'A'}) << true;
    QTest::newRow("encoded surrogate") << QByteArray("\xED\xA0\x80")
                                       << Units({0xDCED, 0xDCA0, 0xDC80}) << true;
    QTest::newRow("overlong slash") << QByteArray("\xC0\xAF") << Units({0xDCC0, 0xDCAF}) << true;
    QTest::newRow("past U+10FFFF") << QByteArray("\xF4\x90\x80\x80")
                                   << Units({0xDCF4, 0xDC90, 0xDC80, 0xDC80}) << true;
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
        for (char &byte : bytes) {
            // Mostly high bytes, where the invalid sequences are.
            byte = char(random.bounded(8) == 0 ? random.bounded(0x80) : random.bounded(0x80, 0x100));
        }
        const QString name = NativeFileName::Decode(bytes);
        QVERIFY2(NativeFileName::Encode(name) == bytes, bytes.toHex(' ').constData());
        QCOMPARE(NativeFileName::HasEscapedBytes(name), QString::fromUtf8(bytes).toUtf8() != bytes);
    }
}

QTEST_GUILESS_MAIN(tst_NativeFileName)
#include "tst_NativeFileName.moc"
