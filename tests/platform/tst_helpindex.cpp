// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/HelpIndex.h"
#include "support/SampleHelp.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QUrl>
#include <QtTest>

// The help pages' rules without widgets: titles, topics, contexts, the
// finder, and the shipped pages.
class tst_helpindex : public QObject, protected SampleHelp {
    Q_OBJECT
private slots:
    void indexTitlesTopicsAndContexts();
    void finderMatchesEveryWord();
    void shippedHelpIsComplete();
};

void tst_helpindex::indexTitlesTopicsAndContexts()
{
    const HelpIndex index(FFolder);
    QStringList titles;
    for (const HelpIndex::Page &p : index.Pages())
        titles << p.title;
    // The contents first, the others by title; a page without a title is
    // listed by its file name; other files are no pages.
    QCOMPARE(titles,
             (QStringList{"Contents", "Options", "The Tag & Inspector", "untitled",
                          "Wizards and Äpfel"}));

    const QString inspector = FFolder + QStringLiteral("/tag_inspector.html");
    QCOMPARE(index.FileForTopic(QStringLiteral("TAG_INSPECTOR")), inspector);
    QCOMPARE(index.FileForTopic(QStringLiteral("Tag_Inspector")), inspector);
    QCOMPARE(index.FileForTopic(QStringLiteral("WIZARDS")),
             FFolder + QStringLiteral("/Wizards.HTML"));
    QCOMPARE(index.ContentsFile(), FFolder + QStringLiteral("/contents.html"));
    QVERIFY(index.FileForTopic(QStringLiteral("LINK_MANAGER")).isEmpty());
    QVERIFY(index.FileForTopic(QStringLiteral("../HELP/contents")).isEmpty());
    QVERIFY(index.FileForTopic(QString()).isEmpty());
    QCOMPARE(HelpIndex::TopicFileName(QStringLiteral("TAG_INSPECTOR")),
             QStringLiteral("tag_inspector.html"));

    QCOMPARE(index.FileForContext(11), FFolder + QStringLiteral("/options.html"));
    QCOMPARE(index.FileForContext(7), FFolder + QStringLiteral("/Wizards.HTML"));
    QCOMPARE(index.FileForContext(9), FFolder + QStringLiteral("/Wizards.HTML"));
    QVERIFY(index.FileForContext(12).isEmpty());
    QVERIFY(index.FileForContext(0).isEmpty());

    QVERIFY(HelpIndex(FTemp.path() + QStringLiteral("/nothere")).IsEmpty());
}

void tst_helpindex::finderMatchesEveryWord()
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

void tst_helpindex::shippedHelpIsComplete()
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
                continue; // a link out of the help
            const QString target = url.path();
            if (target.isEmpty())
                continue; // an anchor in the same page
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

QTEST_MAIN(tst_helpindex)
#include "tst_helpindex.moc"
