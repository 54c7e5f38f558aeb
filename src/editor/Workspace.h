// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/MainCommand.h"

#include <QList>
#include <QString>

class LiveOptions;
class QMenu;
class QObject;
class TfrmMDIChild;

// What the document windows and everything that writes into a page need of
// the main window. TfrmMainForm implements it; tests use a fake.
class Workspace {
public:
    virtual ~Workspace() = default;

    // The active document window, or nullptr when no document is open.
    virtual TfrmMDIChild *ActiveDocument() const = 0;
    // The number of open document windows; 0 means there is no document.
    virtual int DocumentCount() const = 0;
    // The open document windows, the active one first.
    virtual QList<TfrmMDIChild *> Documents() const = 0;
    // Puts a new document window into the frame, shows and activates it.
    virtual void AddDocumentWindow(TfrmMDIChild *child) = 0;
    // Brings a document window to the front, making it the active one.
    virtual void BringToFront(TfrmMDIChild *child) = 0;

    // The live options.
    virtual const LiveOptions &Options() const = 0;

    // The beep rule: process pending messages, then beep only when the
    // sound option is on.
    virtual void ErrorBeep() = 0;

    // Message bar services.
    virtual void SetStatusText(int panel, const QString &text) = 0;
    virtual void ShowModifiedState(bool modified) = 0;
    virtual void SetModifiedIndicatorOn(bool on) = 0;
    virtual void ShowCaretPosition() = 0;
    virtual void ShowProgress(const QString &message) = 0;

    // The busy state of the main window (disabled, hourglass).
    virtual void SetBusy(bool busy) = 0;
    // The frame's window-list menu is shown while documents are open.
    virtual void SetWindowMenuVisible(bool visible) = 0;
    // The pop-up menu that document windows show for their editor.
    virtual QMenu *MainPopupMenu() const = 0;

    // Runs one of the main window's commands, for example
    // MainCommand::sbHTML; the Tags menu of a document forwards this way.
    virtual void RunMainCommand(MainCommand command) = 0;
    // A drag from a tree view or a string grid was dropped on an editor.
    virtual void InsertDroppedItem(QObject *source) = 0;
    // Saves a document as the close query's Yes answer asks; true when the
    // page was written.
    virtual bool SaveDocument(TfrmMDIChild *child) = 0;

    // Page files.
    // The open prompt ("Open an HTML document"): the full path of the chosen
    // file as the file system spells it, or an empty text when the user
    // cancels.
    virtual QString PromptOpenFileName() = 0;
    // The save prompt: "Save an HTML document", or "Save As an HTML
    // document" when saveAs is set. The full path of the chosen file exactly
    // as the user typed or chose it, or an empty text on Cancel.
    virtual QString PromptSaveFileName(bool saveAs) = 0;
    // Adds a page file (its full path) to the recently used files.
    virtual void AddRecentFile(const QString &fileName) = 0;
};
