// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/PageFiles.h"
#include "editor/TRCRichEdit.h"
#include "editor/TfrmMDIChild.h"
#include "shell/RecentFiles.h"
#include "support/MainFormFixture.h"

#include <QFile>
#include <QTest>
#include <QTimer>

// The main window's file commands: Save All around the page files, the
// save prompts through its dialogs, and the close query's Yes answer.
class TestMainFormFiles : public MainFormFixture {
    Q_OBJECT
private slots:
    void saveAllBringsTheActivePageBack();
    void closeQueryYesSavesThroughThePrompt();
    void saveButtonWithoutDocumentBeeps();
};

void TestMainFormFiles::saveAllBringsTheActivePageBack()
{
    FForm->OptionValues().autoSave = true;
    FForm->OptionValues().backup = false;
    const QString path = Path(QStringLiteral("a.htm"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("a");
    file.close();
    FForm->OpenFiles({path});
    TfrmMDIChild *titled = FForm->ActiveDocument();
    QCOMPARE(titled->FileName(), path);
    TfrmMDIChild *untitled = FForm->Pages().NewPage();
    FForm->BringToFront(titled);
    titled->EditMemo->ReplaceSel(QStringLiteral("b"));
    untitled->EditMemo->ReplaceSel(QStringLiteral("c"));
    FDialogs->AnswerFile(Path(QStringLiteral("NEW.HTM")));

    FForm->mnuSaveAllClick();
    // One prompt, the Save As form, and the new file named as typed.
    QCOMPARE(FDialogs->calls.size(), 1);
    QCOMPARE(FDialogs->calls.at(0).file.title, QStringLiteral("Save As an HTML document"));
    QCOMPARE(untitled->FileName(), Path(QStringLiteral("NEW.HTM")));
    QCOMPARE(FForm->WorkDir, FDir->path());
    QCOMPARE(FForm->ActiveDocument(), titled);
    QVERIFY(titled->SaveTimer->isActive());
    QVERIFY(untitled->SaveTimer->isActive());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("ba"));
    // Opening a page lists it with the recent files.
    QCOMPARE(FForm->RecentFileList->Files(), QStringList{path});
}

void TestMainFormFiles::closeQueryYesSavesThroughThePrompt()
{
    TfrmMDIChild *page = FForm->Pages().NewPage();
    page->EditMemo->ReplaceSel(QStringLiteral("text"));
    FDialogs->AnswerMessage(mbYes);
    // The prompt is cancelled: the window stays open.
    QVERIFY(!page->close());
    QCOMPARE(FDialogs->calls.size(), 2);
    QCOMPARE(FDialogs->calls.at(1).file.title, QStringLiteral("Save an HTML document"));
    QCOMPARE(FForm->DocumentCount(), 1);

    FDialogs->AnswerMessage(mbYes);
    FDialogs->AnswerFile(Path(QStringLiteral("kept.htm")));
    QVERIFY(page->close());
    QVERIFY(QFile::exists(Path(QStringLiteral("kept.htm"))));
    QCOMPARE(FForm->RecentFileList->Files(), QStringList{Path(QStringLiteral("kept.htm"))});
}

void TestMainFormFiles::saveButtonWithoutDocumentBeeps()
{
    FForm->OptionValues().sound = true;
    FForm->btnSaveClick();
    QCOMPARE(FDialogs->BeepCount(), 1);
    QVERIFY(FDialogs->Messages().isEmpty());
}

QTEST_MAIN(TestMainFormFiles)
#include "tst_mainformfiles.moc"
