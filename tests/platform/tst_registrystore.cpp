// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RegistryStore.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>

class tst_RegistryStore : public QObject {
    Q_OBJECT
private slots:
    void init();
    void keysExistOnceCreatedAndIgnoreCase();
    void valuesAreNumbersOrTexts();
    void valueNamesSortAsText();
    void changesReachTheFileAtOnce();
    void changesOfAnotherCopyAreKept();
    void aWriteThatRunsShortKeepsTheFileWhole();
    void unreadableFileIsKeptAsideAndReported();
    void wrongStructureCountsAsUnreadable();
    void defaultFileFollowsConfigFolder();

private:
    QString FFile;
    std::unique_ptr<QTemporaryDir> FTemp;
};

void tst_RegistryStore::init()
{
    RegistryStore::SetWriteLimitForTesting(-1);
    FTemp = std::make_unique<QTemporaryDir>();
    FFile = FTemp->filePath(QStringLiteral("quillon/registry.json"));
}

void tst_RegistryStore::keysExistOnceCreatedAndIgnoreCase()
{
    RegistryStore store(FFile);
    QVERIFY(!store.KeyExists(QStringLiteral("Software\\Varo")));
    QVERIFY(store.CreateKey(QStringLiteral("Software\\Varo\\Options")));
    QVERIFY(store.KeyExists(QStringLiteral("SOFTWARE\\varo")));
    QVERIFY(store.KeyExists(QStringLiteral("software\\VARO\\options")));
    // An empty key exists and holds no values; a missing one has no count.
    QCOMPARE(store.ValueCount(QStringLiteral("Software\\Varo\\Options")), 0);
    QCOMPARE(store.ValueCount(QStringLiteral("Software\\Varo\\Editor")), -1);

    // Creating again under another spelling keeps the first spelling.
    QVERIFY(store.CreateKey(QStringLiteral("SOFTWARE\\VARO\\OPTIONS\\Deeper")));
    QFile file(FFile);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray json = file.readAll();
    QVERIFY(json.contains("\"Options\""));
    QVERIFY(!json.contains("\"OPTIONS\""));
    QVERIFY(json.contains("\"Deeper\""));

    // Values go only into keys that exist.
    QVERIFY(!store.WriteNumber(QStringLiteral("Software\\Missing"), QStringLiteral("A"), 1));
    QVERIFY(store.LastError().contains(QStringLiteral("does not exist")));
    QVERIFY(!store.KeyExists(QStringLiteral("Software\\Missing")));
}

void tst_RegistryStore::valuesAreNumbersOrTexts()
{
    RegistryStore store(FFile);
    const QString key = QStringLiteral("Software\\Varo");
    QVERIFY(store.CreateKey(key));
    QVERIFY(store.WriteNumber(key, QStringLiteral("Indx"), -1));
    QVERIFY(store.WriteNumber(key, QStringLiteral("Big"), 2147483647));
    QVERIFY(store.WriteText(key, QStringLiteral("Font Name"), QStringLiteral("Courier New")));

    QCOMPARE(store.ReadNumber(key, QStringLiteral("INDX")), std::optional<qint32>(-1));
    QCOMPARE(store.ReadNumber(key, QStringLiteral("big")), std::optional<qint32>(2147483647));
    QCOMPARE(store.ReadText(key, QStringLiteral("font name")), std::optional<QString>(QStringLiteral("Courier New")));
    QCOMPARE(store.GetValueType(key, QStringLiteral("Indx")), RegistryStore::ValueType::Number);
    QCOMPARE(store.GetValueType(key, QStringLiteral("Font Name")), RegistryStore::ValueType::Text);
    QCOMPARE(store.GetValueType(key, QStringLiteral("Nothing")), RegistryStore::ValueType::None);

    // A number read as text and a text read as number are refused.
    QVERIFY(!store.ReadNumber(key, QStringLiteral("Font Name")));
    QCOMPARE(store.LastError(), QStringLiteral("Invalid data type for 'Font Name'"));
    QVERIFY(!store.ReadText(key, QStringLiteral("Indx")));
    // A missing number is an error, a missing text reads as empty.
    QVERIFY(!store.ReadNumber(key, QStringLiteral("Nothing")));
    QCOMPARE(store.ReadText(key, QStringLiteral("Nothing")), std::optional<QString>(QString()));
    QVERIFY(!store.ReadText(QStringLiteral("Software\\Gone"), QStringLiteral("Nothing")));

    // Writing under another spelling replaces the value and keeps its name.
    QVERIFY(store.WriteText(key, QStringLiteral("INDX"), QStringLiteral("now text")));
    QCOMPARE(store.ValueCount(key), 3);
    QVERIFY(store.ValueNames(key).contains(QStringLiteral("Indx")));
    QCOMPARE(store.GetValueType(key, QStringLiteral("indx")), RegistryStore::ValueType::Text);
}

void tst_RegistryStore::valueNamesSortAsText()
{
    RegistryStore store(FFile);
    const QString key = QStringLiteral("RUF");
    QVERIFY(store.CreateKey(key));
    for (int i : {3, 11, 0, 2, 10, 1})
        QVERIFY(store.WriteText(key, QStringLiteral("File_%1").arg(i), QString()));
    QVERIFY(store.WriteNumber(key, QStringLiteral("indx"), 0));
    QCOMPARE(store.ValueNames(key),
             QStringList({"File_0", "File_1", "File_10", "File_11", "File_2", "File_3", "indx"}));
    QVERIFY(store.ValueNames(QStringLiteral("Gone")).isEmpty());
}

void tst_RegistryStore::changesReachTheFileAtOnce()
{
    {
        RegistryStore store(FFile);
        QVERIFY(store.CreateKey(QStringLiteral("A\\B")));
        QVERIFY(store.WriteText(QStringLiteral("A\\B"), QStringLiteral("Name"), QStringLiteral("Ünïcode \"quoted\"")));
        QVERIFY(store.WriteNumber(QStringLiteral("A"), QStringLiteral("N"), 42));
        // Nothing is left behind but the document itself.
        QCOMPARE(QDir(QFileInfo(FFile).absolutePath()).entryList(QDir::Files), QStringList({"registry.json"}));
    }
    RegistryStore reopened(FFile);
    QVERIFY(!reopened.Recovered());
    QVERIFY(reopened.KeyExists(QStringLiteral("a\\b")));
    QCOMPARE(reopened.ReadText(QStringLiteral("A\\B"), QStringLiteral("name")),
             std::optional<QString>(QStringLiteral("Ünïcode \"quoted\"")));
    QCOMPARE(reopened.ReadNumber(QStringLiteral("A"), QStringLiteral("N")), std::optional<qint32>(42));
}

void tst_RegistryStore::changesOfAnotherCopyAreKept()
{
    RegistryStore first(FFile);
    RegistryStore second(FFile);
    QVERIFY(first.CreateKey(QStringLiteral("K")));
    QVERIFY(second.WriteNumber(QStringLiteral("K"), QStringLiteral("FromSecond"), 2));
    QVERIFY(first.WriteNumber(QStringLiteral("K"), QStringLiteral("FromFirst"), 1));
    RegistryStore third(FFile);
    QCOMPARE(third.ValueNames(QStringLiteral("K")), QStringList({"FromFirst", "FromSecond"}));
}

void tst_RegistryStore::aWriteThatRunsShortKeepsTheFileWhole()
{
    RegistryStore store(FFile);
    QVERIFY(store.CreateKey(QStringLiteral("K")));
    QFile file(FFile);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    // The disk is full: every write of this exit fails and says so; none
    // damages the file or moves it aside.
    RegistryStore::SetWriteLimitForTesting(20);
    for (int i = 0; i < 2; ++i)
        QVERIFY(!store.WriteNumber(QStringLiteral("K"), QStringLiteral("N%1").arg(i), i));
    QVERIFY2(store.LastError().endsWith(QStringLiteral("No space left on device")), qPrintable(store.LastError()));
    QCOMPARE(QDir(QFileInfo(FFile).absolutePath()).entryList(QDir::Files), QStringList({"registry.json"}));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
}

void tst_RegistryStore::unreadableFileIsKeptAsideAndReported()
{
    QDir().mkpath(QFileInfo(FFile).absolutePath());
    const QByteArray garbage("{ \"keys\": { \"Software\": trunc");
    {
        QFile file(FFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(garbage);
    }
    RegistryStore store(FFile);
    QVERIFY(store.Recovered());
    QVERIFY(!store.KeptAsFileName().isEmpty());
    QVERIFY(store.RecoveryNote().contains(QDir::toNativeSeparators(store.KeptAsFileName())));
    QVERIFY(!store.KeyExists(QStringLiteral("Software")));

    // The unreadable text is kept byte for byte and survives new writes.
    QVERIFY(store.CreateKey(QStringLiteral("Software")));
    QFile kept(store.KeptAsFileName());
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), garbage);
    RegistryStore reopened(FFile);
    QVERIFY(!reopened.Recovered());
    QVERIFY(reopened.KeyExists(QStringLiteral("Software")));

    // A second unreadable file does not replace the first one kept.
    {
        QFile file(FFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[]");
    }
    RegistryStore again(FFile);
    QVERIFY(again.Recovered());
    QVERIFY(again.KeptAsFileName() != store.KeptAsFileName());
    QVERIFY(QFile::exists(store.KeptAsFileName()));
}

void tst_RegistryStore::wrongStructureCountsAsUnreadable()
{
    QDir().mkpath(QFileInfo(FFile).absolutePath());
    const QList<QByteArray> documents = {
        R"({"keys": {"Software": 5}})",
        R"({"keys": {"A": {"values": {"X": 1.5}}}})",
        R"({"keys": {"A": {"values": {"X": 4294967296}}}})",
        R"({"values": {"X": true}})",
        R"({"values": []})",
    };
    for (const QByteArray &document : documents) {
        QFile file(FFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(document);
        file.close();
        RegistryStore store(FFile);
        QVERIFY2(store.Recovered(), document.constData());
        QVERIFY(!QFile::exists(FFile));
    }
}

void tst_RegistryStore::defaultFileFollowsConfigFolder()
{
    // The test runner points XDG_CONFIG_HOME at a scratch folder.
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty())
        QSKIP("XDG_CONFIG_HOME is not set");
    QCOMPARE(RegistryStore::DefaultFileName(), config + QStringLiteral("/quillon/registry.json"));
    RegistryStore::ResetInstanceForTesting();
    QVERIFY(RegistryStore::Instance().CreateKey(QStringLiteral("X")));
    QVERIFY(QFile::exists(RegistryStore::DefaultFileName()));
    RegistryStore::ResetInstanceForTesting();
}

QTEST_MAIN(tst_RegistryStore)
#include "tst_registrystore.moc"
