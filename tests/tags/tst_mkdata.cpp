// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tags/TablesBuilder.h"
#include "tags/TagStore.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using Table = TagStore::Table;

class TestMkData : public QObject {
    Q_OBJECT
private slots:
    void tablesFromTheFixture();
    void attributesAreNumberedWithSetsExpanded();
    void faultsAreRejected_data();
    void faultsAreRejected();
    void aFailedBuildLeavesTheOldTables();
    void missingSourcesAreNoted();
    void theShippedSourcesBuild();
    void theToolFailsLoudly();
};

namespace {
QString FixtureDir()
{
    return QFINDTESTDATA("fixtures/mkdata");
}

// A writable copy of the fixture sources.
QString CopyFixture(const QTemporaryDir &dir)
{
    const QString from = FixtureDir();
    const QString to = dir.filePath(QStringLiteral("src"));
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(file);
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(file, target);
        QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }
    return to;
}

void WriteText(const QString &path, const QByteArray &text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

// Replaces the first occurrence of `from` in a source file.
void Edit(const QString &path, const QByteArray &from, const QByteArray &to)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray text = file.readAll();
    file.close();
    const qsizetype at = text.indexOf(from);
    QVERIFY2(at >= 0, from.constData());
    text.replace(at, from.size(), to);
    WriteText(path, text);
}
}

void TestMkData::tablesFromTheFixture()
{
    QTemporaryDir dir;
    TablesBuilder builder(CopyFixture(dir));
    const QString data = dir.filePath(QStringLiteral("DATA"));
    QVERIFY2(builder.Build(data), qPrintable(builder.Error()));
    for (Table table : {Table::Tags, Table::Attr, Table::LkpAttr, Table::TagGrp, Table::Tips,
                        Table::Qln4, Table::Groups, Table::Links})
        QVERIFY(QFile::exists(data + QLatin1Char('/') + TagStore::FileName(table)));
    // Nothing of the temporary build is left beside the tables.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList({"DATA", "src"}));

    TagStore store(data);
    for (Table table : {Table::Tags, Table::LkpAttr, Table::TagGrp, Table::Tips, Table::Qln4,
                        Table::Groups, Table::Links})
        store.Open(table);
    QStringList names;
    for (const TagRecord &tag : store.Tags())
        names.append(tag.TagName);
    QCOMPARE(names, QStringList({"!", "BODY", "TABLE", "td"}));
    const TagRecord td = *store.FindTag(QStringLiteral("TD"));
    QCOMPARE(td.Display, QStringLiteral("Table Data"));
    QCOMPARE(td.GroupIndex, 8);
    QVERIFY(td.DoubleSideTag);
    QCOMPARE(td.Prompt, QStringLiteral("cell text"));
    QVERIFY(!store.FindTag(QStringLiteral("!"))->DoubleSideTag);
    QCOMPARE(store.FindTag(QStringLiteral("BODY"))->Description, QStringLiteral("<p>The visible part of the page.</p>"));

    // Value lists are numbered in the order of their names over all files.
    QCOMPARE(builder.LookupIndex(QStringLiteral("align")), 1);
    QCOMPARE(builder.LookupIndex(QStringLiteral("dir")), 2);
    QCOMPARE(builder.LookupIndex(QStringLiteral("valign")), 3);
    QCOMPARE(store.LookupValues(2), QStringList({"RTL", "LTR"}));
    QCOMPARE(store.LookupValues(3), QStringList({"TOP", "MIDDLE", "BOTTOM"}));

    QCOMPARE(store.TagGroups().size(), 3);
    QCOMPARE(store.TagGroups().first().Name, QStringLiteral("All Tags"));
    QCOMPARE(store.TipCount(), 3);
    QCOMPARE(store.Tip(0), QStringLiteral("The first tip goes over two lines."));
    QCOMPARE(store.Tip(2), QStringLiteral("The third tip."));
    QVERIFY(!store.SetupFlag());
    QCOMPARE(store.LinkGroups().size(), 2);
    QCOMPARE(store.FindLinkGroup(1)->Note, QStringLiteral("Search engines"));
    QCOMPARE(store.Links(1).size(), 2);
    QCOMPARE(store.FindLink(2, QStringLiteral("mailto:someone@example.org"))->Note, QString());
}

void TestMkData::attributesAreNumberedWithSetsExpanded()
{
    QTemporaryDir dir;
    TablesBuilder builder(CopyFixture(dir));
    const QString data = dir.filePath(QStringLiteral("DATA"));
    QVERIFY2(builder.Build(data), qPrintable(builder.Error()));
    TagStore store(data);
    store.Open(Table::Attr);

    const QList<AttrRecord> table = store.Attributes(QStringLiteral("TABLE"));
    QStringList names;
    for (int i = 0; i < table.size(); ++i) {
        QCOMPARE(table[i].DisplayOrder, i + 1);
        names.append(table[i].Attribute);
    }
    QCOMPARE(names, QStringList({"BORDER", "ALIGN", "ID", "CLASS", "NOWRAP", "DIR", "SUMMARY", "BGCOLOR"}));

    // A plain cell with its default and quote.
    QCOMPARE(table[0].DefaultValue, QStringLiteral("1"));
    QCOMPARE(table[0].SurroundedBy, QStringLiteral("\""));
    QCOMPARE(table[0].ControlType, QString());
    QVERIFY(table[0].CanEdit);
    QCOMPARE(table[0].LookupIndex, 0);
    // A value list: a drop-down, not typed into.
    QCOMPARE(table[1].ControlType, QStringLiteral("TCOMBOBOX"));
    QCOMPARE(table[1].LookupIndex, 1);
    QVERIFY(!table[1].CanEdit);
    // Values are quoted unless the source says otherwise.
    QCOMPARE(table[1].SurroundedBy, QStringLiteral("\""));
    // A flag without a value, and without quotes.
    QCOMPARE(table[4].Type, QStringLiteral("NOVALUE"));
    QVERIFY(!table[4].CanEdit);
    QCOMPARE(table[4].SurroundedBy, QString());
    // From a set, with the set's value list.
    QCOMPARE(table[5].LookupIndex, 2);
    // canEdit given in the source wins.
    QCOMPARE(table[6].LookupIndex, 3);
    QVERIFY(table[6].CanEdit);
    // An empty quote writes the value bare.
    QCOMPARE(table[6].SurroundedBy, QString());
    // A colour list is a typed row: its name is written as its value.
    QCOMPARE(table[7].ControlType, QStringLiteral("TCOMBOBOX"));
    QVERIFY(table[7].CanEdit);

    const QList<AttrRecord> body = store.Attributes(QStringLiteral("BODY"));
    QCOMPARE(body.size(), 3);
    QCOMPARE(body[0].ControlType, QStringLiteral("TOPENDIALOG"));
    QCOMPARE(body[0].DefaultValue, QStringLiteral("Select"));
    QCOMPARE(body[0].Type, QStringLiteral("GIF"));
    // A file is chosen or typed.
    QVERIFY(body[0].CanEdit);
    QCOMPARE(body[2].Attribute, QStringLiteral("CLASS"));
    QCOMPARE(body[2].DisplayOrder, 3);
    QVERIFY(store.Attributes(QStringLiteral("td")).isEmpty());
}

void TestMkData::faultsAreRejected_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");
    QTest::addColumn<QString>("error");

    QTest::newRow("invalid JSON") << "tags/table.json" << QByteArray("\"double\": true,") << QByteArray("\"double\": true")
                                  << "tags/table.json: invalid JSON at line 7";
    QTest::newRow("duplicate tag in another file and case") << "tags/table.json" << QByteArray("\"td\"") << QByteArray("\"Body\"")
                                  << "tags/table.json: tag \"Body\": duplicate tag name (first defined in tags/page.json)";
    QTest::newRow("unknown group") << "tags/page.json" << QByteArray("\"Page Structure\"") << QByteArray("\"Page\"")
                                  << "tags/page.json: tag \"BODY\": unknown group \"Page\"";
    QTest::newRow("unknown value list") << "tags/table.json" << QByteArray("\"align\"") << QByteArray("\"aligns\"")
                                  << "tags/table.json: tag \"TABLE\": attribute \"ALIGN\": unknown value list \"aligns\"";
    QTest::newRow("unknown value list in a set") << "attrsets.json" << QByteArray("\"dir\"") << QByteArray("\"direction\"")
                                  << "attrsets.json: set \"i18n\": attribute \"DIR\": unknown value list \"direction\"";
    QTest::newRow("unknown attribute set") << "tags/table.json" << QByteArray("{\"set\": \"i18n\"}") << QByteArray("{\"set\": \"intl\"}")
                                  << "tags/table.json: tag \"TABLE\": unknown attribute set \"intl\"";
    QTest::newRow("duplicate attribute through a set") << "tags/table.json" << QByteArray("\"BORDER\"") << QByteArray("\"id\"")
                                  << "tags/table.json: tag \"TABLE\": duplicate attribute \"ID\"";
    QTest::newRow("tag name too long") << "tags/page.json" << QByteArray("\"BODY\"") << QByteArray("\"ABCDEFGHIJKLMNOPQRSTU\"")
                                  << "tags/page.json: tag \"ABCDEFGHIJKLMNOPQRSTU\": the name \"ABCDEFGHIJKLMNOPQRSTU\" is longer than 20 characters";
    QTest::newRow("display too long") << "tags/page.json" << QByteArray("\"Body\"") << QByteArray("\"Body of the page, all of it, 31\"")
                                  << "tags/page.json: tag \"BODY\": the display name \"Body of the page, all of it, 31\" is longer than 30 characters";
    QTest::newRow("prompt too long") << "tags/table.json" << QByteArray("\"cell text\"") << QByteArray('"' + QByteArray(51, 'p') + '"')
                                  << "tags/table.json: tag \"td\": the prompt";
    QTest::newRow("misspelt field") << "tags/table.json" << QByteArray("\"default\": \"1\"") << QByteArray("\"defualt\": \"1\"")
                                  << "tags/table.json: tag \"TABLE\": attribute \"BORDER\": unknown field \"defualt\"";
    QTest::newRow("missing double") << "tags/page.json" << QByteArray("\"double\": false,") << QByteArray()
                                  << "tags/page.json: tag \"!\": field \"double\" is missing";
    QTest::newRow("file choice without a kind") << "tags/page.json" << QByteArray("\"type\": \"GIF\", ") << QByteArray()
                                  << "tags/page.json: tag \"BODY\": attribute \"BACKGROUND\": a file choice";
    QTest::newRow("value list in two files") << "lookups-more.json" << QByteArray("\"dir\"") << QByteArray("\"align\"")
                                  << "lookups.json: value list \"align\": the list is also defined in lookups-more.json";
    QTest::newRow("no All Tags group") << "taggroups.json" << QByteArray("All Tags") << QByteArray("Every Tag")
                                  << "taggroups.json: the group \"All Tags\" is missing";
    QTest::newRow("link twice in a group") << "links.json" << QByteArray("https://www.example.org/") << QByteArray("https://duckduckgo.com/")
                                  << "links.json: group \"Search\": link \"https://duckduckgo.com/\": the link is listed twice in the group";
}

void TestMkData::faultsAreRejected()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    QFETCH(QString, error);
    QTemporaryDir dir;
    const QString sources = CopyFixture(dir);
    Edit(sources + QLatin1Char('/') + file, from, to);
    TablesBuilder builder(sources);
    const QString data = dir.filePath(QStringLiteral("DATA"));
    QVERIFY(!builder.Build(data));
    QVERIFY2(builder.Error().startsWith(error), qPrintable(builder.Error()));
    QVERIFY(!QFile::exists(data + QStringLiteral("/tags.db")));
}

void TestMkData::aFailedBuildLeavesTheOldTables()
{
    QTemporaryDir dir;
    const QString sources = CopyFixture(dir);
    const QString data = dir.filePath(QStringLiteral("DATA"));
    {
        TablesBuilder builder(sources);
        QVERIFY2(builder.Build(data), qPrintable(builder.Error()));
    }
    Edit(sources + QStringLiteral("/tags/table.json"), "\"td\"", "\"BODY\"");
    TablesBuilder broken(sources);
    QVERIFY(!broken.Build(data));

    TagStore store(data);
    store.Open(Table::Tags);
    QCOMPARE(store.Tags().size(), 4);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList({"DATA", "src"}));

    // Once mended, a new build replaces the tables.
    Edit(sources + QStringLiteral("/tags/table.json"), "\"BODY\"", "\"TH\"");
    store.Close(Table::Tags);
    TablesBuilder mended(sources);
    QVERIFY2(mended.Build(data), qPrintable(mended.Error()));
    store.Open(Table::Tags);
    QVERIFY(store.FindTag(QStringLiteral("TH")));
    QVERIFY(!store.FindTag(QStringLiteral("TD")));
}

void TestMkData::missingSourcesAreNoted()
{
    QTemporaryDir dir;
    const QString sources = CopyFixture(dir);
    QVERIFY(QFile::remove(sources + QStringLiteral("/tips.txt")));
    QVERIFY(QFile::remove(sources + QStringLiteral("/links.json")));
    TablesBuilder builder(sources);
    const QString data = dir.filePath(QStringLiteral("DATA"));
    QVERIFY2(builder.Build(data), qPrintable(builder.Error()));
    QCOMPARE(builder.Warnings().size(), 2);
    TagStore store(data);
    store.Open(Table::Tips);
    store.Open(Table::Links);
    QCOMPARE(store.TipCount(), 0);
    QVERIFY(store.Links(1).isEmpty());

    QVERIFY(QFile::remove(sources + QStringLiteral("/taggroups.json")));
    TablesBuilder noGroups(sources);
    QVERIFY(!noGroups.Read());
    QCOMPARE(noGroups.Error(), QStringLiteral("taggroups.json: the file is missing"));
}

void TestMkData::theShippedSourcesBuild()
{
    const QString sources = QFINDTESTDATA("../../data/taggroups.json");
    if (sources.isEmpty())
        QSKIP("the shipped sources are not beside the tests");
    TablesBuilder builder(QFileInfo(sources).absolutePath());
    QVERIFY2(builder.Read(), qPrintable(builder.Error()));
    QVERIFY(!builder.Tags().isEmpty());
    // Every tag's attributes are numbered 1, 2, 3 ... without gaps.
    QHash<QString, int> last;
    for (const AttrRecord &a : builder.Attributes()) {
        QCOMPARE(a.DisplayOrder, last.value(a.TagName) + 1);
        last.insert(a.TagName, a.DisplayOrder);
    }
}

void TestMkData::theToolFailsLoudly()
{
    const QString tool = qEnvironmentVariable("QUILLON_BINARY_DIR") + QStringLiteral("/data/mkdata/quillon_mkdata");
    if (!QFileInfo(tool).isExecutable())
        QSKIP("quillon_mkdata is not built");
    QTemporaryDir dir;
    const QString sources = CopyFixture(dir);
    const QString data = dir.filePath(QStringLiteral("DATA"));

    QProcess good;
    good.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    good.start(tool, {sources, data});
    QVERIFY(good.waitForFinished(20000));
    QCOMPARE(good.exitCode(), 0);
    QVERIFY(QFile::exists(data + QStringLiteral("/qln4.db")));

    Edit(sources + QStringLiteral("/tags/page.json"), "\"Page Structure\"", "\"Nowhere\"");
    QProcess bad;
    bad.start(tool, {sources, data});
    QVERIFY(bad.waitForFinished(20000));
    QVERIFY(bad.exitCode() != 0);
    const QString message = QString::fromLocal8Bit(bad.readAllStandardError());
    QVERIFY2(message.contains(QLatin1String("tags/page.json: tag \"BODY\": unknown group \"Nowhere\"")),
             qPrintable(message));
}

QTEST_MAIN(TestMkData)
#include "tst_mkdata.moc"
