// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/FindInEditor.h"
#include "editor/TRCRichEdit.h"
#include "editor/TextSearch.h"

#include <QtTest>

class TestFindInEditor : public QObject {
    Q_OBJECT
private slots:
    void findNextWalksTheMatchesAndStops_data();
    void findNextWalksTheMatchesAndStops();
    void nothingToSearch();
};

// Each call goes on from the match it selected; the last failure leaves the
// last match selected. Positions are characters: a line break and the
// surrogate pair count two.
void TestFindInEditor::findNextWalksTheMatchesAndStops_data()
{
    QTest::addColumn<unsigned>("options");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QList<int>>("matches");

    QTest::newRow("forward") << unsigned(TextSearch::Forward) << 0 << QList<int>{0, 8, 13};
    QTest::newRow("backward") << 0u << 17 << QList<int>{13, 8, 0};
    QTest::newRow("match case") << unsigned(TextSearch::Forward | TextSearch::MatchCase) << 0
                                << QList<int>{8};
}

void TestFindInEditor::findNextWalksTheMatchesAndStops()
{
    QFETCH(unsigned, options);
    QFETCH(int, caret);
    QFETCH(QList<int>, matches);
    TRCRichEdit edit;
    edit.SetText(QStringLiteral("Caf\u00e9\n\U0001F600caf\u00e9 CAF\u00c9"));
    edit.SetSelStart(caret);

    for (int match : matches) {
        QVERIFY(FindInEditor(&edit, QStringLiteral("caf\u00e9"), options));
        QCOMPARE(edit.SelStart(), match);
        QCOMPARE(edit.SelLength(), 4);
    }
    QVERIFY(!FindInEditor(&edit, QStringLiteral("caf\u00e9"), options));
    QCOMPARE(edit.SelStart(), matches.last());
    QCOMPARE(edit.SelLength(), 4);
}

void TestFindInEditor::nothingToSearch()
{
    TRCRichEdit edit;
    QVERIFY(!FindInEditor(&edit, QStringLiteral("a"), TextSearch::Forward));
    edit.SetText(QStringLiteral("abc"));
    QVERIFY(!FindInEditor(&edit, QString(), TextSearch::Forward));
    QCOMPARE(edit.SelStart(), 0);
    QCOMPARE(edit.SelLength(), 0);
}

QTEST_MAIN(TestFindInEditor)
#include "tst_findineditor.moc"
