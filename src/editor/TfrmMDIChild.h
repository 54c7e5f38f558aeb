// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/MainCommand.h"
#include "editor/PageCodec.h"
#include "editor/PageDiskStamp.h"

#include <QList>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QString>

class QAction;
class QMenu;
class QTimer;
class TRCRichEdit;
class Workspace;

// A menu of a document window and the menu-bar group it merges into.
struct MergedMenu {
    int group;
    QMenu *menu;
};

// One document window: a page being edited in the main window's frame.
// It owns the editor control, the page's file name, the ready flag, the
// autosave timer and its Edit, Search and Tags menus, which the main
// window merges into its menu bar while this window is active.
class TfrmMDIChild : public QMdiSubWindow {
    Q_OBJECT
public:
    // The file name of a page that has never been saved.
    static inline const QString UntitledMarker = QStringLiteral("Quillon ");

    explicit TfrmMDIChild(Workspace &workspace, QWidget *parent = nullptr);
    ~TfrmMDIChild() override;

    TRCRichEdit *EditMemo = nullptr;
    QTimer *SaveTimer = nullptr;

    QString FileName() const { return FFileName; }
    void SetFileName(const QString &name) { FFileName = name; }
    bool IsUntitled() const { return FFileName == UntitledMarker; }

    // How the page file's bytes stand for its text (new pages: UTF-8); a
    // save writes the page the way it was read.
    PageEncoding Encoding() const { return FEncoding; }
    void SetEncoding(PageEncoding encoding) { FEncoding = encoding; }
    // Fills the editor from the file FFileName names: caret at the start,
    // not modified. A file that looks binary is opened only when the user
    // confirms. On failure warns "Can not open the file : " with the reason
    // and returns false; the editor then holds nothing of the file, so the
    // caller must not keep the window bound to it.
    bool LoadPage();

    // The page file as last read or written by this window, and a change
    // on disk the user chose to leave alone (autosave then leaves it alone
    // too until the file changes again).
    const PageDiskStamp &DiskStamp() const { return FDiskStamp; }
    void SetDiskStamp(const PageDiskStamp &stamp);
    void DeclineDiskChange(const PageDiskStamp &stamp) { FDeclinedStamp = stamp; }
    bool DiskChangeDeclined(const PageDiskStamp &stamp) const
    {
        return FDeclinedStamp.known && stamp == FDeclinedStamp;
    }
    // The page file changed on disk: an unchanged page offers to reload it;
    // a changed page is left alone (saving it will ask before overwriting).
    void DiskFileChanged();

    // The ready flag: true while no operation holds the editor.
    bool Ready() const { return FReady; }
    void SetReady(bool ready) { FReady = ready; }
    // Waits, processing pending messages, until the ready flag is true.
    void WaitUntilReady() const;

    // Edit (group 1), Search (group 1) and Tags (group 3), in menu order.
    QList<MergedMenu> ChildMenus() const;

    // Applies the live options: font, colours, word wrap and scroll bars,
    // autosave interval and state, Tags menu visibility.
    void ApplyOptions();

    // The commands the main window's tool bar and pop-up menu reach.
    void Undo();
    void Cut();
    void Copy();
    void Paste();

public slots:
    void FormActivate();
    void FormDeactivate();
    void EditMemoChange();
    void EditMemoSelectionChange();
    void SaveTimerTimer();

    // Edit menu.
    void mnuEditClick(); // the enable rule, applied when the menu opens
    void mnuUndoClick();
    void mnuCutClick();
    void mnuCopyClick();
    void mnuPasteClick();
    void mnuClearClick();
    void mnuSelectAllClick();
    // Tags menu: the items the window handles itself, the items that run a
    // main-window command (MainCommand::sbBODY) and the
    // attribute items (by object name, "mnuBGCOLOR").
    void mnuDLClick();
    void mnuLIClick();
    void ForwardTagItem(MainCommand command);
    void AttributeItemClick(const QString &objectName);

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // Implemented with the window; see TfrmMDIChild.cpp.
    bool FormCloseQuery();
    void FormClose();
    void BuildMenus();
    void EndIncrSearch();
    void RunSaveTimerByOption();

    Workspace &FWorkspace;
    QString FFileName = UntitledMarker;
    bool FReady = true;
    PageEncoding FEncoding = PageEncoding::Utf8;
    PageDiskStamp FDiskStamp;
    PageDiskStamp FDeclinedStamp;
    bool FAskingAboutDisk = false;
    bool FIncrSearch = false;
    QString FIncrText;
    QMenu *mnuEdit = nullptr;
    QMenu *mnuSearch = nullptr;
    QMenu *mnuTags = nullptr;
    // The Edit items whose state follows the selection and undo buffer.
    QAction *mnuUndo = nullptr;
    QAction *mnuCut = nullptr;
    QAction *mnuCopy = nullptr;
    QAction *mnuClear = nullptr;
    QPointer<QMdiArea> FMdiArea; // the frame whose activations reach FormActivate
    QMetaObject::Connection FAreaActivation;
};
