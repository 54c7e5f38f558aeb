// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QObject;

// Only the Link Manager's tree (a tree view) and the special characters'
// grid (a table view) insert into pages by drag and drop. Drags from any
// other control, and from other programs (no source), are refused.

// The view a drag comes from (the view itself when the drag was started
// from its viewport), or nullptr when the drag must be refused.
QObject *EditorDropSource(QObject *source);
// Whether a drag from `source` may be dropped on a page editor.
bool AcceptsEditorDrop(QObject *source);
