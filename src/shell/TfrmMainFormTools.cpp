// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The main window's side of its tool windows and of the help: the Tag
// Inspector (shown at start, its commands, the tag notebook and the tag
// filter kept in step, its placement), the help menu, and closing them all
// when the program ends.
#include "shell/TfrmMainForm.h"

#include "controls/FormBusy.h"
#include "controls/TList3Dim.h"
#include "editor/TRCRichEdit.h"
#include "platform/FatalErrorText.h"
#include "platform/Help.h"
#include "shell/FileDialogs.h"
#include "shell/ToolWindowRule.h"
#include "shell/WindowPlacer.h"
#include "tags/TagInspectorRules.h"
#include "tags/TfrmTagInspector.h"

#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QSignalBlocker>
#include <QTabWidget>

void TfrmMainForm::FormShow()
{
    if (FatalErrorText().isEmpty() && Options().cbShowTagInspector() && frmTagInspector)
        frmTagInspector->show();
}

void TfrmMainForm::mnuTagInspectorClick()
{
    ShowToolWindow(frmTagInspector);
}

void TfrmMainForm::sbTagInspectorClick()
{
    mnuTagInspectorClick();
}

void TfrmMainForm::mnuPopTagInspectorClick()
{
    mnuTagInspectorClick();
}

void TfrmMainForm::mnuContentsClick()
{
    Help::Instance().ShowTopic(QStringLiteral("CONTENTS"));
}

void TfrmMainForm::mnuSearchClick()
{
    Help::Instance().ShowFinder();
}

void TfrmMainForm::TagGrpPageControlChange()
{
    // The inspector marks itself busy while it reloads its tags.
    SetFormBusy(this, true);
    const QString group = TagInspectorRules::GroupOfPage(
        TagGrpPageControl->tabText(TagGrpPageControl->currentIndex()));
    const bool known = !FLookupData->Lookup(TfrmTagInspector::TagGroupsKey, group).isEmpty();
    if (known && frmTagInspector && frmTagInspector->isVisible())
        frmTagInspector->ChooseTagGroup(group, TagGrpPageControl);
    SetFormBusy(this, false);
}

void TfrmMainForm::SelectTagGroupPage(const QString &group)
{
    const QString caption = TagInspectorRules::PageOfGroup(group);
    for (int i = 0; i < TagGrpPageControl->count(); ++i) {
        if (TagGrpPageControl->tabText(i).compare(caption, Qt::CaseInsensitive) == 0) {
            // Chosen by the program, not by the user: no change handling.
            const QSignalBlocker blocker(TagGrpPageControl);
            TagGrpPageControl->setCurrentIndex(i);
            break;
        }
    }
    update();
}

QString TfrmMainForm::CurrentTagGroupPage() const
{
    return TagGrpPageControl->tabText(TagGrpPageControl->currentIndex());
}

QObject *TfrmMainForm::TagGroupPageControl() const
{
    return TagGrpPageControl;
}

QString TfrmMainForm::SelectFile(const QString &kind)
{
    return FFileDialogs->RunFileDialog(FileDialogs::ModeSelect, kind, true);
}

void TfrmMainForm::PlaceInspector(QWidget &inspector)
{
    // A maximised record keeps the window's designed bounds; whether it
    // stays on top is its own check box's business.
    if (InspectorPlacement.Maximized)
        return;
    WindowPlacement placement = InspectorPlacement;
    placement.StayOnTop = inspector.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    WindowPlacer::Apply(&inspector, placement);
}

WindowPlacement TfrmMainForm::CurrentInspectorPlacement() const
{
    return frmTagInspector ? WindowPlacer::Read(frmTagInspector) : InspectorPlacement;
}

void TfrmMainForm::InspectorClosed()
{
    MenuItem(QStringLiteral("mnuTagInspector"))->setChecked(false);
}

void TfrmMainForm::ActivateMainWindow()
{
    activateWindow();
    if (TfrmMDIChild *document = ActiveDocument())
        document->EditMemo->setFocus();
    else
        setFocus();
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
