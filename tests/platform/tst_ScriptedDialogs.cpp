// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtDialogs.h"
#include "support/ScriptedDialogs.h"

#include <QPrinter>
#include <QProcess>
#include <QtTest>

#include <cstdlib>

class tst_ScriptedDialogs : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void answersInOrderThenDefaults();
    void recordsEveryCall();
    void answerNotAmongButtonsStopsTheTest();
};

void tst_ScriptedDialogs::initTestCase()
{
    // Run again by answerNotAmongButtonsStopsTheTest as the misbehaving test.
    if (qEnvironmentVariable("QUILLON_TST_ROLE") == QLatin1String("bad-answer")) {
        ScriptedDialogs dialogs;
        dialogs.AnswerMessage(mbYes);
        Dialogs::Instance().MessageBox(MsgKind::Warning, QStringLiteral("Save failed."), mbOK);
        std::_Exit(0); // not reached when the script is refused
    }
}

void tst_ScriptedDialogs::answersInOrderThenDefaults()
{
    QPrinter printer;
    QList<QColor> custom{Qt::green};
    {
        ScriptedDialogs dialogs;
        QCOMPARE(&Dialogs::Instance(), static_cast<Dialogs *>(&dialogs));
        dialogs.AnswerMessage(mbYes);
        dialogs.AnswerMessage(mbNo);
        dialogs.AnswerFile(QStringLiteral("/pages/a.htm"), 1);
        dialogs.AnswerColor(QColor(Qt::red));
        dialogs.AnswerFont(QFont(QStringLiteral("Courier"), 12));
        dialogs.AnswerPrint(true);
        dialogs.AnswerPrinterSetup(true);

        Dialogs &d = Dialogs::Instance();
        // Each kind keeps its own queue, whatever the order of the calls.
        QVERIFY(d.PrintDialog(printer));
        QCOMPARE(d.FileDialog({}).filterIndex, 1);
        QCOMPARE(d.MessageBox(MsgKind::Confirmation, QStringLiteral("Save?"), mbYesNoCancel),
                 mbYes);
        QCOMPARE(d.ColorDialog(Qt::black, false, custom), std::optional<QColor>(QColor(Qt::red)));
        QCOMPARE(d.MessageBox(MsgKind::Confirmation, QStringLiteral("Again?"), mbYesNo), mbNo);
        QCOMPARE(d.FontDialog(QFont())->family(), QStringLiteral("Courier"));
        QVERIFY(d.PrinterSetupDialog(printer));

        // Used up: the harmless way out.
        QCOMPARE(d.MessageBox(MsgKind::Confirmation, QString(), mbYesNoCancel), mbCancel);
        QCOMPARE(d.MessageBox(MsgKind::Confirmation, QString(), mbYesNo), mbNo);
        QCOMPARE(d.MessageBox(MsgKind::Warning, QString(), mbOK | mbCancel), mbCancel);
        QCOMPARE(d.MessageBox(MsgKind::Information, QString(), 0), mbOK);
        FileDialogRequest request;
        request.filterIndex = 1;
        QVERIFY(!d.FileDialog(request).accepted());
        QVERIFY(!d.ColorDialog(Qt::blue, true, custom).has_value());
        QVERIFY(!d.FontDialog(QFont()).has_value());
        QVERIFY(!d.PrintDialog(printer));
        QVERIFY(!d.PrinterSetupDialog(printer));
    }
    QCOMPARE(custom, QList<QColor>{QColor(Qt::green)});
    // Gone with the double: the real dialogs again.
    QVERIFY(dynamic_cast<QtDialogs *>(&Dialogs::Instance()));
}

void tst_ScriptedDialogs::recordsEveryCall()
{
    ScriptedDialogs dialogs;
    Dialogs &d = Dialogs::Instance();
    d.Beep();
    d.MessageBox(MsgKind::Error, QStringLiteral("Can not open file.\rFile not found"), mbOK);
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Save;
    request.title = QStringLiteral("Save As");
    d.FileDialog(request);
    QList<QColor> custom;
    d.ColorDialog(QColor(0x12, 0x34, 0x56), true, custom);
    QPrinter printer;
    d.PrinterSetupDialog(printer);
    d.Beep();

    using K = ScriptedDialogs::CallKind;
    QList<K> kinds;
    for (const auto &call : dialogs.calls)
        kinds << call.kind;
    QCOMPARE(kinds, (QList<K>{K::Beep, K::Message, K::File, K::Color, K::PrinterSetup, K::Beep}));
    QCOMPARE(dialogs.BeepCount(), 2);
    const auto messages = dialogs.Messages();
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages[0].msgKind, MsgKind::Error);
    QCOMPARE(messages[0].text, QStringLiteral("Can not open file.\rFile not found"));
    QCOMPARE(messages[0].buttons, MsgButtons(mbOK));
    QCOMPARE(dialogs.calls[2].text, QStringLiteral("Save As"));
    QCOMPARE(dialogs.calls[2].file.mode, FileDialogRequest::Mode::Save);
    QCOMPARE(dialogs.calls[3].initialColor, QColor(0x12, 0x34, 0x56));
    QVERIFY(dialogs.calls[3].fullOpen);

    dialogs.AnswerMessage(mbYes);
    dialogs.Clear();
    QVERIFY(dialogs.calls.isEmpty());
    // Clear forgot the unused answer too.
    QCOMPARE(d.MessageBox(MsgKind::Confirmation, QString(), mbYesNo), mbNo);
}

void tst_ScriptedDialogs::answerNotAmongButtonsStopsTheTest()
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QUILLON_TST_ROLE"), QStringLiteral("bad-answer"));
    env.insert(QStringLiteral("QTEST_DISABLE_STACK_DUMP"), QStringLiteral("1"));
    env.insert(QStringLiteral("QTEST_DISABLE_CORE_DUMP"), QStringLiteral("1"));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(child.waitForFinished(20000));
    QVERIFY(child.exitStatus() == QProcess::CrashExit || child.exitCode() != 0);
    const QByteArray output = child.readAll();
    QVERIFY2(output.contains(
                 "scripted answer Yes is not among the buttons OK of the message \"Save failed.\""),
             output.constData());
}

QTEST_MAIN(tst_ScriptedDialogs)
#include "tst_ScriptedDialogs.moc"
