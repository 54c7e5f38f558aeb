// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/TRCRichEdit.h"
#include "editor/TfrmMDIChild.h"
#include "platform/FatalErrorText.h"
#include "platform/ProductInfo.h"
#include "shell/MainCommandTable.h"
#include "shell/TagCommands.h"
#include "shell/TfrmMainForm.h"
#include "support/ScriptedDialogs.h"
#include "support/TestCatalogue.h"
#include "tags/TDataMod.h"
#include "tags/TagStore.h"
#include "tags/TfrmTagInspector.h"

#include <QAction>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <memory>

// The main window's tag buttons and text commands, on a real main window
// with a small catalogue in a temporary program folder.
class TestTagCommands : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void everyTagButtonInsertsItsTag();
    void tagsMenuForwardsToTheMainCommands();
    void anchorWithoutItsCatalogueEntry();
    void anchorWithPromptInLowerCase();
    void anchorWithoutPromptWrapsTheTrimmedSelection();
    void imageWithoutPromptPutsTheFileNameAfter();
    void imageWithPromptSelectsTheFileName();
    void commentButton();
    void alignmentButtons();
    void caseConversionChangesOnlyAsciiLetters();
    void caseConversionRefusals();
    void colorSelector();
    void colorSelectorWithoutDocument();
    void makerLinkFollowsTheCaseOptions();

private:
    TfrmMDIChild *Open(const QString &text, int selStart = 0, int selLength = 0);
    TRCRichEdit *Editor() const { return FForm->ActiveDocument()->EditMemo; }
    QString Text() const { return Editor()->Text(); }
    void Click(const char *button);
    void SetCase(bool tags, bool attributes);

    QTemporaryDir FDir;
    std::unique_ptr<TDataMod> FDataMod;
    std::unique_ptr<ScriptedDialogs> FDialogs;
    std::unique_ptr<TfrmMainForm> FForm;
    std::unique_ptr<TfrmTagInspector> FInspector;
};

namespace {
// The 55 buttons that insert a catalogue tag, with the name each passes.
QString ExpectedTag(const QString &button)
{
    if (button == QLatin1String("sbParagraph"))
        return QStringLiteral("P");
    if (button == QLatin1String("sbBQ"))
        return QStringLiteral("BLOCKQUOTE");
    return button.mid(2).toUpper();
}

const QStringList TagButtonNames = {
    "sbParagraph", "sbBR",       "sbHR",      "sbBODY",  "sbHEAD", "sbHTML",  "sbISINDEX",
    "sbTITLE",     "sbH1",       "sbH2",      "sbH3",    "sbH4",   "sbH5",    "sbH6",
    "sbLink",      "sbDD",       "sbDIR",     "sbDL",    "sbDT",   "sbLI",    "sbMENU",
    "sbOL",        "sbUL",       "sbB",       "sbI",     "sbU",    "sbS",     "sbEM",
    "sbBASEFONT",  "sbCenter",   "sbCITE",    "sbCODE",  "sbDFN",  "sbFONT",  "sbKBD",
    "sbSAMP",      "sbSTRONG",   "sbTT",      "sbVAR",   "sbFORM", "sbINPUT", "sbOPTION",
    "sbSELECT",    "sbTEXTAREA", "sbCAPTION", "sbTABLE", "sbTD",   "sbTH",    "sbTR",
    "sbAddress",   "sbBLINK",    "sbBQ",      "sbNOBR",  "sbPRE",  "sbWBR",
};

// Tags written with one part only.
const QStringList OneSided = {"BR", "HR", "ISINDEX", "LINK", "BASEFONT", "INPUT", "WBR"};

const QString AnchorPrompt = QStringLiteral("http://www.example.com/");
} // namespace

void TestTagCommands::initTestCase()
{
    QVERIFY(FDir.isValid());
    const QString dataDir = FDir.filePath(QStringLiteral("DATA"));
    QVERIFY(QDir().mkpath(dataDir));
    {
        TagStore store(dataDir);
        CreateEmptyTables(store);
        if (!store.IsOpen(TagStore::Table::Tags))
            store.Open(TagStore::Table::Tags);
        store.AddTagGroup({QStringLiteral("All Tags"), 0});
        for (const QString &button : TagButtonNames) {
            const QString name = ExpectedTag(button);
            store.AddTag(MakeTag(name, !OneSided.contains(name), QStringLiteral("prompt")));
        }
    }
    FDataMod = std::make_unique<TDataMod>(FDir.path());
    QVERIFY2(FatalErrorText().isEmpty(), qPrintable(FatalErrorText()));
}

void TestTagCommands::init()
{
    FDialogs = std::make_unique<ScriptedDialogs>();
    FForm = std::make_unique<TfrmMainForm>();
    FInspector = std::make_unique<TfrmTagInspector>(*FForm, *FDataMod, *FForm, FForm.get());
    QVERIFY2(FatalErrorText().isEmpty(), qPrintable(FatalErrorText()));
    LiveOptionValues &options = FForm->OptionValues();
    options.tagPrompt = true;
    options.tagUpperCase = true;
    options.attrUpperCase = true;
    options.sound = true;
}

void TestTagCommands::cleanup()
{
    FInspector.reset();
    FForm.reset();
    FDialogs.reset();
}

TfrmMDIChild *TestTagCommands::Open(const QString &text, int selStart, int selLength)
{
    auto *child = new TfrmMDIChild(*FForm);
    FForm->AddDocumentWindow(child);
    child->EditMemo->SetText(text);
    child->EditMemo->SetSelection(selStart, selLength);
    return child;
}

void TestTagCommands::Click(const char *button)
{
    auto *found = FForm->findChild<QToolButton *>(QLatin1String(button));
    QVERIFY2(found, button);
    found->click();
}

void TestTagCommands::SetCase(bool tags, bool attributes)
{
    FForm->OptionValues().tagUpperCase = tags;
    FForm->OptionValues().attrUpperCase = attributes;
}

void TestTagCommands::everyTagButtonInsertsItsTag()
{
    FForm->OptionValues().tagPrompt = false;
    QCOMPARE(TagButtonNames.size(), 55);
    const QList<MainCommandRecord> &records = MainCommandTable::Records();
    QCOMPARE(std::count_if(records.begin(), records.end(),
                           [](const MainCommandRecord &record) { return record.handler.tag; }),
             55);
    Open(QString());
    for (const QString &button : TagButtonNames) {
        Editor()->SetText(QStringLiteral("x"));
        Editor()->SetSelection(0, 1);
        auto *found = FForm->findChild<QToolButton *>(button);
        QVERIFY2(found, qPrintable(button));
        found->click();
        const QString tag = ExpectedTag(button);
        const QString expected = OneSided.contains(tag)
            ? QLatin1Char('<') + tag + QLatin1Char('>')
            : QLatin1Char('<') + tag + QStringLiteral(">x</") + tag + QLatin1Char('>');
        QCOMPARE(Text(), expected);
    }
    QVERIFY(FDialogs->Messages().isEmpty());
}

void TestTagCommands::tagsMenuForwardsToTheMainCommands()
{
    FForm->OptionValues().tagPrompt = false;
    TfrmMDIChild *child = Open(QString());
    // The document's own menu item runs the main window's command.
    QAction *html = nullptr;
    for (const MergedMenu &menu : child->ChildMenus())
        if (!html)
            html = menu.menu->findChild<QAction *>(QStringLiteral("mnuHTML"));
    QVERIFY(html);
    html->trigger();
    QCOMPARE(Text(), QStringLiteral("<HTML></HTML>"));

    Editor()->SetText(QString());
    FForm->RunMainCommand(MainCommand::sbHTML);
    QCOMPARE(Text(), QStringLiteral("<HTML></HTML>"));
    Editor()->SetText(QString());
    FForm->RunMainCommand(MainCommand::sbParagraph);
    FForm->RunMainCommand(MainCommand::sbBQ);
    QCOMPARE(Text(), QStringLiteral("<P><BLOCKQUOTE></BLOCKQUOTE></P>"));
    Editor()->SetText(QString());
    FForm->RunMainCommand(MainCommand::sbComment);
    QCOMPARE(Text(), QStringLiteral("<!--   -->"));
    Editor()->SetText(QString());
    FForm->RunMainCommand(MainCommand::sbAlignLeft);
    QCOMPARE(Text(), QStringLiteral(" ALIGN=LEFT"));
}

void TestTagCommands::anchorWithoutItsCatalogueEntry()
{
    // Runs before the catalogue has the tag A: the message is shown and the
    // anchor is written all the same, with an empty address.
    QVERIFY(!FDataMod->Store().FindTag(QStringLiteral("A")));
    Open(QString());
    Click("sbA");
    QCOMPARE(Text(), QStringLiteral("<A HREF=\"\">Type text that will be highlighted here</A>"));
    QCOMPARE(Editor()->SelStart(), 9);
    QCOMPARE(Editor()->SelLength(), 0);
    QCOMPARE(FDialogs->Messages().size(), 1);
    QCOMPARE(FDialogs->Messages().first().text,
             QStringLiteral("Can not insert a tag: can not find the tag \"A\"."));
    FDataMod->Store().AddTag(
        MakeTag(QStringLiteral("A"), true, QStringLiteral(" ") + AnchorPrompt));
}

void TestTagCommands::anchorWithPromptInLowerCase()
{
    SetCase(false, false);
    Open(QStringLiteral("go "), 3);
    Click("sbA");
    QCOMPARE(Text(),
             QStringLiteral("go <a href=\"") + AnchorPrompt
                 + QStringLiteral("\">Type text that will be highlighted here</a>"));
    QCOMPARE(Editor()->SelStart(), 3 + 9);
    QCOMPARE(Editor()->SelText(), AnchorPrompt);

    // A selection is kept as the anchor text, not case-converted.
    Editor()->SetText(QStringLiteral("Home Page"));
    Editor()->SelectAll();
    Click("sbA");
    QCOMPARE(Text(),
             QStringLiteral("<a href=\"") + AnchorPrompt + QStringLiteral("\">Home Page</a>"));
    QVERIFY(FDialogs->Messages().isEmpty());
}

void TestTagCommands::anchorWithoutPromptWrapsTheTrimmedSelection()
{
    FForm->OptionValues().tagPrompt = false;
    Open(QStringLiteral("see  word \r\nend"), 3, 9);
    Click("sbA");
    QCOMPARE(Text(), QStringLiteral("see<A HREF=\"\">word</A>end"));
    QCOMPARE(Editor()->SelStart(), 3 + 9);
    QCOMPARE(Editor()->SelLength(), 0);
}

void TestTagCommands::imageWithoutPromptPutsTheFileNameAfter()
{
    FForm->OptionValues().tagPrompt = false;
    Open(QStringLiteral(" Logo.GIF "), 0, 10);
    Click("sbIMAGE");
    QCOMPARE(Text(), QStringLiteral("<IMG SRC=\"\">Logo.GIF"));
    QCOMPARE(Editor()->SelStart(), 10);
    QCOMPARE(Editor()->SelLength(), 0);
}

void TestTagCommands::imageWithPromptSelectsTheFileName()
{
    Open(QStringLiteral("ab"), 1);
    Click("sbIMAGE");
    QCOMPARE(Text(), QStringLiteral("a<IMG SRC=\"image.gif\">b"));
    QCOMPARE(Editor()->SelStart(), 11);
    QCOMPARE(Editor()->SelText(), QStringLiteral("image.gif"));

    // A selected name is used as the file system spells it.
    SetCase(false, false);
    Editor()->SetText(QStringLiteral("Photo.JPG"));
    Editor()->SelectAll();
    Click("sbIMAGE");
    QCOMPARE(Text(), QStringLiteral("<img src=\"Photo.JPG\">"));
    QCOMPARE(Editor()->SelText(), QStringLiteral("Photo.JPG"));
}

void TestTagCommands::commentButton()
{
    // No document: a beep even with the sound option off.
    FForm->OptionValues().sound = false;
    Click("sbComment");
    QCOMPARE(FDialogs->BeepCount(), 1);

    FForm->OptionValues().tagPrompt = false;
    Open(QStringLiteral("ab"), 1);
    Click("sbComment");
    QCOMPARE(Text(), QStringLiteral("a<!--   -->b"));
    QCOMPARE(Editor()->SelStart(), 1 + 5);

    FForm->OptionValues().tagPrompt = true;
    SetCase(false, false);
    Editor()->SetText(QString());
    Click("sbComment");
    QCOMPARE(Text(), QStringLiteral("<!-- Type your comment here -->"));
    QCOMPARE(Editor()->SelStart(), 5);

    Editor()->SetText(QStringLiteral("x Note y"));
    Editor()->SetSelection(2, 4);
    Click("sbComment");
    QCOMPARE(Text(), QStringLiteral("x <!-- Note --> y"));
    QCOMPARE(Editor()->SelStart(), 2);
    QCOMPARE(FDialogs->BeepCount(), 1);
}

void TestTagCommands::alignmentButtons()
{
    SetCase(true, false);
    Open(QStringLiteral("<P>"), 2);
    Click("sbAlignCenter");
    QCOMPARE(Text(), QStringLiteral("<P align=center>"));
    QCOMPARE(Editor()->SelStart(), 15);
    SetCase(true, true);
    Click("sbAlignLeft");
    Click("sbAlignRight");
    QCOMPARE(Text(), QStringLiteral("<P align=center ALIGN=LEFT ALIGN=RIGHT>"));
}

void TestTagCommands::caseConversionChangesOnlyAsciiLetters()
{
    Open(QStringLiteral("<p>Café 42, ßtraße & ÿes!</p>"), 3, 22);
    Click("sbUpperCase");
    QCOMPARE(Text(), QStringLiteral("<p>CAFé 42, ßTRAßE & ÿES!</p>"));
    QCOMPARE(Editor()->SelStart(), 25);
    QCOMPARE(Editor()->SelLength(), 0);
    Editor()->Undo();
    QCOMPARE(Text(), QStringLiteral("<p>Café 42, ßtraße & ÿes!</p>"));

    Editor()->SetSelection(0, 3);
    FForm->MenuItem(QStringLiteral("mnuUpperCase"))->trigger();
    QCOMPARE(Text(), QStringLiteral("<P>Café 42, ßtraße & ÿes!</p>"));
    Editor()->SetSelection(0, 10);
    FForm->MenuItem(QStringLiteral("mnuLowerCase"))->trigger();
    QCOMPARE(Text(), QStringLiteral("<p>café 42, ßtraße & ÿes!</p>"));
    Editor()->SelectAll();
    Click("sbLowerCase");
    QCOMPARE(Text(), QStringLiteral("<p>café 42, ßtraße & ÿes!</p>"));
}

void TestTagCommands::caseConversionRefusals()
{
    FForm->OptionValues().sound = true;
    Click("sbUpperCase");
    Click("sbLowerCase");
    QCOMPARE(FDialogs->BeepCount(), 2);
    Open(QStringLiteral("text"), 2);
    FForm->Tags().mnuUpperCaseClick();
    QCOMPARE(FDialogs->BeepCount(), 3);
    QCOMPARE(Text(), QStringLiteral("text"));
    FForm->OptionValues().sound = false;
    FForm->Tags().mnuLowerCaseClick();
    QCOMPARE(FDialogs->BeepCount(), 3);
    QVERIFY(FDialogs->Messages().isEmpty());
}

void TestTagCommands::colorSelector()
{
    Open(QStringLiteral("color=red;"), 6, 3);
    FDialogs->AnswerColor(QColor(18, 52, 86));
    Click("sbColorPicker");
    QCOMPARE(Text(), QStringLiteral("color=#123456;"));
    QCOMPARE(Editor()->SelStart(), 13);
    QCOMPARE(FDialogs->calls.size(), 1);
    QCOMPARE(FDialogs->calls.first().kind, ScriptedDialogs::CallKind::Color);
    QCOMPARE(FDialogs->calls.first().initialColor, QColor(0xC0, 0xC0, 0xC0));
    QVERIFY(FDialogs->calls.first().fullOpen);

    FDialogs->AnswerColor(QColor(0xAB, 0xCD, 0xEF));
    FForm->MenuItem(QStringLiteral("mnuColorPicker"))->trigger();
    QCOMPARE(Text(), QStringLiteral("color=#123456#ABCDEF;"));

    FDialogs->AnswerColor(std::nullopt);
    FForm->Tags().mnuColorPickerClick();
    QCOMPARE(Text(), QStringLiteral("color=#123456#ABCDEF;"));
    QCOMPARE(FDialogs->calls.size(), 3);
}

void TestTagCommands::colorSelectorWithoutDocument()
{
    FForm->OptionValues().sound = false;
    Click("sbColorPicker");
    QCOMPARE(FDialogs->BeepCount(), 0);
    QCOMPARE(FDialogs->calls.size(), 1);
    const ScriptedDialogs::Call message = FDialogs->calls.first();
    QCOMPARE(message.kind, ScriptedDialogs::CallKind::Message);
    QCOMPARE(message.msgKind, MsgKind::Information);
    QCOMPARE(message.buttons, MsgButtons(mbOK));
    QCOMPARE(message.text,
             QStringLiteral("Can not open Color Selector.\rOpen any existing or new web page.\r"));
}

void TestTagCommands::makerLinkFollowsTheCaseOptions()
{
    const QString page = ProductInfo::WebPage;
    SetCase(false, false);
    Open(QStringLiteral("gone"), 0, 4);
    FForm->MenuItem(QStringLiteral("mnuLinkToVaroPage"))->trigger();
    const QString lower = QStringLiteral("<br>\r\n<center>\r\n<a href=\"") + page
        + QStringLiteral("\">\r\n<img src=\"") + page
        + QStringLiteral("/varonow.gif\" alt=\"Double click here to download "
                         "Quillon\" border=0>\r\n</a>\r\n</center>\r\n");
    QCOMPARE(Text(), lower);
    QCOMPARE(Editor()->SelStart(), int(lower.size()));

    // Rebuilt at each use: tag case on, attribute case still off.
    SetCase(true, false);
    Editor()->SetText(QString());
    FForm->MenuItem(QStringLiteral("mnuPopLinkToVaroPage"))->trigger();
    QVERIFY(Text().startsWith(QStringLiteral("<BR>\r\n<CENTER>\r\n<A href=\"") + page));
    QVERIFY(Text().contains(QStringLiteral("<IMG src=\"")));
    QVERIFY(Text().endsWith(QStringLiteral("\" border=0>\r\n</A>\r\n</CENTER>\r\n")));
}

QTEST_MAIN(TestTagCommands)
#include "tst_tagcommands.moc"
