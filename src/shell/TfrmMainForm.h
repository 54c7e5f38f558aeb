// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/LiveOptionValues.h"
#include "editor/TfrmMDIChild.h"
#include "editor/Workspace.h"
#include "shell/OptionsTarget.h"
#include "shell/WindowPlacement.h"
#include "tags/InspectorHost.h"

#include <QColor>
#include <QList>
#include <QMainWindow>
#include <QStringList>
#include <memory>

class DocumentArea;
class FileCommands;
class FileDialogs;
class RecentFiles;
class MainMenuState;
class MessageNotebook;
class PageFiles;
class PanelStatusBar;
class QAction;
class QFrame;
class QLabel;
class QMdiSubWindow;
class QMenu;
class QProgressBar;
class QTabWidget;
class TagCommands;
class TagInspectorSide;
class TList3Dim;
class WindowListMenu;

// The main frame window: tool bar, tag notebook bar, menus, the frame that
// holds the document windows, and the message bar. It routes the menu and
// button commands and offers the services the rest of the program asks of
// it (active document, message bar, beep rule, live options). Its file and
// preview commands live in FileCommands, its side of the Tag Inspector in
// TagInspectorSide and its tag commands in TagCommands; the handlers named
// here pass on to them.
class TfrmMainForm : public QMainWindow,
                     public Workspace,
                     public OptionsTarget,
                     public InspectorHost {
    Q_OBJECT
public:
    explicit TfrmMainForm(QWidget *parent = nullptr);
    ~TfrmMainForm() override;

    QFrame *pnlToolBar = nullptr;
    QFrame *pnlTagNotebookBar = nullptr;
    QTabWidget *TagGrpPageControl = nullptr;
    DocumentArea *MDIClient = nullptr;
    MessageNotebook *MsgNotebook = nullptr;
    PanelStatusBar *MessageBar = nullptr;
    QFrame *pnlProgress = nullptr;
    QLabel *lblProgressMessage = nullptr;
    QProgressBar *ProgressBar = nullptr;
    QMenu *mnuFile = nullptr;
    QMenu *mnuView = nullptr;
    QMenu *mnuTools = nullptr;
    QMenu *mnuWindow = nullptr;
    QMenu *mnuHelp = nullptr;
    QMenu *mnuReopen = nullptr;
    QMenu *mnuMainPopup = nullptr;

    // The folder last used in a file dialog.
    QString WorkDir;
    // Whether the first-run setup has been done (read from the setup table).
    bool SetupDone = false;
    // Stored placements of this window and of the Tag Inspector.
    WindowPlacement MainPlacement;
    WindowPlacement InspectorPlacement;
    // True from creation until the first activation has run.
    bool FirstActivation = true;
    // The custom colours of the colour dialog, kept between its uses.
    QList<QColor> CustomColors;
    // The recently used page files.
    RecentFiles *RecentFileList = nullptr;

    // The page files and the file and colour dialog services.
    PageFiles &Pages() const;
    FileDialogs &FileDialogService() const;
    // Opens page files in turn (those named on the command line or handed
    // over by a later copy of the program).
    void OpenFiles(const QStringList &fileNames);

    // A menu item or button of this window by its name.
    QAction *MenuItem(const QString &name) const;
    // The tag buttons and the text commands of the Tools and pop-up menus.
    TagCommands &Tags() const { return *FTagCommands; }

    // Workspace.
    TfrmMDIChild *ActiveDocument() const override;
    int DocumentCount() const override;
    QList<TfrmMDIChild *> Documents() const override;
    void AddDocumentWindow(TfrmMDIChild *child) override;
    void BringToFront(TfrmMDIChild *child) override;
    const LiveOptions &Options() const override;
    void ErrorBeep() override;
    void SetStatusText(int panel, const QString &text) override;
    void ShowModifiedState(bool modified) override;
    void SetModifiedIndicatorOn(bool on) override;
    void ShowCaretPosition() override;
    void ShowProgress(const QString &message) override;
    void SetBusy(bool busy) override;
    void SetWindowMenuVisible(bool visible) override;
    QMenu *MainPopupMenu() const override;
    void RunMainCommand(MainCommand command) override;
    void InsertDroppedItem(QObject *source) override;
    bool SaveDocument(TfrmMDIChild *child) override;
    QString PromptOpenFileName() override;
    QString PromptSaveFileName(bool saveAs) override;
    void AddRecentFile(const QString &fileName) override;

    // The live options, for those who set them.
    LiveOptionValues &OptionValues() { return FOptions; }
    bool ModifiedIndicatorOn() const { return FModifiedIndicatorOn; }

    // Shows a hint (or the long part of a two-part hint) on the message bar;
    // an empty hint brings the panels back.
    void ShowHintText(const QString &hint);
    // Brings forward the tag notebook page of a tag group.
    void SelectTagGroupPage(const QString &group) override;
    // Switches the autosave timer of every document, each when it is ready.
    void SetAutoSaveTimers(bool on);
    // Writes "Auto Save" and "Word Wrap" into their panels by the options.
    void ShowOptionPanels();
    // The check marks and visibility of the three bars.
    void SetBarStates(bool toolBar, bool tagNotebookBar, bool messageBar);
    bool ToolBarShown() const { return BarChecked("mnuToolBar"); }
    bool TagNotebookBarShown() const { return BarChecked("mnuTagNotebookBar"); }
    bool MessageBarShown() const { return BarChecked("mnuMessagebar"); }

    // Applies a stored placement when it fits the screen, else the default
    // layout (which also resets InspectorPlacement).
    void ApplyMainPlacement(const WindowPlacement &placement);
    void ApplyDefaultLayout();

    // What the options dialog asks of the main window.
    QList<QColor> &ColorDialogCustomColors() override { return CustomColors; }
    int RecentFileCount() const override;
    void SetRecentFileLimit(int entries) override;
    void SetReopenMenuVisible(bool visible) override;
    bool LoadRecentFiles() override;
    void HideRecentFileList() override;

    // What the Tag Inspector asks of the main window.
    TList3Dim &LookupData() override { return *FLookupData; }
    QString CurrentTagGroupPage() const override;
    QObject *TagGroupPageControl() const override;
    QString SelectFile(const QString &kind) override;
    void PlaceInspector(QWidget &inspector) override;
    void InspectorClosed() override;
    void ActivateMainWindow() override;
    void ShowHint(const QString &hint) override { ShowHintText(hint); }
    // The Tag Inspector's placement now: read from its window when there
    // is one, else the stored one.
    WindowPlacement CurrentInspectorPlacement() const;

public slots:
    // Menu state when a menu opens.
    void mnuFileClick();
    void mnuViewClick();
    void mnuToolsClick();
    void mnuMainPopupPopup();
    void mnuWindowPopup();
    // Bars.
    void mnuToolBarClick();
    void mnuTagNotebookBarClick();
    void mnuMessagebarClick();
    // Shows or hides each bar by its item's check mark.
    void ApplyBarStates();
    // Window arrangement.
    void mnuCascadeClick();
    void mnuHorizontalClick();
    void mnuArrangeIconsClick();
    // File commands.
    void mnuNewClick();
    void btnNewClick();
    void mnuCloseClick();
    void mnuOpenClick();
    void btnOpenClick();
    void mnuSaveClick();
    void btnSaveClick();
    void mnuSaveAsClick();
    void mnuSaveAllClick();
    void mnuPopSaveAllClick();
    // Preview.
    void mnuPreviewCurrDocClick();
    void mnuOptionsClick();
    void mnuPopOptionsClick();
    void mnuPopPreviewClick();
    void sbPreviewClick();
    void mnuExitClick();
    // Tool windows and help.
    void mnuTagInspectorClick();
    void sbTagInspectorClick();
    void mnuPopTagInspectorClick();
    void mnuContentsClick();
    void mnuSearchClick();
    // Edit commands.
    void btnCutClick();
    void btnCopyClick();
    void btnPasteClick();
    void btnUndoClick();
    void mnuPopCutClick();
    void mnuPopCopyClick();
    void mnuPopPasteClick();
    // Window events.
    void FormShow();
    void FormActivate();
    void FormClose();
    void FormDestroy();
    void TagGrpPageControlChange();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private slots:
    void SubWindowActivated(QMdiSubWindow *window);

private:
    void BuildForm();
    void ConnectCommands();
    void FormCreate();
    void MergeMenus();
    void MergeMenus(TfrmMDIChild *active);
    void CloseToolWindows();
    void MenusClosed();
    bool BarChecked(const char *item) const;
    bool HasSelection() const;

    LiveOptionValues FOptions;
    bool FModifiedIndicatorOn = false;
    QList<MergedMenu> FMainMenus;
    std::unique_ptr<MainMenuState> FMenuState;
    WindowListMenu *FWindowList = nullptr;
    std::unique_ptr<FileCommands> FFileCommands;
    std::unique_ptr<TagInspectorSide> FInspectorSide;
    TagCommands *FTagCommands = nullptr;
    // Named groups of lookup pairs; the Tag Inspector keeps its tag groups
    // here.
    TList3Dim *FLookupData = nullptr;
};

// The program's main window.
extern TfrmMainForm *frmMainForm;
