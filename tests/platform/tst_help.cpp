// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Help.h"
#include "platform/HelpIndex.h"
#include "platform/HelpWindow.h"
#include "platform/QtHelp.h"
#include "support/RecordingHelp.h"
#include "support/ScriptedDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

class tst_help : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void indexTitlesTopicsAndContexts();
    void finderMatchesEveryWord();
    void windowShowsTopicsContextsAndNotes();
    void linksAndFinderInTheWindow();
    void missingOrEmptyFolderWarnsOnly();
    void recordingHelpRecordsAndUninstalls();
    void shippedHelpIsComplete();

private:
    void write(const QString &name, const QByteArray &html);
    static QByteArray page(const QByteArray &title, const QByteArray &body,
                           const QByteArray &head = QByteArray());
    static HelpWindow *helpWindow();

    QTemporaryDir FTemp;
    QString FFolder;
};

void tst_help::write(const QString &name, const QByteArray &html)
{
    QFile file(FFolder + QLatin1Char('/') + name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(html);
}

QByteArray tst_help::page(const QByteArray &title, const QByteArray &body, const QByteArray &head)
{
    QByteArray html = "<html><head><meta charset=\"utf-8\">" + head;
    if (!title.isNull())
        html += "<title>" + title + "</title>";
    return html + "</head><body>" + body + "</body></html>";
}

HelpWindow *tst_help::helpWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<HelpWindow *>(widget))
            return window;
    return nullptr;
}

void tst_help::initTestCase()
{
    QVERIFY(FTemp.isValid());
    FFolder = FTemp.path() + QStringLiteral("/HELP");
    QVERIFY(QDir().mkpath(FFolder));
    write(QStringLiteral("contents.html"),
          page("Contents", "<p>See <a href=\"tag_inspector.html\">the inspector</a>.</p>"));
    write(QStringLiteral("tag_inspector.html"),
          page("The Tag &amp; Inspector",
               "<h1>Inspector</h1><p>Tick Include in the attribute grid.</p>"));
    write(QStringLiteral("options.html"),
          page("Options", "<p>Word wrap and the grid colour.</p>",
               "<meta name=\"quillon-context\" content=\"11\">"));
    // Attributes in any order and quoting, names in any case, two numbers.
    write(QStringLiteral("Wizards.HTML"),
          page("Wizards and Äpfel", "<p>Steps of the wizard.</p>",
               "<META CONTENT='7, 9' Name=Quillon-Context>"));
    write(QStringLiteral("untitled.html"), page(QByteArray(), "<p>No title here.</p>"));
    write(QStringLiteral("notes.txt"), "not a page");
}

void tst_help::indexTitlesTopicsAndContexts()
{
    const HelpIndex index(FFolder);
    QStringList titles;
    for (const HelpIndex::Page &p : index.Pages())
        titles << p.title;
    // The contents first, the others by title; a page without a title is
    // listed by its file name; other files are no pages.
    QCOMPARE(titles, (QStringList{"Contents", "Options", "The Tag & Inspector", "untitled",
                                  "Wizards and Äpfel"}));

    const QString inspector = FFolder + QStringLiteral("/tag_inspector.html");
    QCOMPARE(index.FileForTopic(QStringLiteral("TAG_INSPECTOR")), inspector);
    QCOMPARE(index.FileForTopic(QStringLiteral("Tag_Inspector")), inspector);
    QCOMPARE(index.FileForTopic(QStringLiteral("WIZARDS")), FFolder + QStringLiteral("/Wizards.HTML"));
    QCOMPARE(index.ContentsFile(), FFolder + QStringLiteral("/contents.html"));
    QVERIFY(index.FileForTopic(QStringLiteral("LINK_MANAGER")).isEmpty());
    QVERIFY(index.FileForTopic(QStringLiteral("../HELP/contents")).isEmpty());
    QVERIFY(index.FileForTopic(QString()).isEmpty());
    QCOMPARE(HelpIndex::TopicFileName(QStringLiteral("TAG_INSPECTOR")), QStringLiteral("tag_inspector.html"));

    QCOMPARE(index.FileForContext(11), FFolder + QStringLiteral("/options.html"));
    QCOMPARE(index.FileForContext(7), FFolder + QStringLiteral("/Wizards.HTML"));
    QCOMPARE(index.FileForContext(9), FFolder + QStringLiteral("/Wizards.HTML"));
    QVERIFY(index.FileForContext(12).isEmpty());
    QVERIFY(index.FileForContext(0).isEmpty());

    QVERIFY(HelpIndex(FTemp.path() + QStringLiteral("/nothere")).IsEmpty());
}

void tst_help::finderMatchesEveryWord()
{
    const HelpIndex index(FFolder);
    auto titles = [&index](const QString &query) {
        QStringList result;
        for (const HelpIndex::Page &p : index.Find(query))
            result << p.title;
        return result;
    };
    QCOMPARE(titles(QString()).size(), 5);
    QCOMPARE(titles(QStringLiteral("  ")).size(), 5);
    // Words of the text, in any order and case, all of them.
    QCOMPARE(titles(QStringLiteral("GRID")), (QStringList{"Options", "The Tag & Inspector"}));
    QCOMPARE(titles(QStringLiteral("include  grid")), QStringList{"The Tag & Inspector"});
    QCOMPARE(titles(QStringLiteral("grid wizard")), QStringList());
    // Title words count, non-ASCII letters fold too; markup is not text.
    QCOMPARE(titles(QStringLiteral("äPFEL")), QStringList{"Wizards and Äpfel"});
    QCOMPARE(titles(QStringLiteral("href")), QStringList());
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
        QCOMPARE(window->NoteText(), QStringLiteral("The topic \"LINK_MANAGER\" is not in the help."));

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
    const QUrl link = window->Browser()->source().resolved(QUrl(QStringLiteral("tag_inspector.html")));
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
        QCOMPARE(recording.requests,
                 (QStringList{"topic:TAG_INSPECTOR", "context:11", "finder"}));
    }
    QCOMPARE(&Help::Instance(), before);
    QVERIFY(!helpWindow());
}

void tst_help::shippedHelpIsComplete()
{
    const QString folder = qEnvironmentVariable("QUILLON_BINARY_DIR") + QStringLiteral("/HELP");
    const HelpIndex index(folder);
    QVERIFY2(!index.IsEmpty(), qPrintable(folder));

    QSet<QString> linkedFromContents;
    for (const HelpIndex::Page &p : index.Pages()) {
        const QString name = QFileInfo(p.filePath).fileName();
        QFile file(p.filePath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        QVERIFY2(!HelpIndex::TitleOfHtml(html).isEmpty(), qPrintable(name));
        for (const QString &href : HelpIndex::LinksOfHtml(html)) {
            const QUrl url(href);
            if (!url.scheme().isEmpty())
                continue;       // a link out of the help
            const QString target = url.path();
            if (target.isEmpty())
                continue;       // an anchor in the same page
            QVERIFY2(index.PageOf(folder + QLatin1Char('/') + target),
                     qPrintable(name + QStringLiteral(" links to the missing page ") + target));
            if (name == QStringLiteral("contents.html"))
                linkedFromContents.insert(target);
        }
    }
    for (const HelpIndex::Page &p : index.Pages()) {
        const QString name = QFileInfo(p.filePath).fileName();
        QVERIFY2(name == QStringLiteral("contents.html") || linkedFromContents.contains(name),
                 qPrintable(QStringLiteral("the contents do not link to ") + name));
    }

    QCOMPARE(QFileInfo(index.ContentsFile()).fileName(), QStringLiteral("contents.html"));
    QCOMPARE(QFileInfo(index.FileForTopic(QStringLiteral("TAG_INSPECTOR"))).fileName(),
             QStringLiteral("tag_inspector.html"));
    QCOMPARE(QFileInfo(index.FileForContext(11)).fileName(), QStringLiteral("options.html"));
    QCOMPARE(QFileInfo(index.FileForContext(12)).fileName(), QStringLiteral("main_window.html"));
}

QTEST_MAIN(tst_help)
#include "tst_help.moc"
