// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/PageFilesTest.h"
#include "editor/LineEnds.h"
#include "editor/TRCRichEdit.h"
#include "editor/TfrmMDIChild.h"

#include <QRandomGenerator>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// What a page file goes through between disk and editor must never cost
// the user a byte: odd encodings and line ends, binary files, files that
// are not files, other programs' changes, failed loads, two windows on one
// file.
class TestPageSafety : public PageFilesTest {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void lineEndsRoundTripAnyBytes();
    void unchangedPagesSaveByteForByte_data();
    void unchangedPagesSaveByteForByte();
    void binaryFileOpensOnlyWhenConfirmed();
    void onlyRegularFilesOpen();
    void namesAreTakenExactly();
    void saveAsOntoAnotherOpenPageIsRefused();
    void changeOnDiskIsNeverOverwrittenUnasked();
    void autosaveWritesOnlyChangedPages();
    void unchangedPageIsOfferedAReload();
    void successfulSaveClearsTheError();
};

void TestPageSafety::init()
{
    SetUp();
}

void TestPageSafety::cleanup()
{
    TearDown();
}

void TestPageSafety::lineEndsRoundTripAnyBytes()
{
    QRandomGenerator random(4711);
    const char alphabet[] = {'\r', '\n', 'a', '\r', '\n', '\0'};
    for (int round = 0; round < 2000; ++round) {
        QByteArray bytes;
        const int length = int(random.bounded(12));
        for (int i = 0; i < length; ++i)
            bytes.append(alphabet[random.bounded(int(sizeof alphabet))]);
        const LineEnds::Split split = LineEnds::ToCrLf(bytes);
        QVERIFY2(LineEnds::FromCrLf(split.text, split.pageEnd, split.exceptions) == bytes,
                 bytes.toHex().constData());
    }
}

void TestPageSafety::unchangedPagesSaveByteForByte_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("binary");
    QTest::newRow("UTF-8") << QByteArray("<P>gr\xC3\xBC\xC3\x9F \xE2\x82\xAC \xF0\x9F\x98\x80</P>\r\n") << false;
    QTest::newRow("UTF-8 with mark") << QByteArray("\xEF\xBB\xBF<P>\xC3\xA9t\xC3\xA9</P>\r\nend") << false;
    QByteArray latin("<P>caf\xE9</P>\r\n");
    for (int byte = 0x80; byte <= 0xFF; ++byte)
        latin.append(char(byte)).append(byte % 16 == 15 ? "\r\n" : "");
    QTest::newRow("8-bit") << latin << false;
    QTest::newRow("LF") << QByteArray("<P>\none\ntwo\n") << false;
    QTest::newRow("lone CR") << QByteArray("<P>\rone\r") << false;
    QTest::newRow("mixed") << QByteArray("a\r\nb\nc\rd\n\r\n\r\r\n") << false;
    QTest::newRow("UTF-16 LE") << QByteArray("\xFF\xFE<\0P\0>\0\n\0\xE9\0\x3D\xD8\x00\xDE", 16) << false;
    QTest::newRow("UTF-16 BE CR LF") << QByteArray("\xFE\xFF\0<\0\r\0\n\x20\xAC", 10) << false;
    QTest::newRow("UTF-16 odd length is 8-bit")
        << QByteArray("\xFF\xFEx\0y", 5) << true;
    QTest::newRow("UTF-16 lone surrogate is 8-bit")
        << QByteArray("\xFF\xFE\x00\xD8x\0", 6) << true;
    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary.append(char((i * 7919) % 256));
    QTest::newRow("binary") << binary << true;
    QTest::newRow("UTF-8 with NUL") << QByteArray("a\0\xC3\xA9\r\n", 6) << true;
}

void TestPageSafety::unchangedPagesSaveByteForByte()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, binary);
    const QString path = Path(QStringLiteral("page.htm"));
    WriteBytes(path, bytes);
    if (binary)
        FDialogs->AnswerMessage(mbYes);
    TfrmMDIChild *page = Open(path);
    QVERIFY(page);
    QCOMPARE(FDialogs->Messages().size(), binary ? 1 : 0);
    QVERIFY(Save(page));
    QCOMPARE(ReadBytes(path).toHex(), bytes.toHex());
    // A break typed into the page takes the page's first line end.
    page->EditMemo->SetSelStart(0);
    page->EditMemo->ReplaceSel(QStringLiteral("x\n"));
    QVERIFY(Save(page));
    const QByteArray saved = ReadBytes(path);
    QVERIFY(saved.size() > bytes.size());
}

void TestPageSafety::binaryFileOpensOnlyWhenConfirmed()
{
    const QString path = Path(QStringLiteral("photo.htm"));
    const QByteArray bytes("GIF89a\0\0\x01\x02\0;", 12);
    WriteBytes(path, bytes);
    QVERIFY(!Open(path));   // the scripted answer is No
    QCOMPARE(FDialogs->Messages().size(), 1);
    QCOMPARE(FDialogs->Messages().at(0).msgKind, MsgKind::Confirmation);
    QCOMPARE(FDialogs->Messages().at(0).buttons, MsgButtons(mbYesNo));
    QCOMPARE(FDialogs->Messages().at(0).text,
             path + QStringLiteral(" does not look like a text page. Open it anyway?"));
    QCOMPARE(FWorkspace->DocumentCount(), 0);
    QVERIFY(FWorkspace->recentFiles.isEmpty());
    QCOMPARE(ReadBytes(path), bytes);
}

void TestPageSafety::onlyRegularFilesOpen()
{
    const QString fifo = Path(QStringLiteral("pipe.htm"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString folder = Path(QStringLiteral("folder.htm"));
    QVERIFY(QDir().mkpath(folder));
    for (const QString &path : {fifo, folder, QStringLiteral("/dev/zero")}) {
        FDialogs->Clear();
        QVERIFY(!Open(path));   // returns at once: nothing is read
        QCOMPARE(FDialogs->Messages().size(), 1);
        QCOMPARE(FDialogs->Messages().at(0).msgKind, MsgKind::Warning);
        QCOMPARE(FDialogs->Messages().at(0).text,
                 QStringLiteral("Can not open the file ") + path + QStringLiteral(": not a regular file"));
    }
    QCOMPARE(FWorkspace->DocumentCount(), 0);
}

void TestPageSafety::namesAreTakenExactly()
{
    const QString plain = Path(QStringLiteral("trailing.htm"));
    const QString blank = Path(QStringLiteral("trailing.htm "));
    WriteBytes(plain, OldPage);
    WriteBytes(blank, "blank");
    TfrmMDIChild *page = Open(blank);
    QCOMPARE(page->FileName(), blank);
    QCOMPARE(page->EditMemo->Text(), QStringLiteral("blank"));
    page->EditMemo->ReplaceSel(QStringLiteral("more "));
    QVERIFY(Save(page));
    QCOMPARE(ReadBytes(blank), QByteArray("more blank"));
    QCOMPARE(ReadBytes(plain), OldPage);

    // A name that is not valid UTF-8 opens and saves by its own bytes.
    const QByteArray raw = QFile::encodeName(FDir->path()) + "/caf\xE9.htm";
    {
        const int fd = ::open(raw.constData(), O_CREAT | O_WRONLY, 0644);
        QVERIFY(fd >= 0);
        QVERIFY(::write(fd, "latin", 5) == 5);
        ::close(fd);
    }
    const QString name = QFile::decodeName(QFile::encodeName(FDir->path())) + QStringLiteral("/caf")
        + QChar(0xDCE9) + QStringLiteral(".htm");
    TfrmMDIChild *latin = Open(name);
    QVERIFY(latin);
    latin->EditMemo->ReplaceSel(QStringLiteral("more "));
    QVERIFY(Save(latin));
    QFile written;
    const int fd = ::open(raw.constData(), O_RDONLY);
    QVERIFY(written.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle));
    QCOMPARE(written.readAll(), QByteArray("more latin"));
    // Qt's own classes cannot reach the name to clean up.
    FWorkspace->CloseAllDocuments();
    QCOMPARE(::unlink(raw.constData()), 0);
}

void TestPageSafety::saveAsOntoAnotherOpenPageIsRefused()
{
    const QString path = Path(QStringLiteral("index.htm"));
    WriteBytes(path, OldPage);
    TfrmMDIChild *open = Open(path);
    TfrmMDIChild *page = PageFiles(*FWorkspace).NewPage();
    page->EditMemo->ReplaceSel(QStringLiteral("other text"));
    FWorkspace->saveAnswers << path;
    QVERIFY(!Save(page, QStringLiteral("Save As")));
    QCOMPARE(ReadBytes(path), OldPage);
    QVERIFY(page->IsUntitled());
    QVERIFY(page->EditMemo->Modified());
    QCOMPARE(FDialogs->Messages().last().msgKind, MsgKind::Warning);
    QVERIFY(FDialogs->Messages().last().text.contains(QStringLiteral("\"INDEX.HTM\"")));
    QVERIFY(open->EditMemo->Text().startsWith(QStringLiteral("<HTML>")));
}

void TestPageSafety::changeOnDiskIsNeverOverwrittenUnasked()
{
    FWorkspace->options.autoSave = true;
    const QString path = Path(QStringLiteral("shared.htm"));
    WriteBytes(path, OldPage);
    TfrmMDIChild *page = Open(path);
    page->EditMemo->ReplaceSel(QStringLiteral("mine "));
    WriteBytes(path, "theirs, and longer than before");

    // No: file and page stay as they are; autosave asks no more for it.
    QVERIFY(!Save(page));
    QCOMPARE(FDialogs->Messages().size(), 1);
    QCOMPARE(FDialogs->Messages().at(0).text,
             path + QStringLiteral(" was changed by another program. Overwrite it?"));
    QCOMPARE(ReadBytes(path), QByteArray("theirs, and longer than before"));
    QVERIFY(page->EditMemo->Modified());
    page->SaveTimerTimer();
    QCOMPARE(FDialogs->Messages().size(), 1);
    QCOMPARE(ReadBytes(path), QByteArray("theirs, and longer than before"));

    // Yes writes the page; the next save asks nothing.
    FDialogs->AnswerMessage(mbYes);
    QVERIFY(Save(page));
    QCOMPARE(ReadBytes(path), QByteArray("mine " + OldPage));
    page->EditMemo->ReplaceSel(QStringLiteral("again "));
    QVERIFY(Save(page));
    QCOMPARE(FDialogs->Messages().size(), 2);
}

void TestPageSafety::autosaveWritesOnlyChangedPages()
{
    const QString path = Path(QStringLiteral("auto.htm"));
    WriteBytes(path, OldPage);
    TfrmMDIChild *page = Open(path);
    struct stat before {};
    QCOMPARE(::stat(QFile::encodeName(path).constData(), &before), 0);
    page->SaveTimerTimer();
    struct stat after {};
    QCOMPARE(::stat(QFile::encodeName(path).constData(), &after), 0);
    QCOMPARE(after.st_ino, before.st_ino);
    QCOMPARE(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    QVERIFY(FWorkspace->progressMessages.size() == 1);   // " Load..." only

    page->EditMemo->ReplaceSel(QStringLiteral("x"));
    page->SaveTimerTimer();
    QCOMPARE(ReadBytes(path), QByteArray("x" + OldPage));
    QCOMPARE(FWorkspace->progressMessages.last(), QStringLiteral("Autosave..."));
}

void TestPageSafety::unchangedPageIsOfferedAReload()
{
    const QString path = Path(QStringLiteral("watched.htm"));
    WriteBytes(path, OldPage);
    TfrmMDIChild *page = Open(path);
    FDialogs->AnswerMessage(mbYes);
    WriteBytes(path, "new text\nfrom elsewhere");
    QTRY_COMPARE(page->EditMemo->Text(), QStringLiteral("new text\r\nfrom elsewhere"));
    QCOMPARE(FDialogs->Messages().at(0).text,
             path + QStringLiteral(" was changed by another program. Reload it?"));
    QVERIFY(!page->EditMemo->Modified());

    // A page with changes of its own is never reloaded; its save asks.
    page->EditMemo->ReplaceSel(QStringLiteral("mine "));
    WriteBytes(path, "third");
    QTest::qWait(300);
    QCOMPARE(FDialogs->Messages().size(), 1);
    QVERIFY(page->EditMemo->Text().startsWith(QStringLiteral("mine new text")));
    QVERIFY(!Save(page));
    QCOMPARE(ReadBytes(path), QByteArray("third"));
}

void TestPageSafety::successfulSaveClearsTheError()
{
    const QString path = Path(QStringLiteral("page.htm"));
    WriteBytes(path, OldPage);
    TfrmMDIChild *page = Open(path);
    page->EditMemo->ReplaceSel(QStringLiteral("x"));
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
    QVERIFY(!Save(page));
    QCOMPARE(FWorkspace->Panel(0), QStringLiteral("Error"));
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QVERIFY(Save(page));
    QCOMPARE(FWorkspace->Panel(0), QStringLiteral(" Ready"));
}

QTEST_MAIN(TestPageSafety)
#include "tst_pagesafety.moc"
