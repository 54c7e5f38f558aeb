// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/EditCommands.h"

#include "editor/TRCRichEdit.h"
#include "editor/TfrmMDIChild.h"
#include "editor/Workspace.h"
#include "platform/Dialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

TfrmMDIChild *ActiveDocumentOrBeep(Workspace &workspace)
{
    TfrmMDIChild *child = workspace.DocumentCount() > 0 ? workspace.ActiveDocument() : nullptr;
    if (!child || !child->EditMemo) {
        Dialogs::Instance().Beep();
        return nullptr;
    }
    return child;
}

template <typename T>
T *SelfOrAncestor(QWidget *widget)
{
    for (QWidget *w = widget; w; w = w->parentWidget()) {
        if (T *found = qobject_cast<T *>(w))
            return found;
        if (w->isWindow())
            break;
    }
    return nullptr;
}

// The widget itself or, for the viewport or line edit inside a compound
// control, its direct parent.
template <typename T>
T *SelfOrParent(QWidget *widget)
{
    if (T *found = qobject_cast<T *>(widget))
        return found;
    return widget->parentWidget() ? qobject_cast<T *>(widget->parentWidget()) : nullptr;
}

// Pastes the clipboard text into `focus`; returns the control that took
// it, or nullptr when the control takes nothing.
QWidget *PasteInto(QWidget *focus, TfrmMDIChild *active)
{
    const QString text = QGuiApplication::clipboard()->text();
    if (TRCRichEdit *editor = SelfOrAncestor<TRCRichEdit>(focus)) {
        editor->Paste();
        return editor;
    }
    if (QComboBox *combo = SelfOrParent<QComboBox>(focus)) {
        if (!combo->isEditable())
            return nullptr;
        combo->setEditText(text);
        return combo;
    }
    if (QLineEdit *edit = qobject_cast<QLineEdit *>(focus)) {
        edit->paste();
        return edit;
    }
    if (QTextEdit *memo = SelfOrParent<QTextEdit>(focus)) {
        if (memo->isReadOnly())
            return nullptr;
        memo->insertPlainText(text);
        return memo;
    }
    if (QPlainTextEdit *memo = SelfOrParent<QPlainTextEdit>(focus)) {
        if (memo->isReadOnly())
            return nullptr;
        memo->insertPlainText(text);
        return memo;
    }
    // The frame or a document window's own frame: the page is meant.
    if (focus == active || SelfOrParent<QMdiArea>(focus)) {
        active->EditMemo->Paste();
        return active->EditMemo;
    }
    return nullptr;
}

} // namespace

void EditCut(Workspace &workspace)
{
    if (TfrmMDIChild *child = ActiveDocumentOrBeep(workspace))
        child->Cut();
}

void EditCopy(Workspace &workspace)
{
    if (TfrmMDIChild *child = ActiveDocumentOrBeep(workspace))
        child->Copy();
}

void EditPaste(Workspace &workspace)
{
    TfrmMDIChild *child = ActiveDocumentOrBeep(workspace);
    if (!child)
        return;
    QWidget *focus = QApplication::focusWidget();
    QWidget *target = nullptr;
    if (focus) {
        target = PasteInto(focus, child);
    } else {
        child->Paste();
        target = child->EditMemo;
    }
    if (target)
        target->update();
    QCoreApplication::processEvents();
}
