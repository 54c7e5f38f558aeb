// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/TRCRichEdit.h"
#include "editor/TfrmMDIChild.h"
#include "support/EditorFixture.h"
#include "support/InspectorCatalogue.h"
#include "tags/TagInspectorInsertion.h"

#include <QTest>
#include <QTimer>

// Writing what the Tag Inspector built into the active page.
class TestInspectorInsertion : public EditorFixture, protected InspectorCatalogue {
    Q_OBJECT
private slots:
    void docTypeTagIsWrittenWhole();
    void tagWrapsTheSelectionAsOneUndoStep();
    void tagWithoutAttributesIsWrittenBare();
    void commentTagRunsTheCommentCommand();
    void failedGenerationLeavesThePage();
    void tagWaitsForTheReadyFlag();
    void attributesOnlyCompleteAnOpenTag();
    void noDocumentBeeps();
};

void TestInspectorInsertion::docTypeTagIsWrittenWhole()
{
    // The whole opening tag, with the version as its public identifier.
    Open(QString());
    TagInspectorInsertion::InsertInspectorTag(*FWorkspace, TagOf("!DOCTYPE"), AttrsOf("!DOCTYPE"),
                                              {Row(false), Row(true, "HTML 3.2")});
    QCOMPARE(Editor()->Text(),
             QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2 FINAL//EN\">"));
}

void TestInspectorInsertion::tagWrapsTheSelectionAsOneUndoStep()
{
    TfrmMDIChild *child = Open(QStringLiteral("a word here"), 2, 4);
    QList<bool> readyDuringChange;
    connect(child->EditMemo, &TRCRichEdit::Change, this,
            [&] { readyDuringChange.append(child->Ready()); });
    TagInspectorInsertion::InsertInspectorTag(*FWorkspace, TagOf("TABLE"), AttrsOf("TABLE"),
                                              {Row(true, QStringLiteral("1")), Row(false)});
    QCOMPARE(Editor()->Text(), QStringLiteral("a <TABLE BORDER=\"1\">word</TABLE> here"));
    QCOMPARE(Editor()->SelStart(), 32);
    QVERIFY(!readyDuringChange.isEmpty());
    QVERIFY(!readyDuringChange.contains(true));
    QVERIFY(child->Ready());

    Editor()->Undo();
    QCOMPARE(Editor()->Text(), QStringLiteral("a word here"));

    // Lower-case tags and attributes; nothing selected: the caret between.
    FWorkspace->options.tagUpperCase = false;
    FWorkspace->options.attrUpperCase = false;
    Open(QString());
    TagInspectorInsertion::InsertInspectorTag(
        *FWorkspace, TagOf("TABLE"), AttrsOf("TABLE"),
        {Row(true, QStringLiteral("1")), Row(true, QString(), QStringLiteral("Navy"))});
    QCOMPARE(Editor()->Text(), QStringLiteral("<table border=\"1\" bgcolor=\"#000080\"></table>"));
    QCOMPARE(Editor()->SelStart(), 36);
    QCOMPARE(Editor()->SelLength(), 0);
}

void TestInspectorInsertion::tagWithoutAttributesIsWrittenBare()
{
    // The tag's prompt is never written by the inspector.
    Open(QStringLiteral("ab"), 1);
    TagInspectorInsertion::InsertInspectorTag(*FWorkspace, TagOf("P"), AttrsOf("P"), {});
    QCOMPARE(Editor()->Text(), QStringLiteral("a<P></P>b"));
    QCOMPARE(Editor()->SelStart(), 4);

    Open(QStringLiteral("ab"), 1);
    TagInspectorInsertion::InsertInspectorTag(*FWorkspace, TagOf("BR"), AttrsOf("BR"), {});
    QCOMPARE(Editor()->Text(), QStringLiteral("a<BR>b"));
    QCOMPARE(Editor()->SelStart(), 5);
}

void TestInspectorInsertion::commentTagRunsTheCommentCommand()
{
    Open(QStringLiteral("text"), 0, 4);
    TagInspectorInsertion::InsertInspectorTag(*FWorkspace, TagOf("!"), AttrsOf("!"), {});
    QCOMPARE(FWorkspace->mainCommands, QList<MainCommand>{MainCommand::sbComment});
    QCOMPARE(Editor()->Text(), QStringLiteral("text"));
}

void TestInspectorInsertion::failedGenerationLeavesThePage()
{
    TfrmMDIChild *child = Open(QStringLiteral("word"), 0, 4);
    const QString error = Raised([&] {
        TagInspectorInsertion::InsertInspectorTag(*FWorkspace, TagOf("TABLE"), AttrsOf("TABLE"),
                                                  {Row(true, "1"), Row(true, QString(), "Mauve")});
    });
    QVERIFY2(error.startsWith(QStringLiteral("Can not insert a tag: Can not generate attribute: ")),
             qPrintable(error));
    QCOMPARE(Editor()->Text(), QStringLiteral("word"));
    QVERIFY(child->Ready());

    const QString attrError = Raised([&] {
        TagInspectorInsertion::InsertInspectorAttributes(
            *FWorkspace, TagOf("TABLE"), AttrsOf("TABLE"),
            {Row(false), Row(true, QString(), "Mauve")});
    });
    QVERIFY2(attrError.startsWith(QStringLiteral("Can not generate attribute: ")),
             qPrintable(attrError));
    QCOMPARE(Editor()->Text(), QStringLiteral("word"));
    QVERIFY(child->Ready());
}

void TestInspectorInsertion::tagWaitsForTheReadyFlag()
{
    TfrmMDIChild *child = Open(QStringLiteral("text"), 4);
    child->SetReady(false);
    bool untouchedWhileHeld = false;
    QTimer::singleShot(20, this, [&] {
        untouchedWhileHeld = child->EditMemo->Text() == QStringLiteral("text");
        child->SetReady(true);
    });
    TagInspectorInsertion::InsertInspectorTag(*FWorkspace, TagOf("BR"), AttrsOf("BR"), {});
    QVERIFY(untouchedWhileHeld);
    QCOMPARE(Editor()->Text(), QStringLiteral("text<BR>"));
    QVERIFY(child->Ready());
}

void TestInspectorInsertion::attributesOnlyCompleteAnOpenTag()
{
    Open(QStringLiteral("<TD>cell</TD>"), 3);
    TagInspectorInsertion::InsertInspectorAttributes(
        *FWorkspace, TagOf("TD"), AttrsOf("TD"),
        {Row(true, QStringLiteral("10")), Row(true), Row(false), Row(false)});
    QCOMPARE(Editor()->Text(), QStringLiteral("<TD WIDTH=\"10\" NOWRAP>cell</TD>"));
    QCOMPARE(Editor()->SelStart(), 22);
    Editor()->Undo();
    QCOMPARE(Editor()->Text(), QStringLiteral("<TD>cell</TD>"));

    // Nothing included: the caret still steps over the bracket.
    Editor()->SetSelStart(3);
    TagInspectorInsertion::InsertInspectorAttributes(*FWorkspace, TagOf("TD"), AttrsOf("TD"), {});
    QCOMPARE(Editor()->Text(), QStringLiteral("<TD>cell</TD>"));
    QCOMPARE(Editor()->SelStart(), 4);
}

void TestInspectorInsertion::noDocumentBeeps()
{
    FWorkspace->options.sound = true;
    TagInspectorInsertion::InsertInspectorTag(*FWorkspace, TagOf("TABLE"), AttrsOf("TABLE"),
                                              {Row(true, "1")});
    // Even a bad colour is not looked at without a page.
    TagInspectorInsertion::InsertInspectorAttributes(*FWorkspace, TagOf("TABLE"), AttrsOf("TABLE"),
                                                     {Row(false), Row(true, QString(), "Mauve")});
    QCOMPARE(FWorkspace->errorBeeps, 2);
    QCOMPARE(FDialogs->BeepCount(), 2);
    QVERIFY(FWorkspace->mainCommands.isEmpty());

    FWorkspace->options.sound = false;
    TagInspectorInsertion::InsertInspectorTag(*FWorkspace, TagOf("!"), AttrsOf("!"), {});
    QCOMPARE(FWorkspace->errorBeeps, 3);
    QCOMPARE(FDialogs->BeepCount(), 2);
    QVERIFY(FWorkspace->mainCommands.isEmpty());
}

QTEST_MAIN(TestInspectorInsertion)
#include "tst_inspectorinsertion.moc"
