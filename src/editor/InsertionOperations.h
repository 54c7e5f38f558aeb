// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class Workspace;

// The ways generated text reaches the page of the active document window.
// Each replaces the editor's selection as one undo step, so the user's Undo
// takes the whole insertion back. All of them process pending messages
// before and after their work.

// Replaces the selection by `text`. A `caretOffset` of -1 leaves the caret
// after the inserted text; 0 or more puts it that many characters after the
// place where the text was inserted. Waits for the document's ready flag,
// holds it while editing and restores it also when an exception passes.
// With no document open: the error beep (sound option) and nothing else.
void InsertText(Workspace &workspace, const QString &text, int caretOffset);

// Wraps the selection in "<tagName>" and "</tagName>" (the name is used
// letter for letter). With nothing selected it inserts the empty pair with
// the trimmed default text after the opening tag when the tag-prompt option
// is on, and leaves the caret right after the opening tag. With no document
// open: a plain beep regardless of the sound option. Does not wait for or
// change the ready flag.
void InsertTagPair(Workspace &workspace, const QString &tagName, const QString &defaultText);

// As InsertTagPair, with the opening and closing texts given whole.
void InsertAround(Workspace &workspace, const QString &openText, const QString &closeText,
                  const QString &defaultText);

// The text without blanks and control characters (U+0000 to U+0020) at
// either end.
QString TrimBlanksAndControls(const QString &text);
