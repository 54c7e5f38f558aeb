// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class TRCRichEdit;

// The search behind Find, Find Next, Replace and incremental search: looks
// for Text in the editor's page from its current selection, as Options
// (TextSearch's bits) say. On a match it selects it and scrolls it into
// view; otherwise the selection stays as it was. False also for an empty
// Text or an empty page. Never wraps around.
bool FindInEditor(TRCRichEdit *Editor, const QString &Text, unsigned Options);
