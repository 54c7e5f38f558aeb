// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/InspectorCatalogue.h"

#include "support/TestCatalogue.h"
#include "tags/TagStore.h"

#include <exception>

namespace {

AttrRecord Attr(const QString &tag, int order, const QString &name, bool canEdit,
                const QString &type = QStringLiteral(""),
                const QString &controlType = QStringLiteral(""),
                const QString &defaultValue = QStringLiteral(""))
{
    AttrRecord attr;
    attr.TagName = tag;
    attr.DisplayOrder = order;
    attr.Attribute = name;
    attr.DefaultValue = defaultValue;
    attr.Type = type;
    attr.CanEdit = canEdit;
    attr.ControlType = controlType;
    attr.SurroundedBy = QStringLiteral(" \" ");
    return attr;
}

} // namespace

InspectorCatalogue::InspectorCatalogue() : FStore(std::make_unique<TagStore>(FDir.path()))
{
    for (TagStore::Table table : {TagStore::Table::Tags, TagStore::Table::Attr}) {
        FStore->Create(table);
        if (!FStore->IsOpen(table))
            FStore->Open(table);
    }
    const QString td = QStringLiteral("TD");
    const QString table = QStringLiteral("TABLE");
    const QString doc = QStringLiteral("!DOCTYPE");
    FStore->AddTag(MakeTag(table, true, QStringLiteral("Text here")));
    FStore->AddTag(MakeTag(td, true, QStringLiteral("Text here")));
    FStore->AddTag(MakeTag(QStringLiteral("BR"), false, QStringLiteral("Text here")));
    FStore->AddTag(MakeTag(QStringLiteral("P"), true, QStringLiteral("Text here")));
    FStore->AddTag(MakeTag(QStringLiteral("!"), false, QStringLiteral("Text here")));
    FStore->AddTag(MakeTag(doc, false, QStringLiteral("Text here")));
    FStore->AddTag(MakeTag(QStringLiteral("IMG"), false, QStringLiteral("Text here")));

    FStore->AddAttribute(Attr(table, 1, QStringLiteral("BORDER"), true));
    FStore->AddAttribute(Attr(table, 2, QStringLiteral("bgcolor"), true, QStringLiteral("Color"),
                              QStringLiteral("TCOMBOBOX")));

    FStore->AddAttribute(Attr(td, 1, QStringLiteral("WIDTH"), true));
    FStore->AddAttribute(Attr(td, 2, QStringLiteral("NOWRAP"), false, QStringLiteral("novalue")));
    FStore->AddAttribute(Attr(td, 3, QStringLiteral("ALIGN"), false, QString(),
                              QStringLiteral(" tcombobox "), QStringLiteral("left")));
    FStore->AddAttribute(
        Attr(td, 4, QStringLiteral("VALIGN"), false, QString(), QStringLiteral("TCOMBOBOX")));

    FStore->AddAttribute(Attr(doc, 1, QStringLiteral("LANG"), false));
    FStore->AddAttribute(
        Attr(doc, 2, QStringLiteral("VERSION"), false, QString(), QStringLiteral("TCOMBOBOX")));
    FStore->AddAttribute(Attr(doc, 3, QStringLiteral("AFTER"), true));

    FStore->AddAttribute(Attr(QStringLiteral("IMG"), 1, QStringLiteral("SRC"), true,
                              QStringLiteral("GIF"), QStringLiteral("TOPENDIALOG"),
                              QStringLiteral("Select")));
}

InspectorCatalogue::~InspectorCatalogue() = default;

TagRecord InspectorCatalogue::TagOf(const QString &name) const
{
    return *FStore->FindTag(name);
}

QList<AttrRecord> InspectorCatalogue::AttrsOf(const QString &name) const
{
    return FStore->Attributes(name);
}

QString InspectorCatalogue::Generate(const QString &tag, const QList<InspectorRowState> &rows,
                                     bool upper) const
{
    return TagInspectorRules::GenerateAttributes(TagOf(tag), AttrsOf(tag), rows, upper);
}

InspectorRowState InspectorCatalogue::Row(bool included, const QString &value,
                                          std::optional<QString> listText)
{
    return InspectorRowState{included, value, listText};
}

QString InspectorCatalogue::Raised(const std::function<void()> &action)
{
    try {
        action();
    } catch (const std::exception &error) {
        return QString::fromUtf8(error.what());
    }
    return QString();
}
