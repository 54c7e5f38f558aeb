// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tags/TagInspectorRules.h"

#include <QList>

class Workspace;

// Writes what the Tag Inspector built (TagInspectorRules) into the active
// page. Failures are raised as std::runtime_error with the operation's
// message ("Can not insert a tag: ...").
class TagInspectorInsertion {
public:
    // Writes "<T" + attributes + ">" and, for a two-sided tag, "</T>"
    // around the selection of the active page (caret between the two with
    // nothing selected), as one undo step while holding the document's
    // ready flag. The comment tag "!" runs the main window's comment
    // command instead. With no page open: the error beep. Raises
    // "Can not insert a tag: ...", the page unchanged.
    static void InsertInspectorTag(Workspace &workspace, const TagRecord &tag,
                                   const QList<AttrRecord> &attributes,
                                   const QList<InspectorRowState> &rows);

    // Replaces the selection of the active page by the attribute text and
    // puts the caret one character beyond it, past the ">" of the tag being
    // completed. With no page open: the error beep.
    static void InsertInspectorAttributes(Workspace &workspace, const TagRecord &tag,
                                          const QList<AttrRecord> &attributes,
                                          const QList<InspectorRowState> &rows);
};
