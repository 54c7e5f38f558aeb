// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tags/TagStore.h"

#include "platform/RaisedError.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <atomic>

StoreError::StoreError(const QString &message)
    : std::runtime_error(message.toStdString())
{
}

QString StoreError::Message() const
{
    return QString::fromStdString(what());
}

namespace {
using Table = TagStore::Table;

// The table inside each database file.
QString TableName(Table table)
{
    switch (table) {
    case Table::Tags: return QStringLiteral("tags");
    case Table::Attr: return QStringLiteral("attr");
    case Table::LkpAttr: return QStringLiteral("lkpattr");
    case Table::TagGrp: return QStringLiteral("taggrp");
    case Table::Tips: return QStringLiteral("tips");
    case Table::Qln4: return QStringLiteral("qln4");
    case Table::Groups: return QStringLiteral("groups");
    case Table::Links: return QStringLiteral("links");
    }
    return {};
}

// The statements that make an empty table with its keys and indexes.
QStringList Schema(Table table)
{
    switch (table) {
    case Table::Tags:
        return {QStringLiteral(
            "CREATE TABLE IF NOT EXISTS tags ("
            " TagName TEXT NOT NULL COLLATE NOCASE PRIMARY KEY,"
            " Display TEXT NOT NULL DEFAULT '',"
            " Description TEXT NOT NULL DEFAULT '',"
            " GroupIndex INTEGER NOT NULL DEFAULT 0,"
            " DoubleSideTag INTEGER NOT NULL DEFAULT 0,"
            " Prompt TEXT NOT NULL DEFAULT '')")};
    case Table::Attr:
        return {QStringLiteral(
            "CREATE TABLE IF NOT EXISTS attr ("
            " TagName TEXT NOT NULL COLLATE NOCASE,"
            " DisplayOrder INTEGER NOT NULL,"
            " Attribute TEXT NOT NULL,"
            " DefaultValue TEXT NOT NULL DEFAULT '',"
            " Type TEXT NOT NULL DEFAULT '',"
            " CanEdit INTEGER NOT NULL DEFAULT 1,"
            " ControlType TEXT NOT NULL DEFAULT '',"
            " SurroundedBy TEXT NOT NULL DEFAULT '',"
            " LookupIndex INTEGER NOT NULL DEFAULT 0,"
            " PRIMARY KEY (TagName, DisplayOrder, Attribute))")};
    case Table::LkpAttr:
        // Position keeps the values of one list in the order they were given.
        return {QStringLiteral(
            "CREATE TABLE IF NOT EXISTS lkpattr ("
            " LookupIndex INTEGER NOT NULL,"
            " Position INTEGER NOT NULL,"
            " CmbValue TEXT NOT NULL,"
            " PRIMARY KEY (LookupIndex, Position))")};
    case Table::TagGrp:
        return {QStringLiteral(
            "CREATE TABLE IF NOT EXISTS taggrp ("
            " Code INTEGER NOT NULL PRIMARY KEY,"
            " Name TEXT NOT NULL)")};
    case Table::Tips:
        return {QStringLiteral(
            "CREATE TABLE IF NOT EXISTS tips ("
            " Number INTEGER PRIMARY KEY,"
            " Tip TEXT NOT NULL)")};
    case Table::Qln4:
        return {QStringLiteral(
            "CREATE TABLE IF NOT EXISTS qln4 (SUPFLG INTEGER NOT NULL DEFAULT 0)")};
    case Table::Groups:
        return {QStringLiteral(
                    "CREATE TABLE IF NOT EXISTS \"groups\" ("
                    " Code INTEGER NOT NULL PRIMARY KEY,"
                    " Name TEXT NOT NULL DEFAULT '',"
                    " Note TEXT NOT NULL DEFAULT '')"),
                QStringLiteral(
                    "CREATE INDEX IF NOT EXISTS GroupName ON \"groups\" (Name COLLATE NOCASE)")};
    case Table::Links:
        return {QStringLiteral(
            "CREATE TABLE IF NOT EXISTS links ("
            " GroupCode INTEGER NOT NULL,"
            " LinkName TEXT NOT NULL,"
            " Note TEXT NOT NULL DEFAULT '',"
            " PRIMARY KEY (GroupCode, LinkName))")};
    }
    return {};
}

// A statement that reads every field; it fails on a file that does not
// hold the table as this program expects it.
QString ShapeCheck(Table table)
{
    switch (table) {
    case Table::Tags:
        return QStringLiteral("SELECT TagName, Display, Description, GroupIndex, DoubleSideTag, Prompt FROM tags LIMIT 0");
    case Table::Attr:
        return QStringLiteral("SELECT TagName, DisplayOrder, Attribute, DefaultValue, Type, CanEdit,"
                              " ControlType, SurroundedBy, LookupIndex FROM attr LIMIT 0");
    case Table::LkpAttr:
        return QStringLiteral("SELECT LookupIndex, Position, CmbValue FROM lkpattr LIMIT 0");
    case Table::TagGrp:
        return QStringLiteral("SELECT Code, Name FROM taggrp LIMIT 0");
    case Table::Tips:
        return QStringLiteral("SELECT Number, Tip FROM tips LIMIT 0");
    case Table::Qln4:
        return QStringLiteral("SELECT SUPFLG FROM qln4 LIMIT 0");
    case Table::Groups:
        return QStringLiteral("SELECT Code, Name, Note FROM \"groups\" LIMIT 0");
    case Table::Links:
        return QStringLiteral("SELECT GroupCode, LinkName, Note FROM links LIMIT 0");
    }
    return {};
}

// What a unique-key failure on each table means to the user.
QString KeyViolation(Table table)
{
    switch (table) {
    case Table::Tags: return QStringLiteral("Key violation: this tag already exists");
    case Table::Attr: return QStringLiteral("Key violation: this attribute already exists for the tag");
    case Table::LkpAttr: return QStringLiteral("Key violation: this value already exists in the list");
    case Table::TagGrp: return QStringLiteral("Key violation: this tag group already exists");
    case Table::Tips: return QStringLiteral("Key violation: this tip already exists");
    case Table::Qln4: return QStringLiteral("Key violation: the setup record already exists");
    case Table::Groups: return QStringLiteral("Key violation: this group already exists");
    case Table::Links: return QStringLiteral("Key violation: this link already exists in the group");
    }
    return QStringLiteral("Key violation");
}

bool IsKeyViolation(const QSqlError &error)
{
    const QString text = error.databaseText();
    return text.contains(QLatin1String("UNIQUE constraint failed"), Qt::CaseInsensitive)
        || text.contains(QLatin1String("is not unique"), Qt::CaseInsensitive)
        || text.contains(QLatin1String("must be unique"), Qt::CaseInsensitive);
}

[[noreturn]] void Raise(Table table, const QSqlError &error)
{
    if (IsKeyViolation(error))
        throw StoreError(KeyViolation(table));
    throw StoreError(TagStore::FileName(table) + QStringLiteral(": ") + ErrorReason(error.text()));
}

std::atomic<int> storeCounter{0};

TagRecord ReadTag(const QSqlQuery &q)
{
    TagRecord tag;
    tag.TagName = q.value(0).toString();
    tag.Display = q.value(1).toString();
    tag.Description = q.value(2).toString();
    tag.GroupIndex = q.value(3).toInt();
    tag.DoubleSideTag = q.value(4).toBool();
    tag.Prompt = q.value(5).toString();
    return tag;
}

const char *const kTagFields = "TagName, Display, Description, GroupIndex, DoubleSideTag, Prompt";
}

struct TagStore::Private {
    QString dataDir;
    QString prefix;                 // makes the connection names of this store unique
    QHash<int, QString> open;       // table -> connection name

    QString ConnectionName(Table table) const
    {
        return prefix + TableName(table);
    }

    QSqlDatabase Database(Table table) const
    {
        if (!open.contains(int(table)))
            throw StoreError(QStringLiteral("The table %1 is not open").arg(TagStore::FileName(table)));
        return QSqlDatabase::database(open.value(int(table)), false);
    }

    // Prepares and runs one statement with its values bound in order.
    QSqlQuery Run(Table table, const QString &sql, const QVariantList &values = {}) const
    {
        QSqlQuery q(Database(table));
        q.setForwardOnly(true);
        if (!q.prepare(sql))
            Raise(table, q.lastError());
        for (const QVariant &value : values) {
            // An empty text is stored as empty, never as NULL.
            if (value.typeId() == QMetaType::QString && value.toString().isNull())
                q.addBindValue(QString(QLatin1String("")));
            else
                q.addBindValue(value);
        }
        if (!q.exec())
            Raise(table, q.lastError());
        return q;
    }

    // Connects to the file; createFile allows SQLite to make it.
    void Connect(Table table, bool createFile)
    {
        if (open.contains(int(table)))
            return;
        const QString path = QDir(dataDir).filePath(TagStore::FileName(table));
        const QFileInfo info(path);
        if (!createFile && !info.exists())
            throw StoreError(QStringLiteral("%1: file not found: %2").arg(TagStore::FileName(table), path));
        if (info.exists() && !info.isFile())
            throw StoreError(QStringLiteral("%1: not a file: %2").arg(TagStore::FileName(table), path));

        const QString name = ConnectionName(table);
        QString failure;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(path);
            if (!db.open())
                failure = db.lastError().text().trimmed();
        }
        if (!failure.isEmpty() || !QSqlDatabase::contains(name)) {
            QSqlDatabase::removeDatabase(name);
            throw StoreError(QStringLiteral("%1: %2").arg(TagStore::FileName(table), ErrorReason(failure)));
        }
        open.insert(int(table), name);
    }

    void Disconnect(Table table)
    {
        const QString name = open.take(int(table));
        if (name.isEmpty())
            return;
        {
            QSqlDatabase db = QSqlDatabase::database(name, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
    }
};

TagStore::TagStore(const QString &dataDir)
    : d(std::make_unique<Private>())
{
    d->dataDir = dataDir;
    d->prefix = QStringLiteral("quillon-tagstore-%1-").arg(++storeCounter);
}

TagStore::~TagStore()
{
    const QList<int> tables = d->open.keys();
    for (int table : tables)
        d->Disconnect(Table(table));
}

QString TagStore::DataDir() const
{
    return d->dataDir;
}

QString TagStore::FileName(Table table)
{
    return TableName(table) + QStringLiteral(".db");
}

void TagStore::Open(Table table)
{
    if (IsOpen(table))
        return;
    d->Connect(table, false);
    try {
        d->Run(table, ShapeCheck(table));
    } catch (...) {
        d->Disconnect(table);
        throw;
    }
}

void TagStore::Close(Table table)
{
    d->Disconnect(table);
}

bool TagStore::IsOpen(Table table) const
{
    return d->open.contains(int(table));
}

void TagStore::Create(Table table)
{
    d->Connect(table, true);
    try {
        for (const QString &statement : Schema(table))
            d->Run(table, statement);
        d->Run(table, ShapeCheck(table));
    } catch (...) {
        d->Disconnect(table);
        throw;
    }
}

void TagStore::BeginUpdate(Table table)
{
    d->Run(table, QStringLiteral("BEGIN TRANSACTION"));
}

void TagStore::CommitUpdate(Table table)
{
    d->Run(table, QStringLiteral("COMMIT"));
}

void TagStore::CancelUpdate(Table table)
{
    d->Run(table, QStringLiteral("ROLLBACK"));
}

// ---- tags -------------------------------------------------------------

QList<TagRecord> TagStore::Tags() const
{
    QSqlQuery q = d->Run(Table::Tags,
                         QStringLiteral("SELECT %1 FROM tags ORDER BY TagName").arg(QLatin1String(kTagFields)));
    QList<TagRecord> tags;
    while (q.next())
        tags.append(ReadTag(q));
    return tags;
}

std::optional<TagRecord> TagStore::FindTag(const QString &tagName) const
{
    QSqlQuery q = d->Run(Table::Tags,
                         QStringLiteral("SELECT %1 FROM tags WHERE TagName = ?").arg(QLatin1String(kTagFields)),
                         {tagName});
    if (!q.next())
        return std::nullopt;
    return ReadTag(q);
}

void TagStore::AddTag(const TagRecord &tag)
{
    d->Run(Table::Tags,
           QStringLiteral("INSERT INTO tags (%1) VALUES (?, ?, ?, ?, ?, ?)").arg(QLatin1String(kTagFields)),
           {tag.TagName, tag.Display, tag.Description, tag.GroupIndex, tag.DoubleSideTag, tag.Prompt});
}

// ---- attributes and value lists ----------------------------------------

QList<AttrRecord> TagStore::Attributes(const QString &tagName) const
{
    QSqlQuery q = d->Run(Table::Attr,
                         QStringLiteral("SELECT TagName, DisplayOrder, Attribute, DefaultValue, Type, CanEdit,"
                                        " ControlType, SurroundedBy, LookupIndex FROM attr"
                                        " WHERE TagName = ? ORDER BY DisplayOrder, Attribute"),
                         {tagName});
    QList<AttrRecord> attributes;
    while (q.next()) {
        AttrRecord a;
        a.TagName = q.value(0).toString();
        a.DisplayOrder = q.value(1).toInt();
        a.Attribute = q.value(2).toString();
        a.DefaultValue = q.value(3).toString();
        a.Type = q.value(4).toString();
        a.CanEdit = q.value(5).toBool();
        a.ControlType = q.value(6).toString();
        a.SurroundedBy = q.value(7).toString();
        a.LookupIndex = q.value(8).toInt();
        attributes.append(a);
    }
    return attributes;
}

void TagStore::AddAttribute(const AttrRecord &a)
{
    d->Run(Table::Attr,
           QStringLiteral("INSERT INTO attr (TagName, DisplayOrder, Attribute, DefaultValue, Type, CanEdit,"
                          " ControlType, SurroundedBy, LookupIndex) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
           {a.TagName, a.DisplayOrder, a.Attribute, a.DefaultValue, a.Type, a.CanEdit,
            a.ControlType, a.SurroundedBy, a.LookupIndex});
}

QStringList TagStore::LookupValues(int lookupIndex) const
{
    QSqlQuery q = d->Run(Table::LkpAttr,
                         QStringLiteral("SELECT CmbValue FROM lkpattr WHERE LookupIndex = ? ORDER BY Position"),
                         {lookupIndex});
    QStringList values;
    while (q.next())
        values.append(q.value(0).toString());
    return values;
}

void TagStore::AddLookupValue(int lookupIndex, const QString &value)
{
    d->Run(Table::LkpAttr,
           QStringLiteral("INSERT INTO lkpattr (LookupIndex, Position, CmbValue) VALUES (?,"
                          " (SELECT COALESCE(MAX(Position), 0) + 1 FROM lkpattr WHERE LookupIndex = ?), ?)"),
           {lookupIndex, lookupIndex, value});
}

// ---- tag groups ---------------------------------------------------------

QList<TagGroupRecord> TagStore::TagGroups() const
{
    QSqlQuery q = d->Run(Table::TagGrp, QStringLiteral("SELECT Name, Code FROM taggrp ORDER BY Code"));
    QList<TagGroupRecord> groups;
    while (q.next())
        groups.append({q.value(0).toString(), q.value(1).toInt()});
    return groups;
}

void TagStore::AddTagGroup(const TagGroupRecord &group)
{
    d->Run(Table::TagGrp, QStringLiteral("INSERT INTO taggrp (Code, Name) VALUES (?, ?)"),
           {group.Code, group.Name});
}

// ---- tips ---------------------------------------------------------------

int TagStore::TipCount() const
{
    QSqlQuery q = d->Run(Table::Tips, QStringLiteral("SELECT COUNT(*) FROM tips"));
    return q.next() ? q.value(0).toInt() : 0;
}

QString TagStore::Tip(int index) const
{
    if (index >= 0) {
        QSqlQuery q = d->Run(Table::Tips,
                             QStringLiteral("SELECT Tip FROM tips ORDER BY Number LIMIT 1 OFFSET ?"), {index});
        if (q.next())
            return q.value(0).toString();
    }
    throw StoreError(QStringLiteral("There is no tip number %1").arg(index));
}

void TagStore::AddTip(const QString &tip)
{
    d->Run(Table::Tips, QStringLiteral("INSERT INTO tips (Tip) VALUES (?)"), {tip});
}

// ---- setup record -------------------------------------------------------

bool TagStore::SetupFlag() const
{
    QSqlQuery q = d->Run(Table::Qln4, QStringLiteral("SELECT SUPFLG FROM qln4 ORDER BY rowid LIMIT 1"));
    return q.next() && q.value(0).toBool();
}

void TagStore::SetSetupFlag(bool done)
{
    QSqlQuery q = d->Run(Table::Qln4, QStringLiteral("UPDATE qln4 SET SUPFLG = ?"), {done});
    if (q.numRowsAffected() <= 0)
        d->Run(Table::Qln4, QStringLiteral("INSERT INTO qln4 (SUPFLG) VALUES (?)"), {done});
}

// ---- link groups and links ---------------------------------------------

namespace {
LinkGroupRecord ReadGroup(const QSqlQuery &q)
{
    return {q.value(0).toInt(), q.value(1).toString(), q.value(2).toString()};
}

LinkRecord ReadLink(const QSqlQuery &q)
{
    return {q.value(0).toInt(), q.value(1).toString(), q.value(2).toString()};
}
}

QList<LinkGroupRecord> TagStore::LinkGroups(bool byName) const
{
    QSqlQuery q = d->Run(Table::Groups,
                         byName ? QStringLiteral("SELECT Code, Name, Note FROM \"groups\""
                                                 " ORDER BY Name COLLATE NOCASE, Code")
                                : QStringLiteral("SELECT Code, Name, Note FROM \"groups\" ORDER BY Code"));
    QList<LinkGroupRecord> groups;
    while (q.next())
        groups.append(ReadGroup(q));
    return groups;
}

std::optional<LinkGroupRecord> TagStore::FindLinkGroup(int code) const
{
    QSqlQuery q = d->Run(Table::Groups,
                         QStringLiteral("SELECT Code, Name, Note FROM \"groups\" WHERE Code = ?"), {code});
    if (!q.next())
        return std::nullopt;
    return ReadGroup(q);
}

void TagStore::AddLinkGroup(const LinkGroupRecord &group)
{
    d->Run(Table::Groups, QStringLiteral("INSERT INTO \"groups\" (Code, Name, Note) VALUES (?, ?, ?)"),
           {group.Code, group.Name, group.Note});
}

void TagStore::UpdateLinkGroup(const LinkGroupRecord &group)
{
    QSqlQuery q = d->Run(Table::Groups, QStringLiteral("UPDATE \"groups\" SET Name = ?, Note = ? WHERE Code = ?"),
                         {group.Name, group.Note, group.Code});
    if (q.numRowsAffected() <= 0)
        throw StoreError(QStringLiteral("Can not find the group."));
}

void TagStore::DeleteLinkGroup(int code)
{
    d->Run(Table::Groups, QStringLiteral("DELETE FROM \"groups\" WHERE Code = ?"), {code});
}

QList<LinkRecord> TagStore::Links(int groupCode) const
{
    QSqlQuery q = d->Run(Table::Links,
                         QStringLiteral("SELECT GroupCode, LinkName, Note FROM links"
                                        " WHERE GroupCode = ? ORDER BY LinkName"),
                         {groupCode});
    QList<LinkRecord> links;
    while (q.next())
        links.append(ReadLink(q));
    return links;
}

std::optional<LinkRecord> TagStore::FindLink(int groupCode, const QString &linkName) const
{
    QSqlQuery q = d->Run(Table::Links,
                         QStringLiteral("SELECT GroupCode, LinkName, Note FROM links"
                                        " WHERE GroupCode = ? AND LinkName = ?"),
                         {groupCode, linkName});
    if (!q.next())
        return std::nullopt;
    return ReadLink(q);
}

void TagStore::AddLink(const LinkRecord &link)
{
    d->Run(Table::Links, QStringLiteral("INSERT INTO links (GroupCode, LinkName, Note) VALUES (?, ?, ?)"),
           {link.GroupCode, link.LinkName, link.Note});
}

void TagStore::UpdateLink(int groupCode, const QString &linkName, const LinkRecord &link)
{
    QSqlQuery q = d->Run(Table::Links,
                         QStringLiteral("UPDATE links SET GroupCode = ?, LinkName = ?, Note = ?"
                                        " WHERE GroupCode = ? AND LinkName = ?"),
                         {link.GroupCode, link.LinkName, link.Note, groupCode, linkName});
    if (q.numRowsAffected() <= 0)
        throw StoreError(QStringLiteral("Can not find the link."));
}

void TagStore::DeleteLink(int groupCode, const QString &linkName)
{
    d->Run(Table::Links, QStringLiteral("DELETE FROM links WHERE GroupCode = ? AND LinkName = ?"),
           {groupCode, linkName});
}

void TagStore::DeleteLinksOfGroup(int groupCode)
{
    d->Run(Table::Links, QStringLiteral("DELETE FROM links WHERE GroupCode = ?"), {groupCode});
}
