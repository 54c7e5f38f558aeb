// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/InsertionOperations.h"

#include "editor/LiveOptions.h"
#include "editor/TRCRichEdit.h"
#include "editor/TfrmMDIChild.h"
#include "editor/Workspace.h"
#include "platform/Dialogs.h"

#include <QCoreApplication>
#include <QPointer>

namespace {

// The active document window, or nullptr when no document is open.
TfrmMDIChild *ActiveDocumentOf(Workspace &workspace)
{
    if (workspace.DocumentCount() == 0)
        return nullptr;
    TfrmMDIChild *child = workspace.ActiveDocument();
    return child && child->EditMemo ? child : nullptr;
}

// Gives the ready flag back when the edit ends, also by an exception.
class ReadyFlagHolder {
public:
    explicit ReadyFlagHolder(TfrmMDIChild *child) : FChild(child) { FChild->SetReady(false); }
    ~ReadyFlagHolder()
    {
        if (FChild)
            FChild->SetReady(true);
    }
    ReadyFlagHolder(const ReadyFlagHolder &) = delete;
    ReadyFlagHolder &operator=(const ReadyFlagHolder &) = delete;

private:
    QPointer<TfrmMDIChild> FChild;
};

bool IsBlankOrControl(QChar c)
{
    return c.unicode() <= 0x20;
}

} // namespace

QString TrimBlanksAndControls(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && IsBlankOrControl(text.at(first)))
        ++first;
    while (last > first && IsBlankOrControl(text.at(last - 1)))
        --last;
    return text.mid(first, last - first);
}

void InsertText(Workspace &workspace, const QString &text, int caretOffset)
{
    QCoreApplication::processEvents();
    QPointer<TfrmMDIChild> child = ActiveDocumentOf(workspace);
    if (!child) {
        workspace.ErrorBeep();
        return;
    }
    child->WaitUntilReady();
    // The wait processes messages; the window may have been closed meanwhile.
    if (!child)
        return;
    {
        ReadyFlagHolder hold(child);
        TRCRichEdit *editor = child->EditMemo;
        const int start = editor->SelStart();
        editor->ReplaceSel(text);
        if (caretOffset >= 0)
            editor->SetSelStart(start + caretOffset);
    }
    QCoreApplication::processEvents();
}

void InsertAround(Workspace &workspace, const QString &openText, const QString &closeText,
                  const QString &defaultText)
{
    QCoreApplication::processEvents();
    TfrmMDIChild *child = ActiveDocumentOf(workspace);
    if (!child) {
        Dialogs::Instance().Beep();
        return;
    }
    const QString sample = TrimBlanksAndControls(defaultText);
    TRCRichEdit *editor = child->EditMemo;
    const int start = editor->SelStart();
    QString open = openText;
    const int openLength = int(open.size());
    if (editor->SelLength() == 0) {
        if (workspace.Options().cbTagPrompt() && !sample.isEmpty())
            open += sample;
        editor->ReplaceSel(open + closeText);
        editor->SetSelStart(start + openLength);
    } else {
        editor->ReplaceSel(open + editor->SelText() + closeText);
    }
    QCoreApplication::processEvents();
}

void InsertTagPair(Workspace &workspace, const QString &tagName, const QString &defaultText)
{
    InsertAround(workspace, QLatin1Char('<') + tagName + QLatin1Char('>'),
                 QStringLiteral("</") + tagName + QLatin1Char('>'), defaultText);
}
