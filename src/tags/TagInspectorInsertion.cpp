// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tags/TagInspectorInsertion.h"

#include "controls/LetterCase.h"
#include "editor/InsertionOperations.h"
#include "editor/LiveOptions.h"
#include "editor/TfrmMDIChild.h"
#include "editor/Workspace.h"
#include "platform/RaisedError.h"
#include "tags/TagInspectorRules.h"

#include <QCoreApplication>
#include <QPointer>

void TagInspectorInsertion::InsertInspectorTag(Workspace &workspace, const TagRecord &tag,
                                               const QList<AttrRecord> &attributes,
                                               const QList<InspectorRowState> &rows)
{
    QCoreApplication::processEvents();
    if (workspace.DocumentCount() == 0 || !workspace.ActiveDocument()) {
        workspace.ErrorBeep();
        return;
    }
    const LiveOptions &options = workspace.Options();
    const QString T = TagCase(tag.TagName.trimmed(), options.cbTagUpperCase());
    if (T == QLatin1String("!")) {
        workspace.RunMainCommand(MainCommand::sbComment);
        return;
    }
    const QString close =
        tag.DoubleSideTag ? QStringLiteral("</") + T + QLatin1Char('>') : QString();
    QString open;
    try {
        open = QLatin1Char('<') + T
            + TagInspectorRules::GenerateAttributes(tag, attributes, rows,
                                                    options.cbAttrUpperCase())
            + QLatin1Char('>');
    } catch (...) {
        RaiseError(QStringLiteral("Can not insert a tag: %1"), CaughtErrorText());
    }

    QPointer<TfrmMDIChild> child = workspace.ActiveDocument();
    child->WaitUntilReady();
    // Waiting processes messages; the page may have been closed meanwhile.
    if (!child || workspace.DocumentCount() == 0) {
        workspace.ErrorBeep();
        return;
    }
    child->SetReady(false);
    QString failure;
    bool failed = false;
    try {
        InsertAround(workspace, open, close, QString());
    } catch (...) {
        failed = true;
        failure = CaughtErrorText();
    }
    if (child)
        child->SetReady(true);
    if (failed)
        RaiseError(QStringLiteral("Can not insert a tag: %1"), failure);
}

void TagInspectorInsertion::InsertInspectorAttributes(Workspace &workspace, const TagRecord &tag,
                                                      const QList<AttrRecord> &attributes,
                                                      const QList<InspectorRowState> &rows)
{
    if (workspace.DocumentCount() == 0) {
        // The insertion itself refuses with the error beep.
        InsertText(workspace, QString(), -1);
        return;
    }
    const QString text = TagInspectorRules::GenerateAttributes(
        tag, attributes, rows, workspace.Options().cbAttrUpperCase());
    InsertText(workspace, text, int(text.size()) + 1);
}
