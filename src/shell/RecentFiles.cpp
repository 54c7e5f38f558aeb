// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/RecentFiles.h"

#include "platform/Dialogs.h"
#include "platform/RegistryStore.h"
#include "shell/SettingsStore.h"

#include <QDir>

const QString RecentFiles::EntryHint = QStringLiteral(" Opens this file");

namespace {

QString RufKey()
{
    return SettingsStore::KeyPath(QStringLiteral("RUF"));
}

} // namespace

RecentFiles::RecentFiles(QObject *parent)
    : QObject(parent)
{
}

QString RecentFiles::Caption(const QString &fileName)
{
    return fileName.toUpper();
}

QStringList RecentFiles::Captions() const
{
    QStringList captions;
    for (const QString &file : FFiles)
        captions.append(Caption(file));
    return captions;
}

bool RecentFiles::SameFile(const QString &a, const QString &b)
{
    return QDir::cleanPath(a) == QDir::cleanPath(b);
}

void RecentFiles::SetLimit(int limit)
{
    FLimit = qBound(1, limit, 20);
    if (FFiles.size() > FLimit) {
        FFiles.resize(FLimit);
        emit Changed();
    }
}

void RecentFiles::AddRecentFile(const QString &fileName)
{
    FFiles.removeIf([&](const QString &file) { return SameFile(file, fileName); });
    // Room for the new entry, also when the list had grown past the limit.
    while (FFiles.size() >= FLimit)
        FFiles.removeLast();
    FFiles.prepend(fileName);
    emit Changed();
}

void RecentFiles::Clear()
{
    if (FFiles.isEmpty())
        return;
    FFiles.clear();
    emit Changed();
}

bool RecentFiles::LoadRecentFiles(RegistryStore &registry)
{
    const QString key = RufKey();
    if (!registry.KeyExists(key))
        return false;
    const QStringList names = registry.ValueNames(key);
    bool changed = false;
    for (int i = 0; i < names.size() && i < FLimit; ++i) {
        // Blanks belong to the name ("page.htm " is a file of its own); an
        // entry of blanks alone names nothing.
        const std::optional<QString> text = registry.ReadText(key, names.at(i));
        if (!text)
            registry.NoteIgnoredValue(key, names.at(i));
        const QString file = text.value_or(QString());
        if (file.trimmed().isEmpty() || FFiles.size() >= FLimit)
            continue;
        if (std::any_of(FFiles.cbegin(), FFiles.cend(), [&](const QString &f) { return SameFile(f, file); }))
            continue;
        FFiles.append(file);
        changed = true;
    }
    if (changed)
        emit Changed();
    return true;
}

bool RecentFiles::SaveRecentFiles(RegistryStore &registry) const
{
    const QString key = RufKey();
    bool saved = registry.KeyExists(key);
    for (int i = 0; saved && i < FFiles.size(); ++i)
        saved = registry.WriteText(key, QStringLiteral("File_%1").arg(i), FFiles.at(i));
    if (!saved)
        Dialogs::Instance().MessageBox(MsgKind::Error, QStringLiteral("Can not save recently used files"), mbOK);
    return saved;
}
