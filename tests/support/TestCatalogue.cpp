// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TestCatalogue.h"

#include "tags/TagStore.h"

void CreateEmptyTables(TagStore &store)
{
    using Table = TagStore::Table;
    for (Table table : {Table::Tags, Table::Attr, Table::LkpAttr, Table::TagGrp, Table::Tips,
                        Table::Qln4, Table::Groups, Table::Links})
        store.Create(table);
}

TagRecord MakeTag(const QString &name, bool doubleSided, const QString &prompt)
{
    TagRecord tag;
    tag.TagName = name;
    tag.Display = name;
    tag.Description = QStringLiteral("<P>") + name + QStringLiteral("</P>");
    tag.DoubleSideTag = doubleSided;
    tag.Prompt = prompt.isNull() ? QStringLiteral("") : prompt;
    return tag;
}
