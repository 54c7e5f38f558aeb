// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/HelpIndex.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextDocumentFragment>

#include <algorithm>

namespace {

const QString contentsTopic = QStringLiteral("CONTENTS");

// The attributes of one start tag ("name", "content", "href"), names in
// lower case, values without their quotes.
QList<std::pair<QString, QString>> attributesOf(const QString &tag)
{
    static const QRegularExpression attribute(
        QStringLiteral(R"re(([A-Za-z][\w:.-]*)\s*=\s*("([^"]*)"|'([^']*)'|([^\s>]+)))re"));
    QList<std::pair<QString, QString>> result;
    for (auto it = attribute.globalMatch(tag); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        QString value = m.captured(3);
        if (m.capturedStart(4) >= 0)
            value = m.captured(4);
        else if (m.capturedStart(5) >= 0)
            value = m.captured(5);
        result.append({m.captured(1).toLower(), value});
    }
    return result;
}

QString attributeValue(const QString &tag, const QString &name)
{
    for (const auto &[key, value] : attributesOf(tag))
        if (key == name)
            return value;
    return {};
}

QString readUtf8(const QString &filePath)
{
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

} // namespace

void HelpIndex::Load(const QString &folder)
{
    FFolder = folder;
    FPages.clear();
    if (folder.isEmpty())
        return;
    const QDir dir(folder);
    const QFileInfoList files = dir.entryInfoList({QStringLiteral("*.html")},
                                                  QDir::Files | QDir::Readable, QDir::Name);
    for (const QFileInfo &info : files) {
        if (info.suffix().compare(QLatin1String("html"), Qt::CaseInsensitive) != 0)
            continue;
        const QString html = readUtf8(info.filePath());
        Page page;
        page.filePath = info.filePath();
        page.title = TitleOfHtml(html);
        if (page.title.isEmpty())
            page.title = info.completeBaseName();
        page.text = PlainTextOfHtml(html);
        page.contexts = ContextsOfHtml(html);
        FPages.append(page);
    }
    const QString contentsName = TopicFileName(contentsTopic);
    std::stable_sort(FPages.begin(), FPages.end(), [&contentsName](const Page &a, const Page &b) {
        const bool aContents = QFileInfo(a.filePath).fileName().compare(contentsName, Qt::CaseInsensitive) == 0;
        const bool bContents = QFileInfo(b.filePath).fileName().compare(contentsName, Qt::CaseInsensitive) == 0;
        if (aContents != bContents)
            return aContents;
        return QString::localeAwareCompare(a.title.toLower(), b.title.toLower()) < 0;
    });
}

const HelpIndex::Page *HelpIndex::PageOf(const QString &filePath) const
{
    const QString wanted = QFileInfo(filePath).absoluteFilePath();
    for (const Page &page : FPages)
        if (QFileInfo(page.filePath).absoluteFilePath() == wanted)
            return &page;
    return nullptr;
}

QString HelpIndex::FileForTopic(const QString &topic) const
{
    const QString name = TopicFileName(topic);
    if (name.isEmpty())
        return {};
    for (const Page &page : FPages)
        if (QFileInfo(page.filePath).fileName().compare(name, Qt::CaseInsensitive) == 0)
            return page.filePath;
    return {};
}

QString HelpIndex::FileForContext(int context) const
{
    for (const Page &page : FPages)
        if (page.contexts.contains(context))
            return page.filePath;
    return {};
}

QString HelpIndex::ContentsFile() const
{
    const QString contents = FileForTopic(contentsTopic);
    if (!contents.isEmpty() || FPages.isEmpty())
        return contents;
    return FPages.first().filePath;
}

QList<HelpIndex::Page> HelpIndex::Find(const QString &query) const
{
    const QStringList words = query.split(QRegularExpression(QStringLiteral("\\s+")),
                                          Qt::SkipEmptyParts);
    QList<Page> found;
    for (const Page &page : FPages) {
        const bool all = std::all_of(words.begin(), words.end(), [&page](const QString &word) {
            return page.title.contains(word, Qt::CaseInsensitive)
                || page.text.contains(word, Qt::CaseInsensitive);
        });
        if (all)
            found.append(page);
    }
    return found;
}

QString HelpIndex::TopicFileName(const QString &topic)
{
    const QString name = topic.trimmed().toLower();
    // A topic is a name, never a path.
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\'))
        || name.startsWith(QLatin1Char('.')))
        return {};
    return name + QStringLiteral(".html");
}

QString HelpIndex::TitleOfHtml(const QString &html)
{
    static const QRegularExpression title(QStringLiteral("<title[^>]*>(.*?)</title\\s*>"),
                                          QRegularExpression::CaseInsensitiveOption
                                              | QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = title.match(html);
    if (!m.hasMatch())
        return {};
    return QTextDocumentFragment::fromHtml(m.captured(1)).toPlainText().simplified();
}

QList<int> HelpIndex::ContextsOfHtml(const QString &html)
{
    static const QRegularExpression meta(QStringLiteral("<meta\\b[^>]*>"),
                                         QRegularExpression::CaseInsensitiveOption);
    QList<int> contexts;
    for (auto it = meta.globalMatch(html); it.hasNext();) {
        const QString tag = it.next().captured(0);
        if (attributeValue(tag, QStringLiteral("name")).trimmed().compare(
                QLatin1String("quillon-context"), Qt::CaseInsensitive) != 0)
            continue;
        const QStringList numbers = attributeValue(tag, QStringLiteral("content"))
                                        .split(QLatin1Char(','), Qt::SkipEmptyParts);
        for (const QString &number : numbers) {
            bool ok = false;
            const int context = number.trimmed().toInt(&ok);
            if (ok && !contexts.contains(context))
                contexts.append(context);
        }
    }
    return contexts;
}

QString HelpIndex::PlainTextOfHtml(const QString &html)
{
    return QTextDocumentFragment::fromHtml(html).toPlainText();
}

QStringList HelpIndex::LinksOfHtml(const QString &html)
{
    static const QRegularExpression anchor(QStringLiteral("<a\\b[^>]*>"),
                                           QRegularExpression::CaseInsensitiveOption);
    QStringList links;
    for (auto it = anchor.globalMatch(html); it.hasNext();) {
        const QString href = attributeValue(it.next().captured(0), QStringLiteral("href"));
        if (!href.isEmpty())
            links << href;
    }
    return links;
}
