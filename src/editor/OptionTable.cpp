// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/OptionTable.h"

#include <QtGlobal>

using Page = OptionTable::Page;
using F = OptionFields;

const std::vector<OptionTable::Row> &OptionTable::Rows()
{
    // "Options" in the order its values are read and written, then "Editor".
    // clang-format off
    static const std::vector<Row> rows = {
        {.value = "Tool Bar", .member = &F::toolBar, .defaultValue = 1},
        {.value = "Message Bar", .member = &F::messageBar, .defaultValue = 1},
        {.value = "Tag Notebook Bar", .member = &F::tagNotebookBar, .defaultValue = 1},
        {.value = "Auto Show Tag Insp", .member = &F::showTagInspector, .defaultValue = 1,
         .control = {Page::General, 3, "cbShowTagInspector", "Show &Tag Inspector At Startup"}},
        {.value = "Beep", .member = &F::sound, .defaultValue = 1,
         .control = {Page::General, 1, "cbSound", "&Beep On Error Action"}},
        {.value = "Tips Screen", .member = &F::showTipsAtStartup, .defaultValue = 1},
        {.value = "Tags Menu", .member = &F::tagsMenu, .defaultValue = 1,
         .control = {Page::General, 2, "cbTagsMenu", "Show Tags &Menu"}},
        {.value = "Backup", .member = &F::backup, .defaultValue = 1,
         .control = {Page::Save, 1, "cbBackup", "Always Create &Backup Copy"}},
        {.value = "Automatic Save", .member = &F::autoSave, .defaultValue = 1,
         .control = {Page::Save, 2, "cbAutoSave", "Automatic &Save Every"}},
        {.value = "Save Minutes", .member = &F::saveInterval, .defaultValue = 10, .minimum = 1, .maximum = 255,
         .control = {Page::Save, 3, "spnSaveInterval", "&Minutes"}, .enabledBy = &F::autoSave},
        {.value = "Recently Used Files", .member = &F::rufList, .defaultValue = 1,
         .control = {Page::Save, 4, "cbRUFList", "&Recently Used File List"}},
        {.value = "RUF Entries", .member = &F::rufEntries, .defaultValue = 5, .minimum = 1, .maximum = 20,
         .control = {Page::Save, 5, "spnRUFEntries", "&Entries"}, .enabledBy = &F::rufList},
        {.value = "Tag Prompt", .member = &F::tagPrompt, .defaultValue = 1,
         .control = {Page::Html, 1, "cbTagPrompt", "&Insert Tag With Prompt"}},
        {.value = "Tag Upper Case", .member = &F::tagUpperCase, .defaultValue = 1,
         .control = {Page::Html, 2, "cbTagUpperCase", "&Upper Case &Tag"}},
        {.value = "Attribute Upper Case", .member = &F::attrUpperCase, .defaultValue = 1,
         .control = {Page::Html, 3, "cbAttrUpperCase", "&Upper Case &Attribute"}},
        {.value = "Word Wrap", .member = &F::wordWrap, .defaultValue = 0, .key = Key::Editor,
         .control = {Page::Editor, 1, "cbWordWrap", "&Word Wrap in the Editor Window"}},
    };
    // clang-format on
    return rows;
}

int OptionTable::IndexOf(const Member &member)
{
    const std::vector<Row> &rows = Rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].member == member)
            return int(i);
    }
    return -1;
}

bool OptionTable::IsFlag(const Row &row)
{
    return std::holds_alternative<bool OptionFields::*>(row.member);
}

int OptionTable::Get(const OptionFields &values, const Row &row)
{
    return std::visit([&values](auto member) { return int(values.*member); }, row.member);
}

void OptionTable::Set(OptionFields &values, const Row &row, int value)
{
    if (const auto flag = std::get_if<bool OptionFields::*>(&row.member))
        values.**flag = value != 0;
    else
        values.*std::get<int OptionFields::*>(row.member) = qBound(row.minimum, value, row.maximum);
}
