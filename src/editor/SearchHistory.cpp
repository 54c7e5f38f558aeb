// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/SearchHistory.h"

#include "editor/PageCodec.h"
#include "platform/AppDir.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

const QString SearchHistory::FindFileName = QStringLiteral("QUILLON.FND");
const QString SearchHistory::ReplaceFileName = QStringLiteral("QUILLON.RPL");

namespace {

bool IsBlankOrControl(QChar c)
{
    return c.unicode() <= 0x20 || c.category() == QChar::Other_Control;
}

} // namespace

SearchHistory::SearchHistory(Kind kind, const QString &folder) : FKind(kind), FFolder(folder) {}

QString SearchHistory::FilePath() const
{
    if (FKind == Kind::LineNumber)
        return QString();
    const QString folder = FFolder.isEmpty() ? AppDir::Path() : FFolder;
    return folder + QLatin1Char('/') + (FKind == Kind::Find ? FindFileName : ReplaceFileName);
}

QString SearchHistory::Trimmed(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlankOrControl(text.at(begin)))
        ++begin;
    while (end > begin && IsBlankOrControl(text.at(end - 1)))
        --end;
    return text.sliced(begin, end - begin);
}

bool SearchHistory::Add(const QString &text)
{
    if (Trimmed(text).isEmpty())
        return false;
    if (FKind == Kind::LineNumber) {
        const QString number = text.left(MaxLineNumberLength);
        if (!FEntries.isEmpty() && FEntries.first() == number)
            return false;
        FEntries.removeAll(number);
        FEntries.prepend(number);
        return true;
    }
    if (FEntries.contains(text, Qt::CaseInsensitive))
        return false;
    FEntries.prepend(text);
    if (FEntries.size() > MaxEntries)
        FEntries.resize(MaxEntries);
    return true;
}

void SearchHistory::Load()
{
    FEntries.clear();
    if (FKind == Kind::LineNumber)
        return;
    FLoaded = true;
    const QString path = FilePath();
    // Only a regular file: opening a FIFO would wait for a writer.
    if (!QFileInfo(path).isFile())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QString decoded = PageCodec::Decode(file.readAll()).text;
    // Lines end in CR LF; a lone CR or LF ends one too.
    const QStringView text(decoded);
    qsizetype start = 0;
    while (start < text.size() && FEntries.size() < MaxEntries) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        const QString entry = Trimmed(text.sliced(start, end - start).toString());
        if (!entry.isEmpty())
            FEntries.append(entry);
        start = end + (text.sliced(end).startsWith(u"\r\n") ? 2 : 1);
    }
}

bool SearchHistory::Save() const
{
    if (FKind == Kind::LineNumber || !FLoaded)
        return true;
    QString text;
    for (const QString &entry : FEntries.first(qMin(FEntries.size(), qsizetype(MaxEntries)))) {
        if (!Trimmed(entry).isEmpty())
            text += entry + QLatin1String("\r\n");
    }
    QSaveFile file(FilePath());
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
