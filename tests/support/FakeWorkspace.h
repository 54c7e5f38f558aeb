// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/LiveOptionValues.h"
#include "editor/Workspace.h"

#include <QList>
#include <QMap>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>

class QMainWindow;
class QMdiArea;
class QMenu;

// A Workspace for tests: a real frame (a QMainWindow holding a QMdiArea,
// shown on the offscreen platform) with document windows in it, and plain
// records of everything asked of the main window's message bar and
// commands. Options are the public `options` field; change it freely and
// call ApplyOptions() on the documents when a test needs them re-read.
//
// Behaves like the main window where it matters to callers:
// - ActiveDocument() is the frame's current document window; Documents()
//   lists them with the active one first; DocumentCount() counts them.
// - ErrorBeep() processes pending messages, counts the call and beeps
//   through Dialogs::Instance() only when options.sound is on (install a
//   ScriptedDialogs to see the beeps).
// - ShowModifiedState() writes panel 4 ("Modified..." or empty) only while
//   the modified indicator is on (modifiedIndicatorOn, true by default).
// - ShowCaretPosition() writes "row : column" (both 1-based) of the active
//   document into panel 3 when a document is open.
// - PromptOpenFileName() and PromptSaveFileName() answer from openAnswers
//   and saveAnswers; AddRecentFile() appends to recentFiles.
// - SaveDocument() records the window and answers with saveHandler when one
//   is set, otherwise with saveResult.
class FakeWorkspace : public Workspace {
public:
    FakeWorkspace();
    ~FakeWorkspace() override;

    // The live options the documents read.
    LiveOptionValues options;

    // Status panels by index, as last written.
    QMap<int, QString> panels;
    QString Panel(int index) const { return panels.value(index); }
    // Every status write in order, as "index:text".
    QStringList statusLog;

    bool modifiedIndicatorOn = true;
    QList<bool> modifiedStates;         // arguments of ShowModifiedState, in order
    QList<bool> modifiedIndicatorCalls; // arguments of SetModifiedIndicatorOn, in order

    int errorBeeps = 0;    // ErrorBeep() calls, sound on or off
    QList<bool> busyCalls; // arguments of SetBusy, in order
    bool busy = false;
    bool windowMenuVisible = false;
    QStringList progressMessages;            // ShowProgress() texts
    QList<MainCommand> mainCommands;         // RunMainCommand() commands
    QList<QPointer<QObject>> droppedSources; // InsertDroppedItem() sources

    // Page-file prompts: answers consumed first in first out; an empty
    // answer, or none left, is Cancel. Each prompt is recorded: "Open",
    // "Save" or "Save As".
    QStringList openAnswers;
    QStringList saveAnswers;
    QStringList prompts;
    QStringList recentFiles; // AddRecentFile() names, in order

    QList<QPointer<TfrmMDIChild>> saveRequests; // SaveDocument() windows
    bool saveResult = false;
    std::function<bool(TfrmMDIChild *)> saveHandler;

    // The frame and the pop-up menu documents use for their editors.
    QMainWindow *Frame() const { return FFrame; }
    QMdiArea *MdiArea() const { return FMdiArea; }

    // Creates a document window holding `text` (not modified), puts it into
    // the frame and activates it.
    TfrmMDIChild *OpenDocument(const QString &text = QString(),
                               const QString &caption = QStringLiteral("Test page"));
    // Closes every document window without asking (modified flags are
    // cleared first) and deletes them.
    void CloseAllDocuments();

    // Workspace.
    TfrmMDIChild *ActiveDocument() const override;
    int DocumentCount() const override;
    QList<TfrmMDIChild *> Documents() const override;
    void AddDocumentWindow(TfrmMDIChild *child) override;
    void BringToFront(TfrmMDIChild *child) override;
    const LiveOptions &Options() const override { return options; }
    void ErrorBeep() override;
    void SetStatusText(int panel, const QString &text) override;
    void ShowModifiedState(bool modified) override;
    void SetModifiedIndicatorOn(bool on) override;
    void ShowCaretPosition() override;
    void ShowProgress(const QString &message) override;
    void SetBusy(bool busy) override;
    void SetWindowMenuVisible(bool visible) override;
    QMenu *MainPopupMenu() const override { return FPopupMenu; }
    void RunMainCommand(MainCommand command) override;
    void InsertDroppedItem(QObject *source) override;
    bool SaveDocument(TfrmMDIChild *child) override;
    QString PromptOpenFileName() override;
    QString PromptSaveFileName(bool saveAs) override;
    void AddRecentFile(const QString &fileName) override;

private:
    QMainWindow *FFrame;
    QMdiArea *FMdiArea;
    QMenu *FPopupMenu;
};
