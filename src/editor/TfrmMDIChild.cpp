// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/TfrmMDIChild.h"

#include "editor/AttributeItems.h"
#include "editor/ChildCommandTable.h"
#include "editor/ChildMenuBuilder.h"
#include "editor/EditCommands.h"
#include "editor/EditorDropRule.h"
#include "editor/InsertionOperations.h"
#include "editor/LiveOptions.h"
#include "editor/PageFileReader.h"
#include "editor/PageFileWatcher.h"
#include "editor/PageFiles.h"
#include "editor/TRCRichEdit.h"
#include "editor/Workspace.h"
#include "platform/Dialogs.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QMdiArea>
#include <QMenu>
#include <QPointer>
#include <QTimer>

namespace {

const QString ModifiedText = QStringLiteral("Modified...");
constexpr int MillisecondsPerMinute = 60000;

} // namespace

TfrmMDIChild::TfrmMDIChild(Workspace &workspace, QWidget *parent)
    : QMdiSubWindow(parent), FWorkspace(workspace)
{
    setObjectName(QStringLiteral("frmMDIChild"));
    // Closing frees the window; the caller replaces this designed caption
    // before the window is shown.
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Untitled"));

    EditMemo = new TRCRichEdit(this);
    EditMemo->setObjectName(QStringLiteral("EditMemo"));
    setWidget(EditMemo);
    SaveTimer = new QTimer(this);
    SaveTimer->setObjectName(QStringLiteral("SaveTimer"));
    connect(SaveTimer, &QTimer::timeout, this, &TfrmMDIChild::SaveTimerTimer);
    BuildMenus();

    EditMemo->SetPopupMenu(FWorkspace.MainPopupMenu());
    EditMemo->SetDropRules([](QObject *source) { return AcceptsEditorDrop(source); },
                           [this](QObject *source) {
                               if (QObject *view = EditorDropSource(source))
                                   FWorkspace.InsertDroppedItem(view);
                           });
    connect(EditMemo, &TRCRichEdit::Change, this, &TfrmMDIChild::EditMemoChange);
    connect(EditMemo, &TRCRichEdit::SelectionChange, this, &TfrmMDIChild::EditMemoSelectionChange);
    // A mouse button pressed in the page ends incremental search mode.
    connect(EditMemo, &TRCRichEdit::MouseDown, this, [this] {
        if (FIncrSearch)
            EndIncrSearch();
    });

    // Losing activation shows in the window state; gaining it is taken from
    // the frame (see changeEvent), which names its active window only after
    // the state has changed.
    connect(this, &QMdiSubWindow::windowStateChanged, this,
            [this](Qt::WindowStates oldState, Qt::WindowStates newState) {
                if (oldState.testFlag(Qt::WindowActive) && !newState.testFlag(Qt::WindowActive))
                    FormDeactivate();
            });

    FIncrText.clear();
    FFileName = UntitledMarker;
    FIncrSearch = false;
    FReady = true;
    ApplyOptions();
    update();
    QCoreApplication::processEvents();
}

TfrmMDIChild::~TfrmMDIChild()
{
    SaveTimer->stop();
    PageFileWatcher::Instance().Forget(this);
    // The editor, the frame and the base window outlive this destructor's
    // body; their last signals must not reach a half-destroyed window. The
    // frame may itself be half destroyed here, so it is not touched.
    disconnect(EditMemo, nullptr, this, nullptr);
    disconnect(FAreaActivation);
    disconnect(this, &QMdiSubWindow::windowStateChanged, this, nullptr);
    if (!FReady) {
        // An operation still holds the editor: let it finish first.
        WaitUntilReady();
        QCoreApplication::processEvents();
    }
}

void TfrmMDIChild::WaitUntilReady() const
{
    QPointer<TfrmMDIChild> self(const_cast<TfrmMDIChild *>(this));
    while (self && !self->FReady)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

QList<MergedMenu> TfrmMDIChild::ChildMenus() const
{
    return {{1, mnuEdit}, {1, mnuSearch}, {3, mnuTags}};
}

void TfrmMDIChild::BuildMenus()
{
    const ChildMenuBuilder::Menus menus = ChildMenuBuilder::Build(*this);
    mnuEdit = menus.edit;
    mnuSearch = menus.search;
    mnuTags = menus.tags;
    mnuUndo = mnuEdit->findChild<QAction *>(QStringLiteral("mnuUndo"));
    mnuCut = mnuEdit->findChild<QAction *>(QStringLiteral("mnuCut"));
    mnuCopy = mnuEdit->findChild<QAction *>(QStringLiteral("mnuCopy"));
    mnuClear = mnuEdit->findChild<QAction *>(QStringLiteral("mnuClear"));
}

void TfrmMDIChild::ApplyOptions()
{
    const LiveOptions &options = FWorkspace.Options();
    EditMemo->SetEditorFont(options.EditorFont(), options.EditorFontColor());
    EditMemo->SetBackColor(options.editBackColor());
    EditMemo->SetWordWrap(options.cbWordWrap());
    // The option allows 1 to 255 minutes; never let the timer fire at once.
    SaveTimer->setInterval(qMax(1, options.spnSaveInterval()) * MillisecondsPerMinute);
    RunSaveTimerByOption();
    mnuTags->menuAction()->setVisible(options.cbTagsMenu());
}

void TfrmMDIChild::RunSaveTimerByOption()
{
    if (!FWorkspace.Options().cbAutoSave())
        SaveTimer->stop();
    else if (!SaveTimer->isActive())
        SaveTimer->start();
}

void TfrmMDIChild::Undo()
{
    EditMemo->Undo();
}

void TfrmMDIChild::Cut()
{
    EditMemo->Cut();
}

void TfrmMDIChild::Copy()
{
    EditMemo->Copy();
}

void TfrmMDIChild::Paste()
{
    EditMemo->Paste();
}

void TfrmMDIChild::FormActivate()
{
    FWorkspace.ShowCaretPosition();
    FWorkspace.SetWindowMenuVisible(true);
    FWorkspace.SetStatusText(4, EditMemo->Modified() ? ModifiedText : QString());
}

void TfrmMDIChild::FormDeactivate()
{
    if (FIncrSearch)
        EndIncrSearch();
}

void TfrmMDIChild::EndIncrSearch()
{
    FIncrText.clear();
    FWorkspace.SetStatusText(0, QString());
    EditMemo->SetSelStart(EditMemo->SelStart());
    FIncrSearch = false;
}

void TfrmMDIChild::EditMemoChange()
{
    EditMemo->SetModified(true);
    FWorkspace.ShowModifiedState(true);
    mnuEditClick();
}

void TfrmMDIChild::EditMemoSelectionChange()
{
    FWorkspace.ShowCaretPosition();
    mnuEditClick();
}

void TfrmMDIChild::SaveTimerTimer()
{
    // Only titled pages with changes are saved automatically: rewriting an
    // unchanged page would put back an older text over what another
    // program wrote. A change on disk the user chose to keep is left alone.
    // The save stops this timer while it works and restarts it by the
    // autosave option.
    if (!IsUntitled() && EditMemo->Modified() && !DiskChangeDeclined(PageDiskStamp::Of(FFileName)))
        PageFiles(FWorkspace).SavePage(this, QStringLiteral("Save"), QStringLiteral("Autosave..."));
    QCoreApplication::processEvents();
}

bool TfrmMDIChild::LoadPage()
{
    EditMemo->update();
    QCoreApplication::processEvents();

    PageFileReader::Result file = PageFileReader::Read(FFileName);
    bool loaded = false;
    if (file.failure.isEmpty()) {
        const PageCodec::Decoded page = PageCodec::Decode(file.bytes);
        file.bytes = QByteArray();
        if (page.looksBinary
            && Dialogs::Instance().MessageBox(
                   MsgKind::Confirmation,
                   FFileName + QStringLiteral(" does not look like a text page. Open it anyway?"),
                   mbYesNo)
                != mbYes) {
            QCoreApplication::processEvents();
            return false;
        }
        try {
            loaded = EditMemo->SetText(page.text);
        } catch (const std::bad_alloc &) {
            loaded = false;
        }
        if (loaded)
            FEncoding = page.encoding;
        else
            file.failure = QStringLiteral("Not enough memory to hold the page");
    }
    if (!loaded) {
        Dialogs::Instance().MessageBox(
            MsgKind::Warning,
            QStringLiteral("Can not open the file : ") + QLatin1Char('\r') + file.failure, mbOK);
        QCoreApplication::processEvents();
        return false;
    }
    SetDiskStamp(file.stamp);
    FDeclinedStamp = PageDiskStamp();
    EditMemo->update();
    QCoreApplication::processEvents();
    EditMemo->SetSelStart(0);
    EditMemo->SetModified(false);
    QCoreApplication::processEvents();
    return true;
}

void TfrmMDIChild::SetDiskStamp(const PageDiskStamp &stamp)
{
    FDiskStamp = stamp;
    PageFileWatcher::Instance().Watch(this, IsUntitled() ? QString() : FFileName);
}

void TfrmMDIChild::DiskFileChanged()
{
    if (IsUntitled() || FAskingAboutDisk || !FReady)
        return;
    const PageDiskStamp now = PageDiskStamp::Of(FFileName);
    // Our own save, a file that is gone (the next save writes it again), a
    // change already declined, or a page with changes of its own (its save
    // asks before overwriting): nothing to offer.
    if (now == FDiskStamp || !now.exists || DiskChangeDeclined(now) || EditMemo->Modified())
        return;
    FAskingAboutDisk = true;
    QPointer<TfrmMDIChild> self(this);
    const MsgButton answer = Dialogs::Instance().MessageBox(
        MsgKind::Confirmation,
        FFileName + QStringLiteral(" was changed by another program. Reload it?"), mbYesNo);
    if (!self)
        return;
    FAskingAboutDisk = false;
    // The page may have been changed while the question was open.
    if (answer != mbYes || EditMemo->Modified()) {
        DeclineDiskChange(now);
        return;
    }
    const quint32 position = EditMemo->Posn();
    FReady = false;
    FWorkspace.SetModifiedIndicatorOn(false);
    const bool loaded = LoadPage();
    FWorkspace.SetModifiedIndicatorOn(true);
    FReady = true;
    if (!loaded) {
        // Nothing of the file is left in the editor, and the page had no
        // changes of its own: the window goes rather than stay bound to a
        // file it does not hold.
        close();
        return;
    }
    EditMemo->SetPosn(position);
    EditMemo->ScrollCaret();
    if (FWorkspace.ActiveDocument() == this)
        FWorkspace.ShowModifiedState(false);
}

void TfrmMDIChild::mnuEditClick()
{
    // Also applied on every change of text or selection, so that the
    // shortcuts of these items work whenever the rule allows them.
    const bool selected = EditMemo->SelLength() > 0;
    mnuCut->setEnabled(selected);
    mnuCopy->setEnabled(selected);
    mnuClear->setEnabled(selected);
    mnuUndo->setEnabled(EditMemo->CanUndo());
}

void TfrmMDIChild::mnuUndoClick()
{
    EditMemo->Undo();
}

void TfrmMDIChild::mnuCutClick()
{
    EditMemo->Cut();
}

void TfrmMDIChild::mnuCopyClick()
{
    EditMemo->Copy();
}

void TfrmMDIChild::mnuPasteClick()
{
    EditPaste(FWorkspace);
}

void TfrmMDIChild::mnuClearClick()
{
    EditMemo->Clear();
}

void TfrmMDIChild::mnuSelectAllClick()
{
    EditMemo->SelectAll();
}

void TfrmMDIChild::mnuDLClick()
{
    InsertTagPair(FWorkspace, QStringLiteral("DL"),
                  QStringLiteral("Term and term's definition go here"));
}

void TfrmMDIChild::mnuLIClick()
{
    InsertText(FWorkspace, QStringLiteral("<LI>"), -1);
}

void TfrmMDIChild::ForwardTagItem(MainCommand command)
{
    FWorkspace.RunMainCommand(command);
}

void TfrmMDIChild::AttributeItemClick(const QString &objectName)
{
    const AttributeItem *item = ChildCommandTable::Attribute(objectName);
    if (!item)
        return;
    const LiveOptions &options = FWorkspace.Options();
    const AttributeInsertion insertion =
        AttributeItems::Build(*item, options.cbAttrUpperCase(), options.cbTagPrompt());
    InsertText(FWorkspace, insertion.text, insertion.caretOffset);
}

bool TfrmMDIChild::FormCloseQuery()
{
    if (!EditMemo->Modified())
        return true;
    SaveTimer->stop();
    FWorkspace.BringToFront(this);
    const MsgButton answer = Dialogs::Instance().MessageBox(
        MsgKind::Confirmation, QStringLiteral("Do you want to save changes to ") + windowTitle(),
        mbYesNoCancel);
    switch (answer) {
    case mbYes:
        if (FWorkspace.SaveDocument(this))
            return true;
        // Prompt cancelled or writing failed: the page stays open.
        RunSaveTimerByOption();
        return false;
    case mbNo:
        return true;
    default:
        RunSaveTimerByOption();
        return false;
    }
}

void TfrmMDIChild::FormClose()
{
    QCoreApplication::processEvents();
    // The window is going away: no autosave tick may reach it any more.
    SaveTimer->stop();
    if (!IsUntitled())
        FWorkspace.AddRecentFile(FFileName);
    FWorkspace.SetWindowMenuVisible(false);
    FWorkspace.SetStatusText(3, QString());
    FWorkspace.ShowModifiedState(false);
}

void TfrmMDIChild::closeEvent(QCloseEvent *event)
{
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    QMdiSubWindow::closeEvent(event);
}

void TfrmMDIChild::changeEvent(QEvent *event)
{
    QMdiSubWindow::changeEvent(event);
    if (event->type() != QEvent::ParentChange)
        return;
    QMdiArea *area = nullptr;
    for (QWidget *w = parentWidget(); w && !area; w = w->parentWidget())
        area = qobject_cast<QMdiArea *>(w);
    if (area == FMdiArea)
        return;
    disconnect(FAreaActivation);
    FMdiArea = area;
    if (FMdiArea) {
        FAreaActivation =
            connect(FMdiArea, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow *window) {
                if (window == this)
                    FormActivate();
            });
    }
}

void TfrmMDIChild::resizeEvent(QResizeEvent *event)
{
    QMdiSubWindow::resizeEvent(event);
    if (EditMemo)
        EditMemo->update();
}
