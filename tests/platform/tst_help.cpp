// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Help.h"
#include "platform/HelpWindow.h"
#include "platform/QtHelp.h"
#include "support/RecordingHelp.h"
#include "support/SampleHelp.h"
#include "support/ScriptedDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QTextBrowser>
#include <QtTest>

class tst_help : public QObject, protected SampleHelp {
    Q_OBJECT
private slots:
    void windowShowsTopicsContextsAndNotes();
    void linksAndFinderInTheWindow();
    void missingOrEmptyFolderWarnsOnly();
    void recordingHelpRecordsAndUninstalls();

private:
    static HelpWindow *helpWindow();
};

HelpWindow *tst_help::helpWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<HelpWindow *>(widget))
            return window;
    return nullptr;
}

void tst_help::windowShowsTopicsContextsAndNotes()
{
    ScriptedDialogs dialogs;
    {
        QtHelp help(FFolder);
        QVERIFY(!help.Window());
        help.ShowTopic(QStringLiteral("tag_inspector"));
        HelpWindow *window = help.Window();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("Quillon Help"));
        QCOMPARE(window->Browser()->documentTitle(), QStringLiteral("The Tag & Inspector"));
        QVERIFY(window->Browser()->toPlainText().contains(QStringLiteral("Tick Include")));
        QVERIFY(window->Browser()->isReadOnly());
        QVERIFY(window->NoteText().isEmpty());
        QVERIFY(window->TopicList()->currentItem());
        QCOMPARE(window->TopicList()->currentItem()->text(), QStringLiteral("The Tag & Inspector"));

        // Unknown topic: the contents with a note in the window.
        help.ShowTopic(QStringLiteral("LINK_MANAGER"));
        QCOMPARE(help.Window(), window);
        QCOMPARE(window->CurrentFile(), FFolder + QStringLiteral("/contents.html"));
        QCOMPARE(window->NoteText(),
                 QStringLiteral("The topic \"LINK_MANAGER\" is not in the help."));

        // A known context clears the note; an unknown one sets it again,
        // also when the contents page is shown already.
        help.ShowContext(9);
        QCOMPARE(window->Browser()->documentTitle(), QStringLiteral("Wizards and Äpfel"));
        QVERIFY(window->NoteText().isEmpty());
        help.ShowContext(42);
        help.ShowContext(43);
        QCOMPARE(window->CurrentFile(), FFolder + QStringLiteral("/contents.html"));
        QCOMPARE(window->NoteText(), QStringLiteral("Help context 43 is not in the help."));
        help.ShowTopic(QStringLiteral("CONTENTS"));
        QVERIFY(window->NoteText().isEmpty());

        // Closed by the user, the window comes back on the next request.
        window->close();
        help.ShowFinder();
        QCOMPARE(help.Window(), window);
        QVERIFY(window->isVisible());
        QCOMPARE(window->CurrentFile(), FFolder + QStringLiteral("/contents.html"));
    }
    QVERIFY(!helpWindow());
    QVERIFY(dialogs.calls.isEmpty());
}

void tst_help::linksAndFinderInTheWindow()
{
    ScriptedDialogs dialogs;
    QtHelp help(FFolder);
    help.ShowTopic(QStringLiteral("LINK_MANAGER"));
    HelpWindow *window = help.Window();
    QVERIFY(!window->NoteText().isEmpty());

    // A link of the contents page leads to its page and leaves the note.
    const QUrl link =
        window->Browser()->source().resolved(QUrl(QStringLiteral("tag_inspector.html")));
    window->Browser()->setSource(link);
    QCOMPARE(window->CurrentFile(), FFolder + QStringLiteral("/tag_inspector.html"));
    QVERIFY(window->NoteText().isEmpty());
    QCOMPARE(window->TopicList()->currentItem()->text(), QStringLiteral("The Tag & Inspector"));
    QVERIFY(window->Browser()->isBackwardAvailable());
    window->Browser()->backward();
    QCOMPARE(window->CurrentFile(), FFolder + QStringLiteral("/contents.html"));

    // The finder narrows the list; Enter opens the first topic left.
    help.ShowFinder();
    window->Finder()->setText(QStringLiteral("wrap"));
    QCOMPARE(window->TopicList()->count(), 1);
    QCOMPARE(window->TopicList()->item(0)->text(), QStringLiteral("Options"));
    window->FinderReturnPressed();
    QCOMPARE(window->CurrentFile(), FFolder + QStringLiteral("/options.html"));
    window->Finder()->clear();
    QCOMPARE(window->TopicList()->count(), 5);
    QCOMPARE(window->TopicList()->currentItem()->text(), QStringLiteral("Options"));
    window->TopicChosen(window->TopicList()->item(0));
    QCOMPARE(window->Browser()->documentTitle(), QStringLiteral("Contents"));
}

void tst_help::missingOrEmptyFolderWarnsOnly()
{
    const QString empty = FTemp.path() + QStringLiteral("/EMPTY");
    QVERIFY(QDir().mkpath(empty));
    for (const QString &folder : {FTemp.path() + QStringLiteral("/MISSING"), empty}) {
        ScriptedDialogs dialogs;
        QtHelp help(folder);
        help.ShowTopic(QStringLiteral("CONTENTS"));
        QCOMPARE(dialogs.calls.size(), 1);
        QCOMPARE(dialogs.calls.first().kind, ScriptedDialogs::CallKind::Message);
        QCOMPARE(dialogs.calls.first().msgKind, MsgKind::Warning);
        QCOMPARE(dialogs.calls.first().buttons, MsgButtons(mbOK));
        QVERIFY2(dialogs.calls.first().text.startsWith(QStringLiteral("Can not open the help: ")),
                 qPrintable(dialogs.calls.first().text));
        QVERIFY(dialogs.calls.first().text.contains(QDir::toNativeSeparators(folder)));
        QVERIFY(!help.Window());
        QVERIFY(!helpWindow());
        help.ShowContext(12);
        help.ShowFinder();
        QCOMPARE(dialogs.Messages().size(), 3);
        QVERIFY(!helpWindow());
    }
}

void tst_help::recordingHelpRecordsAndUninstalls()
{
    Help *before = &Help::Instance();
    QVERIFY(dynamic_cast<QtHelp *>(before));
    {
        RecordingHelp recording;
        QCOMPARE(&Help::Instance(), &recording);
        Help::Instance().ShowTopic(QStringLiteral("TAG_INSPECTOR"));
        Help::Instance().ShowContext(11);
        Help::Instance().ShowFinder();
        QCOMPARE(recording.requests, (QStringList{"topic:TAG_INSPECTOR", "context:11", "finder"}));
    }
    QCOMPARE(&Help::Instance(), before);
    QVERIFY(!helpWindow());
}

QTEST_MAIN(tst_help)
#include "tst_help.moc"
