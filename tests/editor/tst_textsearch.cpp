// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/TextSearch.h"

#include <QtTest>

namespace {

constexpr unsigned Forward = TextSearch::Forward;
constexpr unsigned Backward = 0;
constexpr unsigned MatchCase = TextSearch::MatchCase;
constexpr unsigned WholeWords = TextSearch::WholeWords;

// Bytes of the UTF-8 buffer before a character position of text.
qsizetype BytesBefore(const QString &text, int pos)
{
    return text.left(pos).toUtf8().size();
}

} // namespace

class TestTextSearch : public QObject {
    Q_OBJECT
private slots:
    void scan_data();
    void scan();
};

// Positions are characters of the page; the scan itself runs on its UTF-8
// bytes. A found of -1 means no match.
void TestTextSearch::scan_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("find");
    QTest::addColumn<unsigned>("options");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<int>("found");
    QTest::addColumn<int>("length");

    const QString page = QStringLiteral("abc def");
    QTest::newRow("match ending at the last character")
        << page << "def" << Forward << 0 << 0 << 4 << 3;
    QTest::newRow("backward match at 0") << page << "ABC" << Backward << 7 << 0 << 0 << 3;
    QTest::newRow("forward starts after the selection") << "abab"
                                                        << "ab" << Forward << 0 << 2 << 2 << 2;
    QTest::newRow("backward match ends before the selection")
        << "abcabc"
        << "abc" << Backward << 5 << 0 << 0 << 3;
    QTest::newRow("backward from inside the only match")
        << page << "abc" << Backward << 2 << 0 << -1 << 0;
    QTest::newRow("nothing found") << page << "xyz" << Forward << 0 << 0 << -1 << 0;
    QTest::newRow("text longer than the page") << "ab"
                                               << "abc" << Forward << 0 << 0 << -1 << 0;
    QTest::newRow("selection past the end") << page << "a" << Backward << 8 << 0 << -1 << 0;
    QTest::newRow("line break counts two") << "a\r\nb"
                                           << "b" << Forward << 0 << 0 << 3 << 1;
    QTest::newRow("across a line break") << "a\r\nb"
                                         << "A\r\nB" << Backward << 4 << 0 << 0 << 4;

    // Letter case: the simple upper-case form, accented letters too.
    QTest::newRow("case folded") << "Abc abc"
                                 << "aBC" << Forward << 0 << 0 << 0 << 3;
    QTest::newRow("match case") << "Abc abc"
                                << "abc" << (Forward | MatchCase) << 0 << 0 << 4 << 3;
    QTest::newRow("accented capital finds its small form")
        << QStringLiteral("caf\u00e9 \u00e9t\u00e9") << QStringLiteral("\u00c9T\u00c9") << Forward
        << 0 << 0 << 5 << 3;
    QTest::newRow("accented, match case") << QStringLiteral("caf\u00e9") << QStringLiteral("\u00c9")
                                          << (Forward | MatchCase) << 0 << 0 << -1 << 0;

    // Whole words: only 0-9, A-Z and a-z are word characters.
    const unsigned words = Forward | WholeWords;
    QTest::newRow("not inside abc") << "abc"
                                    << "ab" << words << 0 << 0 << -1 << 0;
    QTest::newRow("ab of ab_c") << "abc ab_c"
                                << "ab" << words << 0 << 0 << 4 << 2;
    QTest::newRow("ab before a full stop") << "abc ab."
                                           << "ab" << words << 0 << 0 << 4 << 2;
    QTest::newRow("ab before an accent")
        << QStringLiteral("xab ab\u00e9") << "ab" << words << 0 << 0 << 4 << 2;
    QTest::newRow("backward skips abc") << "ab abc"
                                        << "ab" << WholeWords << 6 << 0 << 0 << 2;
    QTest::newRow("first word from the top") << "ab cd"
                                             << "ab" << words << 0 << 0 << 0 << 2;
    QTest::newRow("word start after the selection") << "x ab"
                                                    << "ab" << words << 0 << 2 << 2 << 2;
    QTest::newRow("not the word the search begins in") << "ab ab"
                                                       << "ab" << words << 1 << 0 << 3 << 2;
    QTest::newRow("backward word at 0") << "ab cd"
                                        << "ab" << WholeWords << 5 << 0 << 0 << 2;
    QTest::newRow("backward, no word") << " . "
                                       << "ab" << WholeWords << 3 << 0 << -1 << 0;
}

void TestTextSearch::scan()
{
    QFETCH(QString, page);
    QFETCH(QString, find);
    QFETCH(unsigned, options);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(int, found);
    QFETCH(int, length);

    const QByteArray buffer = page.toUtf8();
    // A selection past the end of the page stays past the end of the buffer.
    const bool past = selStart > page.size();
    const qsizetype start = past ? buffer.size() + 1 : BytesBefore(page, selStart);
    const qsizetype end = past ? start : BytesBefore(page, selStart + selLength);
    const TextSearch::Match match =
        TextSearch(find, options).ScanBuffer(buffer, start, end - start);
    if (found < 0) {
        QVERIFY(!match.Found());
        return;
    }
    QVERIFY(match.Found());
    const int at = QString::fromUtf8(buffer.left(match.start)).size();
    QCOMPARE(at, found);
    QCOMPARE(QString::fromUtf8(buffer.mid(match.start, match.length)).size(), length);
}

QTEST_MAIN(TestTextSearch)
#include "tst_textsearch.moc"
