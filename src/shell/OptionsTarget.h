// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QList>
#include <QString>

class TfrmMDIChild;

// What the options dialog needs of the main window: the open documents
// that take new options at OK, the message bar, the busy state, the three
// bars, the colour dialog's custom colours and the recent-file list. The main
// window implements it (several members share their names and signatures
// with its Workspace services); tests use a fake.
class OptionsTarget {
public:
    virtual ~OptionsTarget() = default;

    // The open document windows.
    virtual QList<TfrmMDIChild *> Documents() const = 0;
    // The busy state of the main window (disabled, hourglass).
    virtual void SetBusy(bool busy) = 0;
    // Writes a message bar panel.
    virtual void SetStatusText(int panel, const QString &text) = 0;

    // The check marks and visibility of the three bars.
    virtual void SetBarStates(bool toolBar, bool tagNotebookBar, bool messageBar) = 0;
    virtual bool ToolBarShown() const = 0;
    virtual bool TagNotebookBarShown() const = 0;
    virtual bool MessageBarShown() const = 0;

    // The colour dialog's custom colours, kept between its uses.
    virtual QList<QColor> &ColorDialogCustomColors() = 0;

    // The recent-file list (the Reopen menu's entries).
    virtual int RecentFileCount() const = 0;
    // Keeps at most `entries` of the list, dropping the oldest at once.
    virtual void SetRecentFileLimit(int entries) = 0;
    // Shows or hides the Reopen menu.
    virtual void SetReopenMenuVisible(bool visible) = 0;
    // Fills the list from the stored one, up to the option's number of
    // entries; false when it cannot be read.
    virtual bool LoadRecentFiles() = 0;
    // Hides the Reopen menu and its separator.
    virtual void HideRecentFileList() = 0;
};
