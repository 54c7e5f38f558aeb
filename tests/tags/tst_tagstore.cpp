// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tags/TagStore.h"

#include <QFile>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QTest>

using Table = TagStore::Table;

class TestTagStore : public QObject {
    Q_OBJECT
private slots:
    void init();
    void tagsInKeyOrderWithoutRegardToCase();
    void attributesFollowTheirTagInDisplayOrder();
    void valueListsKeepTheirOrder();
    void aLinkNameIsUniqueWithinItsGroup();
    void setOrientedDeleteTouchesOneGroupOnly();
    void groupsByCodeAndByName();
    void updatesOfMissingRecordsRaise();
    void tipsAndSetupRecord();
    void openingAMissingFileCreatesNothing();
    void openingAFileThatIsNoTableRaises();
    void closedTablesRaiseAndLeaveNoConnections();
};

namespace {
QString Names(const QList<TagRecord> &tags)
{
    QStringList names;
    for (const TagRecord &t : tags)
        names.append(t.TagName);
    return names.join(QLatin1Char(','));
}

QString Raised(const std::function<void()> &action)
{
    try {
        action();
    } catch (const StoreError &e) {
        return e.Message();
    }
    return QStringLiteral("(nothing raised)");
}

AttrRecord Attr(const QString &tag, int order, const QString &name)
{
    AttrRecord a;
    a.TagName = tag;
    a.DisplayOrder = order;
    a.Attribute = name;
    return a;
}
}

void TestTagStore::init()
{
    // Closing a connection while a query still uses it warns; that is a fault.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("still in use|duplicate connection")));
}

void TestTagStore::tagsInKeyOrderWithoutRegardToCase()
{
    QTemporaryDir dir;
    TagStore store(dir.path());
    store.Create(Table::Tags);
    for (const char *name : {"td", "TABLE", "!", "b", "A", "!DOCTYPE"}) {
        TagRecord tag;
        tag.TagName = QString::fromLatin1(name);
        tag.Display = tag.TagName.toUpper() + QStringLiteral(" element");
        tag.DoubleSideTag = tag.TagName == QLatin1String("TABLE");
        tag.GroupIndex = 8;
        store.AddTag(tag);
    }
    QCOMPARE(Names(store.Tags()), QStringLiteral("!,!DOCTYPE,A,b,TABLE,td"));

    const auto found = store.FindTag(QStringLiteral("table"));
    QVERIFY(found);
    QCOMPARE(found->TagName, QStringLiteral("TABLE"));
    QCOMPARE(found->GroupIndex, 8);
    QVERIFY(found->DoubleSideTag);
    QCOMPARE(found->Prompt, QString());   // stored empty, read back empty
    QVERIFY(!store.FindTag(QStringLiteral("TABL")));

    TagRecord again;
    again.TagName = QStringLiteral("Td");
    const QString error = Raised([&] { store.AddTag(again); });
    QVERIFY2(error.startsWith(QLatin1String("Key violation")), qPrintable(error));
    QCOMPARE(store.Tags().size(), 6);
}

void TestTagStore::attributesFollowTheirTagInDisplayOrder()
{
    QTemporaryDir dir;
    TagStore store(dir.path());
    store.Create(Table::Attr);
    store.AddAttribute(Attr(QStringLiteral("TABLE"), 3, QStringLiteral("ALIGN")));
    store.AddAttribute(Attr(QStringLiteral("IMG"), 1, QStringLiteral("SRC")));
    store.AddAttribute(Attr(QStringLiteral("TABLE"), 1, QStringLiteral("BORDER")));
    AttrRecord color = Attr(QStringLiteral("TABLE"), 2, QStringLiteral("BGCOLOR"));
    color.Type = QStringLiteral("Color");
    color.CanEdit = false;
    color.ControlType = QStringLiteral("TCOMBOBOX");
    color.SurroundedBy = QStringLiteral("\"");
    color.LookupIndex = 4;
    store.AddAttribute(color);

    const QList<AttrRecord> attrs = store.Attributes(QStringLiteral("table"));
    QCOMPARE(attrs.size(), 3);
    QCOMPARE(attrs[0].Attribute, QStringLiteral("BORDER"));
    QCOMPARE(attrs[1].Attribute, QStringLiteral("BGCOLOR"));
    QCOMPARE(attrs[2].Attribute, QStringLiteral("ALIGN"));
    QCOMPARE(attrs[1].Type, QStringLiteral("Color"));
    QVERIFY(!attrs[1].CanEdit);
    QVERIFY(attrs[0].CanEdit);
    QCOMPARE(attrs[1].ControlType, QStringLiteral("TCOMBOBOX"));
    QCOMPARE(attrs[1].SurroundedBy, QStringLiteral("\""));
    QCOMPARE(attrs[1].LookupIndex, 4);
    QCOMPARE(store.Attributes(QStringLiteral("IMG")).size(), 1);
    QVERIFY(store.Attributes(QStringLiteral("BR")).isEmpty());

    const QString error = Raised([&] { store.AddAttribute(Attr(QStringLiteral("Table"), 1, QStringLiteral("BORDER"))); });
    QVERIFY2(error.startsWith(QLatin1String("Key violation")), qPrintable(error));
}

void TestTagStore::valueListsKeepTheirOrder()
{
    QTemporaryDir dir;
    TagStore store(dir.path());
    store.Create(Table::LkpAttr);
    store.AddLookupValue(2, QStringLiteral("RIGHT"));
    store.AddLookupValue(1, QStringLiteral("Red"));
    store.AddLookupValue(2, QStringLiteral("LEFT"));
    store.AddLookupValue(1, QStringLiteral("Blue"));
    store.AddLookupValue(2, QStringLiteral("CENTER"));
    QCOMPARE(store.LookupValues(2), QStringList({"RIGHT", "LEFT", "CENTER"}));
    QCOMPARE(store.LookupValues(1), QStringList({"Red", "Blue"}));
    QVERIFY(store.LookupValues(3).isEmpty());
}

void TestTagStore::aLinkNameIsUniqueWithinItsGroup()
{
    QTemporaryDir dir;
    TagStore store(dir.path());
    store.Create(Table::Links);
    store.AddLink({1, QStringLiteral("https://example.org/"), QStringLiteral("first")});
    store.AddLink({2, QStringLiteral("https://example.org/"), QString()});   // other group: fine

    QCOMPARE(Raised([&] { store.AddLink({1, QStringLiteral("https://example.org/"), QStringLiteral("again")}); }),
             QStringLiteral("Key violation: this link already exists in the group"));
    QCOMPARE(store.FindLink(1, QStringLiteral("https://example.org/"))->Note, QStringLiteral("first"));

    // Moving a link onto a name its new group already holds fails the same way.
    store.AddLink({3, QStringLiteral("mailto:a@example.org"), QString()});
    const QString error = Raised([&] {
        store.UpdateLink(3, QStringLiteral("mailto:a@example.org"), {1, QStringLiteral("https://example.org/"), QString()});
    });
    QVERIFY2(error.startsWith(QLatin1String("Key violation")), qPrintable(error));
    QVERIFY(store.FindLink(3, QStringLiteral("mailto:a@example.org")));

    store.UpdateLink(3, QStringLiteral("mailto:a@example.org"), {1, QStringLiteral("mailto:a@example.org"), QStringLiteral("moved")});
    QVERIFY(!store.FindLink(3, QStringLiteral("mailto:a@example.org")));
    QCOMPARE(store.FindLink(1, QStringLiteral("mailto:a@example.org"))->Note, QStringLiteral("moved"));
    QCOMPARE(store.Links(1).size(), 2);
    QCOMPARE(store.Links(1).first().LinkName, QStringLiteral("https://example.org/"));
}

void TestTagStore::setOrientedDeleteTouchesOneGroupOnly()
{
    QTemporaryDir dir;
    TagStore store(dir.path());
    store.Create(Table::Links);
    for (int group = 1; group <= 3; ++group)
        for (int i = 0; i < 3; ++i)
            store.AddLink({group, QStringLiteral("https://example.org/%1").arg(i), QString()});
    store.DeleteLinksOfGroup(2);
    QVERIFY(store.Links(2).isEmpty());
    QCOMPARE(store.Links(1).size(), 3);
    QCOMPARE(store.Links(3).size(), 3);
    store.DeleteLink(1, QStringLiteral("https://example.org/1"));
    store.DeleteLink(1, QStringLiteral("https://example.org/9"));   // not there: nothing happens
    QCOMPARE(store.Links(1).size(), 2);
}

void TestTagStore::groupsByCodeAndByName()
{
    QTemporaryDir dir;
    TagStore store(dir.path());
    store.Create(Table::Groups);
    store.AddLinkGroup({5, QStringLiteral("search"), QString()});
    store.AddLinkGroup({2, QStringLiteral("Mail"), QStringLiteral("addresses")});
    store.AddLinkGroup({9, QStringLiteral("News"), QString()});
    QCOMPARE(Raised([&] { store.AddLinkGroup({2, QStringLiteral("Other"), QString()}); }),
             QStringLiteral("Key violation: this group already exists"));

    QStringList byCode, byName;
    for (const auto &g : store.LinkGroups())
        byCode.append(g.Name);
    for (const auto &g : store.LinkGroups(true))
        byName.append(g.Name);
    QCOMPARE(byCode, QStringList({"Mail", "search", "News"}));
    QCOMPARE(byName, QStringList({"Mail", "News", "search"}));

    store.UpdateLinkGroup({2, QStringLiteral("E-mail"), QStringLiteral("new note")});
    QCOMPARE(store.FindLinkGroup(2)->Name, QStringLiteral("E-mail"));
    QCOMPARE(store.FindLinkGroup(2)->Note, QStringLiteral("new note"));
    store.DeleteLinkGroup(5);
    QVERIFY(!store.FindLinkGroup(5));
}

void TestTagStore::updatesOfMissingRecordsRaise()
{
    QTemporaryDir dir;
    TagStore store(dir.path());
    store.Create(Table::Groups);
    store.Create(Table::Links);
    QCOMPARE(Raised([&] { store.UpdateLinkGroup({7, QStringLiteral("x"), QString()}); }),
             QStringLiteral("Can not find the group."));
    QCOMPARE(Raised([&] { store.UpdateLink(1, QStringLiteral("x"), {2, QStringLiteral("x"), QString()}); }),
             QStringLiteral("Can not find the link."));
    QVERIFY(store.Links(2).isEmpty());
}

void TestTagStore::tipsAndSetupRecord()
{
    QTemporaryDir dir;
    TagStore store(dir.path());
    store.Create(Table::Tips);
    store.AddTip(QStringLiteral("first"));
    store.AddTip(QStringLiteral("second"));
    store.AddTip(QStringLiteral("third"));
    QCOMPARE(store.TipCount(), 3);
    QCOMPARE(store.Tip(0), QStringLiteral("first"));
    QCOMPARE(store.Tip(2), QStringLiteral("third"));
    QVERIFY(Raised([&] { store.Tip(3); }).contains(QLatin1String("no tip")));
    QVERIFY(Raised([&] { store.Tip(-1); }).contains(QLatin1String("no tip")));

    store.Create(Table::Qln4);
    QVERIFY(!store.SetupFlag());   // no record yet reads as "not done"
    store.SetSetupFlag(true);
    store.SetSetupFlag(true);
    QVERIFY(store.SetupFlag());
    store.SetSetupFlag(false);
    QVERIFY(!store.SetupFlag());

    // The flag is kept in the file.
    store.SetSetupFlag(true);
    store.Close(Table::Qln4);
    TagStore other(dir.path());
    other.Open(Table::Qln4);
    QVERIFY(other.SetupFlag());
}

void TestTagStore::openingAMissingFileCreatesNothing()
{
    QTemporaryDir dir;
    TagStore store(dir.path());
    const QString error = Raised([&] { store.Open(Table::Links); });
    QVERIFY2(error.startsWith(QLatin1String("links.db: file not found")), qPrintable(error));
    QVERIFY(!store.IsOpen(Table::Links));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("links.db"))));
}

void TestTagStore::openingAFileThatIsNoTableRaises()
{
    QTemporaryDir dir;
    {
        QFile junk(dir.filePath(QStringLiteral("attr.db")));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write(QByteArray(4096, 'x'));
    }
    {
        // A database that holds some other table.
        TagStore store(dir.path());
        store.Create(Table::Tags);
    }
    QVERIFY(QFile::rename(dir.filePath(QStringLiteral("tags.db")), dir.filePath(QStringLiteral("links.db"))));

    TagStore store(dir.path());
    const QString junkError = Raised([&] { store.Open(Table::Attr); });
    QVERIFY2(junkError.startsWith(QLatin1String("attr.db: ")), qPrintable(junkError));
    QVERIFY(!store.IsOpen(Table::Attr));
    const QString wrongError = Raised([&] { store.Open(Table::Links); });
    QVERIFY2(wrongError.contains(QLatin1String("no such table")), qPrintable(wrongError));
    QVERIFY(!store.IsOpen(Table::Links));
    QVERIFY(QSqlDatabase::connectionNames().isEmpty());
}

void TestTagStore::closedTablesRaiseAndLeaveNoConnections()
{
    QTemporaryDir dir;
    {
        TagStore store(dir.path());
        QCOMPARE(Raised([&] { store.Tags(); }), QStringLiteral("The table tags.db is not open"));
        store.Create(Table::Tags);
        store.Create(Table::Links);
        store.AddLink({1, QStringLiteral("x"), QString()});
        const QList<TagRecord> tags = store.Tags();   // a finished query holds nothing open
        Q_UNUSED(tags);
        QCOMPARE(QSqlDatabase::connectionNames().size(), 2);
        store.Close(Table::Tags);
        QVERIFY(!store.IsOpen(Table::Tags));
        QCOMPARE(QSqlDatabase::connectionNames().size(), 1);
        store.Close(Table::Tags);   // closing twice is harmless
        store.Open(Table::Tags);    // and it opens again
        QVERIFY(store.IsOpen(Table::Tags));

        // Two stores on the same folder do not share connections.
        TagStore second(dir.path());
        second.Open(Table::Links);
        QCOMPARE(second.Links(1).size(), 1);
    }
    QVERIFY(QSqlDatabase::connectionNames().isEmpty());
}

QTEST_MAIN(TestTagStore)
#include "tst_tagstore.moc"
