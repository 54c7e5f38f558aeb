// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/TListBoxHorz.h"

#include <QScrollBar>
#include <QtTest>

class TestListBoxHorz : public QObject {
    Q_OBJECT
private slots:
    void versionIsSet();
    void widthFollowsTheWidestItem();
    void renamingAndFontChangeMeasureAgain();
    void scrollBarReachesTheWidestItem();
};

static int Measure(const QWidget &list, const QString &text)
{
    return list.fontMetrics().horizontalAdvance(text + QStringLiteral("X"));
}

void TestListBoxHorz::versionIsSet()
{
    TListBoxHorz list;
    QCOMPARE(list.About(), 0.99);
    QCOMPARE(list.property("About").toDouble(), 0.99);
    QCOMPARE(list.ScrollWidth(), 0);
}

void TestListBoxHorz::widthFollowsTheWidestItem()
{
    TListBoxHorz list;
    const QString wide = QStringLiteral("<LI>a rather long list item text");
    const QString middle = QStringLiteral("<LI>middle item");
    list.addItem(QStringLiteral("short"));
    QCOMPARE(list.ScrollWidth(), Measure(list, QStringLiteral("short")));
    list.addItem(wide);
    list.addItem(middle);
    QCOMPARE(list.ScrollWidth(), Measure(list, wide));

    // A narrower item, added or inserted, leaves the width as it is.
    list.insertItem(0, QStringLiteral("x"));
    list.addItem(QStringLiteral("tiny"));
    QCOMPARE(list.ScrollWidth(), Measure(list, wide));

    // Deleting the widest shrinks to the next widest.
    delete list.takeItem(2);
    QCOMPARE(list.count(), 4);
    QCOMPARE(list.ScrollWidth(), Measure(list, middle));

    // Deleting a narrower one keeps it.
    delete list.takeItem(0);
    QCOMPARE(list.ScrollWidth(), Measure(list, middle));

    // Several items at once are measured all.
    list.addItems({QStringLiteral("a"), wide + wide, QStringLiteral("b")});
    QCOMPARE(list.ScrollWidth(), Measure(list, wide + wide));

    list.clear();
    QCOMPARE(list.ScrollWidth(), 0);

    // A width set by hand is only widened by adding.
    list.SetScrollWidth(5000);
    list.addItem(wide);
    QCOMPARE(list.ScrollWidth(), 5000);
    delete list.takeItem(0);
    QCOMPARE(list.ScrollWidth(), 0);
}

void TestListBoxHorz::renamingAndFontChangeMeasureAgain()
{
    TListBoxHorz list;
    const QString wide = QStringLiteral("the widest item of all");
    list.addItems({QStringLiteral("one"), wide});
    list.item(1)->setText(QStringLiteral("two"));
    QCOMPARE(list.ScrollWidth(),
             std::max(Measure(list, QStringLiteral("one")), Measure(list, QStringLiteral("two"))));

    list.item(1)->setText(wide);
    const int before = list.ScrollWidth();
    QFont bigger = list.font();
    bigger.setPointSize(bigger.pointSize() * 3);
    list.setFont(bigger);
    QVERIFY(list.ScrollWidth() > before);
    QCOMPARE(list.ScrollWidth(), Measure(list, wide));
}

void TestListBoxHorz::scrollBarReachesTheWidestItem()
{
    TListBoxHorz list;
    list.resize(120, 100);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    list.addItem(QStringLiteral("short"));
    QCOMPARE(list.horizontalScrollBar()->maximum(), 0);

    const QString wide = QStringLiteral("a text far wider than the list box is wide, surely");
    list.addItem(wide);
    const int viewport = list.viewport()->width();
    QVERIFY(Measure(list, wide) > viewport);
    QCOMPARE(list.horizontalScrollBar()->maximum(), Measure(list, wide) - viewport);

    delete list.takeItem(1);
    QCOMPARE(list.horizontalScrollBar()->maximum(), 0);
}

QTEST_MAIN(TestListBoxHorz)
#include "tst_listboxhorz.moc"
