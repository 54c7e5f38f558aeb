// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/FakeOptionsTarget.h"

#include "shell/TfrmOptions.h"

const LiveOptions &FakeOptionsTarget::Options() const
{
    return *dialog;
}

void FakeOptionsTarget::SetBarStates(bool toolBar, bool tagNotebookBar, bool messageBar)
{
    bars[0] = toolBar;
    bars[1] = tagNotebookBar;
    bars[2] = messageBar;
}

bool FakeOptionsTarget::LoadRecentFiles()
{
    ++recentLoads;
    if (!recentLoadResult)
        return false;
    recent.SetLimit(dialog->spnRUFEntries());
    for (auto file = filesToLoad.crbegin(); file != filesToLoad.crend(); ++file)
        recent.AddRecentFile(*file);
    return true;
}

void FakeOptionsTarget::HideRecentFileList()
{
    ++recentListHidden;
    reopenVisible = false;
}
