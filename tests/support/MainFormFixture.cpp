// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/MainFormFixture.h"

#include "editor/TRCRichEdit.h"
#include "editor/TfrmMDIChild.h"
#include "platform/FatalErrorText.h"

void MainFormFixture::init()
{
    FatalErrorText().clear();
    FDir = std::make_unique<QTemporaryDir>();
    FDialogs = std::make_unique<ScriptedDialogs>();
    FHelp = std::make_unique<RecordingHelp>();
    FForm = std::make_unique<TfrmMainForm>();
}

void MainFormFixture::cleanup()
{
    if (FForm) {
        for (TfrmMDIChild *document : FForm->Documents())
            document->EditMemo->SetModified(false);
    }
    FForm.reset();
    FHelp.reset();
    FDialogs.reset();
    FDir.reset();
    FatalErrorText().clear();
}
