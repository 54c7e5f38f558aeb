// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/PageFiles.h"
#include "editor/TRCRichEdit.h"
#include "editor/TfrmMDIChild.h"
#include "platform/ScriptedDialogs.h"
#include "shell/RecentFiles.h"
#include "shell/TfrmMainForm.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// The main window's file commands: Save All around the page files, the
// save prompts through its dialogs, and the close query's Yes answer.
class TestMainFormFiles : public QObject {
    Q_OBJECT
private slots:
    void saveAllBringsTheActivePageBack();
    void closeQueryYesSavesThroughThePrompt();
    void saveButtonWithoutDocumentBeeps();
};

void TestMainFormFiles::saveAllBringsTheActivePageBack()
{
    ScriptedDialogs dialogs;
    QTemporaryDir dir;
    TfrmMainForm form;
    form.OptionValues().autoSave = true;
    form.OptionValues().backup = false;
    const QString path = dir.filePath(QStringLiteral("a.htm"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("a");
    file.close();
    form.OpenFiles({path});
    TfrmMDIChild *titled = form.ActiveDocument();
    QCOMPARE(titled->FileName(), path);
    TfrmMDIChild *untitled = form.Pages().NewPage();
    form.BringToFront(titled);
    titled->EditMemo->ReplaceSel(QStringLiteral("b"));
    untitled->EditMemo->ReplaceSel(QStringLiteral("c"));
    dialogs.AnswerFile(dir.filePath(QStringLiteral("NEW.HTM")));

    form.mnuSaveAllClick();
    // One prompt, the Save As form, and the new file named as typed.
    QCOMPARE(dialogs.calls.size(), 1);
    QCOMPARE(dialogs.calls.at(0).file.title, QStringLiteral("Save As an HTML document"));
    QCOMPARE(untitled->FileName(), dir.filePath(QStringLiteral("NEW.HTM")));
    QCOMPARE(form.WorkDir, dir.path());
    QCOMPARE(form.ActiveDocument(), titled);
    QVERIFY(titled->SaveTimer->isActive());
    QVERIFY(untitled->SaveTimer->isActive());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("ba"));
    // Opening a page lists it with the recent files.
    QCOMPARE(form.RecentFileList->Files(), QStringList{path});
}

void TestMainFormFiles::closeQueryYesSavesThroughThePrompt()
{
    ScriptedDialogs dialogs;
    TfrmMainForm form;
    TfrmMDIChild *page = form.Pages().NewPage();
    page->EditMemo->ReplaceSel(QStringLiteral("text"));
    dialogs.AnswerMessage(mbYes);
    // The prompt is cancelled: the window stays open.
    QVERIFY(!page->close());
    QCOMPARE(dialogs.calls.size(), 2);
    QCOMPARE(dialogs.calls.at(1).file.title, QStringLiteral("Save an HTML document"));
    QCOMPARE(form.DocumentCount(), 1);

    QTemporaryDir dir;
    dialogs.AnswerMessage(mbYes);
    dialogs.AnswerFile(dir.filePath(QStringLiteral("kept.htm")));
    QVERIFY(page->close());
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("kept.htm"))));
    QCOMPARE(form.RecentFileList->Files(), QStringList{dir.filePath(QStringLiteral("kept.htm"))});
}

void TestMainFormFiles::saveButtonWithoutDocumentBeeps()
{
    ScriptedDialogs dialogs;
    TfrmMainForm form;
    form.OptionValues().sound = true;
    form.btnSaveClick();
    QCOMPARE(dialogs.BeepCount(), 1);
    QVERIFY(dialogs.Messages().isEmpty());
}

QTEST_MAIN(TestMainFormFiles)
#include "tst_mainformfiles.moc"
