// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/SettingsSession.h"

#include "platform/AppDir.h"
#include "platform/Dialogs.h"
#include "platform/FatalErrorText.h"
#include "platform/RegistryStore.h"
#include "shell/OptionsData.h"
#include "shell/RecentFiles.h"
#include "shell/SettingsStore.h"
#include "shell/TfrmMainForm.h"
#include "shell/TfrmOptions.h"
#include "shell/WindowPlacer.h"
#include "shell/WorkState.h"
#include "tags/TDataMod.h"

void SettingsSession::LoadWorkState(TfrmMainForm &form, const SplashMessage &splashMessage)
{
    if (!FatalErrorText().isEmpty())
        return;
    SettingsStore store(RegistryStore::Instance());
    if (store.NeedsFirstRun(form.SetupDone)) {
        store.ReportRegistryRecovery();
        if (splashMessage)
            splashMessage(SettingsStore::SetupMessage);
        SettingsStore::FirstRunInput input;
        input.font = form.OptionValues().editorFont;
        input.fontColor = form.OptionValues().editorFontColor;
        input.webPagesDir = AppDir::WebPagesDir();
        input.saveSetupDone = [] { return DataMod && DataMod->WriteSetupInfo(true); };
        if (store.FirstRunSetup(input, form.WorkDir))
            form.SetupDone = true;
    } else {
        if (splashMessage)
            splashMessage(WorkState::LoadingMessage);
        WorkState state;
        state.WorkDir = form.WorkDir;
        state.MainPlacement = form.MainPlacement;
        state.InspectorPlacement = form.InspectorPlacement;
        if (state.LoadWorkState(RegistryStore::Instance())) {
            form.WorkDir = state.WorkDir;
            form.MainPlacement = state.MainPlacement;
            form.InspectorPlacement = state.InspectorPlacement;
        }
    }
    if (form.WorkDir.isEmpty())
        form.WorkDir = AppDir::WebPagesDir();
    form.ApplyMainPlacement(form.MainPlacement);
}

std::unique_ptr<TfrmOptions> SettingsSession::CreateOptions(TfrmMainForm &form)
{
    auto options = std::make_unique<TfrmOptions>(&form, &form);
    SettingsStore store(RegistryStore::Instance());
    OptionsData data;
    data.values = form.OptionValues();
    data.customColors = form.CustomColors;
    TfrmOptions::LoadResult loaded;
    loaded.options = store.LoadOptions(data);
    loaded.browsers = store.LoadBrowsers(data);
    options->FormCreate(data, loaded);
    // Every stored value has been read by now: say once which were ignored.
    store.ReportIgnoredValues();
    options->SetSaveHandler([](const OptionsData &saved) {
        SettingsStore atEnd(RegistryStore::Instance());
        TfrmOptions::SaveResult result;
        result.options = atEnd.SaveOptions(saved);
        result.browsers = atEnd.SaveBrowsers(saved);
        return result;
    });
    return options;
}

void SettingsSession::SaveAtClose(TfrmMainForm &form)
{
    if (!FatalErrorText().isEmpty())
        return;
    form.RecentFileList->SaveRecentFiles(RegistryStore::Instance());
    WorkState state;
    state.WorkDir = form.WorkDir;
    state.MainPlacement = WindowPlacer::Read(&form);
    state.InspectorPlacement = form.CurrentInspectorPlacement();
    if (!state.SaveWorkState(RegistryStore::Instance()))
        Dialogs::Instance().MessageBox(
            MsgKind::Error, QStringLiteral("Save work info error.\r") + MakerContactText(), mbOK);
}
