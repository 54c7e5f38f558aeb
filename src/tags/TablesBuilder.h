// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tags/TagRecords.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// Turns the text sources of the shipped tables (taggroups.json,
// attrsets.json, lookups*.json, tags/*.json, tips.txt, links.json; see
// data/README.md) into the eight table files of a DATA folder.
//
// Every source is checked before anything is written; a fault names the
// file and, where there is one, the tag. The tables are built in a
// temporary folder beside the output folder and moved into place only when
// all of them are complete, so a failed run leaves the old tables alone.
class TablesBuilder {
public:
    explicit TablesBuilder(const QString &sourceDir);

    // Reads and checks the sources. False on the first fault (Error()).
    bool Read();
    // Read() when not done yet, then writes the tables into outputDataDir
    // (created when missing). False on failure (Error()).
    bool Build(const QString &outputDataDir);

    QString Error() const { return FError; }
    // Notes that do not stop the build, such as a source that is missing.
    QStringList Warnings() const { return FWarnings; }

    // What was read, in the order it is written.
    const QList<TagGroupRecord> &TagGroups() const { return FTagGroups; }
    const QList<TagRecord> &Tags() const { return FTags; }
    const QList<AttrRecord> &Attributes() const { return FAttributes; }
    // Value lists by LookupIndex (1, 2, 3 ... in the order of their names).
    const QMap<int, QStringList> &Lookups() const { return FLookups; }
    int LookupIndex(const QString &listName) const { return FLookupIndexes.value(listName, 0); }
    const QStringList &Tips() const { return FTips; }
    const QList<LinkGroupRecord> &LinkGroups() const { return FLinkGroups; }
    const QList<LinkRecord> &Links() const { return FLinks; }

    // Field widths the tables hold.
    static constexpr int TagNameWidth = 20;
    static constexpr int DisplayWidth = 30;
    static constexpr int PromptWidth = 50;
    static constexpr int LinkNameWidth = 150;
    static constexpr int GroupNameWidth = 150;

private:
    void ReadTagGroups();
    void ReadLookups();
    void ReadAttributeSets();
    void ReadTags();
    void ReadTips();
    void ReadLinks();
    void WriteTables(const QString &folder) const;

    QString FSourceDir;
    bool FRead = false;
    QString FError;
    QStringList FWarnings;

    QList<TagGroupRecord> FTagGroups;
    QMap<int, QStringList> FLookups;
    QMap<QString, int> FLookupIndexes;
    QMap<QString, QList<AttrRecord>> FAttributeSets;
    QList<TagRecord> FTags;
    QList<AttrRecord> FAttributes;
    QStringList FTips;
    QList<LinkGroupRecord> FLinkGroups;
    QList<LinkRecord> FLinks;
};
