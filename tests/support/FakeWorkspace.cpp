// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/FakeWorkspace.h"

#include "editor/ErrorBeep.h"
#include "editor/TRCRichEdit.h"
#include "editor/TfrmMDIChild.h"
#include "platform/Dialogs.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

FakeWorkspace::FakeWorkspace()
    : FFrame(new QMainWindow), FMdiArea(new QMdiArea(FFrame)), FPopupMenu(new QMenu(FFrame))
{
    FFrame->setObjectName(QStringLiteral("FakeFrame"));
    FMdiArea->setObjectName(QStringLiteral("FakeMdiArea"));
    FPopupMenu->setObjectName(QStringLiteral("mnuMainPopup"));
    FFrame->setCentralWidget(FMdiArea);
    FFrame->resize(800, 600);
    FFrame->show();
}

FakeWorkspace::~FakeWorkspace()
{
    CloseAllDocuments();
    delete FFrame;
}

TfrmMDIChild *FakeWorkspace::OpenDocument(const QString &text, const QString &caption)
{
    auto *child = new TfrmMDIChild(*this);
    child->setWindowTitle(caption);
    // Loading is no change the message bar reports, as with a real page.
    const bool indicatorWasOn = modifiedIndicatorOn;
    modifiedIndicatorOn = false;
    child->EditMemo->SetText(text);
    child->EditMemo->SetSelStart(0);
    child->EditMemo->SetModified(false);
    modifiedIndicatorOn = indicatorWasOn;
    AddDocumentWindow(child);
    QCoreApplication::processEvents();
    return child;
}

void FakeWorkspace::CloseAllDocuments()
{
    for (QMdiSubWindow *window : FMdiArea->subWindowList()) {
        if (auto *child = qobject_cast<TfrmMDIChild *>(window))
            child->EditMemo->SetModified(false);
        window->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TfrmMDIChild *FakeWorkspace::ActiveDocument() const
{
    QMdiSubWindow *window = FMdiArea->currentSubWindow();
    if (!window)
        window = FMdiArea->activeSubWindow();
    return qobject_cast<TfrmMDIChild *>(window);
}

int FakeWorkspace::DocumentCount() const
{
    return int(Documents().size());
}

QList<TfrmMDIChild *> FakeWorkspace::Documents() const
{
    QList<TfrmMDIChild *> documents;
    const QList<QMdiSubWindow *> windows =
        FMdiArea->subWindowList(QMdiArea::ActivationHistoryOrder);
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        if (auto *child = qobject_cast<TfrmMDIChild *>(*it))
            documents.append(child);
    }
    return documents;
}

void FakeWorkspace::AddDocumentWindow(TfrmMDIChild *child)
{
    FMdiArea->addSubWindow(child);
    child->show();
    FMdiArea->setActiveSubWindow(child);
}

void FakeWorkspace::BringToFront(TfrmMDIChild *child)
{
    FMdiArea->setActiveSubWindow(child);
}

void FakeWorkspace::ErrorBeep()
{
    ++errorBeeps;
    ::ErrorBeep(options);
}

void FakeWorkspace::SetStatusText(int panel, const QString &text)
{
    panels[panel] = text;
    statusLog.append(QString::number(panel) + QLatin1Char(':') + text);
}

void FakeWorkspace::ShowModifiedState(bool modified)
{
    modifiedStates.append(modified);
    if (modifiedIndicatorOn)
        SetStatusText(4, modified ? QStringLiteral("Modified...") : QString());
}

void FakeWorkspace::SetModifiedIndicatorOn(bool on)
{
    modifiedIndicatorCalls.append(on);
    modifiedIndicatorOn = on;
}

void FakeWorkspace::ShowCaretPosition()
{
    TfrmMDIChild *child = DocumentCount() > 0 ? ActiveDocument() : nullptr;
    if (!child)
        return;
    SetStatusText(3,
                  QString::number(child->EditMemo->Row() + 1) + QStringLiteral(" : ")
                      + QString::number(child->EditMemo->Col() + 1));
}

void FakeWorkspace::ShowProgress(const QString &message)
{
    progressMessages.append(message);
}

void FakeWorkspace::SetBusy(bool isBusy)
{
    busyCalls.append(isBusy);
    busy = isBusy;
}

void FakeWorkspace::SetWindowMenuVisible(bool visible)
{
    windowMenuVisible = visible;
}

void FakeWorkspace::RunMainCommand(MainCommand command)
{
    mainCommands.append(command);
}

void FakeWorkspace::InsertDroppedItem(QObject *source)
{
    droppedSources.append(source);
}

bool FakeWorkspace::SaveDocument(TfrmMDIChild *child)
{
    saveRequests.append(child);
    return saveHandler ? saveHandler(child) : saveResult;
}

QString FakeWorkspace::PromptOpenFileName()
{
    prompts.append(QStringLiteral("Open"));
    return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
}

QString FakeWorkspace::PromptSaveFileName(bool saveAs)
{
    prompts.append(saveAs ? QStringLiteral("Save As") : QStringLiteral("Save"));
    return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
}

void FakeWorkspace::AddRecentFile(const QString &fileName)
{
    recentFiles.append(fileName);
}
