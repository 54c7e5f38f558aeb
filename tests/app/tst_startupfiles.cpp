// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StartUp.h"
#include "editor/TfrmMDIChild.h"
#include "platform/FatalErrorText.h"
#include "shell/TfrmMainForm.h"
#include "support/ScriptedDialogs.h"

#include "support/ShippedTables.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// Page files named on the command line, and those a later copy of the
// program hands over, open in the running program.
class TestStartUpFiles : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void commandLineFilesOpenAfterStartUp();
    void handedOverFilesOpen();

private:
    QString WritePage(const QString &name);
    QTemporaryDir FDir;
};

void TestStartUpFiles::initTestCase()
{
    QCOMPARE(CopyShippedTables(qEnvironmentVariable("QUILLON_HOME")), 8);
}

QString TestStartUpFiles::WritePage(const QString &name)
{
    const QString path = FDir.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("<HTML></HTML>\r\n");
    return path;
}

void TestStartUpFiles::commandLineFilesOpenAfterStartUp()
{
    ScriptedDialogs dialogs;
    StartUpParameters parameters;
    parameters.splashMinimumMs = 0;
    parameters.fileNames = {WritePage(QStringLiteral("One.htm")),
                            WritePage(QStringLiteral("two.htm"))};
    StartUp startUp(parameters);
    QVERIFY(startUp.Prepare());
    TfrmMainForm *form = startUp.MainForm();
    // Not during start-up: once the message loop runs.
    QCOMPARE(form->DocumentCount(), 0);
    form->show();
    QTRY_COMPARE(form->DocumentCount(), 2);
    QStringList names;
    for (TfrmMDIChild *page : form->Documents())
        names << page->FileName();
    names.sort();
    QCOMPARE(names, parameters.fileNames);
    QVERIFY(dialogs.Messages().isEmpty());
    for (TfrmMDIChild *page : form->Documents())
        page->close();
}

void TestStartUpFiles::handedOverFilesOpen()
{
    const QString program = qEnvironmentVariable("QUILLON_BINARY_DIR") + QStringLiteral("/quillon");
    if (!QFileInfo::exists(program))
        QSKIP("the program is not built beside the tests");

    ScriptedDialogs dialogs;
    StartUpParameters parameters;
    parameters.splashMinimumMs = 0;
    StartUp startUp(parameters);
    QVERIFY(startUp.Prepare());
    TfrmMainForm *form = startUp.MainForm();
    form->show();
    form->showMinimized();
    QTRY_VERIFY(form->windowState() & Qt::WindowMinimized);
    const QString page = WritePage(QStringLiteral("handed over.htm"));

    // A relative name on the second copy's command line means its own
    // working folder.
    QProcess second;
    second.setWorkingDirectory(FDir.path());
    second.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    second.start(program, {QStringLiteral("handed over.htm")});
    QVERIFY(second.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(second.state() == QProcess::NotRunning, 8000);
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    // The running copy comes forward, restored, and opens the page.
    QTRY_VERIFY(!(form->windowState() & Qt::WindowMinimized));
    QTRY_COMPARE(form->DocumentCount(), 1);
    QCOMPARE(form->ActiveDocument()->FileName(), page);
    QCOMPARE(form->ActiveDocument()->windowTitle(), QStringLiteral("HANDED OVER.HTM"));
    form->ActiveDocument()->close();
}

QTEST_MAIN(TestStartUpFiles)
#include "tst_startupfiles.moc"
