// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The pages of the help folder and the rules that find one: every *.html
// file of the folder is a page; its title is the text of its <title>
// element (the file name when it has none); a topic name maps to the file
// "<topic in lower case>.html"; a page declares its help context numbers in
// <meta name="quillon-context" content="12"> (several numbers separated by
// commas). No widgets are involved, so tests use it directly.
class HelpIndex {
public:
    struct Page {
        QString filePath;      // full path as the file system spells it
        QString title;
        QString text;          // the page as plain text, for the finder
        QList<int> contexts;
    };

    HelpIndex() = default;
    explicit HelpIndex(const QString &folder) { Load(folder); }

    // Scans the folder again; a missing folder gives an empty index.
    void Load(const QString &folder);
    QString Folder() const { return FFolder; }
    bool IsEmpty() const { return FPages.isEmpty(); }

    // The contents: every page, the contents page first, the others sorted
    // by title.
    const QList<Page> &Pages() const { return FPages; }
    const Page *PageOf(const QString &filePath) const;

    // Full paths, empty when the help has no such page.
    QString FileForTopic(const QString &topic) const;
    QString FileForContext(int context) const;
    // The page of topic "CONTENTS", else the first page, else empty.
    QString ContentsFile() const;

    // The pages whose title or text holds every word of the query, without
    // regard to case, in contents order. An empty query matches every page.
    QList<Page> Find(const QString &query) const;

    // The file name that a topic maps to: "TAG_INSPECTOR" -> "tag_inspector.html".
    static QString TopicFileName(const QString &topic);
    // Rules on one page's HTML.
    static QString TitleOfHtml(const QString &html);
    static QList<int> ContextsOfHtml(const QString &html);
    static QString PlainTextOfHtml(const QString &html);
    // The href values of the page's <a> elements, in order.
    static QStringList LinksOfHtml(const QString &html);

private:
    QString FFolder;
    QList<Page> FPages;
};
