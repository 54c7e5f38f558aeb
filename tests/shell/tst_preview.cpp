// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/PageFiles.h"
#include "editor/TRCRichEdit.h"
#include "editor/TfrmMDIChild.h"
#include "shell/Preview.h"
#include "support/EditorFixture.h"

#include <QDir>
#include <QFile>
#include <QtTest>

// Previewing the active page in a browser: saving first when needed, and
// starting the browser with the page file as its one argument, no shell.
class TestPreview : public EditorFixture {
    Q_OBJECT
private slots:
    void init();
    void browserGetsThePageAsItsOneArgument();
    void refusalsWithoutDocumentOrBrowser();
    void untitledPageIsSavedFirstOrNotPreviewed();
    void modifiedPageIsSavedUnderItsOwnName();
    void browserThatCannotStartIsReported();

private:
    QString WriteBrowser();
    QStringList WaitForArguments();
    TfrmMDIChild *OpenPage(const QString &name, const QByteArray &bytes);

    QString FRecord;
};

void TestPreview::init()
{
    EditorFixture::init();
    FWorkspace->options.backup = false;
    FWorkspace->options.autoSave = false;
}

// A stand-in browser in a folder whose name has blanks: it records the
// number of its arguments and each of them, one a line.
QString TestPreview::WriteBrowser()
{
    const QString folder = Path(QStringLiteral("stand in browser"));
    QDir().mkpath(folder);
    FRecord = folder + QStringLiteral("/arguments.txt");
    const QString script = folder + QStringLiteral("/my browser");
    QFile file(script);
    file.open(QIODevice::WriteOnly);
    file.write("#!/bin/sh\n"
               "out=\"$(dirname \"$0\")/arguments.txt\"\n"
               "printf '%s\\n' \"$#\" > \"$out.part\"\n"
               "for a in \"$@\"; do printf '%s\\n' \"$a\" >> \"$out.part\"; done\n"
               "mv \"$out.part\" \"$out\"\n");
    file.close();
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return script;
}

QStringList TestPreview::WaitForArguments()
{
    QFile file(FRecord);
    for (int i = 0; i < 100 && !file.exists(); ++i)
        QTest::qWait(50);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

TfrmMDIChild *TestPreview::OpenPage(const QString &name, const QByteArray &bytes)
{
    const QString path = Path(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    file.close();
    return PageFiles(*FWorkspace).OpenPage(path);
}

void TestPreview::browserGetsThePageAsItsOneArgument()
{
    const QString browser = WriteBrowser();
    const QString name = QStringLiteral("my \"best\" page; rm -rf ~ 'x'.htm");
    TfrmMDIChild *page = OpenPage(name, "<HTML></HTML>");
    QVERIFY(page);
    FWorkspace->statusLog.clear();
    PageFiles pages(*FWorkspace);
    Preview(*FWorkspace, pages).Run(browser);
    QCOMPARE(WaitForArguments(), (QStringList{QStringLiteral("1"), Path(name)}));
    QCOMPARE(FWorkspace->statusLog,
             (QStringList{QStringLiteral("0: Browser ..."), QStringLiteral("0: Ready")}));
    QVERIFY(FDialogs->calls.isEmpty());
    QVERIFY(page->Ready());
    // An unchanged page is not saved again.
    QVERIFY(FWorkspace->progressMessages.size() == 1);
}

void TestPreview::refusalsWithoutDocumentOrBrowser()
{
    PageFiles pages(*FWorkspace);
    Preview preview(*FWorkspace, pages);
    preview.Run(QStringLiteral("/usr/bin/true"));
    QCOMPARE(FWorkspace->errorBeeps, 1);
    QVERIFY(FDialogs->Messages().isEmpty());

    OpenPage(QStringLiteral("page.htm"), "x");
    preview.Run(QString());
    QCOMPARE(FWorkspace->errorBeeps, 2);
    QCOMPARE(FDialogs->Messages().size(), 1);
    QCOMPARE(FDialogs->Messages().at(0).msgKind, MsgKind::Information);
    QCOMPARE(FDialogs->Messages().at(0).text,
             QStringLiteral(
                 "There is no selected browser.\rSelect a browser in the View | Options menu."));
    QVERIFY(!FWorkspace->statusLog.contains(QStringLiteral("0: Browser ...")));
}

void TestPreview::untitledPageIsSavedFirstOrNotPreviewed()
{
    const QString browser = WriteBrowser();
    PageFiles pages(*FWorkspace);
    TfrmMDIChild *page = pages.NewPage();
    page->EditMemo->ReplaceSel(QStringLiteral("<P>"));

    FDialogs->AnswerMessage(mbNo);
    Preview(*FWorkspace, pages).Run(browser);
    QCOMPARE(FDialogs->Messages().size(), 1);
    QCOMPARE(FDialogs->Messages().at(0).msgKind, MsgKind::Confirmation);
    QCOMPARE(FDialogs->Messages().at(0).buttons, MsgButtons(mbYesNo));
    QCOMPARE(FDialogs->Messages().at(0).text,
             QStringLiteral("Can not preview unsaved web page.\rSave \"Quillon  1\" ?"));
    QVERIFY(FWorkspace->prompts.isEmpty());

    // Yes, and the prompt cancelled: nothing starts.
    FDialogs->AnswerMessage(mbYes);
    Preview(*FWorkspace, pages).Run(browser);
    QCOMPARE(FWorkspace->prompts, QStringList{QStringLiteral("Save As")});
    QVERIFY(!FWorkspace->statusLog.contains(QStringLiteral("0: Browser ...")));

    FDialogs->AnswerMessage(mbYes);
    const QString path = Path(QStringLiteral("first.htm"));
    FWorkspace->saveAnswers << path;
    Preview(*FWorkspace, pages).Run(browser);
    QCOMPARE(WaitForArguments(), (QStringList{QStringLiteral("1"), path}));
    QVERIFY(QFile::exists(path));
}

void TestPreview::modifiedPageIsSavedUnderItsOwnName()
{
    const QString browser = WriteBrowser();
    TfrmMDIChild *page = OpenPage(QStringLiteral("page.htm"), "old");
    page->EditMemo->ReplaceSel(QStringLiteral("new "));
    PageFiles pages(*FWorkspace);
    Preview(*FWorkspace, pages).Run(browser);
    QCOMPARE(WaitForArguments(),
             (QStringList{QStringLiteral("1"), Path(QStringLiteral("page.htm"))}));
    QFile file(Path(QStringLiteral("page.htm")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("new old"));
    QVERIFY(FWorkspace->prompts.isEmpty());
    QVERIFY(!page->EditMemo->Modified());
}

void TestPreview::browserThatCannotStartIsReported()
{
    OpenPage(QStringLiteral("page.htm"), "x");
    PageFiles pages(*FWorkspace);
    Preview(*FWorkspace, pages).Run(Path(QStringLiteral("no such browser")));
    QCOMPARE(FDialogs->Messages().size(), 1);
    QCOMPARE(FDialogs->Messages().at(0).msgKind, MsgKind::Warning);
    QCOMPARE(FDialogs->Messages().at(0).text, QStringLiteral("Can not run selected browser."));
    QCOMPARE(FWorkspace->errorBeeps, 1);
    QCOMPARE(FWorkspace->Panel(0), QStringLiteral(" Ready"));
    QVERIFY(FWorkspace->ActiveDocument()->Ready());
}

QTEST_MAIN(TestPreview)
#include "tst_preview.moc"
