// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/InsertionOperations.h"
#include "editor/TRCRichEdit.h"
#include "editor/TfrmMDIChild.h"
#include "support/EditorFixture.h"

#include <QPointer>
#include <QTimer>
#include <QtTest>
#include <stdexcept>

namespace {

// A workspace whose message bar fails, so that the editor's change
// handling throws in the middle of an insertion.
class FailingWorkspace : public FakeWorkspace {
public:
    bool failing = false;
    void ShowModifiedState(bool modified) override
    {
        if (failing)
            throw std::runtime_error("status bar gone");
        FakeWorkspace::ShowModifiedState(modified);
    }
};

} // namespace

class TestInsertionOperations : public EditorFixture {
    Q_OBJECT
private slots:
    void insertTextPlacesCaret_data();
    void insertTextPlacesCaret();
    void insertTextMarksPageModified();
    void insertTextWithoutDocumentBeepsByOption();
    void insertTextWaitsForReadyFlag();
    void insertTextRestoresReadyFlagWhenChangeFails();
    void insertTextIsOneUndoStep();

    void pairWithoutSelection_data();
    void pairWithoutSelection();
    void pairWrapsSelectionIgnoringDefaultText();
    void pairWrapsMultiLineSelectionWhole();
    void insertAroundUsesGivenTexts();
    void pairWithoutDocumentAlwaysBeeps();
    void pairIgnoresReadyFlag();
    void pairIsOneUndoStep();

    void trimRemovesBlanksAndControls();
};

void TestInsertionOperations::insertTextPlacesCaret_data()
{
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QString>("expectedText");
    QTest::addColumn<int>("expectedCaret");
    // Page "abcdefghij", inserting "XYZ".
    QTest::newRow("-1: after the text") << 3 << 0 << -1 << "abcXYZdefghij" << 6;
    QTest::newRow("0: before the text") << 3 << 0 << 0 << "abcXYZdefghij" << 3;
    QTest::newRow("inside the text") << 3 << 0 << 2 << "abcXYZdefghij" << 5;
    QTest::newRow("at the text's end") << 3 << 0 << 3 << "abcXYZdefghij" << 6;
    QTest::newRow("beyond: into the following text") << 3 << 0 << 5 << "abcXYZdefghij" << 8;
    QTest::newRow("selection replaced") << 2 << 4 << 1 << "abXYZghij" << 3;
    QTest::newRow("at the page's start") << 0 << 0 << -1 << "XYZabcdefghij" << 3;
    QTest::newRow("at the page's end") << 10 << 0 << -1 << "abcdefghijXYZ" << 13;
}

void TestInsertionOperations::insertTextPlacesCaret()
{
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(int, offset);
    QFETCH(QString, expectedText);
    QFETCH(int, expectedCaret);
    TfrmMDIChild *child = Open(QStringLiteral("abcdefghij"), selStart, selLength);
    InsertText(*FWorkspace, QStringLiteral("XYZ"), offset);
    QCOMPARE(child->EditMemo->Text(), expectedText);
    QCOMPARE(child->EditMemo->SelStart(), expectedCaret);
    QCOMPARE(child->EditMemo->SelLength(), 0);
    QVERIFY(child->Ready());
}

void TestInsertionOperations::insertTextMarksPageModified()
{
    TfrmMDIChild *child = FWorkspace->OpenDocument(QStringLiteral("x"));
    QVERIFY(!child->EditMemo->Modified());
    InsertText(*FWorkspace, QStringLiteral(" TITLE=\"\""), 8);
    QCOMPARE(child->EditMemo->Text(), QStringLiteral(" TITLE=\"\"x"));
    QCOMPARE(child->EditMemo->SelStart(), 8);
    QVERIFY(child->EditMemo->Modified());
    QCOMPARE(FWorkspace->Panel(4), QStringLiteral("Modified..."));
}

void TestInsertionOperations::insertTextWithoutDocumentBeepsByOption()
{
    FWorkspace->options.sound = true;
    InsertText(*FWorkspace, QStringLiteral("<LI>"), -1);
    QCOMPARE(FWorkspace->errorBeeps, 1);
    QCOMPARE(FDialogs->BeepCount(), 1);

    FWorkspace->options.sound = false;
    InsertText(*FWorkspace, QStringLiteral("<LI>"), -1);
    QCOMPARE(FWorkspace->errorBeeps, 2);
    QCOMPARE(FDialogs->BeepCount(), 1);
    QVERIFY(FDialogs->Messages().isEmpty());
}

void TestInsertionOperations::insertTextWaitsForReadyFlag()
{
    TfrmMDIChild *child = FWorkspace->OpenDocument(QStringLiteral("page"));
    child->SetReady(false);
    QString textWhileHeld;
    QPointer<TfrmMDIChild> guard(child);
    QTimer::singleShot(20, child, [&] {
        textWhileHeld = guard->EditMemo->Text();
        guard->SetReady(true);
    });
    InsertText(*FWorkspace, QStringLiteral("<BR>"), -1);
    QCOMPARE(textWhileHeld, QStringLiteral("page"));
    QCOMPARE(child->EditMemo->Text(), QStringLiteral("<BR>page"));
    QVERIFY(child->Ready());
}

void TestInsertionOperations::insertTextRestoresReadyFlagWhenChangeFails()
{
    auto *failing = new FailingWorkspace;
    FWorkspace.reset(failing);
    TfrmMDIChild *child = failing->OpenDocument(QStringLiteral("page"));
    failing->failing = true;
    bool passedOn = false;
    try {
        InsertText(*failing, QStringLiteral("<HR>"), -1);
    } catch (const std::runtime_error &) {
        passedOn = true;
    }
    failing->failing = false;
    QVERIFY(passedOn);
    QVERIFY(child->Ready());
}

void TestInsertionOperations::insertTextIsOneUndoStep()
{
    TfrmMDIChild *child = FWorkspace->OpenDocument(QStringLiteral("one two"));
    QVERIFY(!child->EditMemo->CanUndo());
    child->EditMemo->SetSelection(4, 3);
    InsertText(*FWorkspace, QStringLiteral(" ALIGN=\"\"\r\nmore"), 8);
    QVERIFY(child->EditMemo->CanUndo());
    child->EditMemo->Undo();
    QCOMPARE(child->EditMemo->Text(), QStringLiteral("one two"));
    QVERIFY(!child->EditMemo->CanUndo());
}

void TestInsertionOperations::pairWithoutSelection_data()
{
    QTest::addColumn<bool>("prompt");
    QTest::addColumn<QString>("defaultText");
    QTest::addColumn<QString>("expectedText");
    const QString term = QStringLiteral("Term and term's definition go here");
    QTest::newRow("prompt on") << true << term << "ab<DL>" + term + "</DL>cd";
    QTest::newRow("prompt off") << false << term << "ab<DL></DL>cd";
    QTest::newRow("prompt on, default trimmed") << true << "\t  " + term + " \r\n"
                                                << "ab<DL>" + term + "</DL>cd";
    QTest::newRow("prompt on, blanks only") << true << " \t\r\n "
                                            << "ab<DL></DL>cd";
    QTest::newRow("prompt on, empty default") << true << ""
                                              << "ab<DL></DL>cd";
}

void TestInsertionOperations::pairWithoutSelection()
{
    QFETCH(bool, prompt);
    QFETCH(QString, defaultText);
    QFETCH(QString, expectedText);
    FWorkspace->options.tagPrompt = prompt;
    TfrmMDIChild *child = Open(QStringLiteral("abcd"), 2);
    InsertTagPair(*FWorkspace, QStringLiteral("DL"), defaultText);
    QCOMPARE(child->EditMemo->Text(), expectedText);
    // Right after the opening tag, before the default text, nothing selected.
    QCOMPARE(child->EditMemo->SelStart(), 6);
    QCOMPARE(child->EditMemo->SelLength(), 0);
    QVERIFY(child->EditMemo->Modified());
}

void TestInsertionOperations::pairWrapsSelectionIgnoringDefaultText()
{
    for (bool prompt : {true, false}) {
        FWorkspace->options.tagPrompt = prompt;
        TfrmMDIChild *child = Open(QStringLiteral("a word here"), 2, 4);
        InsertTagPair(*FWorkspace, QStringLiteral("b"), QStringLiteral("Bold text"));
        // The tag name is used letter for letter.
        QCOMPARE(child->EditMemo->Text(), QStringLiteral("a <b>word</b> here"));
        QCOMPARE(child->EditMemo->SelStart(), 13);
        QCOMPARE(child->EditMemo->SelLength(), 0);
        FWorkspace->CloseAllDocuments();
    }
}

void TestInsertionOperations::pairWrapsMultiLineSelectionWhole()
{
    const QString page = QStringLiteral("<P>\r\nline one\r\nline two\r\n</P>");
    TfrmMDIChild *child = Open(page, 5, 20); // "line one\r\nline two\r\n"
    QCOMPARE(child->EditMemo->SelText(), QStringLiteral("line one\r\nline two\r\n"));
    InsertTagPair(*FWorkspace, QStringLiteral("PRE"), QString());
    QCOMPARE(child->EditMemo->Text(),
             QStringLiteral("<P>\r\n<PRE>line one\r\nline two\r\n</PRE></P>"));
    QCOMPARE(child->EditMemo->SelStart(), 5 + 5 + 20 + 6);
}

void TestInsertionOperations::insertAroundUsesGivenTexts()
{
    TfrmMDIChild *child = Open(QStringLiteral("xy"), 1);
    InsertAround(*FWorkspace, QStringLiteral("<A HREF=\"\">"), QStringLiteral("</A>"),
                 QStringLiteral("Link text"));
    QCOMPARE(child->EditMemo->Text(), QStringLiteral("x<A HREF=\"\">Link text</A>y"));
    QCOMPARE(child->EditMemo->SelStart(), 1 + 11);

    child->EditMemo->SetSelection(12, 4); // "Link"
    InsertAround(*FWorkspace, QStringLiteral("<B>"), QStringLiteral("</B>"),
                 QStringLiteral("ignored"));
    QCOMPARE(child->EditMemo->Text(), QStringLiteral("x<A HREF=\"\"><B>Link</B> text</A>y"));
    QCOMPARE(child->EditMemo->SelStart(), 23);
}

void TestInsertionOperations::pairWithoutDocumentAlwaysBeeps()
{
    FWorkspace->options.sound = false;
    InsertTagPair(*FWorkspace, QStringLiteral("DL"), QString());
    InsertAround(*FWorkspace, QStringLiteral("<B>"), QStringLiteral("</B>"), QString());
    QCOMPARE(FDialogs->BeepCount(), 2);
    // The error-beep rule is not what they use.
    QCOMPARE(FWorkspace->errorBeeps, 0);
}

void TestInsertionOperations::pairIgnoresReadyFlag()
{
    TfrmMDIChild *child = FWorkspace->OpenDocument(QString());
    child->SetReady(false);
    InsertTagPair(*FWorkspace, QStringLiteral("I"), QString());
    QCOMPARE(child->EditMemo->Text(), QStringLiteral("<I></I>"));
    QVERIFY(!child->Ready());
    child->SetReady(true);
}

void TestInsertionOperations::pairIsOneUndoStep()
{
    FWorkspace->options.tagPrompt = true;
    TfrmMDIChild *child = Open(QStringLiteral("start"), 5);
    InsertTagPair(*FWorkspace, QStringLiteral("DL"), QStringLiteral("sample"));
    QCOMPARE(child->EditMemo->Text(), QStringLiteral("start<DL>sample</DL>"));
    child->EditMemo->Undo();
    QCOMPARE(child->EditMemo->Text(), QStringLiteral("start"));
    QVERIFY(!child->EditMemo->CanUndo());
}

void TestInsertionOperations::trimRemovesBlanksAndControls()
{
    QCOMPARE(TrimBlanksAndControls(QStringLiteral("\x01\t a b \x1f\r\n")), QStringLiteral("a b"));
    QCOMPARE(TrimBlanksAndControls(QStringLiteral(" \x7f ")), QStringLiteral("\x7f"));
    // A no-break space is not a blank here.
    QCOMPARE(TrimBlanksAndControls(QString::fromUtf8("\u00a0x\u00a0")),
             QString::fromUtf8("\u00a0x\u00a0"));
    QCOMPARE(TrimBlanksAndControls(QStringLiteral("   ")), QString());
}

QTEST_MAIN(TestInsertionOperations)
#include "tst_insertionoperations.moc"
