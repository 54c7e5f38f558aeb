// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/PageFilesTest.h"
#include "editor/PageCodec.h"
#include "editor/TRCRichEdit.h"
#include "editor/TfrmMDIChild.h"

#include <QTimer>
#include <unistd.h>

// Opening and saving page files: names, the backup copy, encodings, and
// saves that fail without harming what is on disk.
class TestPageFilesIo : public PageFilesTest {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void backupFileName_data();
    void backupFileName();
    void codecRoundTrips();
    void openNamesTheWindowAndRecentFiles();
    void pageIsNeverOpenedTwice();
    void missingFilesAndPatterns();
    void loadFailureDiscardsTheWindow();
    void savePromptCancelledWritesNothing();
    void saveAsNamesThePage();
    void backupHoldsTheSavedText();
    void saveAllPromptsOnceForTheUntitledPage();
    void fullDiskKeepsTheOldFile();
    void readOnlyFileAndFolderAreNotWritten();
    void failedBackupStopsTheSave();
    void linkAndPermissionsSurvive();
    void eightBitPageRefusesForeignCharacters();
    void autosaveAndClose();
};

void TestPageFilesIo::init()
{
    SetUp();
}

void TestPageFilesIo::cleanup()
{
    TearDown();
}

void TestPageFilesIo::backupFileName_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("backup");
    QTest::newRow("htm") << "/w/INDEX.HTM" << "/w/INDEX.BAK";
    QTest::newRow("html upper") << "/w/INDEX.HTML" << "/w/INDEX.BAKU";
    QTest::newRow("html lower") << "/w/index.html" << "/w/index.baku";
    QTest::newRow("mixed case") << "/w/Site/Home.Html" << "/w/Site/Home.baku";
    QTest::newRow("no extension") << "/w/README" << "/w/REABAK";
    QTest::newRow("short name stays in its folder") << "/w/docs/ab" << "/w/docs/bak";
}

void TestPageFilesIo::backupFileName()
{
    QFETCH(QString, page);
    QFETCH(QString, backup);
    QCOMPARE(PageFiles::BackupFileName(page), backup);
}

void TestPageFilesIo::codecRoundTrips()
{
    // Valid UTF-8 stays UTF-8, a mark is noticed and not part of the text.
    PageCodec::Decoded page = PageCodec::Decode(QByteArrayLiteral("\xEF\xBB\xBF\xC3\xA9t\xC3\xA9"));
    QCOMPARE(page.encoding, PageEncoding::Utf8Bom);
    QCOMPARE(page.text, QStringLiteral("\u00E9t\u00E9"));
    // One stray byte makes the whole file 8-bit text.
    page = PageCodec::Decode(QByteArrayLiteral("caf\xE9 \xC3\xA9"));
    QCOMPARE(page.encoding, PageEncoding::Latin1);
    QCOMPARE(page.text, QStringLiteral("caf\u00E9 \u00C3\u00A9"));

    // Line ends are the editor's business: the codec leaves them alone.
    QByteArray bytes;
    QVERIFY(PageCodec::Encode(QStringLiteral("a\nb\rc\r\nd"), PageEncoding::Utf8, bytes));
    QCOMPARE(bytes, QByteArrayLiteral("a\nb\rc\r\nd"));
    QVERIFY(PageCodec::Encode(QStringLiteral("x"), PageEncoding::Utf8Bom, bytes));
    QCOMPARE(bytes, QByteArrayLiteral("\xEF\xBB\xBFx"));
    QChar bad;
    bytes = "untouched";
    QVERIFY(!PageCodec::Encode(QStringLiteral("5 \u20AC"), PageEncoding::Latin1, bytes, &bad));
    QCOMPARE(bad, QChar(0x20AC));
    QCOMPARE(bytes, QByteArray("untouched"));
}

void TestPageFilesIo::openNamesTheWindowAndRecentFiles()
{
    const QString path = Path(QStringLiteral("Home Page.Htm"));
    WriteBytes(path, OldPage);
    TfrmMDIChild *page = Open(path);
    QVERIFY(page);
    QCOMPARE(page->FileName(), path);   // as the file system spells it
    QCOMPARE(page->windowTitle(), QStringLiteral("HOME PAGE.HTM"));
    QCOMPARE(page->EditMemo->Text(), QString::fromLatin1(OldPage));
    QCOMPARE(page->EditMemo->SelStart(), 0);
    QVERIFY(!page->EditMemo->Modified());
    QCOMPARE(FWorkspace->Panel(4), QString());
    QCOMPARE(FWorkspace->recentFiles, QStringList{path});
    QCOMPARE(FWorkspace->progressMessages, QStringList{QStringLiteral(" Load...")});
    QVERIFY(FWorkspace->modifiedIndicatorOn);
}

void TestPageFilesIo::pageIsNeverOpenedTwice()
{
    const QString path = Path(QStringLiteral("page.htm"));
    WriteBytes(path, OldPage);
    QVERIFY(QFile::link(path, Path(QStringLiteral("alias.htm"))));
    TfrmMDIChild *first = Open(path);
    TfrmMDIChild *other = FWorkspace->OpenDocument(QStringLiteral("other"));
    QCOMPARE(FWorkspace->ActiveDocument(), other);

    // Through a link, through a path with a detour, and through the prompt.
    QCOMPARE(Open(Path(QStringLiteral("alias.htm"))), first);
    QCOMPARE(FWorkspace->ActiveDocument(), first);
    FWorkspace->BringToFront(other);
    QVERIFY(QDir().mkpath(Path(QStringLiteral("sub"))));
    QCOMPARE(Open(FDir->path() + QStringLiteral("/./sub/../page.htm")), first);
    FWorkspace->openAnswers << path;
    QCOMPARE(Open(QString()), first);
    QCOMPARE(FWorkspace->DocumentCount(), 2);
    QCOMPARE(FWorkspace->prompts, QStringList{QStringLiteral("Open")});
    QVERIFY(FDialogs->Messages().isEmpty());

    // A file of another spelling is another file here.
    WriteBytes(Path(QStringLiteral("PAGE.HTM")), "upper");
    QVERIFY(Open(Path(QStringLiteral("PAGE.HTM"))) != first);
    QCOMPARE(FWorkspace->DocumentCount(), 3);
}

void TestPageFilesIo::missingFilesAndPatterns()
{
    FWorkspace->options.sound = true;
    const QString missing = Path(QStringLiteral("gone.htm"));
    QVERIFY(!Open(missing));
    QCOMPARE(FDialogs->Messages().size(), 1);
    QCOMPARE(FDialogs->Messages().at(0).msgKind, MsgKind::Information);
    QCOMPARE(FDialogs->Messages().at(0).buttons, MsgButtons(mbOK));
    QCOMPARE(FDialogs->Messages().at(0).text, QStringLiteral("Can not find the file : ") + missing);
    QCOMPARE(FDialogs->BeepCount(), 1);

    // A pattern that matches files opens nothing and says nothing.
    WriteBytes(Path(QStringLiteral("a.htm")), OldPage);
    FDialogs->Clear();
    QVERIFY(!Open(Path(QStringLiteral("*.htm"))));
    QVERIFY(FDialogs->calls.isEmpty());
    // One that matches nothing is a missing file.
    QVERIFY(!Open(Path(QStringLiteral("*.asp"))));
    QCOMPARE(FDialogs->Messages().size(), 1);
    QCOMPARE(FWorkspace->DocumentCount(), 0);

    // Cancelling the prompt opens nothing either.
    FDialogs->Clear();
    QVERIFY(!Open(QString()));
    QVERIFY(FDialogs->calls.isEmpty());
}

void TestPageFilesIo::loadFailureDiscardsTheWindow()
{
    // Memory runs out part-way: no window may stay bound to the file.
    const QString path = Path(QStringLiteral("huge.htm"));
    WriteBytes(path, OldPage);
    TRCRichEdit::FailNextLoadForTesting();
    QVERIFY(!Open(path));
    QCOMPARE(ReadBytes(path), OldPage);
    QCOMPARE(FWorkspace->DocumentCount(), 0);
    QCOMPARE(FDialogs->Messages().size(), 1);
    QCOMPARE(FDialogs->Messages().at(0).msgKind, MsgKind::Warning);
    QVERIFY(FDialogs->Messages().at(0).text.startsWith(QStringLiteral("Can not open the file : \r")));
    // Discarded without closing: it is no recent file.
    QVERIFY(FWorkspace->recentFiles.isEmpty());
    QVERIFY(FWorkspace->modifiedIndicatorOn);
}

void TestPageFilesIo::savePromptCancelledWritesNothing()
{
    TfrmMDIChild *page = PageFiles(*FWorkspace).NewPage();
    page->EditMemo->ReplaceSel(QStringLiteral("text"));
    QVERIFY(!Save(page));
    QCOMPARE(FWorkspace->prompts, QStringList{QStringLiteral("Save")});
    QVERIFY(page->IsUntitled());
    QVERIFY(page->EditMemo->Modified());
    QCOMPARE(FWorkspace->Panel(4), QStringLiteral("Modified..."));
    QVERIFY(page->Ready());
    QVERIFY(!FWorkspace->busy);
    QVERIFY(FWorkspace->progressMessages.isEmpty());
    QCOMPARE(QDir(FDir->path()).entryList(QDir::Files), QStringList());
}

void TestPageFilesIo::saveAsNamesThePage()
{
    FWorkspace->options.autoSave = true;
    TfrmMDIChild *page = PageFiles(*FWorkspace).NewPage();
    page->EditMemo->ReplaceSel(QStringLiteral("<P>\nnew"));
    const QString path = Path(QStringLiteral("news.htm"));
    FWorkspace->saveAnswers << path;
    QVERIFY(Save(page));
    QCOMPARE(page->FileName(), path);
    QCOMPARE(page->windowTitle(), QStringLiteral("NEWS.HTM"));
    QVERIFY(!page->EditMemo->Modified());
    QCOMPARE(FWorkspace->Panel(4), QString());
    QCOMPARE(FWorkspace->progressMessages, QStringList{QStringLiteral("Save...")});
    QCOMPARE(ReadBytes(path), QByteArrayLiteral("<P>\r\nnew"));
    QVERIFY(page->SaveTimer->isActive());

    // A titled page saves silently; Save As always asks.
    page->EditMemo->ReplaceSel(QStringLiteral("!"));
    QVERIFY(Save(page));
    QCOMPARE(FWorkspace->prompts.size(), 1);
    const QString other = Path(QStringLiteral("Copy.HTM"));
    FWorkspace->saveAnswers << other;
    QVERIFY(Save(page, QStringLiteral("Save As")));
    QCOMPARE(FWorkspace->prompts.last(), QStringLiteral("Save As"));
    QCOMPARE(page->FileName(), other);
    QCOMPARE(page->windowTitle(), QStringLiteral("COPY.HTM"));
    QCOMPARE(ReadBytes(other), ReadBytes(path));
}

void TestPageFilesIo::backupHoldsTheSavedText()
{
    FWorkspace->options.backup = true;
    TfrmMDIChild *page = PageFiles(*FWorkspace).NewPage();
    page->EditMemo->ReplaceSel(QStringLiteral("<HTML>\r\n</HTML>"));
    FWorkspace->saveAnswers << Path(QStringLiteral("index.html"));
    QVERIFY(Save(page));
    QCOMPARE(page->windowTitle(), QStringLiteral("INDEX.HTML"));
    QCOMPARE(ReadBytes(Path(QStringLiteral("index.baku"))), QByteArrayLiteral("<HTML>\r\n</HTML>"));
    QCOMPARE(ReadBytes(Path(QStringLiteral("index.html"))), QByteArrayLiteral("<HTML>\r\n</HTML>"));

    // An existing page keeps its spelling, and so does its backup.
    WriteBytes(Path(QStringLiteral("INDEX.HTML")), OldPage);
    TfrmMDIChild *upper = Open(Path(QStringLiteral("INDEX.HTML")));
    upper->EditMemo->ReplaceSel(QStringLiteral("changed "));
    QVERIFY(Save(upper));
    QCOMPARE(ReadBytes(Path(QStringLiteral("INDEX.BAKU"))), QByteArray("changed " + OldPage));
    QCOMPARE(ReadBytes(Path(QStringLiteral("INDEX.HTML"))), QByteArray("changed " + OldPage));
    QCOMPARE(ReadBytes(Path(QStringLiteral("index.baku"))), QByteArrayLiteral("<HTML>\r\n</HTML>"));
}

void TestPageFilesIo::saveAllPromptsOnceForTheUntitledPage()
{
    WriteBytes(Path(QStringLiteral("one.htm")), OldPage);
    WriteBytes(Path(QStringLiteral("two.htm")), OldPage);
    TfrmMDIChild *one = Open(Path(QStringLiteral("one.htm")));
    TfrmMDIChild *untitled = PageFiles(*FWorkspace).NewPage();
    TfrmMDIChild *two = Open(Path(QStringLiteral("two.htm")));
    one->EditMemo->ReplaceSel(QStringLiteral("1"));
    two->EditMemo->ReplaceSel(QStringLiteral("2"));
    untitled->EditMemo->ReplaceSel(QStringLiteral("new"));
    FWorkspace->saveAnswers << Path(QStringLiteral("three.htm"));

    QVERIFY(PageFiles(*FWorkspace).SaveAllPages());
    QCOMPARE(FWorkspace->prompts, QStringList{QStringLiteral("Save As")});
    QCOMPARE(ReadBytes(Path(QStringLiteral("one.htm"))), QByteArray("1" + OldPage));
    QCOMPARE(ReadBytes(Path(QStringLiteral("two.htm"))), QByteArray("2" + OldPage));
    QCOMPARE(ReadBytes(Path(QStringLiteral("three.htm"))), QByteArray("new"));
    QCOMPARE(untitled->windowTitle(), QStringLiteral("THREE.HTM"));
    for (TfrmMDIChild *page : {one, two, untitled})
        QVERIFY(!page->EditMemo->Modified());
}

void TestPageFilesIo::fullDiskKeepsTheOldFile()
{
    const QString path = Path(QStringLiteral("full.htm"));
    WriteBytes(path, OldPage);
    TfrmMDIChild *page = Open(path);
    page->EditMemo->ReplaceSel(QStringLiteral("much more text than there is room for "));
    PageFileWriter::SetFailAfterBytesForTesting(10);
    QVERIFY(!Save(page));
    QCOMPARE(ReadBytes(path), OldPage);
    QCOMPARE(QDir(FDir->path()).entryList(QDir::Files), QStringList{QStringLiteral("full.htm")});
    QCOMPARE(FDialogs->Messages().size(), 1);
    QCOMPARE(FDialogs->Messages().at(0).msgKind, MsgKind::Warning);
    QCOMPARE(FDialogs->Messages().at(0).text,
             QStringLiteral("Can not save the file ") + path + QStringLiteral("\rNo space left on device"));
    QCOMPARE(FWorkspace->Panel(0), QStringLiteral("Error"));
    QVERIFY(page->EditMemo->Modified());
    QCOMPARE(FWorkspace->Panel(4), QStringLiteral("Modified..."));
    QVERIFY(page->Ready());

    // Save As onto a full disk keeps the page's old name.
    FWorkspace->saveAnswers << Path(QStringLiteral("elsewhere.htm"));
    QVERIFY(!Save(page, QStringLiteral("Save As")));
    QCOMPARE(page->FileName(), path);
    QVERIFY(!QFile::exists(Path(QStringLiteral("elsewhere.htm"))));
}

void TestPageFilesIo::readOnlyFileAndFolderAreNotWritten()
{
    // No write permission bit at all refuses the write even for the
    // superuser, whom the system itself would let through.
    const QString path = Path(QStringLiteral("locked.htm"));
    WriteBytes(path, OldPage);
    TfrmMDIChild *page = Open(path);
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    page->EditMemo->ReplaceSel(QStringLiteral("x"));
    QVERIFY(!Save(page));
    QCOMPARE(ReadBytes(path), OldPage);
    QCOMPARE(FDialogs->Messages().last().text,
             QStringLiteral("Can not save the file ") + path + QStringLiteral("\rThe file is read-only"));

    const QString folder = Path(QStringLiteral("ro"));
    QVERIFY(QDir().mkpath(folder));
    const QString inFolder = folder + QStringLiteral("/page.htm");
    WriteBytes(inFolder, OldPage);
    TfrmMDIChild *second = Open(inFolder);
    QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    second->EditMemo->ReplaceSel(QStringLiteral("y"));
    const bool saved =
        Save(second);
    QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                              | QFileDevice::ExeOwner));
    QVERIFY(!saved);
    QCOMPARE(ReadBytes(inFolder), OldPage);
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("page.htm")});
    QVERIFY(second->EditMemo->Modified());
}

void TestPageFilesIo::failedBackupStopsTheSave()
{
    FWorkspace->options.backup = true;
    const QString path = Path(QStringLiteral("page.htm"));
    WriteBytes(path, OldPage);
    // A folder where the backup would go cannot be replaced by a file.
    QVERIFY(QDir().mkpath(Path(QStringLiteral("page.bak"))));
    TfrmMDIChild *page = Open(path);
    page->EditMemo->ReplaceSel(QStringLiteral("x"));
    QVERIFY(!Save(page));
    QCOMPARE(FDialogs->Messages().last().text,
             QStringLiteral("Can not save the file ") + Path(QStringLiteral("page.bak"))
                 + QStringLiteral("\rIs a directory"));
    QCOMPARE(ReadBytes(path), OldPage);
    QVERIFY(page->EditMemo->Modified());
}

void TestPageFilesIo::linkAndPermissionsSurvive()
{
    const QString target = Path(QStringLiteral("target.htm"));
    const QString link = Path(QStringLiteral("link.htm"));
    WriteBytes(target, OldPage);
    const auto mode = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
        | QFileDevice::ExeOwner;
    QVERIFY(QFile::setPermissions(target, mode));
    QVERIFY(QFile::link(target, link));
    TfrmMDIChild *page = Open(link);
    QCOMPARE(page->FileName(), link);
    page->EditMemo->ReplaceSel(QStringLiteral("new "));
    QVERIFY(Save(page));
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(QFileInfo(link).symLinkTarget(), target);
    QCOMPARE(ReadBytes(target), QByteArray("new " + OldPage));
    // Owner, group and others; the "user" bits depend on who runs the test.
    const int bits = 0x7077;
    QCOMPARE(int(QFile::permissions(target)) & bits, int(mode) & bits);
}

void TestPageFilesIo::eightBitPageRefusesForeignCharacters()
{
    const QString path = Path(QStringLiteral("latin.htm"));
    WriteBytes(path, QByteArrayLiteral("caf\xE9"));
    TfrmMDIChild *page = Open(path);
    QCOMPARE(page->Encoding(), PageEncoding::Latin1);
    page->EditMemo->SetSelStart(page->EditMemo->TextLength());
    page->EditMemo->ReplaceSel(QStringLiteral(" 5 \u20AC"));
    QVERIFY(!Save(page));
    QCOMPARE(ReadBytes(path), QByteArrayLiteral("caf\xE9"));
    QVERIFY(FDialogs->Messages().last().text.startsWith(QStringLiteral("Can not save the file ") + path
                                                         + QLatin1Char('\r')));
    QVERIFY(FDialogs->Messages().last().text.contains(QStringLiteral("U+20AC")));
    QVERIFY(page->EditMemo->Modified());
}

void TestPageFilesIo::autosaveAndClose()
{
    TfrmMDIChild *untitled = PageFiles(*FWorkspace).NewPage();
    untitled->EditMemo->ReplaceSel(QStringLiteral("draft"));
    untitled->SaveTimerTimer();
    QVERIFY(FWorkspace->prompts.isEmpty());

    const QString path = Path(QStringLiteral("auto.htm"));
    WriteBytes(path, OldPage);
    TfrmMDIChild *page = Open(path);
    page->setWindowTitle(QStringLiteral("renamed"));
    page->EditMemo->ReplaceSel(QStringLiteral("x"));
    page->SaveTimerTimer();
    QCOMPARE(ReadBytes(path), QByteArray("x" + OldPage));
    QCOMPARE(page->windowTitle(), QStringLiteral("AUTO.HTM"));
    QCOMPARE(FWorkspace->progressMessages.last(), QStringLiteral("Autosave..."));

    // Closing adds a titled page to the recent files, an untitled one not.
    FWorkspace->recentFiles.clear();
    untitled->EditMemo->SetModified(false);
    QVERIFY(untitled->close());
    QVERIFY(page->close());
    QCOMPARE(FWorkspace->recentFiles, QStringList{path});
}

QTEST_MAIN(TestPageFilesIo)
#include "tst_pagefiles_io.moc"
