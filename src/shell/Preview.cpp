// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Preview.h"

#include "editor/PageFiles.h"
#include "editor/TRCRichEdit.h"
#include "editor/TfrmMDIChild.h"
#include "editor/Workspace.h"
#include "platform/Dialogs.h"

#include <QCoreApplication>
#include <QPointer>
#include <QProcess>

Preview::Preview(Workspace &workspace, PageFiles &pages) : FWorkspace(workspace), FPages(pages) {}

void Preview::Run(const QString &browser)
{
    QCoreApplication::processEvents();
    QPointer<TfrmMDIChild> page = FWorkspace.DocumentCount() > 0 ? FWorkspace.ActiveDocument() : nullptr;
    if (!page) {
        FWorkspace.ErrorBeep();
        return;
    }
    if (browser.isEmpty()) {
        FWorkspace.ErrorBeep();
        Dialogs::Instance().MessageBox(MsgKind::Information,
                                       QStringLiteral("There is no selected browser.\r")
                                           + QStringLiteral("Select a browser in the View | Options menu."),
                                       mbOK);
        return;
    }

    QString file;
    if (page->FileName().compare(TfrmMDIChild::UntitledMarker, Qt::CaseInsensitive) == 0) {
        const MsgButton answer = Dialogs::Instance().MessageBox(
            MsgKind::Confirmation,
            QStringLiteral("Can not preview unsaved web page.\r") + QStringLiteral("Save \"")
                + page->windowTitle() + QStringLiteral("\" ?"),
            mbYesNo);
        if (answer != mbYes || !FPages.SavePage(page, QStringLiteral("Save As"), QStringLiteral("Save...")))
            return;
        if (!page)
            return;
        file = page->FileName();
    } else {
        if (page->EditMemo->Modified())
            FPages.SavePage(page, QStringLiteral("Save"), QStringLiteral("Save..."));
        if (!page)
            return;
        file = page->FileName();
    }
    if (file.isEmpty())
        return;

    FWorkspace.SetStatusText(0, QStringLiteral(" Browser ..."));
    QCoreApplication::processEvents();
    bool started = false;
    if (page) {
        page->WaitUntilReady();
        if (page) {
            page->SetReady(false);
            started = QProcess::startDetached(browser, {file});
            page->SetReady(true);
        }
    }
    FWorkspace.SetStatusText(0, QStringLiteral(" Ready"));
    QCoreApplication::processEvents();
    if (!started) {
        FWorkspace.ErrorBeep();
        Dialogs::Instance().MessageBox(MsgKind::Warning, QStringLiteral("Can not run selected browser."),
                                       mbOK);
    }
}
