// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class FileDialogs;
class QAction;
class QTabWidget;
class QWidget;
class TList3Dim;
class Workspace;
struct WindowPlacement;

// The main window's side of the Tag Inspector: showing it (at start when
// the option says so, and by its commands), keeping the tag notebook's page
// and the inspector's tag filter in step, its placement, and what else the
// inspector asks of the main window.
class TagInspectorSide {
public:
    // window: the main window; pages: its tag notebook; lookupData: the
    // list that holds the inspector's tag groups; placement: the stored
    // placement of the inspector; menuItem: "mnuTagInspector".
    TagInspectorSide(QWidget &window, Workspace &workspace, QTabWidget &pages,
                     TList3Dim &lookupData, FileDialogs &fileDialogs, WindowPlacement &placement,
                     QAction *menuItem);

    // When the main window first shows: the inspector too, when the option
    // says so and start-up went well.
    void ShowAtStart();
    // The Tag Inspector command: the tool window rule.
    void Show();

    // The user turned the tag notebook: the inspector's filter follows.
    void PageChanged();
    // The inspector's filter changed: the notebook follows, quietly.
    void SelectTagGroupPage(const QString &group);
    QString CurrentTagGroupPage() const;

    QString SelectFile(const QString &kind);
    void PlaceInspector(QWidget &inspector);
    // Read from the inspector's window when there is one, else the stored
    // placement.
    WindowPlacement CurrentPlacement() const;
    void InspectorClosed();
    // Gives the keys back to the active page, or to the main window.
    void ActivateMainWindow();

private:
    QWidget &FWindow;
    Workspace &FWorkspace;
    QTabWidget &FPages;
    TList3Dim &FLookupData;
    FileDialogs &FFileDialogs;
    WindowPlacement &FPlacement;
    QAction *FMenuItem;
};
