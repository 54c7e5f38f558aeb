// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RegistryStore.h"
#include "shell/RecentFiles.h"
#include "shell/SettingsStore.h"
#include "support/ScriptedDialogs.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class tst_RecentFiles : public QObject {
    Q_OBJECT
private slots:
    void init();
    void newestFirstWithoutDuplicates();
    void fullListDropsTheOldest();
    void loweringTheLimitTrims();
    void loadKeepsTheSortedNameOrder();
    void loadSkipsBlanksAndNeedsTheKey();
    void saveWritesRealPaths();
    void saveWithoutKeyIsReported();

private:
    QString Ruf() const { return SettingsStore::KeyPath(QStringLiteral("RUF")); }
    std::unique_ptr<QTemporaryDir> FTemp;
    std::unique_ptr<RegistryStore> FRegistry;
};

void tst_RecentFiles::init()
{
    FTemp = std::make_unique<QTemporaryDir>();
    FRegistry = std::make_unique<RegistryStore>(FTemp->filePath(QStringLiteral("registry.json")));
}

void tst_RecentFiles::newestFirstWithoutDuplicates()
{
    RecentFiles files;
    QSignalSpy changed(&files, &RecentFiles::Changed);
    files.AddRecentFile("/home/ann/a.htm");
    files.AddRecentFile("/home/ann/Site/B.html");
    files.AddRecentFile("/home/ann/c.htm");
    files.AddRecentFile("/home/ann/./Site/B.html");
    QCOMPARE(files.Files(),
             QStringList({"/home/ann/./Site/B.html", "/home/ann/c.htm", "/home/ann/a.htm"}));
    QCOMPARE(files.Captions().first(), QStringLiteral("/HOME/ANN/./SITE/B.HTML"));
    QCOMPARE(changed.count(), 4);
    // Names that differ in letter case are different files here.
    files.AddRecentFile("/home/ann/A.htm");
    QCOMPARE(files.Count(), 4);
    QCOMPARE(RecentFiles::EntryHint, QStringLiteral(" Opens this file"));
}

void tst_RecentFiles::fullListDropsTheOldest()
{
    RecentFiles files;
    QCOMPARE(files.Limit(), 5);
    for (int i = 1; i <= 6; ++i)
        files.AddRecentFile(QStringLiteral("/p/%1.htm").arg(i));
    QCOMPARE(files.Files(),
             QStringList({"/p/6.htm", "/p/5.htm", "/p/4.htm", "/p/3.htm", "/p/2.htm"}));
    // Reopening one that is listed keeps all the others.
    files.AddRecentFile("/p/2.htm");
    QCOMPARE(files.Files(),
             QStringList({"/p/2.htm", "/p/6.htm", "/p/5.htm", "/p/4.htm", "/p/3.htm"}));
}

void tst_RecentFiles::loweringTheLimitTrims()
{
    RecentFiles files;
    for (int i = 1; i <= 5; ++i)
        files.AddRecentFile(QStringLiteral("/p/%1.htm").arg(i));
    QSignalSpy changed(&files, &RecentFiles::Changed);
    files.SetLimit(3);
    QCOMPARE(files.Files(), QStringList({"/p/5.htm", "/p/4.htm", "/p/3.htm"}));
    QCOMPARE(changed.count(), 1);
    files.AddRecentFile("/p/6.htm");
    QCOMPARE(files.Files(), QStringList({"/p/6.htm", "/p/5.htm", "/p/4.htm"}));
    files.SetLimit(0);
    QCOMPARE(files.Limit(), 1);
    QCOMPARE(files.Count(), 1);
}

void tst_RecentFiles::loadKeepsTheSortedNameOrder()
{
    QVERIFY(FRegistry->CreateKey(Ruf()));
    for (int i = 0; i < 12; ++i)
        QVERIFY(FRegistry->WriteText(Ruf(), QStringLiteral("File_%1").arg(i),
                                     QStringLiteral("/p/F%1.htm").arg(i)));
    RecentFiles all;
    all.SetLimit(20);
    QVERIFY(all.LoadRecentFiles(*FRegistry));
    QCOMPARE(all.Files(),
             QStringList({"/p/F0.htm", "/p/F1.htm", "/p/F10.htm", "/p/F11.htm", "/p/F2.htm",
                          "/p/F3.htm", "/p/F4.htm", "/p/F5.htm", "/p/F6.htm", "/p/F7.htm",
                          "/p/F8.htm", "/p/F9.htm"}));
    RecentFiles five;
    QVERIFY(five.LoadRecentFiles(*FRegistry));
    QCOMPARE(five.Files(),
             QStringList({"/p/F0.htm", "/p/F1.htm", "/p/F10.htm", "/p/F11.htm", "/p/F2.htm"}));
}

void tst_RecentFiles::loadSkipsBlanksAndNeedsTheKey()
{
    RecentFiles files;
    QVERIFY(!files.LoadRecentFiles(*FRegistry));
    QVERIFY(FRegistry->CreateKey(Ruf()));
    QVERIFY(FRegistry->WriteText(Ruf(), "File_0", "/Home/Ann/Page One.htm "));
    QVERIFY(FRegistry->WriteText(Ruf(), "File_1", "   "));
    QVERIFY(FRegistry->WriteText(Ruf(), "File_2", "/Home/Ann/Page One.htm"));
    QVERIFY(FRegistry->WriteText(Ruf(), "File_3", "/Home/Ann/Page One.htm"));
    QVERIFY(files.LoadRecentFiles(*FRegistry));
    // A trailing blank makes a file of its own.
    QCOMPARE(files.Files(), QStringList({"/Home/Ann/Page One.htm ", "/Home/Ann/Page One.htm"}));
    QCOMPARE(files.Captions(), QStringList({"/HOME/ANN/PAGE ONE.HTM ", "/HOME/ANN/PAGE ONE.HTM"}));
}

void tst_RecentFiles::saveWritesRealPaths()
{
    ScriptedDialogs dialogs;
    QVERIFY(FRegistry->CreateKey(Ruf()));
    for (int i = 0; i < 5; ++i)
        QVERIFY(FRegistry->WriteText(Ruf(), QStringLiteral("File_%1").arg(i),
                                     QStringLiteral("/old/%1.htm").arg(i)));
    RecentFiles files;
    files.AddRecentFile("/Home/b.htm");
    files.AddRecentFile("/Home/Ann/A.htm");
    QVERIFY(files.SaveRecentFiles(*FRegistry));
    QCOMPARE(FRegistry->ReadText(Ruf(), "File_0").value(), QStringLiteral("/Home/Ann/A.htm"));
    QCOMPARE(FRegistry->ReadText(Ruf(), "File_1").value(), QStringLiteral("/Home/b.htm"));
    QCOMPARE(FRegistry->ReadText(Ruf(), "File_2").value(), QStringLiteral("/old/2.htm"));
    QVERIFY(dialogs.Messages().isEmpty());

    RecentFiles again;
    again.SetLimit(2);
    QVERIFY(again.LoadRecentFiles(*FRegistry));
    QCOMPARE(again.Files(), files.Files());
}

void tst_RecentFiles::saveWithoutKeyIsReported()
{
    ScriptedDialogs dialogs;
    RecentFiles files;
    files.AddRecentFile("/a.htm");
    QVERIFY(!files.SaveRecentFiles(*FRegistry));
    QCOMPARE(dialogs.Messages().size(), 1);
    QCOMPARE(dialogs.Messages().first().msgKind, MsgKind::Error);
    QCOMPARE(dialogs.Messages().first().text, QStringLiteral("Can not save recently used files"));
    QCOMPARE(dialogs.Messages().first().buttons, mbOK);
    QVERIFY(!FRegistry->KeyExists(Ruf()));
}

QTEST_MAIN(tst_RecentFiles)
#include "tst_recentfiles.moc"
