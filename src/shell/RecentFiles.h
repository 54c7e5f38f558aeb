// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class RegistryStore;

// The recently used page files, most recent first, as the Reopen menu and
// the welcome list show them. Entries are real paths, spelled as the file
// system spells them; a file is never listed twice. The list holds at most
// Limit() entries. The menu shows each entry's caption (the path in
// capitals) with the hint " Opens this file" and opens the real path.
class RecentFiles : public QObject {
    Q_OBJECT
public:
    explicit RecentFiles(QObject *parent = nullptr);

    static const QString EntryHint;   // " Opens this file"

    // The real paths, most recent first.
    QStringList Files() const { return FFiles; }
    // What the menu shows for each entry.
    QStringList Captions() const;
    static QString Caption(const QString &fileName);
    int Count() const { return int(FFiles.size()); }
    bool IsEmpty() const { return FFiles.isEmpty(); }

    // The most entries the list holds (1 to 20); lowering it drops the
    // oldest entries at once.
    int Limit() const { return FLimit; }
    void SetLimit(int limit);

    // Puts a file at the top; an entry for the same file moves up instead
    // of being listed twice, and the oldest entry goes when the list is full.
    void AddRecentFile(const QString &fileName);
    void Clear();

    // Appends the files stored in "RUF", in the order of their value names
    // sorted as text, up to the limit; a value that is no text is noted in
    // the registry as ignored. False when the key is missing.
    bool LoadRecentFiles(RegistryStore &registry);
    // Writes the list to "RUF" as "File_0", "File_1", ...; values beyond
    // the list stay as they were. When the key is missing it reports "Can
    // not save recently used files" and returns false.
    bool SaveRecentFiles(RegistryStore &registry) const;

    // Whether two names are the same file.
    static bool SameFile(const QString &a, const QString &b);

signals:
    void Changed();

private:
    QStringList FFiles;
    int FLimit = 5;
};
