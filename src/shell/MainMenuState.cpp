// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/MainMenuState.h"

#include "controls/Hints.h"
#include "shell/MainCommandTable.h"

#include <QAction>
#include <QMenu>

MainMenuState::MainMenuState(const MainMenuSet &menus) : FMenus(menus) {}

QAction *MainMenuState::Item(const QString &name) const
{
    for (QMenu *menu : {FMenus.mnuFile, FMenus.mnuView, FMenus.mnuTools, FMenus.mnuWindow,
                        FMenus.mnuHelp, FMenus.mnuMainPopup}) {
        if (!menu)
            continue;
        if (menu->objectName() == name)
            return menu->menuAction();
        if (auto *action = menu->findChild<QAction *>(name))
            return action;
    }
    return nullptr;
}

void MainMenuState::SetVisible(std::initializer_list<const char *> names, bool visible) const
{
    for (const char *name : names)
        if (QAction *action = Item(QLatin1String(name)))
            action->setVisible(visible);
}

void MainMenuState::SetEnabled(std::initializer_list<const char *> names, bool enabled) const
{
    for (const char *name : names)
        if (QAction *action = Item(QLatin1String(name)))
            action->setEnabled(enabled);
}

void MainMenuState::UpdateFileMenu(bool documents, bool reopenOption) const
{
    SetVisible({"mnuClose", "mnuSaveBreak", "mnuSave", "mnuSaveAs", "mnuSaveAll", "mnuPrintBreak",
                "mnuPrintSetup", "mnuPrint"},
               documents);
    const bool reopen = reopenOption && FMenus.mnuReopen && !FMenus.mnuReopen->isEmpty();
    SetVisible({"mnuReopen", "mnuReopenBreak"}, reopen);
}

void MainMenuState::UpdateViewMenu(bool documents) const
{
    SetEnabled({"mnuDetails", "mnuPopDetails", "mnuPreviewCurrDoc"}, documents);
}

void MainMenuState::UpdateToolsMenu(bool documents, bool selection, const QString &upperCaseHint,
                                    const QString &lowerCaseHint) const
{
    SetEnabled({"mnuLinkToVaroPage", "mnuFormWizard", "mnuListWizard", "mnuTableBuilder",
                "mnuColorPicker"},
               documents);
    SetEnabled({"mnuUpperCase", "mnuLowerCase"}, documents && selection);
    SetHint(Item(QStringLiteral("mnuUpperCase")), upperCaseHint);
    SetHint(Item(QStringLiteral("mnuLowerCase")), lowerCaseHint);
}

void MainMenuState::UpdatePopupMenu(bool documents, bool selection, bool clipboardText) const
{
    for (const MainCommandRecord *item : MainCommandTable::In(CommandPlace::Popup)) {
        if (item->hintFrom)
            SetHint(Item(QLatin1String(item->name)), HintOf(Item(QLatin1String(item->hintFrom))));
    }

    SetEnabled(
        {"mnuPopPreview", "mnuDetails", "mnuPopDetails", "mnuPopLinkToVaroPage", "mnuPopSaveAll"},
        documents);
    SetEnabled({"mnuPopCut", "mnuPopCopy"}, documents && selection);
    SetEnabled({"mnuPopPaste"}, documents && clipboardText);
}
