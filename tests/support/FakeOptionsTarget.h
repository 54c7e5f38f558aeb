// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/OptionsTarget.h"
#include "shell/RecentFiles.h"
#include "support/FakeWorkspace.h"

#include <QColor>
#include <QList>
#include <QStringList>

class TfrmOptions;

// The main window as the options dialog sees it: a FakeWorkspace frame
// whose document windows read their options from `dialog` (set it before
// opening any), a real recent-file list and plain records of the rest.
// LoadRecentFiles() counts the call and, when recentLoadResult holds, fills
// the list from filesToLoad up to the dialog's number of entries.
class FakeOptionsTarget : public FakeWorkspace, public OptionsTarget {
public:
    TfrmOptions *dialog = nullptr;
    bool bars[3] = {true, true, true}; // tool bar, tag notebook bar, message bar
    QList<QColor> customColors;
    RecentFiles recent;
    bool reopenVisible = true;
    int recentLoads = 0;
    bool recentLoadResult = true;
    QStringList filesToLoad;  // what a successful load lists, most recent first
    int recentListHidden = 0; // HideRecentFileList() calls

    // Workspace and OptionsTarget share these.
    const LiveOptions &Options() const override;
    QList<TfrmMDIChild *> Documents() const override { return FakeWorkspace::Documents(); }
    void SetBusy(bool on) override { FakeWorkspace::SetBusy(on); }
    void SetStatusText(int panel, const QString &text) override
    {
        FakeWorkspace::SetStatusText(panel, text);
    }

    // OptionsTarget.
    void SetBarStates(bool toolBar, bool tagNotebookBar, bool messageBar) override;
    bool ToolBarShown() const override { return bars[0]; }
    bool TagNotebookBarShown() const override { return bars[1]; }
    bool MessageBarShown() const override { return bars[2]; }
    QList<QColor> &ColorDialogCustomColors() override { return customColors; }
    int RecentFileCount() const override { return recent.Count(); }
    void SetRecentFileLimit(int entries) override { recent.SetLimit(entries); }
    void SetReopenMenuVisible(bool visible) override { reopenVisible = visible; }
    bool LoadRecentFiles() override;
    void HideRecentFileList() override;
};
