// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StartUp.h"
#include "editor/PageFiles.h"
#include "platform/FatalErrorText.h"
#include "platform/SingleInstanceGuard.h"
#include "shell/RecentFiles.h"
#include "shell/TfrmMainForm.h"
#include "shell/TfrmOptions.h"
#include "support/ScriptedDialogs.h"
#include "support/ShippedTables.h"
#include "tags/TfrmTagInspector.h"
#include <QCheckBox>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QTest>
#include <QTimer>

class TestStartUp : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init() { FatalErrorText().clear(); }
    void startsInOrderAndShowsTheMainWindow();
    void aSecondStartKeepsOptionsRecentFilesAndPlacement();
    void aFatalErrorSkipsTheRemainingWindows();
    void aFatalStartEndsWithAFailureStatus();
    void aRunningCopyThatDoesNotAnswerKeepsThisOneFromStarting();
    void splashStaysUpForItsMinimum();
};

// The program folder gets the tables the build made.
void TestStartUp::initTestCase()
{
    QCOMPARE(CopyShippedTables(qEnvironmentVariable("QUILLON_HOME")), 8);
}

void TestStartUp::startsInOrderAndShowsTheMainWindow()
{
    ScriptedDialogs dialogs;
    QStringList messages;
    StartUpParameters parameters;
    parameters.splashMinimumMs = 0;
    parameters.onSplashMessage = [&](const QString &message) { messages << message; };
    StartUp startUp(parameters);
    QVERIFY(startUp.Prepare());
    QVERIFY(startUp.MainForm());
    QCOMPARE(startUp.MainForm()->windowTitle(), QStringLiteral("Quillon HTML Editor"));
    // The first start sets the settings up.
    QCOMPARE(messages,
             (QStringList{QStringLiteral("Initializing Tag Inspector ..."),
                          QStringLiteral("Setup Application ..."),
                          QStringLiteral("Creating Application Environment ..."),
                          QStringLiteral("Almost Done ...")}));
    QVERIFY(FatalErrorText().isEmpty());
    QVERIFY(frmTagInspector);
    QVERIFY(startUp.SplashMilliseconds() < 3000);
}

void TestStartUp::aSecondStartKeepsOptionsRecentFilesAndPlacement()
{
    ScriptedDialogs dialogs;
    const QString page =
        QDir(qEnvironmentVariable("QUILLON_HOME")).filePath(QStringLiteral("Index.htm"));
    {
        QFile file(page);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<P>kept</P>\r\n");
    }
    StartUpParameters parameters;
    parameters.splashMinimumMs = 0;
    {
        StartUp first(parameters);
        QVERIFY(first.Prepare());
        TfrmMainForm *form = first.MainForm();
        QVERIFY(frmOptions);
        frmOptions->ui.CheckBox(&OptionFields::wordWrap)->setChecked(true);
        form->Pages().OpenPage(page);
        QCOMPARE(form->DocumentCount(), 1);
        form->WorkDir = QDir(qEnvironmentVariable("QUILLON_HOME")).absolutePath();
        form->show();
        form->setGeometry(40, 30, 700, 500);
        QVERIFY(form->close());
    }
    QStringList messages;
    parameters.onSplashMessage = [&](const QString &message) { messages << message; };
    StartUp second(parameters);
    QVERIFY(second.Prepare());
    QVERIFY(messages.contains(QStringLiteral("Loading Working Data ...")));
    QVERIFY(!messages.contains(QStringLiteral("Setup Application ...")));
    QVERIFY(frmOptions->cbWordWrap());
    QCOMPARE(second.MainForm()->RecentFileList->Files(), QStringList{page});
    QCOMPARE(second.MainForm()->WorkDir, QDir(qEnvironmentVariable("QUILLON_HOME")).absolutePath());
    QCOMPARE(second.MainForm()->MainPlacement.Width, 700);
}

void TestStartUp::aFatalErrorSkipsTheRemainingWindows()
{
    ScriptedDialogs dialogs;
    FatalErrorText() = QStringLiteral("Can not find LINKS.DB");
    QStringList messages;
    StartUpParameters parameters;
    parameters.splashMinimumMs = 0;
    parameters.onSplashMessage = [&](const QString &message) { messages << message; };
    StartUp startUp(parameters);
    QVERIFY(startUp.Prepare());
    QVERIFY(startUp.MainForm());
    QVERIFY(messages.isEmpty());
    FatalErrorText().clear();
}

void TestStartUp::aFatalStartEndsWithAFailureStatus()
{
    ScriptedDialogs dialogs;
    FatalErrorText() = QStringLiteral("Can not find LINKS.DB");
    StartUpParameters parameters;
    parameters.splashMinimumMs = 0;
    StartUp startUp(parameters);
    // Should the window never be activated, the run still ends.
    QTimer::singleShot(10000, qApp, [] { QApplication::exit(0); });
    QCOMPARE(startUp.Run(), 1);
    QVERIFY(dialogs.Messages().value(0).text.startsWith(
        QStringLiteral("Fatal error occured.\rCan not find LINKS.DB")));
    FatalErrorText().clear();
}

void TestStartUp::aRunningCopyThatDoesNotAnswerKeepsThisOneFromStarting()
{
    ScriptedDialogs dialogs;
    // A copy that holds the name but is too busy to answer.
    QLocalServer busy;
    QVERIFY(busy.listen(SingleInstanceGuard().ServerName()));
    StartUpParameters parameters;
    parameters.splashMinimumMs = 0;
    parameters.instanceAnswerMs = 200;
    parameters.fileNames = {QStringLiteral("/pages/a.htm")};
    StartUp startUp(parameters);
    QVERIFY(!startUp.Prepare());
    QCOMPARE(startUp.ExitCode(), 1);
    QVERIFY(!startUp.MainForm());
    QCOMPARE(dialogs.Messages().size(), 1);
    QVERIFY(dialogs.Messages().first().text.startsWith(
        QStringLiteral("Quillon is already running but does not answer.")));
}

void TestStartUp::splashStaysUpForItsMinimum()
{
    ScriptedDialogs dialogs;
    StartUpParameters parameters;
    parameters.splashMinimumMs = 3000;
    StartUp startUp(parameters);
    QElapsedTimer timer;
    timer.start();
    QVERIFY(startUp.Prepare());
    QVERIFY(startUp.SplashMilliseconds() >= 3000);
    QVERIFY(timer.elapsed() >= 3000);
}

QTEST_MAIN(TestStartUp)
#include "tst_startup.moc"
