// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tags/TagInsertion.h"

#include "controls/LetterCase.h"
#include "editor/InsertionOperations.h"
#include "editor/LiveOptions.h"
#include "editor/TRCRichEdit.h"
#include "editor/TfrmMDIChild.h"
#include "editor/Workspace.h"
#include "platform/Dialogs.h"
#include "platform/RaisedError.h"
#include "tags/TagStore.h"

#include <QCoreApplication>
#include <QPointer>
#include <exception>
#include <optional>

namespace {

TfrmMDIChild *ActiveDocumentOf(const Workspace &workspace)
{
    if (workspace.DocumentCount() == 0)
        return nullptr;
    TfrmMDIChild *child = workspace.ActiveDocument();
    return child && child->EditMemo ? child : nullptr;
}

const QString InsertFailureFormat = QStringLiteral("Can not insert a tag: %1");

} // namespace

TagInsertion::TagInsertion(Workspace &workspace, const TagStore &store)
    : FWorkspace(workspace), FStore(store)
{
}

QString TagInsertion::TagCase(const QString &text) const
{
    return ::TagCase(text, FWorkspace.Options().cbTagUpperCase());
}

QString TagInsertion::AttrCase(const QString &text) const
{
    return ::AttrCase(text, FWorkspace.Options().cbAttrUpperCase());
}

QString TagInsertion::NotFoundText(const QString &name)
{
    return QStringLiteral("can not find the tag \"") + name + QStringLiteral("\".");
}

void TagInsertion::ReportInsertFailure(const QString &reason) const
{
    Dialogs::Instance().MessageBox(MsgKind::Information, InsertFailureFormat.arg(reason), mbOK);
}

bool TagInsertion::InsertTag(const QString &name)
{
    QCoreApplication::processEvents();
    QPointer<TfrmMDIChild> child = ActiveDocumentOf(FWorkspace);
    if (!child) {
        FWorkspace.ErrorBeep();
        return false;
    }
    child->WaitUntilReady();
    // Waiting processes messages; the window may have been closed meanwhile.
    if (!child)
        return false;

    bool written = false;
    bool notFound = false;
    QString failure;
    child->SetReady(false);
    try {
        const std::optional<TagRecord> tag = FStore.FindTag(name);
        if (tag) {
            const QString T = TagCase(name);
            const QString open = QLatin1Char('<') + T + QLatin1Char('>');
            const QString close = QStringLiteral("</") + T + QLatin1Char('>');
            TRCRichEdit *editor = child->EditMemo;
            if (!tag->DoubleSideTag) {
                editor->ReplaceSel(open);
            } else if (editor->SelLength() > 0) {
                editor->ReplaceSel(open + editor->SelText() + close);
            } else {
                const QString prompt = FWorkspace.Options().cbTagPrompt()
                                           ? TrimBlanksAndControls(tag->Prompt)
                                           : QString();
                const int start = editor->SelStart();
                editor->ReplaceSel(open + prompt + close);
                editor->SetSelection(start + int(open.size()), int(prompt.size()));
            }
            written = true;
        } else {
            notFound = true;
        }
    } catch (...) {
        failure = CaughtErrorText();
    }
    // The flag is given back before any message box: a box runs its own
    // message loop, and whatever waits for the flag there must not wait
    // until the box is closed.
    if (child)
        child->SetReady(true);

    if (notFound) {
        FWorkspace.ErrorBeep();
        ReportInsertFailure(NotFoundText(name));
    } else if (!written) {
        ReportInsertFailure(ErrorReason(failure));
    }
    QCoreApplication::processEvents();
    return written;
}

QString TagInsertion::GetTagPrompt(const QString &name) const
{
    QCoreApplication::processEvents();
    if (!ActiveDocumentOf(FWorkspace)) {
        FWorkspace.ErrorBeep();
        return QString();
    }
    std::optional<TagRecord> tag;
    try {
        tag = FStore.FindTag(name);
    } catch (...) {
        throw StoreError(QStringLiteral("Can not get tag prompt: ") + CaughtErrorText());
    }
    if (!tag) {
        FWorkspace.ErrorBeep();
        ReportInsertFailure(NotFoundText(name));
        return QString();
    }
    return TrimBlanksAndControls(tag->Prompt);
}
