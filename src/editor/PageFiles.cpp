// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/PageFiles.h"

#include "editor/TRCRichEdit.h"
#include "editor/TfrmMDIChild.h"
#include "editor/Workspace.h"
#include "platform/Dialogs.h"
#include "platform/ProductInfo.h"

#include <QCoreApplication>
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
    } catch (const std::exception &error) {
        failure = QString::fromLocal8Bit(error.what());
    } catch (...) {
        failure = QStringLiteral("Unknown error");
    }
    FWorkspace.SetStatusText(0, QStringLiteral(" Error"));
    Dialogs::Instance().MessageBox(
        MsgKind::Warning, QStringLiteral("Can not create new web page .") + QLatin1Char('\r') + failure,
        mbOK);
    return nullptr;
}
