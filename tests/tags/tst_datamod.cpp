// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tags/TDataMod.h"

#include "controls/FormBusy.h"
#include "platform/FatalErrorText.h"
#include "support/ScriptedDialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

using Table = TagStore::Table;

class TestDataMod : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void creationOpensEveryTable();
    void aMissingLinksTableStopsAfterFourTables();
    void everyMissingFileHasItsMessage_data();
    void everyMissingFileHasItsMessage();
    void anUnreadableTableStopsTheStart();
    void theProgramFolderKeepsItsCase();
    void setupFlagIsReadAndWritten();
    void setupFailuresGoToTheStartUpText();
    void oneTipStartsAtIt();
    void theStartTipIsRandomAndInRange();
    void noTipsMeansNoTipsWindow();
    void movingALink();
    void movingIntoAGroupThatHasTheLink();
    void movingFromOrToAMissingGroupOrAMissingLink();
    void otherStoreFailuresWhileMoving();
};

namespace {
const Table kAllTables[] = {Table::Tags, Table::Attr, Table::LkpAttr, Table::TagGrp,
                            Table::Tips, Table::Qln4, Table::Groups,  Table::Links};

// Writes every table with a few records into a DATA folder.
void WriteTables(const QString &data, int tips)
{
    TagStore store(data);
    for (Table table : kAllTables)
        store.Create(table);
    store.AddTag({QStringLiteral("B"), QStringLiteral("Bold"), QString(), 5, true,
                  QStringLiteral("bold text")});
    store.AddTagGroup({QStringLiteral("All Tags"), 0});
    store.SetSetupFlag(false);
    for (int i = 0; i < tips; ++i)
        store.AddTip(QStringLiteral("Tip %1").arg(i));
    store.AddLinkGroup({1, QStringLiteral("Search"), QString()});
    store.AddLinkGroup({2, QStringLiteral("Mail"), QString()});
    store.AddLink({1, QStringLiteral("https://example.org/"), QStringLiteral("note")});
    store.AddLink({2, QStringLiteral("https://example.org/"), QString()});
    store.AddLink({1, QStringLiteral("mailto:a@example.org"), QString()});
}

// A program folder whose DATA holds every table. The tables are written
// once per number of tips and copied, which keeps the tests quick.
void MakeData(const QString &appDir, int tips = 3)
{
    static QTemporaryDir cache;
    const QString source = cache.path() + QStringLiteral("/tips-%1").arg(tips);
    if (!QFileInfo::exists(source)) {
        QVERIFY(QDir().mkpath(source));
        WriteTables(source, tips);
    }
    const QString data = appDir + QStringLiteral("/DATA");
    QVERIFY(QDir().mkpath(data));
    for (Table table : kAllTables)
        QVERIFY(QFile::copy(source + QLatin1Char('/') + TagStore::FileName(table),
                            data + QLatin1Char('/') + TagStore::FileName(table)));
}

void RemoveTable(const QString &appDir, Table table)
{
    QVERIFY(QFile::remove(appDir + QStringLiteral("/DATA/") + TagStore::FileName(table)));
}

QString MoveError(TDataMod &mod, int from, int to, const QString &link, QWidget *busy = nullptr)
{
    try {
        mod.MoveLink(from, to, link, busy);
    } catch (const StoreError &e) {
        return e.Message();
    }
    return QStringLiteral("(nothing raised)");
}
} // namespace

void TestDataMod::cleanup()
{
    FatalErrorText().clear();
    QVERIFY(QSqlDatabase::connectionNames().isEmpty());
}

void TestDataMod::creationOpensEveryTable()
{
    QTemporaryDir dir;
    MakeData(dir.path());
    FatalErrorText() = QStringLiteral("left over from before");
    QStringList splash;
    {
        TDataMod mod(dir.path(), [&](const QString &m) { splash.append(m); });
        QCOMPARE(splash, QStringList{QStringLiteral("Initializing Tag Inspector ...")});
        QCOMPARE(FatalErrorText(), QString());
        for (Table table :
             {Table::Tags, Table::Attr, Table::LkpAttr, Table::Groups, Table::Links, Table::TagGrp})
            QVERIFY2(mod.Store().IsOpen(table), qPrintable(TagStore::FileName(table)));
        QVERIFY(!mod.Store().IsOpen(Table::Qln4));
        QVERIFY(!mod.TipsOpen());
        QCOMPARE(mod.Store().FindTag(QStringLiteral("b"))->Prompt, QStringLiteral("bold text"));
        QVERIFY(mod.OpenTips());
    }
    // Destruction closes everything, the tips too.
    QVERIFY(QSqlDatabase::connectionNames().isEmpty());
}

void TestDataMod::aMissingLinksTableStopsAfterFourTables()
{
    QTemporaryDir dir;
    MakeData(dir.path());
    RemoveTable(dir.path(), Table::Links);
    TDataMod mod(dir.path());
    QCOMPARE(FatalErrorText(), QStringLiteral("Can not find LINKS.DB"));
    for (Table table : {Table::Tags, Table::Attr, Table::LkpAttr, Table::Groups})
        QVERIFY2(mod.Store().IsOpen(table), qPrintable(TagStore::FileName(table)));
    QVERIFY(!mod.Store().IsOpen(Table::Links));
    QVERIFY(!mod.Store().IsOpen(Table::TagGrp));
    QVERIFY(!mod.OpenTables());
    // Opening a missing table never creates an empty one.
    QVERIFY(!QFile::exists(dir.path() + QStringLiteral("/DATA/links.db")));
}

void TestDataMod::everyMissingFileHasItsMessage_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("openedBefore");
    QTest::newRow("qln4") << int(Table::Qln4) << "Can not find QLN4.DB" << 0;
    QTest::newRow("tags") << int(Table::Tags) << "Can not find TAGS.DB" << 0;
    QTest::newRow("attr") << int(Table::Attr) << "Can not find ATTR.DB" << 1;
    QTest::newRow("lkpattr") << int(Table::LkpAttr) << "Can not find LKPATTR.DB" << 2;
    QTest::newRow("groups") << int(Table::Groups) << "Can not find GROUPS.DB" << 3;
    QTest::newRow("links") << int(Table::Links) << "Can not find LINKS.DB" << 4;
    QTest::newRow("taggrp") << int(Table::TagGrp) << "Can not find TAGGRP.DB" << 5;
}

void TestDataMod::everyMissingFileHasItsMessage()
{
    QFETCH(int, table);
    QFETCH(QString, message);
    QFETCH(int, openedBefore);
    QTemporaryDir dir;
    MakeData(dir.path());
    RemoveTable(dir.path(), Table(table));
    // The tips table is not needed to start.
    RemoveTable(dir.path(), Table::Tips);
    TDataMod mod(dir.path());
    QCOMPARE(FatalErrorText(), message);
    const Table order[] = {Table::Tags,   Table::Attr,  Table::LkpAttr,
                           Table::Groups, Table::Links, Table::TagGrp};
    for (int i = 0; i < 6; ++i)
        QCOMPARE(mod.Store().IsOpen(order[i]), i < openedBefore);
}

void TestDataMod::anUnreadableTableStopsTheStart()
{
    QTemporaryDir dir;
    MakeData(dir.path());
    {
        QFile junk(dir.path() + QStringLiteral("/DATA/lkpattr.db"));
        QVERIFY(junk.open(QIODevice::WriteOnly | QIODevice::Truncate));
        junk.write(QByteArray(2048, '\x7f'));
    }
    TDataMod mod(dir.path());
    QVERIFY2(FatalErrorText().startsWith(QLatin1String("Can not open database : lkpattr.db: ")),
             qPrintable(FatalErrorText()));
    QVERIFY(mod.Store().IsOpen(Table::Attr));
    QVERIFY(!mod.Store().IsOpen(Table::LkpAttr));
    QVERIFY(!mod.Store().IsOpen(Table::Groups));
}

void TestDataMod::theProgramFolderKeepsItsCase()
{
    QTemporaryDir dir;
    const QString appDir = dir.path() + QStringLiteral("/Mixed Case Home");
    MakeData(appDir);
    TDataMod mod(appDir + QStringLiteral("/"));
    QCOMPARE(mod.AppDir(), appDir);
    QCOMPARE(mod.DataDir(), appDir + QStringLiteral("/DATA"));
    QCOMPARE(FatalErrorText(), QString());
}

void TestDataMod::setupFlagIsReadAndWritten()
{
    QTemporaryDir dir;
    MakeData(dir.path());
    TDataMod mod(dir.path());
    bool done = true;
    QVERIFY(mod.ReadSetupInfo(done));
    QVERIFY(!done);
    QVERIFY(mod.WriteSetupInfo(true));
    QVERIFY(!mod.Store().IsOpen(Table::Qln4)); // opened only inside the two methods
    QVERIFY(mod.ReadSetupInfo(done));
    QVERIFY(done);
    QVERIFY(!mod.Store().IsOpen(Table::Qln4));
    QCOMPARE(FatalErrorText(), QString());
}

void TestDataMod::setupFailuresGoToTheStartUpText()
{
    QTemporaryDir dir;
    MakeData(dir.path());
    TDataMod mod(dir.path());
    RemoveTable(dir.path(), Table::Qln4);
    bool done = true;
    QVERIFY(!mod.ReadSetupInfo(done));
    QVERIFY2(FatalErrorText().startsWith(
                 QLatin1String("Can not read setup info : qln4.db: file not found")),
             qPrintable(FatalErrorText()));
    QVERIFY(!mod.WriteSetupInfo(true));
    QVERIFY2(FatalErrorText().startsWith(
                 QLatin1String("Can not save setup info : qln4.db: file not found")),
             qPrintable(FatalErrorText()));
    QVERIFY(!QFile::exists(dir.path() + QStringLiteral("/DATA/qln4.db")));
}

void TestDataMod::oneTipStartsAtIt()
{
    QTemporaryDir dir;
    MakeData(dir.path(), 1);
    TDataMod mod(dir.path());
    for (int i = 0; i < 5; ++i) {
        QVERIFY(mod.OpenTips());
        QVERIFY(mod.TipsOpen());
        QCOMPARE(mod.TipIndex(), 0);
        QCOMPARE(mod.CurrentTip(), QStringLiteral("Tip 0"));
        QVERIFY(mod.CloseTips());
        QVERIFY(!mod.TipsOpen());
    }
}

void TestDataMod::theStartTipIsRandomAndInRange()
{
    QTemporaryDir dir;
    MakeData(dir.path(), 4);
    TDataMod mod(dir.path());
    QSet<int> seen;
    for (int i = 0; i < 120; ++i) {
        QVERIFY(mod.OpenTips());
        const int index = mod.TipIndex();
        QVERIFY(index >= 0 && index < 4);
        QCOMPARE(mod.CurrentTip(), QStringLiteral("Tip %1").arg(index));
        seen.insert(index);
        QVERIFY(mod.CloseTips());
    }
    QCOMPARE(seen.size(), 4);
}

void TestDataMod::noTipsMeansNoTipsWindow()
{
    QTemporaryDir dir;
    MakeData(dir.path(), 0);
    TDataMod mod(dir.path());
    QVERIFY(!mod.OpenTips()); // an empty table has nothing to show
    QVERIFY(!mod.TipsOpen());
    QCOMPARE(mod.LastError(), QString());
    RemoveTable(dir.path(), Table::Tips);
    QVERIFY(!mod.OpenTips());
    QCOMPARE(mod.LastError(), QString());
    QCOMPARE(FatalErrorText(), QString());
}

void TestDataMod::movingALink()
{
    QTemporaryDir dir;
    MakeData(dir.path());
    ScriptedDialogs dialogs;
    QWidget manager;
    TDataMod mod(dir.path());
    QVERIFY(mod.MoveLink(1, 2, QStringLiteral("mailto:a@example.org"), &manager));
    QVERIFY(!mod.Store().FindLink(1, QStringLiteral("mailto:a@example.org")));
    QVERIFY(mod.Store().FindLink(2, QStringLiteral("mailto:a@example.org")));
    QVERIFY(manager.isEnabled());
    QVERIFY(!IsFormBusy(&manager));
    QVERIFY(dialogs.calls.isEmpty());
}

void TestDataMod::movingIntoAGroupThatHasTheLink()
{
    QTemporaryDir dir;
    MakeData(dir.path());
    ScriptedDialogs dialogs;
    QWidget manager;
    TDataMod mod(dir.path());
    QCOMPARE(MoveError(mod, 1, 2, QStringLiteral("https://example.org/"), &manager),
             QStringLiteral("Can not move the link: This link already exists"));
    // The link stays where it was, with its note.
    QCOMPARE(mod.Store().FindLink(1, QStringLiteral("https://example.org/"))->Note,
             QStringLiteral("note"));
    QCOMPARE(mod.Store().Links(2).size(), 1);
    QVERIFY(manager.isEnabled());
    QVERIFY(!IsFormBusy(&manager));
    QVERIFY(dialogs.calls.isEmpty());
}

void TestDataMod::movingFromOrToAMissingGroupOrAMissingLink()
{
    QTemporaryDir dir;
    MakeData(dir.path());
    ScriptedDialogs dialogs;
    QWidget manager;
    TDataMod mod(dir.path());
    QVERIFY(!mod.MoveLink(7, 2, QStringLiteral("mailto:a@example.org"), &manager));
    QVERIFY(!mod.MoveLink(1, 2, QStringLiteral("mailto:nobody@example.org"), &manager));
    QVERIFY(!mod.MoveLink(1, 8, QStringLiteral("mailto:a@example.org"), &manager));
    const auto messages = dialogs.Messages();
    QCOMPARE(messages.size(), 3);
    QCOMPARE(messages[0].text, QStringLiteral("Can not move the link: Can not find the group."));
    QCOMPARE(messages[1].text, QStringLiteral("Can not move the link: Can not find the link."));
    QCOMPARE(messages[2].text, QStringLiteral("Can not move the link: Can not find the group."));
    for (const auto &m : messages) {
        QCOMPARE(m.msgKind, MsgKind::Information);
        QCOMPARE(m.buttons, MsgButtons(mbOK));
    }
    QVERIFY(mod.Store().FindLink(1, QStringLiteral("mailto:a@example.org")));
    QVERIFY(manager.isEnabled());
    QVERIFY(!IsFormBusy(&manager));
}

void TestDataMod::otherStoreFailuresWhileMoving()
{
    QTemporaryDir dir;
    MakeData(dir.path());
    ScriptedDialogs dialogs;
    QWidget manager;
    TDataMod mod(dir.path());
    mod.Store().Close(Table::Links);
    QCOMPARE(MoveError(mod, 1, 2, QStringLiteral("mailto:a@example.org"), &manager),
             QStringLiteral("Can not move the link: The table links.db is not open"));
    QVERIFY(manager.isEnabled());
    QVERIFY(!IsFormBusy(&manager));
}

QTEST_MAIN(TestDataMod)
#include "tst_datamod.moc"
