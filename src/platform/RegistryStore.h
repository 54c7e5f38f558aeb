// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <optional>

// The program's registry: a tree of keys holding named values, each value a
// 32-bit number or a text. It lives in one JSON document, by default
// $XDG_CONFIG_HOME/quillon/registry.json.
//
// Key paths are written as in the registry, parts separated by "\"
// ("Software\Varo Software\Quillon 4.21\4.21\Options"). Key and value names
// compare without regard to case; a new key or value keeps the spelling it
// was created with. A key exists once created, also while it is empty.
//
// Every change is written to the file at once, under a lock file, through a
// save file that replaces the document only when it is complete; a write
// that fails or runs short leaves the previous document whole. Before a
// change the document is read again, so that changes made by another copy of
// the program in the meantime are kept.
//
// A document that cannot be read or parsed is never overwritten: it is moved
// aside (registry.json.unreadable-<time>) and the store starts empty;
// Recovered() says so and RecoveryNote() tells what happened.
class RegistryStore {
public:
    enum class ValueType { None, Number, Text };

    explicit RegistryStore(const QString &fileName);

    // The program-wide store at DefaultFileName(), opened on first use.
    static RegistryStore &Instance();
    static QString DefaultFileName();
    // Tests: forget the program-wide store so that the next Instance()
    // opens the file again.
    static void ResetInstanceForTesting();
    // Tests: every following write takes at most this many bytes and then
    // runs short without an error, as on a full disk; negative: no limit.
    static void SetWriteLimitForTesting(qint64 bytes);

    QString FileName() const { return FFileName; }

    // True when an unreadable document was moved aside by this store.
    bool Recovered() const { return !FRecoveryNote.isEmpty(); }
    // What was wrong with the document and where it was kept; empty when
    // nothing happened.
    QString RecoveryNote() const { return FRecoveryNote; }
    // Where the unreadable document was kept (empty when it was not moved).
    QString KeptAsFileName() const { return FKeptAs; }

    // The text of the last failure (empty after a success).
    QString LastError() const { return FLastError; }

    bool KeyExists(const QString &path) const;
    // Creates the key and every missing key above it; true when the key
    // exists afterwards.
    bool CreateKey(const QString &path);

    // The names of the key's values, sorted as text without regard to case.
    // Empty when the key does not exist.
    QStringList ValueNames(const QString &path) const;
    // The number of values of the key; -1 when the key does not exist.
    int ValueCount(const QString &path) const;
    bool ValueExists(const QString &path, const QString &name) const;
    ValueType GetValueType(const QString &path, const QString &name) const;

    // A number value; nothing (and LastError) when the key or the value is
    // missing or the value is a text.
    std::optional<qint32> ReadNumber(const QString &path, const QString &name);
    // A text value; an empty text when the value is missing; nothing (and
    // LastError) when the key is missing or the value is a number.
    std::optional<QString> ReadText(const QString &path, const QString &name);

    // Write a value into an existing key, replacing a value of the same name
    // (whose spelling is kept). False (and LastError) when the key does not
    // exist or the document cannot be written.
    bool WriteNumber(const QString &path, const QString &name, qint32 value);
    bool WriteText(const QString &path, const QString &name, const QString &value);

    // Values that were there but of the wrong kind for their reader (a text
    // where a number belongs, a placement that does not parse): the reader
    // uses its default and notes the value here, so that the user can be
    // told once which values of which file were ignored.
    void NoteIgnoredValue(const QString &path, const QString &name);
    // The values noted so far, each as the key path, "\" and the value name,
    // in the order noted, each once; taking them forgets them.
    QStringList TakeIgnoredValues();

    // The key path's parts.
    static QStringList SplitPath(const QString &path);

private:
    enum class Edit { Ok, NoKey, Failed };

    // Reads the document into FRoot; an unreadable one is moved aside.
    // False when the document could not be read and could not be moved.
    bool Load();
    // Reads the file again, applies the change and writes the file.
    bool Change(const QString &path, bool create, const QString &valueName,
                const std::optional<QJsonValue> &value);
    bool Save();
    std::optional<QJsonObject> FindKey(const QString &path) const;
    std::optional<QJsonValue> FindValue(const QString &path, const QString &name);

    QString FFileName;
    QJsonObject FRoot;
    QString FRecoveryNote;
    QString FKeptAs;
    QString FLastError;
    QStringList FIgnored;
    bool FWritable = true;
};
