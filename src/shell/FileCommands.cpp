// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/FileCommands.h"

#include "editor/LiveOptions.h"
#include "editor/PageFiles.h"
#include "editor/TfrmMDIChild.h"
#include "editor/Workspace.h"
#include "platform/RegistryStore.h"
#include "shell/DocumentArea.h"
#include "shell/FileDialogs.h"
#include "shell/Preview.h"
#include "shell/RecentFiles.h"
#include "shell/ReopenMenu.h"
#include "shell/TfrmOptions.h"

#include <QAction>
#include <QMenu>
#include <QPointer>

FileCommands::FileCommands(Workspace &workspace, const Frame &frame)
    : FWorkspace(workspace), FFrame(frame), FPageFiles(std::make_unique<PageFiles>(workspace)),
      FFileDialogs(std::make_unique<FileDialogs>(frame.workDir, frame.customColors, &frame.window)),
      FPreview(std::make_unique<Preview>(workspace, *FPageFiles))
{
    new ReopenMenu(
        frame.recentFiles, frame.reopenMenu,
        [this](const QString &fileName) { FPageFiles->OpenPage(fileName); }, &frame.window);
}

FileCommands::~FileCommands() = default;

void FileCommands::New()
{
    FPageFiles->NewPage();
}

void FileCommands::Open()
{
    FPageFiles->OpenPage();
}

void FileCommands::Close()
{
    if (TfrmMDIChild *document = FWorkspace.ActiveDocument())
        document->close();
}

void FileCommands::Save()
{
    if (TfrmMDIChild *document = FWorkspace.ActiveDocument())
        FPageFiles->SavePage(document, QStringLiteral("Save"), QStringLiteral("Save..."));
}

void FileCommands::SaveOrBeep()
{
    if (FWorkspace.DocumentCount() == 0) {
        FWorkspace.ErrorBeep();
        return;
    }
    Save();
}

void FileCommands::SaveAs()
{
    if (TfrmMDIChild *document = FWorkspace.ActiveDocument())
        FPageFiles->SavePage(document, QStringLiteral("Save As"), QStringLiteral("Save..."));
}

void FileCommands::SaveAll()
{
    FFrame.documents.SetAutoSaveTimers(false);
    const QPointer<TfrmMDIChild> active = FWorkspace.ActiveDocument();
    FPageFiles->SaveAllPages();
    if (active)
        FWorkspace.BringToFront(active);
    FFrame.documents.SetAutoSaveTimers(FWorkspace.Options().cbAutoSave());
}

void FileCommands::ShowPreview()
{
    FPreview->Run(frmOptions ? frmOptions->BrowserPath() : QString());
    FFrame.window.update();
}

void FileCommands::OpenFiles(const QStringList &fileNames)
{
    for (const QString &fileName : fileNames) {
        if (!fileName.trimmed().isEmpty())
            FPageFiles->OpenPage(fileName);
    }
}

bool FileCommands::SaveDocument(TfrmMDIChild *child)
{
    return FPageFiles->SavePage(child, QStringLiteral("Save"), QStringLiteral("Save..."));
}

QString FileCommands::PromptOpenFileName()
{
    return FFileDialogs->RunFileDialog(FileDialogs::ModeOpen, QString(), true);
}

QString FileCommands::PromptSaveFileName(bool saveAs)
{
    return FFileDialogs->RunFileDialog(saveAs ? FileDialogs::ModeSaveAs : FileDialogs::ModeSave,
                                       QString(), true);
}

void FileCommands::SetReopenMenuVisible(bool visible)
{
    FFrame.reopenMenu.menuAction()->setVisible(visible);
    if (FFrame.reopenBreak)
        FFrame.reopenBreak->setVisible(visible);
}

bool FileCommands::LoadRecentFiles()
{
    FFrame.recentFiles.SetLimit(FWorkspace.Options().spnRUFEntries());
    return FFrame.recentFiles.LoadRecentFiles(RegistryStore::Instance());
}
