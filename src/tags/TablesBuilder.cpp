// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tags/TablesBuilder.h"

#include "tags/TagStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <filesystem>
#include <optional>
#include <system_error>

namespace {
using Table = TagStore::Table;

// A fault in the sources; the text names the file and the tag.
struct SourceFault {
    QString text;
};

[[noreturn]] void Fail(const QString &where, const QString &what)
{
    throw SourceFault{where + QStringLiteral(": ") + what};
}

QString Quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QByteArray ReadFile(const QString &path, const QString &where)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        Fail(where, QStringLiteral("can not read the file: %1").arg(file.errorString()));
    return file.readAll();
}

QJsonDocument ReadJson(const QString &path, const QString &where)
{
    const QByteArray bytes = ReadFile(path, where);
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        const QByteArray before = bytes.left(error.offset);
        const int line = int(before.count('\n')) + 1;
        const int column = int(error.offset - (before.lastIndexOf('\n') + 1)) + 1;
        Fail(where, QStringLiteral("invalid JSON at line %1, column %2: %3")
                        .arg(line).arg(column).arg(error.errorString()));
    }
    return doc;
}

QJsonArray ArrayOf(const QJsonDocument &doc, const QString &where)
{
    if (!doc.isArray())
        Fail(where, QStringLiteral("the file must hold a JSON array"));
    return doc.array();
}

QJsonObject ObjectOf(const QJsonValue &value, const QString &where)
{
    if (!value.isObject())
        Fail(where, QStringLiteral("expected a JSON object"));
    return value.toObject();
}

void OnlyKeys(const QJsonObject &object, const QStringList &allowed, const QString &where)
{
    for (auto it = object.begin(); it != object.end(); ++it)
        if (!allowed.contains(it.key()))
            Fail(where, QStringLiteral("unknown field %1").arg(Quoted(it.key())));
}

QString Text(const QJsonObject &object, const QString &key, const QString &where, bool required = false)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined()) {
        if (required)
            Fail(where, QStringLiteral("field %1 is missing").arg(Quoted(key)));
        return {};
    }
    if (!value.isString())
        Fail(where, QStringLiteral("field %1 must be text").arg(Quoted(key)));
    if (required && value.toString().trimmed().isEmpty())
        Fail(where, QStringLiteral("field %1 is empty").arg(Quoted(key)));
    return value.toString();
}

bool Flag(const QJsonObject &object, const QString &key, const QString &where, std::optional<bool> fallback)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined()) {
        if (!fallback)
            Fail(where, QStringLiteral("field %1 is missing").arg(Quoted(key)));
        return *fallback;
    }
    if (!value.isBool())
        Fail(where, QStringLiteral("field %1 must be true or false").arg(Quoted(key)));
    return value.toBool();
}

int WholeNumber(const QJsonObject &object, const QString &key, const QString &where)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        Fail(where, QStringLiteral("field %1 is missing").arg(Quoted(key)));
    const double number = value.toDouble(0.5);
    if (!value.isDouble() || number != double(int(number)))
        Fail(where, QStringLiteral("field %1 must be a whole number").arg(Quoted(key)));
    return int(number);
}

void Width(const QString &text, int width, const QString &field, const QString &where)
{
    if (text.size() > width)
        Fail(where, QStringLiteral("%1 %2 is longer than %3 characters")
                        .arg(field, Quoted(text)).arg(width));
}

const QStringList kTagKeys{"name", "display", "group", "double", "prompt", "description", "attributes"};
const QStringList kAttributeKeys{"name", "default", "type", "values", "quote", "canEdit"};
const QStringList kNonFileTypes{"", "Color", "NOVALUE"};

// One attribute of a tag or of a shared set, not yet numbered.
AttrRecord ReadAttribute(const QJsonObject &object, const QMap<QString, int> &lookups, const QString &context)
{
    const QString name = Text(object, QStringLiteral("name"), context, true);
    const QString where = context + QStringLiteral(": attribute ") + Quoted(name);
    OnlyKeys(object, kAttributeKeys, where);

    AttrRecord a;
    a.Attribute = name;
    a.DefaultValue = Text(object, QStringLiteral("default"), where);
    a.Type = Text(object, QStringLiteral("type"), where);
    // Values are quoted unless the source says otherwise: a quoted value is
    // always valid HTML, a bare one breaks at the first blank.
    const bool flag = a.Type == QLatin1String("NOVALUE");
    a.SurroundedBy = object.contains(QStringLiteral("quote"))
                         ? Text(object, QStringLiteral("quote"), where)
                         : (flag ? QString() : QStringLiteral("\""));
    const QString values = Text(object, QStringLiteral("values"), where);
    const bool fileChoice = a.DefaultValue == QLatin1String("Select");

    if (!values.isEmpty()) {
        if (!lookups.contains(values))
            Fail(where, QStringLiteral("unknown value list %1").arg(Quoted(values)));
        if (fileChoice)
            Fail(where, QStringLiteral("a value list and a file choice (\"Select\") exclude each other"));
        a.LookupIndex = lookups.value(values);
        a.ControlType = QStringLiteral("TCOMBOBOX");
    } else if (fileChoice) {
        if (kNonFileTypes.contains(a.Type))
            Fail(where, QStringLiteral("a file choice (\"Select\") needs a file kind in \"type\""));
        a.ControlType = QStringLiteral("TOPENDIALOG");
    }
    // Plain cells are typed into, and so are file choices (the double click
    // that picks a file works on typed cells only, and an address can be
    // typed there as well) and colours (a colour chosen by name is written
    // as its value only from a typed row).
    const bool colour = a.Type == QLatin1String("Color");
    const bool typed = (a.ControlType.isEmpty() && !flag) || fileChoice || colour;
    a.CanEdit = Flag(object, QStringLiteral("canEdit"), where, typed);
    return a;
}

QString TipOf(const QStringList &lines)
{
    QStringList words;
    for (const QString &line : lines)
        words.append(line.trimmed());
    return words.join(QLatin1Char(' '));
}
}

TablesBuilder::TablesBuilder(const QString &sourceDir)
    : FSourceDir(sourceDir)
{
}

bool TablesBuilder::Read()
{
    FError.clear();
    FWarnings.clear();
    FTagGroups.clear();
    FLookups.clear();
    FLookupIndexes.clear();
    FAttributeSets.clear();
    FTags.clear();
    FAttributes.clear();
    FTips.clear();
    FLinkGroups.clear();
    FLinks.clear();
    FRead = false;
    try {
        if (!QFileInfo(FSourceDir).isDir())
            Fail(FSourceDir, QStringLiteral("the source folder does not exist"));
        ReadTagGroups();
        ReadLookups();
        ReadAttributeSets();
        ReadTags();
        ReadTips();
        ReadLinks();
    } catch (const SourceFault &fault) {
        FError = fault.text;
        return false;
    }
    FRead = true;
    return true;
}

void TablesBuilder::ReadTagGroups()
{
    const QString file = QStringLiteral("taggroups.json");
    const QString path = QDir(FSourceDir).filePath(file);
    if (!QFileInfo::exists(path))
        Fail(file, QStringLiteral("the file is missing"));
    const QJsonArray groups = ArrayOf(ReadJson(path, file), file);
    QSet<int> codes;
    QSet<QString> names;
    for (const QJsonValue &value : groups) {
        const QJsonObject object = ObjectOf(value, file);
        const QString name = Text(object, QStringLiteral("name"), file, true);
        const QString where = file + QStringLiteral(": group ") + Quoted(name);
        OnlyKeys(object, {QStringLiteral("code"), QStringLiteral("name")}, where);
        const int code = WholeNumber(object, QStringLiteral("code"), where);
        if (codes.contains(code))
            Fail(where, QStringLiteral("code %1 is used twice").arg(code));
        if (names.contains(name))
            Fail(where, QStringLiteral("the name is used twice"));
        codes.insert(code);
        names.insert(name);
        FTagGroups.append({name, code});
    }
    if (!names.contains(QStringLiteral("All Tags")))
        Fail(file, QStringLiteral("the group \"All Tags\" is missing"));
}

void TablesBuilder::ReadLookups()
{
    const QStringList files = QDir(FSourceDir).entryList({QStringLiteral("lookups*.json")}, QDir::Files, QDir::Name);
    QMap<QString, QStringList> lists;
    QHash<QString, QString> fileOf;
    for (const QString &file : files) {
        const QJsonDocument doc = ReadJson(QDir(FSourceDir).filePath(file), file);
        if (!doc.isObject())
            Fail(file, QStringLiteral("the file must hold a JSON object of value lists"));
        const QJsonObject object = doc.object();
        for (auto it = object.begin(); it != object.end(); ++it) {
            const QString where = file + QStringLiteral(": value list ") + Quoted(it.key());
            if (fileOf.contains(it.key()))
                Fail(where, QStringLiteral("the list is also defined in %1").arg(fileOf.value(it.key())));
            if (!it.value().isArray())
                Fail(where, QStringLiteral("the values must be a JSON array"));
            QStringList values;
            for (const QJsonValue &value : it.value().toArray()) {
                if (!value.isString())
                    Fail(where, QStringLiteral("every value must be text"));
                values.append(value.toString());
            }
            fileOf.insert(it.key(), file);
            lists.insert(it.key(), values);
        }
    }
    int index = 0;
    for (auto it = lists.cbegin(); it != lists.cend(); ++it) {
        FLookupIndexes.insert(it.key(), ++index);
        FLookups.insert(index, it.value());
    }
}

void TablesBuilder::ReadAttributeSets()
{
    const QString file = QStringLiteral("attrsets.json");
    const QString path = QDir(FSourceDir).filePath(file);
    if (!QFileInfo::exists(path)) {
        FWarnings.append(file + QStringLiteral(": the file is missing; no attribute sets"));
        return;
    }
    const QJsonDocument doc = ReadJson(path, file);
    if (!doc.isObject())
        Fail(file, QStringLiteral("the file must hold a JSON object of attribute sets"));
    const QJsonObject sets = doc.object();
    for (auto it = sets.begin(); it != sets.end(); ++it) {
        const QString where = file + QStringLiteral(": set ") + Quoted(it.key());
        if (!it.value().isArray())
            Fail(where, QStringLiteral("the attributes must be a JSON array"));
        QList<AttrRecord> attributes;
        QSet<QString> names;
        for (const QJsonValue &value : it.value().toArray()) {
            const AttrRecord a = ReadAttribute(ObjectOf(value, where), FLookupIndexes, where);
            if (names.contains(a.Attribute.toUpper()))
                Fail(where, QStringLiteral("duplicate attribute %1").arg(Quoted(a.Attribute)));
            names.insert(a.Attribute.toUpper());
            attributes.append(a);
        }
        FAttributeSets.insert(it.key(), attributes);
    }
}

void TablesBuilder::ReadTags()
{
    const QDir tagsDir(QDir(FSourceDir).filePath(QStringLiteral("tags")));
    const QStringList files = tagsDir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    if (files.isEmpty())
        FWarnings.append(QStringLiteral("tags: no tag sources; the tag catalogue is empty"));

    QHash<QString, int> groupCodes;
    for (const TagGroupRecord &group : FTagGroups)
        groupCodes.insert(group.Name, group.Code);
    QHash<QString, QString> fileOfTag;   // upper-case tag name -> its file

    for (const QString &name : files) {
        const QString file = QStringLiteral("tags/") + name;
        const QJsonArray tags = ArrayOf(ReadJson(tagsDir.filePath(name), file), file);
        for (const QJsonValue &value : tags) {
            const QJsonObject object = ObjectOf(value, file);
            TagRecord tag;
            tag.TagName = Text(object, QStringLiteral("name"), file, true);
            const QString where = file + QStringLiteral(": tag ") + Quoted(tag.TagName);
            OnlyKeys(object, kTagKeys, where);
            Width(tag.TagName, TagNameWidth, QStringLiteral("the name"), where);
            if (tag.TagName.contains(QRegularExpression(QStringLiteral("[\\s<>]"))))
                Fail(where, QStringLiteral("the name holds a blank or a bracket"));
            const QString key = tag.TagName.toUpper();
            if (fileOfTag.contains(key))
                Fail(where, QStringLiteral("duplicate tag name (first defined in %1)").arg(fileOfTag.value(key)));
            fileOfTag.insert(key, file);

            tag.Display = Text(object, QStringLiteral("display"), where, true);
            Width(tag.Display, DisplayWidth, QStringLiteral("the display name"), where);
            const QString group = Text(object, QStringLiteral("group"), where, true);
            if (!groupCodes.contains(group))
                Fail(where, QStringLiteral("unknown group %1").arg(Quoted(group)));
            tag.GroupIndex = groupCodes.value(group);
            tag.DoubleSideTag = Flag(object, QStringLiteral("double"), where, std::nullopt);
            tag.Prompt = Text(object, QStringLiteral("prompt"), where);
            Width(tag.Prompt, PromptWidth, QStringLiteral("the prompt"), where);
            tag.Description = Text(object, QStringLiteral("description"), where);

            const QJsonValue attributes = object.value(QStringLiteral("attributes"));
            if (!attributes.isUndefined() && !attributes.isArray())
                Fail(where, QStringLiteral("field \"attributes\" must be a JSON array"));
            QList<AttrRecord> list;
            for (const QJsonValue &entry : attributes.toArray()) {
                const QJsonObject attribute = ObjectOf(entry, where);
                if (attribute.contains(QStringLiteral("set"))) {
                    OnlyKeys(attribute, {QStringLiteral("set")}, where);
                    const QString set = Text(attribute, QStringLiteral("set"), where, true);
                    if (!FAttributeSets.contains(set))
                        Fail(where, QStringLiteral("unknown attribute set %1").arg(Quoted(set)));
                    list.append(FAttributeSets.value(set));
                } else {
                    list.append(ReadAttribute(attribute, FLookupIndexes, where));
                }
            }
            QSet<QString> names;
            int order = 0;
            for (AttrRecord &a : list) {
                if (names.contains(a.Attribute.toUpper()))
                    Fail(where, QStringLiteral("duplicate attribute %1").arg(Quoted(a.Attribute)));
                names.insert(a.Attribute.toUpper());
                a.TagName = tag.TagName;
                a.DisplayOrder = ++order;
                FAttributes.append(a);
            }
            FTags.append(tag);
        }
    }
}

void TablesBuilder::ReadTips()
{
    const QString file = QStringLiteral("tips.txt");
    const QString path = QDir(FSourceDir).filePath(file);
    if (!QFileInfo::exists(path)) {
        FWarnings.append(file + QStringLiteral(": the file is missing; no tips"));
        return;
    }
    const QString text = QString::fromUtf8(ReadFile(path, file));
    QStringList paragraph;
    for (const QString &line : text.split(QRegularExpression(QStringLiteral("\\r\\n|\\r|\\n")))) {
        if (line.trimmed().isEmpty()) {
            if (!paragraph.isEmpty())
                FTips.append(TipOf(paragraph));
            paragraph.clear();
        } else {
            paragraph.append(line);
        }
    }
    if (!paragraph.isEmpty())
        FTips.append(TipOf(paragraph));
}

void TablesBuilder::ReadLinks()
{
    const QString file = QStringLiteral("links.json");
    const QString path = QDir(FSourceDir).filePath(file);
    if (!QFileInfo::exists(path)) {
        FWarnings.append(file + QStringLiteral(": the file is missing; no links"));
        return;
    }
    const QJsonArray groups = ArrayOf(ReadJson(path, file), file);
    QSet<int> codes;
    for (const QJsonValue &value : groups) {
        const QJsonObject object = ObjectOf(value, file);
        LinkGroupRecord group;
        group.Name = Text(object, QStringLiteral("name"), file, true);
        const QString where = file + QStringLiteral(": group ") + Quoted(group.Name);
        OnlyKeys(object, {QStringLiteral("code"), QStringLiteral("name"), QStringLiteral("note"),
                          QStringLiteral("links")}, where);
        group.Code = WholeNumber(object, QStringLiteral("code"), where);
        if (codes.contains(group.Code))
            Fail(where, QStringLiteral("code %1 is used twice").arg(group.Code));
        codes.insert(group.Code);
        Width(group.Name, GroupNameWidth, QStringLiteral("the name"), where);
        group.Note = Text(object, QStringLiteral("note"), where);

        const QJsonValue links = object.value(QStringLiteral("links"));
        if (!links.isUndefined() && !links.isArray())
            Fail(where, QStringLiteral("field \"links\" must be a JSON array"));
        QSet<QString> names;
        for (const QJsonValue &entry : links.toArray()) {
            const QJsonObject linkObject = ObjectOf(entry, where);
            LinkRecord link;
            link.GroupCode = group.Code;
            link.LinkName = Text(linkObject, QStringLiteral("name"), where, true);
            const QString linkWhere = where + QStringLiteral(": link ") + Quoted(link.LinkName);
            OnlyKeys(linkObject, {QStringLiteral("name"), QStringLiteral("note")}, linkWhere);
            Width(link.LinkName, LinkNameWidth, QStringLiteral("the link"), linkWhere);
            if (names.contains(link.LinkName))
                Fail(linkWhere, QStringLiteral("the link is listed twice in the group"));
            names.insert(link.LinkName);
            link.Note = Text(linkObject, QStringLiteral("note"), linkWhere);
            FLinks.append(link);
        }
        FLinkGroups.append(group);
    }
}

bool TablesBuilder::Build(const QString &outputDataDir)
{
    if (!FRead && !Read())
        return false;
    FError.clear();

    const QFileInfo output(outputDataDir);
    if (output.exists() && !output.isDir()) {
        FError = outputDataDir + QStringLiteral(": not a folder");
        return false;
    }
    if (!QDir().mkpath(output.absoluteFilePath())) {
        FError = outputDataDir + QStringLiteral(": can not create the folder");
        return false;
    }
    // Beside the output folder, on the same file system, so that each
    // finished table is moved into place by a rename.
    QTemporaryDir scratch(output.absoluteDir().filePath(QStringLiteral(".%1-build-XXXXXX").arg(output.fileName())));
    if (!scratch.isValid()) {
        FError = QStringLiteral("can not create a temporary folder beside %1: %2")
                     .arg(outputDataDir, scratch.errorString());
        return false;
    }
    try {
        WriteTables(scratch.path());
    } catch (const StoreError &e) {
        FError = QStringLiteral("writing the tables: %1").arg(e.Message());
        return false;
    }
    for (Table table : {Table::Tags, Table::Attr, Table::LkpAttr, Table::TagGrp, Table::Tips,
                        Table::Qln4, Table::Groups, Table::Links}) {
        const QString name = TagStore::FileName(table);
        std::error_code error;
        std::filesystem::rename(QDir(scratch.path()).filePath(name).toStdString(),
                                QDir(output.absoluteFilePath()).filePath(name).toStdString(), error);
        if (error) {
            FError = QStringLiteral("%1: can not move into %2: %3")
                         .arg(name, outputDataDir, QString::fromStdString(error.message()));
            return false;
        }
    }
    return true;
}

void TablesBuilder::WriteTables(const QString &folder) const
{
    TagStore store(folder);
    const auto fill = [&store](Table table, const auto &write) {
        store.Create(table);
        store.BeginUpdate(table);
        write();
        store.CommitUpdate(table);
        store.Close(table);
    };
    fill(Table::TagGrp, [&] { for (const auto &g : FTagGroups) store.AddTagGroup(g); });
    fill(Table::LkpAttr, [&] {
        for (auto it = FLookups.cbegin(); it != FLookups.cend(); ++it)
            for (const QString &value : it.value())
                store.AddLookupValue(it.key(), value);
    });
    fill(Table::Tags, [&] { for (const auto &t : FTags) store.AddTag(t); });
    fill(Table::Attr, [&] { for (const auto &a : FAttributes) store.AddAttribute(a); });
    fill(Table::Tips, [&] { for (const auto &tip : FTips) store.AddTip(tip); });
    fill(Table::Qln4, [&] { store.SetSetupFlag(false); });
    fill(Table::Groups, [&] { for (const auto &g : FLinkGroups) store.AddLinkGroup(g); });
    fill(Table::Links, [&] { for (const auto &l : FLinks) store.AddLink(l); });
}
