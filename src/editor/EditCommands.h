// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Workspace;

// The shared clipboard commands of the tool bar, the pop-up menu and the
// document window's Edit menu. With no document open each gives a plain
// beep (whatever the sound option says) and does nothing else.

// Cuts the active document's selection to the clipboard.
void EditCut(Workspace &workspace);
// Copies the active document's selection to the clipboard.
void EditCopy(Workspace &workspace);
// Pastes the clipboard text into the focused control: an edit field or a
// text box pastes over its selection, an editable combo box gets its whole
// text replaced, any other control gets nothing. When no control has the
// focus (or only the frame or a document window itself has it), the active
// document's editor takes the text.
void EditPaste(Workspace &workspace);
