// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/PageFiles.h"

#include "editor/LiveOptions.h"
#include "editor/PageCodec.h"
#include "editor/PageDiskStamp.h"
#include "editor/PageFileReader.h"
#include "editor/PageFileWriter.h"
#include "editor/TRCRichEdit.h"
#include "editor/TfrmMDIChild.h"
#include "editor/Workspace.h"
#include "platform/Dialogs.h"
#include "platform/NativeFileName.h"
#include "platform/ProductInfo.h"
#include "platform/RaisedError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QTimer>
#include <climits>
#include <cstdlib>
#include <exception>
#include <memory>

namespace {

// Leaves the main window's busy state however the operation ends.
class BusyState {
public:
    explicit BusyState(Workspace &workspace) : FWorkspace(workspace) { FWorkspace.SetBusy(true); }
    ~BusyState()
    {
        FWorkspace.SetBusy(false);
        QCoreApplication::processEvents();
    }
    BusyState(const BusyState &) = delete;
    BusyState &operator=(const BusyState &) = delete;

private:
    Workspace &FWorkspace;
};

bool HasWildcard(const QString &name)
{
    return name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?'));
}

// Whether some file matches a name whose file-name part is a pattern.
bool PatternMatchesFile(const QString &pattern)
{
    const QFileInfo info(pattern);
    const QDir folder(info.path());
    return !folder.entryList({info.fileName()}, QDir::Files | QDir::Hidden | QDir::System).isEmpty();
}

} // namespace

PageFiles::PageFiles(Workspace &workspace) : FWorkspace(workspace) {}

TfrmMDIChild *PageFiles::NewPage()
{
    TfrmMDIChild *page = CreateNewPage();
    // The busy state disabled the frame while the window was made, so the
    // new page takes the keyboard focus only now.
    if (page)
        page->EditMemo->setFocus();
    return page;
}

TfrmMDIChild *PageFiles::CreateNewPage()
{
    BusyState busy(FWorkspace);
    QString failure;
    try {
        // Counted before the new window exists.
        const int number = FWorkspace.DocumentCount() + 1;
        auto child = std::make_unique<TfrmMDIChild>(FWorkspace);
        child->setWindowTitle(ProductInfo::Name + QStringLiteral("  ") + QString::number(number));
        FWorkspace.AddDocumentWindow(child.get());
        TfrmMDIChild *page = child.release();
        QCoreApplication::processEvents();

        FWorkspace.SetModifiedIndicatorOn(true);
        FWorkspace.ShowModifiedState(false);
        FWorkspace.SetModifiedIndicatorOn(false);
        FWorkspace.SetStatusText(0, QStringLiteral(" Ready"));
        QCoreApplication::processEvents();
        FWorkspace.SetModifiedIndicatorOn(true);
        return page;
    } catch (...) {
        failure = CaughtErrorText();
    }
    FWorkspace.SetStatusText(0, QStringLiteral(" Error"));
    Dialogs::Instance().MessageBox(
        MsgKind::Warning, QStringLiteral("Can not create new web page .") + QLatin1Char('\r') + failure,
        mbOK);
    return nullptr;
}

QString PageFiles::RealPath(const QString &fileName)
{
    const QString absolute = QDir::cleanPath(QFileInfo(fileName).absoluteFilePath());
    // By the name's own bytes: Qt's file classes cannot spell every name.
    char resolved[PATH_MAX];
    if (::realpath(NativeFileName::Encode(absolute).constData(), resolved))
        return NativeFileName::Decode(resolved);
    return absolute;
}

QString PageFiles::BackupFileName(const QString &fileName)
{
    const QString upper = fileName.toUpper();
    const bool html = upper.endsWith(QLatin1String("TML"));
    const qsizetype cut = html ? 4 : 3;
    QString suffix = html ? QStringLiteral("BAKU") : QStringLiteral("BAK");
    // Never cut into the folder part: a backup stays beside its page.
    const qsizetype nameStart = fileName.lastIndexOf(QLatin1Char('/')) + 1;
    const qsizetype keep = qMax(nameStart, fileName.size() - cut);
    const QString replaced = fileName.mid(keep);
    if (replaced != replaced.toUpper())
        suffix = suffix.toLower();
    return fileName.left(keep) + suffix;
}

TfrmMDIChild *PageFiles::FindOpenPage(const QString &realPath) const
{
    for (TfrmMDIChild *child : FWorkspace.Documents()) {
        if (!child->IsUntitled() && RealPath(child->FileName()) == realPath)
            return child;
    }
    return nullptr;
}

TfrmMDIChild *PageFiles::OpenPage(const QString &name)
{
    QCoreApplication::processEvents();
    // The name exactly as given: "page.htm " and "page.htm" are two files.
    QString fileName = name;
    if (fileName.isEmpty())
        fileName = FWorkspace.PromptOpenFileName();
    if (fileName.isEmpty())
        return nullptr;

    const QFileInfo info(fileName);
    const PageDiskStamp onDisk = PageDiskStamp::Of(fileName);
    const bool isPattern = !onDisk.exists && HasWildcard(info.fileName());
    if (isPattern ? !PatternMatchesFile(fileName) : !onDisk.exists) {
        FWorkspace.ErrorBeep();
        Dialogs::Instance().MessageBox(MsgKind::Information,
                                       QStringLiteral("Can not find the file : ") + fileName, mbOK);
        return nullptr;
    }
    // A pattern that matches files names no single page: nothing to open.
    if (isPattern)
        return nullptr;

    fileName = QDir::cleanPath(info.absoluteFilePath());
    if (TfrmMDIChild *open = FindOpenPage(RealPath(fileName))) {
        FWorkspace.BringToFront(open);
        return open;
    }
    // Reading a FIFO or a device would block the program or never end.
    if (!onDisk.regular) {
        Dialogs::Instance().MessageBox(MsgKind::Warning,
                                       QStringLiteral("Can not open the file ") + fileName
                                           + QStringLiteral(": ") + PageFileReader::NotRegularText(),
                                       mbOK);
        return nullptr;
    }

    QPointer<TfrmMDIChild> page;
    QString failure;
    try {
        page = new TfrmMDIChild(FWorkspace);
        page->SetFileName(fileName);
        page->setWindowTitle(QFileInfo(fileName).fileName().toUpper());

        // Loaded before the window is shown: a file that fails, or that the
        // user declines to open, never shows as an empty page.
        FWorkspace.SetModifiedIndicatorOn(true);
        FWorkspace.ShowModifiedState(false);
        FWorkspace.SetModifiedIndicatorOn(false);
        const bool loaded = page->LoadPage();
        FWorkspace.SetModifiedIndicatorOn(true);
        if (!loaded) {
            // LoadPage has told the user why; the window is discarded
            // without its close handling, so it is no recent file either.
            delete page.data();
            return nullptr;
        }
        FWorkspace.AddDocumentWindow(page);
        FWorkspace.AddRecentFile(fileName);
        FWorkspace.ShowProgress(QStringLiteral(" Load..."));
        QCoreApplication::processEvents();
        return page;
    } catch (...) {
        failure = CaughtErrorText();
    }
    FWorkspace.SetModifiedIndicatorOn(true);
    FWorkspace.SetStatusText(0, QStringLiteral(" Error"));
    Dialogs::Instance().MessageBox(MsgKind::Warning,
                                   QStringLiteral("Can not open the file ") + fileName
                                       + QLatin1Char('.') + QLatin1Char('\r') + failure,
                                   mbOK);
    return page;
}

bool PageFiles::MayWrite(TfrmMDIChild *child, const QString &fileName)
{
    const QString target = RealPath(fileName);
    // Two windows on one file would each put back their own text.
    for (TfrmMDIChild *other : FWorkspace.Documents()) {
        if (other != child && !other->IsUntitled() && RealPath(other->FileName()) == target) {
            Dialogs::Instance().MessageBox(
                MsgKind::Warning,
                QStringLiteral("Can not save the file ") + fileName
                    + QStringLiteral("\rIt is open in the window \"") + other->windowTitle()
                    + QStringLiteral("\". Close that window first, or choose another name."),
                mbOK);
            return false;
        }
    }
    // Another program's change is never overwritten without asking. A file
    // that is gone is simply written again.
    if (child->IsUntitled() || RealPath(child->FileName()) != target)
        return true;
    const PageDiskStamp now = PageDiskStamp::Of(fileName);
    if (!now.exists || !child->DiskStamp().known || now == child->DiskStamp())
        return true;
    const MsgButton answer = Dialogs::Instance().MessageBox(
        MsgKind::Confirmation,
        fileName + QStringLiteral(" was changed by another program. Overwrite it?"), mbYesNo);
    if (answer == mbYes)
        return true;
    child->DeclineDiskChange(now);
    return false;
}

void PageFiles::ReportSaveFailure(const QString &fileName, const QString &detail)
{
    FWorkspace.SetStatusText(0, QStringLiteral("Error"));
    Dialogs::Instance().MessageBox(
        MsgKind::Warning, QStringLiteral("Can not save the file ") + fileName + detail, mbOK);
}

bool PageFiles::WritePage(TfrmMDIChild *child, const QString &fileName)
{
    QByteArray bytes;
    QChar badChar;
    if (!PageCodec::Encode(child->EditMemo->FileText(), child->Encoding(), bytes, &badChar)) {
        ReportSaveFailure(fileName,
                          QStringLiteral("\rThe page is 8-bit text and can not hold the character "
                                         "\"%1\" (U+%2).")
                              .arg(badChar)
                              .arg(badChar.unicode(), 4, 16, QLatin1Char('0'))
                              .toUpper());
        return false;
    }
    // The backup copy holds the same text as the page and is written first.
    if (FWorkspace.Options().cbBackup()) {
        const QString backup = BackupFileName(fileName);
        const QString reason = PageFileWriter::WriteBackup(backup, bytes, fileName);
        if (!reason.isEmpty()) {
            ReportSaveFailure(backup, QLatin1Char('\r') + reason);
            return false;
        }
    }
    const QString reason = PageFileWriter::Write(fileName, bytes);
    if (!reason.isEmpty()) {
        ReportSaveFailure(fileName, QLatin1Char('\r') + reason);
        return false;
    }
    return true;
}

bool PageFiles::SavePage(TfrmMDIChild *child, const QString &mode, const QString &statusText)
{
    if (!child)
        return false;
    QPointer<TfrmMDIChild> page(child);
    FWorkspace.SetBusy(true);
    page->WaitUntilReady();
    if (!page) {
        FWorkspace.SetBusy(false);
        return false;
    }
    page->SetReady(false);
    page->SaveTimer->stop();
    bool result = false;

    QString fileName = page->FileName();
    const bool saveAs = mode == QLatin1String("Save As");
    if (saveAs || page->IsUntitled())
        fileName = FWorkspace.PromptSaveFileName(saveAs);

    if (page && !fileName.isEmpty() && MayWrite(page, fileName) && WritePage(page, fileName)) {
        // Taken before anything else can run, so that the page's own save
        // is never mistaken for another program's change.
        page->SetFileName(fileName);
        page->SetDiskStamp(PageDiskStamp::Of(fileName));
        page->EditMemo->SetModified(false);
        page->setWindowTitle(QFileInfo(fileName).fileName().toUpper());
        FWorkspace.SetStatusText(0, QStringLiteral(" Ready"));
        FWorkspace.ShowProgress(statusText);
        result = true;
    }

    // The indicator shows the active page, which a failed save leaves
    // modified and which need not be the page just saved.
    TfrmMDIChild *active = FWorkspace.ActiveDocument();
    FWorkspace.ShowModifiedState(active && active->EditMemo->Modified());
    FWorkspace.SetBusy(false);
    if (page) {
        page->SetReady(true);
        if (FWorkspace.Options().cbAutoSave())
            page->SaveTimer->start();
        page->update();
    }
    return result;
}

bool PageFiles::SaveAllPages()
{
    bool result = false;
    const QList<TfrmMDIChild *> documents = FWorkspace.Documents();
    const QList<QPointer<TfrmMDIChild>> pages(documents.cbegin(), documents.cend());
    for (const QPointer<TfrmMDIChild> &page : pages) {
        if (!page)
            continue;
        FWorkspace.BringToFront(page);
        const bool untitled =
            page->FileName().compare(TfrmMDIChild::UntitledMarker, Qt::CaseInsensitive) == 0;
        result = SavePage(page, untitled ? QStringLiteral("Save As") : QStringLiteral("Save"),
                          QStringLiteral("Save..."));
    }
    return result;
}
