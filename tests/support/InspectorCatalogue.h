// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tags/TagInspectorRules.h"
#include "tags/TagRecords.h"

#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <optional>

class TagStore;

// The small catalogue of the Tag Inspector's tests, in a temporary folder:
// TABLE (BORDER; bgcolor, a colour list), TD (WIDTH; NOWRAP, no value;
// ALIGN, a list starting on "left"; VALIGN, a list), BR, P, the comment
// "!", !DOCTYPE (LANG; VERSION, a list; AFTER) and IMG (SRC, a file row).
class InspectorCatalogue {
public:
    InspectorCatalogue();
    ~InspectorCatalogue();

    TagRecord TagOf(const QString &name) const;
    QList<AttrRecord> AttrsOf(const QString &name) const;
    // The attribute text of `tag` for the grid rows.
    QString Generate(const QString &tag, const QList<InspectorRowState> &rows,
                     bool upper = true) const;

    // One grid row.
    static InspectorRowState Row(bool included, const QString &value = QString(),
                                 std::optional<QString> listText = std::nullopt);
    // The message of what action raises, or nothing when it raises none.
    static QString Raised(const std::function<void()> &action);

private:
    QTemporaryDir FDir;
    std::unique_ptr<TagStore> FStore;
};
