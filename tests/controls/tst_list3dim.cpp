// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/TList3Dim.h"

#include <QtTest>

class TestList3Dim : public QObject {
    Q_OBJECT
private slots:
    void holdsAtMostTwentyGroups();
    void itemsGoToTheFirstGroupOfThatName();
    void firstOfEqualKeysWins();
    void lookupKeepsTheLastHit();
};

void TestList3Dim::holdsAtMostTwentyGroups()
{
    TList3Dim list;
    list.SetMaxGroups(5); // stored only: the capacity stays 20
    for (int i = 1; i <= 20; ++i)
        list.AddGroup(QStringLiteral("G%1").arg(i));
    QCOMPARE(list.GroupCount(), 20);
    QCOMPARE(list.CurrentGroup(), QStringLiteral("G20"));
    QCOMPARE(list.MaxGroups(), 5);

    list.AddGroup(QStringLiteral("G21"));
    QCOMPARE(list.GroupCount(), 20);
    QCOMPARE(list.CurrentGroup(), QStringLiteral("G20"));

    // The ignored group takes no items and is not found.
    list.AddItem(QStringLiteral("G21"), QStringLiteral("v"), QStringLiteral("k"));
    list.AddItem(QStringLiteral("G20"), QStringLiteral("last"), QStringLiteral("k"));
    QCOMPARE(list.Lookup(QStringLiteral("G20"), QStringLiteral("k")), QStringLiteral("last"));
    QCOMPARE(list.Lookup(QStringLiteral("G21"), QStringLiteral("k")), QString());
    QCOMPARE(list.CurrentGroup(), QString());
}

void TestList3Dim::itemsGoToTheFirstGroupOfThatName()
{
    TList3Dim list;
    list.AddGroup(QStringLiteral("TagGroups"));
    list.AddGroup(QStringLiteral("Other"));
    list.AddGroup(QStringLiteral("TagGroups")); // accepted again
    QCOMPARE(list.GroupCount(), 3);
    QCOMPARE(list.CurrentGroup(), QStringLiteral("TagGroups"));

    list.AddItem(QStringLiteral("TagGroups"), QStringLiteral("1"), QStringLiteral("All Tags"));
    list.AddItem(QStringLiteral("Other"), QStringLiteral("2"), QStringLiteral("Forms"));
    // Group names compare with case: this one is unknown.
    list.AddItem(QStringLiteral("taggroups"), QStringLiteral("3"), QStringLiteral("Forms"));
    list.AddItem(QStringLiteral("Nowhere"), QStringLiteral("4"), QStringLiteral("Forms"));

    QCOMPARE(list.Lookup(QStringLiteral("TagGroups"), QStringLiteral("All Tags")), QStringLiteral("1"));
    QCOMPARE(list.Lookup(QStringLiteral("TagGroups"), QStringLiteral("Forms")), QString());
    QCOMPARE(list.Lookup(QStringLiteral("Other"), QStringLiteral("Forms")), QStringLiteral("2"));
    QCOMPARE(list.Lookup(QStringLiteral("taggroups"), QStringLiteral("Forms")), QString());
}

void TestList3Dim::firstOfEqualKeysWins()
{
    TList3Dim list;
    list.AddGroup(QStringLiteral("G"));
    list.AddItem(QStringLiteral("G"), QStringLiteral("first"), QStringLiteral("Key"));
    list.AddItem(QStringLiteral("G"), QStringLiteral("second"), QStringLiteral("Key"));
    list.AddItem(QStringLiteral("G"), QStringLiteral("lower"), QStringLiteral("key"));
    QCOMPARE(list.Lookup(QStringLiteral("G"), QStringLiteral("Key")), QStringLiteral("first"));
    QCOMPARE(list.Lookup(QStringLiteral("G"), QStringLiteral("key")), QStringLiteral("lower"));
    QCOMPARE(list.Lookup(QStringLiteral("G"), QStringLiteral("KEY")), QString());
}

void TestList3Dim::lookupKeepsTheLastHit()
{
    TList3Dim list;
    list.AddGroup(QStringLiteral("A"));
    list.AddGroup(QStringLiteral("B"));
    list.AddItem(QStringLiteral("A"), QStringLiteral("10"), QStringLiteral("ten"));
    QCOMPARE(list.CurrentGroup(), QStringLiteral("B"));

    QCOMPARE(list.Lookup(QStringLiteral("A"), QStringLiteral("ten")), QStringLiteral("10"));
    QCOMPARE(list.CurrentGroup(), QStringLiteral("A"));
    QCOMPARE(list.LastValue(), QStringLiteral("10"));
    QCOMPARE(list.LastKey(), QStringLiteral("ten"));

    // A missing key in a known group leaves the last hit as it was.
    QCOMPARE(list.Lookup(QStringLiteral("B"), QStringLiteral("ten")), QString());
    QCOMPARE(list.CurrentGroup(), QStringLiteral("A"));
    QCOMPARE(list.LastValue(), QStringLiteral("10"));
    QCOMPARE(list.LastKey(), QStringLiteral("ten"));

    // An unknown group clears it.
    QCOMPARE(list.Lookup(QStringLiteral("C"), QStringLiteral("ten")), QString());
    QCOMPARE(list.CurrentGroup(), QString());
    QCOMPARE(list.LastValue(), QString());
    QCOMPARE(list.LastKey(), QString());
}

QTEST_MAIN(TestList3Dim)
#include "tst_list3dim.moc"
