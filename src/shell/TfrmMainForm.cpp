// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/TfrmMainForm.h"

#include "controls/FormBusy.h"
#include "controls/PanelStatusBar.h"
#include "controls/TList3Dim.h"
#include "editor/ErrorBeep.h"
#include "editor/TRCRichEdit.h"
#include "platform/AppDir.h"
#include "platform/Dialogs.h"
#include "platform/FatalErrorText.h"
#include "platform/ModalDialogStacking.h"
#include "platform/ProductInfo.h"
#include "shell/DocumentArea.h"
#include "shell/FileCommands.h"
#include "shell/MainCommandTable.h"
#include "shell/MainMenuBuilder.h"
#include "shell/MainMenuState.h"
#include "shell/MenuFocusReturn.h"
#include "shell/MenuMerge.h"
#include "shell/MessageNotebook.h"
#include "shell/RecentFiles.h"
#include "shell/SettingsSession.h"
#include "shell/TagCommands.h"
#include "shell/TagInspectorSide.h"
#include "shell/TagNotebookBuilder.h"
#include "shell/TfrmOptions.h"
#include "shell/ToolBarBuilder.h"
#include "shell/WindowLayout.h"
#include "shell/WindowListMenu.h"
#include "shell/WindowPlacer.h"
#include "tags/TDataMod.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPointer>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

TfrmMainForm *frmMainForm = nullptr;

TfrmMainForm::TfrmMainForm(QWidget *parent) : QMainWindow(parent)
{
    RecentFileList = new RecentFiles(this);
    FLookupData = new TList3Dim(this);
    FLookupData->setObjectName(QStringLiteral("LookupData"));
    FLookupData->SetMaxGroups(20);
    frmMainForm = this;
    setObjectName(QStringLiteral("TfrmMainForm"));
    setWindowTitle(ProductInfo::MainCaption);
    resize(630, 450);
    BuildForm();
    FFileCommands = std::make_unique<FileCommands>(
        *this,
        FileCommands::Frame{*this, *MDIClient, WorkDir, CustomColors, *RecentFileList, *mnuReopen,
                            MenuItem(QStringLiteral("mnuReopenBreak"))});
    FInspectorSide = std::make_unique<TagInspectorSide>(
        *this, *this, *TagGrpPageControl, *FLookupData, FFileCommands->FileDialogService(),
        InspectorPlacement, MenuItem(QStringLiteral("mnuTagInspector")));
    // The editor control leaves this window's keys to its menus.
    TRCRichEdit::AddProgramShortcuts(MainCommandTable::Shortcuts());
    ConnectCommands();
    FTagCommands = new TagCommands(*this);
    Dialogs::SetParentWindow(this);
    ModalDialogStacking::Install();
    FormCreate();
}

TfrmMainForm::~TfrmMainForm()
{
    FormDestroy();
    // The document windows go first, while this window can still answer
    // what they ask of it.
    disconnect(MDIClient, nullptr, this, nullptr);
    const QList<QMdiSubWindow *> windows = MDIClient->subWindowList();
    qDeleteAll(windows);
    if (Dialogs::ParentWindow() == this)
        Dialogs::SetParentWindow(nullptr);
    if (frmMainForm == this)
        frmMainForm = nullptr;
}

void TfrmMainForm::BuildForm()
{
    // Menus first, so a search by name finds this window's own items before
    // those of a document window.
    const MainMenuSet menus = MainMenuBuilder::Build(this);
    mnuFile = menus.mnuFile;
    mnuView = menus.mnuView;
    mnuTools = menus.mnuTools;
    mnuWindow = menus.mnuWindow;
    mnuHelp = menus.mnuHelp;
    mnuReopen = menus.mnuReopen;
    mnuMainPopup = menus.mnuMainPopup;
    FMainMenus = menus.Groups;
    FMenuState = std::make_unique<MainMenuState>(menus);
    mnuWindow->menuAction()->setVisible(false);
    FWindowList =
        new WindowListMenu(mnuWindow, [this](TfrmMDIChild *document) { BringToFront(document); });

    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("pnlClient"));
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    pnlToolBar = ToolBarBuilder::Build(central);
    layout->addWidget(pnlToolBar);
    pnlTagNotebookBar = TagNotebookBuilder::Build(central);
    TagGrpPageControl =
        pnlTagNotebookBar->findChild<QTabWidget *>(QStringLiteral("TagGrpPageControl"));
    layout->addWidget(pnlTagNotebookBar);

    MDIClient = new DocumentArea(central);
    MDIClient->setObjectName(QStringLiteral("MDIClient"));
    MDIClient->setBackground(palette().brush(QPalette::Dark));
    MDIClient->setContextMenuPolicy(Qt::CustomContextMenu);
    layout->addWidget(MDIClient, 1);

    MsgNotebook = new MessageNotebook(central);
    MessageBar = MsgNotebook->MessageBar;
    pnlProgress = MsgNotebook->pnlProgress;
    lblProgressMessage = MsgNotebook->lblProgressMessage;
    ProgressBar = MsgNotebook->ProgressBar;
    layout->addWidget(MsgNotebook);
    setCentralWidget(central);
    MergeMenus();
}

QAction *TfrmMainForm::MenuItem(const QString &name) const
{
    return FMenuState->Item(name);
}

void TfrmMainForm::ConnectCommands()
{
    for (const CommandContainer &menu : MainCommandTable::Menus()) {
        if (menu.onOpen)
            connect(MenuItem(QLatin1String(menu.name))->menu(), &QMenu::aboutToShow, this,
                    menu.onOpen);
    }
    // A pop-up menu opened on its own sends no status tips to this window.
    connect(mnuMainPopup, &QMenu::hovered, this,
            [this](QAction *action) { ShowHintText(action->statusTip()); });
    connect(mnuMainPopup, &QMenu::aboutToHide, this, [this] { ShowHintText(QString()); });
    new MenuFocusReturn(menuBar(), [this] { MenusClosed(); });
    connect(MDIClient, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { mnuMainPopup->popup(MDIClient->mapToGlobal(pos)); });
    connect(MDIClient, &QMdiArea::subWindowActivated, this, &TfrmMainForm::SubWindowActivated);
    connect(TagGrpPageControl, &QTabWidget::currentChanged, this,
            &TfrmMainForm::TagGrpPageControlChange);

    // The commands of this window; TagCommands connects its own.
    for (const MainCommandRecord &record : MainCommandTable::Records()) {
        if (!record.handler.OnTagCommands())
            MainCommandTable::Connect(record, *this, this);
    }
}

void TfrmMainForm::FormCreate()
{
    if (FatalErrorText().isEmpty()) {
        SetupDone = false;
        ApplyDefaultLayout();
        TagGrpPageControl->setCurrentIndex(0);
        MsgNotebook->setCurrentIndex(MessageNotebook::StatusPage);
        MessageBar->SetPanelText(MessageNotebook::pnlStatus, QStringLiteral(" Ready"));
        // The setup record tells a first run from a later one; the
        // settings work that follows it joins here.
        if (DataMod)
            DataMod->ReadSetupInfo(SetupDone);
        if (WorkDir.isEmpty())
            WorkDir = AppDir::WebPagesDir();
        FModifiedIndicatorOn = false;
        FirstActivation = true;
        ShowOptionPanels();
        SetBarStates(true, true, true);
    }
    ApplyMainPlacement(MainPlacement);
    QCoreApplication::processEvents();
}

void TfrmMainForm::ApplyDefaultLayout()
{
    const WindowLayout layout = DefaultWindowLayout(WindowPlacer::ScreenSize());
    MainPlacement = layout.Main;
    InspectorPlacement = layout.Inspector;
    WindowPlacer::Apply(this, MainPlacement);
}

void TfrmMainForm::ApplyMainPlacement(const WindowPlacement &placement)
{
    MainPlacement = placement;
    if (IsUsableWindowRect(placement, WindowPlacer::ScreenSize()))
        WindowPlacer::Apply(this, placement);
    else
        ApplyDefaultLayout();
}

QList<TfrmMDIChild *> TfrmMainForm::Documents() const
{
    return MDIClient->Documents();
}

TfrmMDIChild *TfrmMainForm::ActiveDocument() const
{
    return MDIClient->ActiveDocument();
}

int TfrmMainForm::DocumentCount() const
{
    return int(Documents().size());
}

void TfrmMainForm::AddDocumentWindow(TfrmMDIChild *child)
{
    if (!child)
        return;
    const QRect geometry = MDIClient->NextDocumentGeometry();
    MDIClient->addSubWindow(child);
    child->setGeometry(geometry);
    child->show();
    MDIClient->setActiveSubWindow(child);
    MergeMenus();
    child->EditMemo->setFocus();
}

void TfrmMainForm::BringToFront(TfrmMDIChild *child)
{
    if (!child)
        return;
    if (child->isMinimized())
        child->showNormal();
    MDIClient->setActiveSubWindow(child);
    child->raise();
    MergeMenus();
    child->EditMemo->setFocus();
}

void TfrmMainForm::SubWindowActivated(QMdiSubWindow *window)
{
    if (auto *child = qobject_cast<TfrmMDIChild *>(window)) {
        MergeMenus(child);
        return;
    }
    // No window activated: while the frame itself is inactive the current
    // document stays and keeps its menus; without a current document the
    // last one is going away, and its menus leave with it. Should another
    // document remain, the frame activates it next.
    auto *current = qobject_cast<TfrmMDIChild *>(MDIClient->currentSubWindow());
    MergeMenus(current && !current->isHidden() ? current : nullptr);
}

void TfrmMainForm::MergeMenus()
{
    MergeMenus(ActiveDocument());
}

void TfrmMainForm::MergeMenus(TfrmMDIChild *active)
{
    MenuMerge::Apply(menuBar(), FMainMenus, active ? active->ChildMenus() : QList<MergedMenu>());
    // Keeps the file items' shortcuts in step with the open documents.
    mnuFileClick();
}

const LiveOptions &TfrmMainForm::Options() const
{
    // The options dialog holds the live copy once it exists.
    if (frmOptions)
        return *frmOptions;
    return FOptions;
}

void TfrmMainForm::ErrorBeep()
{
    ::ErrorBeep(Options());
}

void TfrmMainForm::SetStatusText(int panel, const QString &text)
{
    MessageBar->SetPanelText(panel, text);
}

void TfrmMainForm::ShowModifiedState(bool modified)
{
    if (!FModifiedIndicatorOn)
        return;
    MessageBar->SetPanelText(MessageNotebook::pnlModified,
                             modified ? QStringLiteral("Modified...") : QString());
    MessageBar->RepaintNow();
}

void TfrmMainForm::SetModifiedIndicatorOn(bool on)
{
    FModifiedIndicatorOn = on;
}

void TfrmMainForm::ShowCaretPosition()
{
    TfrmMDIChild *document = ActiveDocument();
    if (!document || !document->EditMemo)
        return;
    MessageBar->SetPanelText(MessageNotebook::pnlCaret,
                             QStringLiteral("%1 : %2")
                                 .arg(document->EditMemo->Row() + 1)
                                 .arg(document->EditMemo->Col() + 1));
}

void TfrmMainForm::ShowProgress(const QString &message)
{
    MsgNotebook->ShowProgress(message);
}

void TfrmMainForm::SetBusy(bool busy)
{
    SetFormBusy(this, busy);
}

void TfrmMainForm::SetWindowMenuVisible(bool visible)
{
    mnuWindow->menuAction()->setVisible(visible);
}

QMenu *TfrmMainForm::MainPopupMenu() const
{
    return mnuMainPopup;
}

void TfrmMainForm::RunMainCommand(MainCommand command)
{
    if (const MainCommandRecord *record = MainCommandTable::Forwarded(command))
        MainCommandTable::Run(record->handler, *this);
}

void TfrmMainForm::InsertDroppedItem(QObject *)
{
    // The drop targets (Link Manager tree, special characters grid) insert
    // through their own windows, which are not part of the program yet.
}

void TfrmMainForm::ShowHintText(const QString &hint)
{
    // The Link Manager and the find results show hints on their own bars
    // while they are active; they join here with those windows.
    MsgNotebook->ShowHint(hint);
}

void TfrmMainForm::SetAutoSaveTimers(bool on)
{
    MDIClient->SetAutoSaveTimers(on);
}

void TfrmMainForm::ShowOptionPanels()
{
    for (const MessageNotebook::PanelText &panel : MessageNotebook::OptionPanelTexts(Options()))
        MessageBar->SetPanelText(panel.panel, panel.text);
    MessageBar->RepaintNow();
}

bool TfrmMainForm::event(QEvent *event)
{
    if (event->type() == QEvent::StatusTip) {
        ShowHintText(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TfrmMainForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmMainForm::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void TfrmMainForm::FormActivate()
{
    if (!FatalErrorText().isEmpty()) {
        Dialogs::Instance().MessageBox(MsgKind::Error,
                                       QStringLiteral("Fatal error occured.\r") + FatalErrorText()
                                           + QStringLiteral("\r") + MakerContactText(),
                                       mbOK);
        close();
        return;
    }
    if (FirstActivation) {
        // The tip of the day and the welcome dialog join here.
        FirstActivation = false;
    }
    if (isVisible())
        repaint();
}

void TfrmMainForm::closeEvent(QCloseEvent *event)
{
    // Each document window handles its own unsaved changes; one that stays
    // open (its user cancelled) keeps the frame open too.
    const QList<TfrmMDIChild *> documents = Documents();
    for (const QPointer<TfrmMDIChild> document : documents) {
        if (document && !document->isHidden() && !document->close()) {
            event->ignore();
            return;
        }
    }
    FormClose();
    event->accept();
    CloseToolWindows();
}

void TfrmMainForm::FormClose()
{
    if (!FatalErrorText().isEmpty())
        return;
    SettingsSession::SaveAtClose(*this);
}

void TfrmMainForm::FormDestroy()
{
    SetAutoSaveTimers(false);
    QCoreApplication::processEvents();
}

void TfrmMainForm::CloseToolWindows()
{
    // The program ends with this window: no other window (the Tag
    // Inspector, the help) may keep it running unseen.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (const QPointer<QWidget> window : windows) {
        if (window && window != this && window->isVisible() && !window->close())
            window->hide();
    }
}
