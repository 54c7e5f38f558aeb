// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The main window's menu and button commands, and what the options dialog
// asks of it. The window itself, its services and its life are in
// TfrmMainForm.cpp.
#include "shell/TfrmMainForm.h"

#include "controls/FormBusy.h"
#include "controls/PanelStatusBar.h"
#include "editor/EditCommands.h"
#include "editor/PageFiles.h"
#include "editor/TRCRichEdit.h"
#include "platform/AppDir.h"
#include "platform/Dialogs.h"
#include "platform/FatalErrorText.h"
#include "platform/ProductInfo.h"
#include "platform/RegistryStore.h"
#include "shell/DocumentArea.h"
#include "shell/FileDialogs.h"
#include "controls/Hints.h"
#include "shell/MainMenuBuilder.h"
#include "shell/MainMenuState.h"
#include "shell/MenuMerge.h"
#include "shell/MessageNotebook.h"
#include "shell/Preview.h"
#include "shell/RecentFiles.h"
#include "shell/ReopenMenu.h"
#include "shell/SettingsSession.h"
#include "shell/TagCommands.h"
#include "shell/TagNotebookBuilder.h"
#include "shell/TfrmOptions.h"
#include "shell/ToolBarBuilder.h"
#include "shell/WindowLayout.h"
#include "shell/WindowListMenu.h"
#include "shell/WindowPlacer.h"
#include "tags/TDataMod.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

void TfrmMainForm::mnuToolBarClick()
{
    MenuItem(QStringLiteral("mnuToolBar"))->toggle();
}

void TfrmMainForm::mnuTagNotebookBarClick()
{
    MenuItem(QStringLiteral("mnuTagNotebookBar"))->toggle();
}

void TfrmMainForm::mnuMessagebarClick()
{
    MenuItem(QStringLiteral("mnuMessagebar"))->toggle();
}

void TfrmMainForm::mnuCascadeClick()
{
    MDIClient->cascadeSubWindows();
}

void TfrmMainForm::mnuHorizontalClick()
{
    MDIClient->TileHorizontally();
}

void TfrmMainForm::mnuArrangeIconsClick()
{
    MDIClient->ArrangeIcons();
}

void TfrmMainForm::mnuNewClick()
{
    FPageFiles->NewPage();
}

void TfrmMainForm::btnNewClick()
{
    mnuNewClick();
}

void TfrmMainForm::mnuCloseClick()
{
    if (TfrmMDIChild *document = ActiveDocument())
        document->close();
}

void TfrmMainForm::mnuOpenClick()
{
    FPageFiles->OpenPage();
}

void TfrmMainForm::btnOpenClick()
{
    mnuOpenClick();
}

void TfrmMainForm::mnuSaveClick()
{
    if (TfrmMDIChild *document = ActiveDocument())
        FPageFiles->SavePage(document, QStringLiteral("Save"), QStringLiteral("Save..."));
}

void TfrmMainForm::btnSaveClick()
{
    if (DocumentCount() == 0) {
        ErrorBeep();
        return;
    }
    mnuSaveClick();
}

void TfrmMainForm::mnuSaveAsClick()
{
    if (TfrmMDIChild *document = ActiveDocument())
        FPageFiles->SavePage(document, QStringLiteral("Save As"), QStringLiteral("Save..."));
}

void TfrmMainForm::mnuSaveAllClick()
{
    SetAutoSaveTimers(false);
    // The page that was active comes back to the front afterwards.
    const QPointer<TfrmMDIChild> active = ActiveDocument();
    FPageFiles->SaveAllPages();
    if (active)
        BringToFront(active);
    SetAutoSaveTimers(Options().cbAutoSave());
}

void TfrmMainForm::mnuPopSaveAllClick()
{
    mnuSaveAllClick();
}

void TfrmMainForm::mnuPreviewCurrDocClick()
{
    FPreview->Run(PreviewBrowser());
    update();
}

void TfrmMainForm::mnuPopPreviewClick()
{
    mnuPreviewCurrDocClick();
}

void TfrmMainForm::sbPreviewClick()
{
    mnuPreviewCurrDocClick();
}

void TfrmMainForm::mnuExitClick()
{
    close();
}

void TfrmMainForm::btnCutClick()
{
    EditCut(*this);
}

void TfrmMainForm::btnCopyClick()
{
    EditCopy(*this);
}

void TfrmMainForm::btnPasteClick()
{
    EditPaste(*this);
}

void TfrmMainForm::btnUndoClick()
{
    TfrmMDIChild *document = ActiveDocument();
    if (!document) {
        ErrorBeep();
        return;
    }
    if (document->EditMemo && document->EditMemo->CanUndo())
        document->Undo();
}

void TfrmMainForm::mnuPopCutClick()
{
    if (TfrmMDIChild *document = ActiveDocument())
        document->Cut();
}

void TfrmMainForm::mnuPopCopyClick()
{
    if (TfrmMDIChild *document = ActiveDocument())
        document->Copy();
}

void TfrmMainForm::mnuPopPasteClick()
{
    if (TfrmMDIChild *document = ActiveDocument())
        document->Paste();
}

QString TfrmMainForm::PreviewBrowser() const
{
    return frmOptions ? frmOptions->BrowserPath() : QString();
}

void TfrmMainForm::mnuOptionsClick()
{
    if (frmOptions)
        frmOptions->Execute();
}

void TfrmMainForm::mnuPopOptionsClick()
{
    mnuOptionsClick();
}

int TfrmMainForm::RecentFileCount() const
{
    return RecentFileList->Count();
}

void TfrmMainForm::SetRecentFileLimit(int entries)
{
    RecentFileList->SetLimit(entries);
}

void TfrmMainForm::SetReopenMenuVisible(bool visible)
{
    mnuReopen->menuAction()->setVisible(visible);
    if (QAction *separator = MenuItem(QStringLiteral("mnuReopenBreak")))
        separator->setVisible(visible);
}

bool TfrmMainForm::LoadRecentFiles()
{
    RecentFileList->SetLimit(Options().spnRUFEntries());
    return RecentFileList->LoadRecentFiles(RegistryStore::Instance());
}

void TfrmMainForm::HideRecentFileList()
{
    SetReopenMenuVisible(false);
}

void TfrmMainForm::MenusClosed()
{
    // No menu left open: its hint goes, and a bar left holding the keyboard
    // (the menu was closed with Esc) hands it back to the page.
    ShowHintText(QString());
    if (focusWidget() == menuBar()) {
        // What a second Esc would do: the bar leaves its keyboard mode.
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(menuBar(), &escape);
        if (TfrmMDIChild *document = ActiveDocument())
            document->EditMemo->setFocus(Qt::OtherFocusReason);
        else
            setFocus(Qt::OtherFocusReason);
    }
}
