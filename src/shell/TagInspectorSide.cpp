// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/TagInspectorSide.h"

#include "controls/FormBusy.h"
#include "controls/TList3Dim.h"
#include "editor/LiveOptions.h"
#include "editor/TRCRichEdit.h"
#include "editor/TfrmMDIChild.h"
#include "editor/Workspace.h"
#include "platform/FatalErrorText.h"
#include "shell/FileDialogs.h"
#include "shell/ToolWindowRule.h"
#include "shell/WindowPlacement.h"
#include "shell/WindowPlacer.h"
#include "tags/TagInspectorRules.h"
#include "tags/TfrmTagInspector.h"

#include <QAction>
#include <QSignalBlocker>
#include <QTabWidget>

TagInspectorSide::TagInspectorSide(QWidget &window, Workspace &workspace, QTabWidget &pages,
                                   TList3Dim &lookupData, FileDialogs &fileDialogs,
                                   WindowPlacement &placement, QAction *menuItem)
    : FWindow(window), FWorkspace(workspace), FPages(pages), FLookupData(lookupData),
      FFileDialogs(fileDialogs), FPlacement(placement), FMenuItem(menuItem)
{}

void TagInspectorSide::ShowAtStart()
{
    if (FatalErrorText().isEmpty() && FWorkspace.Options().cbShowTagInspector() && frmTagInspector)
        frmTagInspector->show();
}

void TagInspectorSide::Show()
{
    ShowToolWindow(frmTagInspector);
}

void TagInspectorSide::PageChanged()
{
    // The inspector marks itself busy while it reloads its tags.
    SetFormBusy(&FWindow, true);
    const QString group = TagInspectorRules::GroupOfPage(FPages.tabText(FPages.currentIndex()));
    const bool known = !FLookupData.Lookup(TfrmTagInspector::TagGroupsKey, group).isEmpty();
    if (known && frmTagInspector && frmTagInspector->isVisible())
        frmTagInspector->ChooseTagGroup(group, &FPages);
    SetFormBusy(&FWindow, false);
}

void TagInspectorSide::SelectTagGroupPage(const QString &group)
{
    const QString caption = TagInspectorRules::PageOfGroup(group);
    for (int i = 0; i < FPages.count(); ++i) {
        if (FPages.tabText(i).compare(caption, Qt::CaseInsensitive) == 0) {
            // Chosen by the program, not by the user: no change handling.
            const QSignalBlocker blocker(FPages);
            FPages.setCurrentIndex(i);
            break;
        }
    }
    FWindow.update();
}

QString TagInspectorSide::CurrentTagGroupPage() const
{
    return FPages.tabText(FPages.currentIndex());
}

QString TagInspectorSide::SelectFile(const QString &kind)
{
    return FFileDialogs.RunFileDialog(FileDialogs::ModeSelect, kind, true);
}

void TagInspectorSide::PlaceInspector(QWidget &inspector)
{
    // A maximised record keeps the window's designed bounds; whether it
    // stays on top is its own check box's business.
    if (FPlacement.Maximized)
        return;
    WindowPlacement placement = FPlacement;
    placement.StayOnTop = inspector.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    WindowPlacer::Apply(&inspector, placement);
}

WindowPlacement TagInspectorSide::CurrentPlacement() const
{
    return frmTagInspector ? WindowPlacer::Read(frmTagInspector) : FPlacement;
}

void TagInspectorSide::InspectorClosed()
{
    if (FMenuItem)
        FMenuItem->setChecked(false);
}

void TagInspectorSide::ActivateMainWindow()
{
    FWindow.activateWindow();
    if (TfrmMDIChild *document = FWorkspace.ActiveDocument())
        document->EditMemo->setFocus();
    else
        FWindow.setFocus();
}
