// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/TRCRichEdit.h"
#include "editor/TfrmMDIChild.h"
#include "support/FakeWorkspace.h"
#include "support/ScriptedDialogs.h"
#include "support/TestCatalogue.h"
#include "tags/TagInsertion.h"
#include "tags/TagStore.h"

#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

// Lets a test look at the page while a message box is up.
class ObservingDialogs : public ScriptedDialogs {
public:
    std::function<void()> onMessage;
    MsgButton MessageBox(MsgKind kind, const QString &text, MsgButtons buttons) override
    {
        if (onMessage)
            onMessage();
        return ScriptedDialogs::MessageBox(kind, text, buttons);
    }
};

// Writing a catalogue tag into the active page by name, and the letter-case
// rules, against a small catalogue built in a temporary folder.
class TestTagInsertion : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void unknownTagLeavesThePageAndNamesTheTag();
    void tagCaseAppliesToTheNameAsPassed();
    void oneSidedReplacesTheSelectionTwoSidedWrapsIt();
    void twoSidedTagWithoutPromptPutsTheCaretBetween();
    void twoSidedTagSelectsItsTrimmedPrompt();
    void insertionIsOneUndoStep();
    void noDocumentBeepsByTheSoundOption();
    void readyFlagIsHeldAndGivenBack();
    void insertionWaitsForTheReadyFlag();
    void storeFailureIsReported();
    void tagPromptLookup();

private:
    QTemporaryDir FDir;
    std::unique_ptr<TagStore> FStore;
    std::unique_ptr<FakeWorkspace> FWorkspace;
    std::unique_ptr<ObservingDialogs> FDialogs;
    std::unique_ptr<TagInsertion> FInsertion;

    TfrmMDIChild *Open(const QString &text, int selStart = 0, int selLength = 0);
    QString Text() const { return FWorkspace->ActiveDocument()->EditMemo->Text(); }
    TRCRichEdit *Editor() const { return FWorkspace->ActiveDocument()->EditMemo; }
};

void TestTagInsertion::initTestCase()
{
    QVERIFY(FDir.isValid());
    FStore = std::make_unique<TagStore>(FDir.path());
    FStore->Create(TagStore::Table::Tags);
    if (!FStore->IsOpen(TagStore::Table::Tags))
        FStore->Open(TagStore::Table::Tags);
    FStore->AddTag(MakeTag(QStringLiteral("H1"), true, QStringLiteral("  Heading text \r\n")));
    FStore->AddTag(MakeTag(QStringLiteral("BR"), false));
    FStore->AddTag(MakeTag(QStringLiteral("B"), true, QStringLiteral("Bold text")));
    FStore->AddTag(MakeTag(QStringLiteral("TD"), true));
}

void TestTagInsertion::init()
{
    if (!FStore->IsOpen(TagStore::Table::Tags))
        FStore->Open(TagStore::Table::Tags);
    FWorkspace = std::make_unique<FakeWorkspace>();
    FDialogs = std::make_unique<ObservingDialogs>();
    FInsertion = std::make_unique<TagInsertion>(*FWorkspace, *FStore);
}

void TestTagInsertion::cleanup()
{
    FInsertion.reset();
    FWorkspace.reset();
    FDialogs.reset();
}

TfrmMDIChild *TestTagInsertion::Open(const QString &text, int selStart, int selLength)
{
    TfrmMDIChild *child = FWorkspace->OpenDocument(text);
    child->EditMemo->SetSelection(selStart, selLength);
    return child;
}

void TestTagInsertion::unknownTagLeavesThePageAndNamesTheTag()
{
    Open(QStringLiteral("some text"), 2, 3);
    QVERIFY(!FInsertion->InsertTag(QStringLiteral("Blink2")));
    QCOMPARE(Text(), QStringLiteral("some text"));
    QCOMPARE(FWorkspace->errorBeeps, 1);
    const QList<ScriptedDialogs::Call> messages = FDialogs->Messages();
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.first().msgKind, MsgKind::Information);
    QCOMPARE(messages.first().buttons, MsgButtons(mbOK));
    QCOMPARE(messages.first().text,
             QStringLiteral("Can not insert a tag: can not find the tag \"Blink2\"."));
}

void TestTagInsertion::tagCaseAppliesToTheNameAsPassed()
{
    FWorkspace->options.tagPrompt = false;
    FWorkspace->options.tagUpperCase = false;
    Open(QString());
    QVERIFY(FInsertion->InsertTag(QStringLiteral("H1")));
    QCOMPARE(Text(), QStringLiteral("<h1></h1>"));

    // The catalogue is searched without regard to case; the name written is
    // the caller's, in tag case.
    FWorkspace->options.tagUpperCase = true;
    Open(QString());
    QVERIFY(FInsertion->InsertTag(QStringLiteral("h1")));
    QCOMPARE(Text(), QStringLiteral("<H1></H1>"));
}

void TestTagInsertion::oneSidedReplacesTheSelectionTwoSidedWrapsIt()
{
    FWorkspace->options.tagPrompt = true;
    Open(QStringLiteral("one two three"), 4, 3);
    QVERIFY(FInsertion->InsertTag(QStringLiteral("BR")));
    QCOMPARE(Text(), QStringLiteral("one <BR> three"));
    QCOMPARE(Editor()->SelStart(), 8);

    Editor()->SetSelection(9, 5);
    QVERIFY(FInsertion->InsertTag(QStringLiteral("b")));
    QCOMPARE(Text(), QStringLiteral("one <BR> <B>three</B>"));
    QCOMPARE(Editor()->SelStart(), 21);
    QCOMPARE(Editor()->SelLength(), 0);
}

void TestTagInsertion::twoSidedTagWithoutPromptPutsTheCaretBetween()
{
    FWorkspace->options.tagPrompt = false;
    Open(QStringLiteral("ab"), 1);
    QVERIFY(FInsertion->InsertTag(QStringLiteral("H1")));
    QCOMPARE(Text(), QStringLiteral("a<H1></H1>b"));
    QCOMPARE(Editor()->SelStart(), 5);
    QCOMPARE(Editor()->SelLength(), 0);

    // An empty stored prompt does the same with the option on.
    FWorkspace->options.tagPrompt = true;
    Open(QString());
    QVERIFY(FInsertion->InsertTag(QStringLiteral("TD")));
    QCOMPARE(Text(), QStringLiteral("<TD></TD>"));
    QCOMPARE(Editor()->SelStart(), 4);
}

void TestTagInsertion::twoSidedTagSelectsItsTrimmedPrompt()
{
    FWorkspace->options.tagPrompt = true;
    Open(QStringLiteral("x\r\ny"), 3);
    QVERIFY(FInsertion->InsertTag(QStringLiteral("H1")));
    QCOMPARE(Text(), QStringLiteral("x\r\n<H1>Heading text</H1>y"));
    QCOMPARE(Editor()->SelStart(), 7);
    QCOMPARE(Editor()->SelText(), QStringLiteral("Heading text"));
}

void TestTagInsertion::insertionIsOneUndoStep()
{
    Open(QStringLiteral("keep"), 0, 4);
    QVERIFY(FInsertion->InsertTag(QStringLiteral("B")));
    QCOMPARE(Text(), QStringLiteral("<B>keep</B>"));
    Editor()->Undo();
    QCOMPARE(Text(), QStringLiteral("keep"));
}

void TestTagInsertion::noDocumentBeepsByTheSoundOption()
{
    FWorkspace->options.sound = true;
    QVERIFY(!FInsertion->InsertTag(QStringLiteral("H1")));
    QCOMPARE(FDialogs->BeepCount(), 1);
    QVERIFY(FInsertion->GetTagPrompt(QStringLiteral("H1")).isEmpty());
    QCOMPARE(FDialogs->BeepCount(), 2);

    FWorkspace->options.sound = false;
    QVERIFY(!FInsertion->InsertTag(QStringLiteral("H1")));
    QCOMPARE(FDialogs->BeepCount(), 2);
    QCOMPARE(FWorkspace->errorBeeps, 3);
    QVERIFY(FDialogs->Messages().isEmpty());
}

void TestTagInsertion::readyFlagIsHeldAndGivenBack()
{
    TfrmMDIChild *child = Open(QString());
    QList<bool> readyDuringChange;
    connect(child->EditMemo, &TRCRichEdit::Change, this,
            [&] { readyDuringChange.append(child->Ready()); });
    QVERIFY(FInsertion->InsertTag(QStringLiteral("BR")));
    QVERIFY(!readyDuringChange.isEmpty());
    QVERIFY(!readyDuringChange.contains(true));
    QVERIFY(child->Ready());

    // Also after a failure, and already free while its message is shown.
    bool readyDuringMessage = false;
    FDialogs->onMessage = [&] { readyDuringMessage = child->Ready(); };
    QVERIFY(!FInsertion->InsertTag(QStringLiteral("NOSUCHTAG")));
    QVERIFY(readyDuringMessage);
    QVERIFY(child->Ready());
}

void TestTagInsertion::insertionWaitsForTheReadyFlag()
{
    TfrmMDIChild *child = Open(QStringLiteral("text"), 4);
    child->SetReady(false);
    bool textWhenReleased = false;
    QTimer::singleShot(20, this, [&] {
        // Nothing was written while another operation held the editor.
        textWhenReleased = child->EditMemo->Text() == QStringLiteral("text");
        child->SetReady(true);
    });
    QVERIFY(FInsertion->InsertTag(QStringLiteral("BR")));
    QVERIFY(textWhenReleased);
    QCOMPARE(Text(), QStringLiteral("text<BR>"));
    QVERIFY(child->Ready());
}

void TestTagInsertion::storeFailureIsReported()
{
    TfrmMDIChild *child = Open(QStringLiteral("page"));
    FStore->Close(TagStore::Table::Tags);
    bool raises = false;
    try {
        FStore->FindTag(QStringLiteral("BR"));
    } catch (const StoreError &) {
        raises = true;
    }
    if (!raises)
        QSKIP("the store answers a search on a closed table without an error");

    QVERIFY(!FInsertion->InsertTag(QStringLiteral("BR")));
    QCOMPARE(Text(), QStringLiteral("page"));
    QVERIFY(child->Ready());
    const QList<ScriptedDialogs::Call> messages = FDialogs->Messages();
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.first().msgKind, MsgKind::Information);
    QVERIFY(messages.first().text.startsWith(QStringLiteral("Can not insert a tag: ")));
    QVERIFY(messages.first().text.size() > QStringLiteral("Can not insert a tag: ").size());

    try {
        FInsertion->GetTagPrompt(QStringLiteral("H1"));
        QFAIL("a failing store must raise");
    } catch (const StoreError &error) {
        QVERIFY(error.Message().startsWith(QStringLiteral("Can not get tag prompt: ")));
    }
}

void TestTagInsertion::tagPromptLookup()
{
    Open(QString());
    // The stored prompt, trimmed, whatever the prompt option says.
    FWorkspace->options.tagPrompt = false;
    QCOMPARE(FInsertion->GetTagPrompt(QStringLiteral("h1")), QStringLiteral("Heading text"));
    QVERIFY(FDialogs->Messages().isEmpty());

    QVERIFY(FInsertion->GetTagPrompt(QStringLiteral("ZZ")).isEmpty());
    QCOMPARE(FWorkspace->errorBeeps, 1);
    QCOMPARE(FDialogs->Messages().size(), 1);
    QCOMPARE(FDialogs->Messages().first().text,
             QStringLiteral("Can not insert a tag: can not find the tag \"ZZ\"."));
}

QTEST_MAIN(TestTagInsertion)
#include "tst_taginsertion.moc"
