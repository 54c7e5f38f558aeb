// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/EditorFixture.h"

#include "editor/TRCRichEdit.h"
#include "editor/TfrmMDIChild.h"

void EditorFixture::init()
{
    FDir = std::make_unique<QTemporaryDir>();
    FDialogs = std::make_unique<ScriptedDialogs>();
    FWorkspace = std::make_unique<FakeWorkspace>();
}

void EditorFixture::cleanup()
{
    FWorkspace.reset();
    FDialogs.reset();
    FDir.reset();
}

TfrmMDIChild *EditorFixture::Open(const QString &text, int selStart, int selLength)
{
    TfrmMDIChild *child = FWorkspace->OpenDocument(text);
    child->EditMemo->SetSelection(selStart, selLength);
    return child;
}

TRCRichEdit *EditorFixture::Editor() const
{
    return FWorkspace->ActiveDocument()->EditMemo;
}
