// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/FindInEditor.h"

#include "editor/TRCRichEdit.h"
#include "editor/TextSearch.h"

bool FindInEditor(TRCRichEdit *Editor, const QString &Text, unsigned Options)
{
    if (!Editor || Text.isEmpty())
        return false;
    const TextSearch search(Text, Options);
    const TextSearch::Match match =
        Editor->ScanText(search, Editor->SelStart(), Editor->SelLength());
    if (!match.Found())
        return false;
    Editor->SetSelection(match.start, int(match.length));
    Editor->ScrollCaret();
    return true;
}
