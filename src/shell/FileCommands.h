// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

class DocumentArea;
class FileDialogs;
class PageFiles;
class Preview;
class QAction;
class QMenu;
class QWidget;
class RecentFiles;
class TfrmMDIChild;
class Workspace;

// The main window's file and preview commands (New, Open, Close, Save,
// Save As, Save All, Preview) with what they work through: the page files,
// the file and colour dialogs, the preview, and the Reopen menu that
// follows the recently used files.
class FileCommands {
public:
    // What the commands use of the main window besides its Workspace.
    struct Frame {
        QWidget &window;             // owns the dialogs; repainted after preview
        DocumentArea &documents;     // the documents' autosave timers
        QString &workDir;            // the folder last used in a file dialog
        QList<QColor> &customColors; // the colour dialog's custom colours
        RecentFiles &recentFiles;    // the recently used files
        QMenu &reopenMenu;           // the File menu's Reopen sub-menu
        QAction *reopenBreak;        // the separator that goes with it
    };

    FileCommands(Workspace &workspace, const Frame &frame);
    ~FileCommands();

    PageFiles &Pages() const { return *FPageFiles; }
    FileDialogs &FileDialogService() const { return *FFileDialogs; }

    void New();
    void Open();
    // Closes the active document window (it asks about unsaved changes).
    void Close();
    void Save();
    // The tool bar's Save: the beep rule when no document is open.
    void SaveOrBeep();
    void SaveAs();
    // Saves every page with the autosave timers off; the page that was
    // active comes back to the front.
    void SaveAll();
    // Shows the active page in the browser the options select.
    void ShowPreview();

    // Opens page files in turn, skipping empty names.
    void OpenFiles(const QStringList &fileNames);
    // Saves a document as the close query's Yes answer asks.
    bool SaveDocument(TfrmMDIChild *child);
    QString PromptOpenFileName();
    QString PromptSaveFileName(bool saveAs);

    // What the options dialog asks of the recent-file list.
    void SetReopenMenuVisible(bool visible);
    // Fills the list from the stored one, up to the option's number of
    // entries; false when it cannot be read.
    bool LoadRecentFiles();

private:
    Workspace &FWorkspace;
    Frame FFrame;
    std::unique_ptr<PageFiles> FPageFiles;
    std::unique_ptr<FileDialogs> FFileDialogs;
    std::unique_ptr<Preview> FPreview;
};
