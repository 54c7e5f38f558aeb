// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/SearchHistory.h"

#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using Kind = SearchHistory::Kind;

class tst_SearchHistory : public QObject {
    Q_OBJECT
private slots:
    void add_data();
    void add();
    void loadAndSave_data();
    void loadAndSave();
    void unusableFileIsSkipped_data();
    void unusableFileIsSkipped();
    void historyNeverLoadedLeavesFileAlone();

private:
    QString FindFile() const { return FFolder.filePath(SearchHistory::FindFileName); }
    QTemporaryDir FFolder;
};

static QStringList Numbered(const QString &prefix, int count)
{
    QStringList entries;
    for (int i = 0; i < count; ++i)
        entries << prefix + QString::number(i);
    return entries;
}

void tst_SearchHistory::add_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QStringList>("before"); // newest first
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("after");
    const QStringList ab{"a", "b"};
    QTest::newRow("new text on top") << Kind::Find << ab << "c" << QStringList{"c", "a", "b"};
    QTest::newRow("blank not added") << Kind::Find << ab << " \t " << ab;
    QTest::newRow("same text twice keeps its place") << Kind::Find << ab << "b" << ab;
    QTest::newRow("differing only in case is one entry")
        << Kind::Replace << QStringList{"Caf\u00E9"} << "CAF\u00C9" << QStringList{"Caf\u00E9"};
    QTest::newRow("fifty-first drops the oldest")
        << Kind::Find << Numbered("e", 50) << "new" << QStringList{"new"} + Numbered("e", 49);
    QTest::newRow("same number twice moves to the top")
        << Kind::LineNumber << QStringList{"1", "2", "3"} << "2" << QStringList{"2", "1", "3"};
    QTest::newRow("number cut at 20 characters")
        << Kind::LineNumber << QStringList{} << "123456789012345678901234"
        << QStringList{"12345678901234567890"};
}

void tst_SearchHistory::add()
{
    QFETCH(Kind, kind);
    QFETCH(QStringList, before);
    QFETCH(QString, text);
    QFETCH(QStringList, after);
    SearchHistory history(kind, FFolder.path());
    for (auto entry = before.crbegin(); entry != before.crend(); ++entry)
        history.Add(*entry);
    QCOMPARE(history.Entries(), before);
    QCOMPARE(history.Add(text), after != before);
    QCOMPARE(history.Entries(), after);
}

void tst_SearchHistory::loadAndSave_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("trimmed, empty lines skipped")
        << QByteArray("  one \r\n\r\n\t two\x01\r\n   \r\nthree")
        << QStringList{"one", "two", "three"} << QByteArray("one\r\ntwo\r\nthree\r\n");
    QTest::newRow("LF and CR end lines too")
        << QByteArray("a\nb\rc\r\n") << QStringList{"a", "b", "c"} << QByteArray("a\r\nb\r\nc\r\n");
    QTest::newRow("sixty written back as fifty")
        << Numbered("e", 60).join("\r\n").toUtf8() << Numbered("e", 50)
        << (Numbered("e", 50).join("\r\n") + "\r\n").toUtf8();
    QTest::newRow("non-ASCII as UTF-8")
        << QByteArray("caf\xC3\xA9\r\n\xE6\x97\xA5\r\n\xF0\x9F\x98\x80")
        << QStringList{"caf\u00E9", "\u65E5", "\U0001F600"}
        << QByteArray("caf\xC3\xA9\r\n\xE6\x97\xA5\r\n\xF0\x9F\x98\x80\r\n");
    QTest::newRow("8-bit text rewritten as UTF-8")
        << QByteArray("\xC9t\xE9\r\n") << QStringList{"\u00C9t\u00E9"}
        << QByteArray("\xC3\x89t\xC3\xA9\r\n");
    QTest::newRow("UTF-16") << QByteArray("\xFF\xFEx\0\r\0\n\0y\0", 10) << QStringList{"x", "y"}
                            << QByteArray("x\r\ny\r\n");
}

void tst_SearchHistory::loadAndSave()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, entries);
    QFETCH(QByteArray, written);
    QVERIFY(TestFiles::WriteBytes(FindFile(), bytes));
    SearchHistory history(Kind::Find, FFolder.path());
    history.Load();
    QCOMPARE(history.Entries(), entries);
    QVERIFY(history.Save());
    QCOMPARE(TestFiles::ReadBytes(FindFile()), written);
    SearchHistory again(Kind::Find, FFolder.path());
    again.Load();
    QCOMPARE(again.Entries(), entries);
}

void tst_SearchHistory::unusableFileIsSkipped_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("directory") << "directory";
    QTest::newRow("FIFO") << "fifo"; // would wait for a writer if opened
}

void tst_SearchHistory::unusableFileIsSkipped()
{
    QFETCH(QString, kind);
    const QString path = FFolder.filePath(SearchHistory::ReplaceFileName);
    QFile::remove(path);
    QDir(path).removeRecursively();
    if (kind == "directory")
        QVERIFY(QDir().mkdir(path));
    else
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    SearchHistory history(Kind::Replace, FFolder.path());
    history.Add("stale");
    history.Load();
    QCOMPARE(history.Entries(), QStringList());
    history.Add("x");
    if (kind == "directory")
        QVERIFY(!history.Save());
    QCOMPARE(QFileInfo(path).isDir(), kind == "directory");
}

void tst_SearchHistory::historyNeverLoadedLeavesFileAlone()
{
    QVERIFY(TestFiles::WriteBytes(FindFile(), "kept\r\n"));
    SearchHistory history(Kind::Find, FFolder.path());
    history.Add("new");
    QVERIFY(history.Save());
    QCOMPARE(TestFiles::ReadBytes(FindFile()), QByteArray("kept\r\n"));
}

QTEST_GUILESS_MAIN(tst_SearchHistory)
#include "tst_searchhistory.moc"
