// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tags/TagRecords.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// What the user set in one row of the Tag Inspector's attribute grid.
struct InspectorRowState {
    bool Included = false; // the row's "Include" check box
    QString Value;         // the text of the value cell
    // The text of the row's drop-down list, for rows that have one. A
    // colour is written from it rather than from the value cell.
    std::optional<QString> ListText;
};

// The rules of the Tag Inspector, free of its window and of widgets: how
// the grid starts for an attribute, which rows make up the attribute text
// and how each is written. TagInspectorInsertion writes the result into
// the active page.
//
// Failures are raised as std::runtime_error with the operation's message
// ("Can not generate attribute: ...").
class TagInspectorRules {
public:
    // --- tag groups and the tag notebook ---

    // The tag group a notebook page stands for: its caption, except that
    // the page "Image" is the group "Image & Imagemap".
    static QString GroupOfPage(const QString &page);
    // The caption of the notebook page of a tag group (the reverse).
    static QString PageOfGroup(const QString &group);

    // --- the grid as it starts ---

    // Column 0: the attribute lower-cased with its first letter upper-cased
    // ("Border").
    static QString DisplayName(const AttrRecord &attribute);
    // The row has a drop-down list of values.
    static bool HasList(const AttrRecord &attribute);
    // The row's value comes from a file dialog.
    static bool HasFileDialog(const AttrRecord &attribute);
    // The text the value cell starts with: the trimmed default value, or
    // nothing for a file-dialog row.
    static QString InitialValue(const AttrRecord &attribute);
    // The item of a drop-down list that the default value picks (compared
    // trimmed and without regard to case), or -1 when none matches.
    static int InitialListIndex(const QStringList &items, const QString &defaultValue);
    // A double click on the row's value cell runs the file dialog for the
    // file kind in Type. The chosen file is written into the cell as the
    // file system spells it.
    static bool ChoosesFile(const AttrRecord &attribute);
    // How a chosen file is written into a value cell: its path relative to
    // the folder of the page it goes into, or its name alone while that
    // page has no file yet (pageFileName empty). Letters keep the case the
    // file system gives them.
    static QString FileReference(const QString &chosenFile, const QString &pageFileName);

    // --- the attribute text ---

    // A colour name of the sixteen standard colours ("Red", "silver", ...)
    // as "#RRGGBB". Raises for any other name.
    static QString ColorText(const QString &name);

    // The attribute text of `tag` from its attribute records (in display
    // order) and the grid's rows (row i goes with record i; missing rows are
    // not included). Each attribute is preceded by one space. attrUpper:
    // the attribute-case option. Raises "Can not generate attribute: ...".
    static QString GenerateAttributes(const TagRecord &tag, const QList<AttrRecord> &attributes,
                                      const QList<InspectorRowState> &rows, bool attrUpper);
};
