// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The list of recently used texts behind a combo box, newest first, with
// the rules for adding to it on use and for keeping it between runs. Three
// lists exist:
//   Find        "QUILLON.FND" in the program folder, shared by the Find and
//               Replace windows;
//   Replace     "QUILLON.RPL" in the program folder;
//   LineNumber  the go-to-line numbers, kept in memory for this run only.
// The find and replace lists hold at most 50 entries. A text already in
// them, compared without regard to case, is not added again and keeps its
// place. A line number entered again moves to the top instead.
class SearchHistory {
public:
    enum class Kind { Find, Replace, LineNumber };

    static constexpr int MaxEntries = 50;
    static constexpr int MaxLineNumberLength = 20;
    static const QString FindFileName;    // "QUILLON.FND"
    static const QString ReplaceFileName; // "QUILLON.RPL"

    // folder: where the history file lives; empty means the program folder
    // (AppDir), asked only when the file is first needed.
    explicit SearchHistory(Kind kind, const QString &folder = QString());

    Kind HistoryKind() const { return FKind; }
    const QStringList &Entries() const { return FEntries; }
    // The history file's full path; empty for the line numbers.
    QString FilePath() const;

    // The text as used, when it is not blank: a new find or replace text
    // goes to the top as typed (dropping the oldest beyond 50); a line
    // number (its first 20 characters) goes to the top, leaving its older
    // place. Returns whether the list changed, so a window knows to copy it.
    bool Add(const QString &text);

    // Reads the history file: each line trimmed of blanks and control
    // characters, empty lines skipped, the first 50 kept in file order. A
    // missing file, or one that is no regular file or cannot be read, gives
    // an empty list without a word. Nothing to read for the line numbers.
    void Load();
    // Whether Load() has run: the Find and Replace windows share one find
    // history, and the second window to open must not read it again.
    bool Loaded() const { return FLoaded; }
    // Rewrites the history file whole (or leaves it as it was): the entries
    // newest first, each on a line ending in CR LF, in UTF-8. A history that
    // was never loaded has nothing to say and leaves its file alone. Returns
    // false when the file could not be written; nobody is told.
    bool Save() const;

    // Blanks and control characters removed at both ends.
    static QString Trimmed(const QString &text);

private:
    Kind FKind;
    QString FFolder;
    QStringList FEntries;
    bool FLoaded = false;
};
