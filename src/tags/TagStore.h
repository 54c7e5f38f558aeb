// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tags/TagRecords.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <stdexcept>

// Raised by TagStore with the store's own message. A unique-key failure
// carries a message that begins with "Key violation".
class StoreError : public std::runtime_error {
public:
    explicit StoreError(const QString &message);
    QString Message() const;
};

// The program's tables, one SQLite database file per table in the data
// folder: tags.db, attr.db, lkpattr.db, taggrp.db, tips.db, qln4.db,
// groups.db, links.db. This class is the only code that speaks SQL; every
// failure is raised as a StoreError.
class TagStore {
public:
    enum class Table { Tags, Attr, LkpAttr, TagGrp, Tips, Qln4, Groups, Links };

    explicit TagStore(const QString &dataDir);
    ~TagStore();
    TagStore(const TagStore &) = delete;
    TagStore &operator=(const TagStore &) = delete;

    QString DataDir() const;
    // The file of a table in the data folder ("tags.db", ...).
    static QString FileName(Table table);

    // Opening and closing one table; opening a missing or unreadable file
    // raises. Create() makes an empty table with its fields and keys.
    void Open(Table table);
    void Close(Table table);
    bool IsOpen(Table table) const;
    void Create(Table table);

    // Many changes to one table as one transaction (the table builder).
    void BeginUpdate(Table table);
    void CommitUpdate(Table table);
    void CancelUpdate(Table table);

    // Tags, in key order (the tag name, without regard to case).
    QList<TagRecord> Tags() const;
    std::optional<TagRecord> FindTag(const QString &tagName) const;   // exact key, any case
    void AddTag(const TagRecord &tag);

    // The attributes of one tag in DisplayOrder order.
    QList<AttrRecord> Attributes(const QString &tagName) const;
    void AddAttribute(const AttrRecord &attribute);

    // The values of one value list, in their order.
    QStringList LookupValues(int lookupIndex) const;
    void AddLookupValue(int lookupIndex, const QString &value);

    QList<TagGroupRecord> TagGroups() const;
    void AddTagGroup(const TagGroupRecord &group);

    // Tips of the day, numbered from 0.
    int TipCount() const;
    QString Tip(int index) const;
    void AddTip(const QString &tip);

    // The one setup record.
    bool SetupFlag() const;
    void SetSetupFlag(bool done);

    // Link groups, by code or by name; links of one group by name.
    QList<LinkGroupRecord> LinkGroups(bool byName = false) const;
    std::optional<LinkGroupRecord> FindLinkGroup(int code) const;
    void AddLinkGroup(const LinkGroupRecord &group);
    // Raises "Can not find the group." when no group has the code.
    void UpdateLinkGroup(const LinkGroupRecord &group);
    // Deleting a record that is not there changes nothing.
    void DeleteLinkGroup(int code);
    QList<LinkRecord> Links(int groupCode) const;
    std::optional<LinkRecord> FindLink(int groupCode, const QString &linkName) const;
    void AddLink(const LinkRecord &link);
    // Replaces the link (groupCode, linkName) by the given record; raises
    // "Can not find the link." when there is no such link.
    void UpdateLink(int groupCode, const QString &linkName, const LinkRecord &link);
    void DeleteLink(int groupCode, const QString &linkName);
    // The set-oriented delete of all links of one group.
    void DeleteLinksOfGroup(int groupCode);

private:
    struct Private;
    std::unique_ptr<Private> d;
};
