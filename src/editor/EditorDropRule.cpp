// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/EditorDropRule.h"

#include <QTableView>
#include <QTreeView>

namespace {

// QTreeWidget and QTableWidget derive from these views.
QAbstractItemView *InsertingView(QObject *object)
{
    if (auto *tree = qobject_cast<QTreeView *>(object))
        return tree;
    if (auto *table = qobject_cast<QTableView *>(object))
        return table;
    return nullptr;
}

} // namespace

QObject *EditorDropSource(QObject *source)
{
    if (!source)
        return nullptr;
    if (QAbstractItemView *view = InsertingView(source))
        return view;
    if (QAbstractItemView *view = InsertingView(source->parent())) {
        if (view->viewport() == source)
            return view;
    }
    return nullptr;
}

bool AcceptsEditorDrop(QObject *source)
{
    return EditorDropSource(source) != nullptr;
}
