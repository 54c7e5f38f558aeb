// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

// A lookup table of named groups, each a list of (value, key) pairs. Groups
// are found by their first occurrence, keys by their first occurrence within
// the group; names and keys compare exactly, case included. The table holds
// at most 20 groups; further groups are ignored.
class TList3Dim : public QObject {
    Q_OBJECT
    // Kept for the owner to read back; the capacity stays 20 whatever it says.
    Q_PROPERTY(int MaxGroups READ MaxGroups WRITE SetMaxGroups)
public:
    static constexpr int Capacity = 20;

    explicit TList3Dim(QObject *parent = nullptr);

    int MaxGroups() const { return FMaxGroups; }
    void SetMaxGroups(int value) { FMaxGroups = value; }
    int GroupCount() const { return int(FGroups.size()); }

    // Appends a group with empty lists and makes it the current group,
    // unless the table is full. A name already present is accepted again
    // (lookups keep finding the earlier one).
    void AddGroup(const QString &name);
    // Appends the pair to the first group called `group`; an unknown group
    // leaves everything unchanged.
    void AddItem(const QString &group, const QString &value, const QString &key);
    // The value of the first pair of `group` whose key is `key`. On a hit
    // the group and the pair become current; an unknown group clears them;
    // an unknown key returns empty and leaves them as they were.
    QString Lookup(const QString &group, const QString &key);

    QString CurrentGroup() const { return FCurrentGroup; }
    QString LastValue() const { return FLastValue; }
    QString LastKey() const { return FLastKey; }

private:
    struct Group {
        QString Name;
        QStringList Values;
        QStringList Keys;
    };
    Group *FindGroup(const QString &name);

    int FMaxGroups = Capacity;
    QList<Group> FGroups;
    QString FCurrentGroup;
    QString FLastValue;
    QString FLastKey;
};
