// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QMdiSubWindow>
#include <QString>

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

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // Implemented with the window; see TfrmMDIChild.cpp.
    bool FormCloseQuery();
    void FormClose();
    void BuildMenus();

    Workspace &FWorkspace;
    QString FFileName = UntitledMarker;
    bool FReady = true;
    bool FIncrSearch = false;
    QString FIncrText;
    QMenu *mnuEdit = nullptr;
    QMenu *mnuSearch = nullptr;
    QMenu *mnuTags = nullptr;
};
