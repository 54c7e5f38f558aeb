// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The main window's menu and button commands, the menu state when a menu
// opens, and what the options dialog and the Tag Inspector ask of it. The
// file and preview commands pass on to FileCommands, the Tag Inspector's to
// TagInspectorSide. The window itself, its services and its life are in
// TfrmMainForm.cpp.
#include "shell/TfrmMainForm.h"

#include "controls/Hints.h"
#include "editor/EditCommands.h"
#include "editor/TRCRichEdit.h"
#include "platform/Help.h"
#include "shell/DocumentArea.h"
#include "shell/FileCommands.h"
#include "shell/MainMenuState.h"
#include "shell/MessageNotebook.h"
#include "shell/RecentFiles.h"
#include "shell/TagInspectorSide.h"
#include "shell/TfrmOptions.h"
#include "shell/WindowListMenu.h"

#include <QAction>
#include <QClipboard>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QToolButton>

bool TfrmMainForm::HasSelection() const
{
    TfrmMDIChild *document = ActiveDocument();
    return document && document->EditMemo && document->EditMemo->SelLength() > 0;
}

void TfrmMainForm::mnuFileClick()
{
    FMenuState->UpdateFileMenu(DocumentCount() > 0, Options().cbRUFList());
}

void TfrmMainForm::mnuViewClick()
{
    FMenuState->UpdateViewMenu(DocumentCount() > 0);
    update();
}

void TfrmMainForm::mnuToolsClick()
{
    FMenuState->UpdateToolsMenu(DocumentCount() > 0, HasSelection(),
                                HintOf(findChild<QToolButton *>(QStringLiteral("sbUpperCase"))),
                                HintOf(findChild<QToolButton *>(QStringLiteral("sbLowerCase"))));
}

void TfrmMainForm::mnuMainPopupPopup()
{
    const QMimeData *clipboard = QGuiApplication::clipboard()->mimeData();
    FMenuState->UpdatePopupMenu(DocumentCount() > 0, HasSelection(),
                                clipboard && clipboard->hasText());
    update();
}

void TfrmMainForm::mnuWindowPopup()
{
    FWindowList->Update(MDIClient->DocumentsInCreationOrder(), ActiveDocument());
}

void TfrmMainForm::ApplyBarStates()
{
    pnlToolBar->setVisible(ToolBarShown());
    pnlTagNotebookBar->setVisible(TagNotebookBarShown());
    MsgNotebook->setVisible(MessageBarShown());
}

void TfrmMainForm::SetBarStates(bool toolBar, bool tagNotebookBar, bool messageBar)
{
    MenuItem(QStringLiteral("mnuToolBar"))->setChecked(toolBar);
    MenuItem(QStringLiteral("mnuTagNotebookBar"))->setChecked(tagNotebookBar);
    MenuItem(QStringLiteral("mnuMessagebar"))->setChecked(messageBar);
    ApplyBarStates();
}

bool TfrmMainForm::BarChecked(const char *item) const
{
    return MenuItem(QLatin1String(item))->isChecked();
}

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
    FFileCommands->New();
}

void TfrmMainForm::btnNewClick()
{
    FFileCommands->New();
}

void TfrmMainForm::mnuCloseClick()
{
    FFileCommands->Close();
}

void TfrmMainForm::mnuOpenClick()
{
    FFileCommands->Open();
}

void TfrmMainForm::btnOpenClick()
{
    FFileCommands->Open();
}

void TfrmMainForm::mnuSaveClick()
{
    FFileCommands->Save();
}

void TfrmMainForm::btnSaveClick()
{
    FFileCommands->SaveOrBeep();
}

void TfrmMainForm::mnuSaveAsClick()
{
    FFileCommands->SaveAs();
}

void TfrmMainForm::mnuSaveAllClick()
{
    FFileCommands->SaveAll();
}

void TfrmMainForm::mnuPopSaveAllClick()
{
    FFileCommands->SaveAll();
}

void TfrmMainForm::mnuPreviewCurrDocClick()
{
    FFileCommands->ShowPreview();
}

void TfrmMainForm::mnuPopPreviewClick()
{
    FFileCommands->ShowPreview();
}

void TfrmMainForm::sbPreviewClick()
{
    FFileCommands->ShowPreview();
}

bool TfrmMainForm::SaveDocument(TfrmMDIChild *child)
{
    return FFileCommands->SaveDocument(child);
}

QString TfrmMainForm::PromptOpenFileName()
{
    return FFileCommands->PromptOpenFileName();
}

QString TfrmMainForm::PromptSaveFileName(bool saveAs)
{
    return FFileCommands->PromptSaveFileName(saveAs);
}

void TfrmMainForm::AddRecentFile(const QString &fileName)
{
    RecentFileList->AddRecentFile(fileName);
}

PageFiles &TfrmMainForm::Pages() const
{
    return FFileCommands->Pages();
}

FileDialogs &TfrmMainForm::FileDialogService() const
{
    return FFileCommands->FileDialogService();
}

void TfrmMainForm::OpenFiles(const QStringList &fileNames)
{
    FFileCommands->OpenFiles(fileNames);
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

void TfrmMainForm::FormShow()
{
    FInspectorSide->ShowAtStart();
}

void TfrmMainForm::mnuTagInspectorClick()
{
    FInspectorSide->Show();
}

void TfrmMainForm::sbTagInspectorClick()
{
    FInspectorSide->Show();
}

void TfrmMainForm::mnuPopTagInspectorClick()
{
    FInspectorSide->Show();
}

void TfrmMainForm::TagGrpPageControlChange()
{
    FInspectorSide->PageChanged();
}

void TfrmMainForm::SelectTagGroupPage(const QString &group)
{
    FInspectorSide->SelectTagGroupPage(group);
}

QString TfrmMainForm::CurrentTagGroupPage() const
{
    return FInspectorSide->CurrentTagGroupPage();
}

QObject *TfrmMainForm::TagGroupPageControl() const
{
    return TagGrpPageControl;
}

QString TfrmMainForm::SelectFile(const QString &kind)
{
    return FInspectorSide->SelectFile(kind);
}

void TfrmMainForm::PlaceInspector(QWidget &inspector)
{
    FInspectorSide->PlaceInspector(inspector);
}

WindowPlacement TfrmMainForm::CurrentInspectorPlacement() const
{
    return FInspectorSide->CurrentPlacement();
}

void TfrmMainForm::InspectorClosed()
{
    FInspectorSide->InspectorClosed();
}

void TfrmMainForm::ActivateMainWindow()
{
    FInspectorSide->ActivateMainWindow();
}

void TfrmMainForm::mnuContentsClick()
{
    Help::Instance().ShowTopic(QStringLiteral("CONTENTS"));
}

void TfrmMainForm::mnuSearchClick()
{
    Help::Instance().ShowFinder();
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
    FFileCommands->SetReopenMenuVisible(visible);
}

bool TfrmMainForm::LoadRecentFiles()
{
    return FFileCommands->LoadRecentFiles();
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
