// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/TRCRichEdit.h"
#include "editor/TfrmMDIChild.h"
#include "support/ScriptedDialogs.h"
#include "support/FakeWorkspace.h"
#include "support/TestCatalogue.h"
#include "tags/TagInspectorInsertion.h"
#include "tags/TagInspectorRules.h"
#include "tags/TagStore.h"

#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>
#include <stdexcept>

// The Tag Inspector's rules against a small catalogue in a temporary folder.
class TestInspectorRules : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void gridStartsFromTheRecords();
    void rowsAreWrittenByTheirKind();
    void attributeCaseChangesNamesNotValues();
    void coloursAreWrittenAsHexadecimal();
    void unknownColourFailsTheGeneration();
    void docTypeVersionBecomesItsPublicIdentifier();

    void tagWrapsTheSelectionAsOneUndoStep();
    void tagWithoutAttributesIsWrittenBare();
    void commentTagRunsTheCommentCommand();
    void failedGenerationLeavesThePage();
    void tagWaitsForTheReadyFlag();
    void attributesOnlyCompleteAnOpenTag();
    void noDocumentBeeps();

private:
    QTemporaryDir FDir;
    std::unique_ptr<TagStore> FStore;
    std::unique_ptr<FakeWorkspace> FWorkspace;
    std::unique_ptr<ScriptedDialogs> FDialogs;

    TagRecord TagOf(const QString &name) const { return *FStore->FindTag(name); }
    QList<AttrRecord> AttrsOf(const QString &name) const { return FStore->Attributes(name); }
    QString Generate(const QString &tag, const QList<InspectorRowState> &rows, bool upper = true)
    {
        return TagInspectorRules::GenerateAttributes(TagOf(tag), AttrsOf(tag), rows, upper);
    }
    TfrmMDIChild *Open(const QString &text, int selStart = 0, int selLength = 0)
    {
        TfrmMDIChild *child = FWorkspace->OpenDocument(text);
        child->EditMemo->SetSelection(selStart, selLength);
        return child;
    }
    TRCRichEdit *Editor() const { return FWorkspace->ActiveDocument()->EditMemo; }
};

namespace {

AttrRecord Attr(const QString &tag, int order, const QString &name, bool canEdit,
                const QString &type = QStringLiteral(""),
                const QString &controlType = QStringLiteral(""),
                const QString &defaultValue = QStringLiteral(""))
{
    AttrRecord attr;
    attr.TagName = tag;
    attr.DisplayOrder = order;
    attr.Attribute = name;
    attr.DefaultValue = defaultValue;
    attr.Type = type;
    attr.CanEdit = canEdit;
    attr.ControlType = controlType;
    attr.SurroundedBy = QStringLiteral(" \" ");
    return attr;
}

InspectorRowState Row(bool included, const QString &value = QString(),
                      std::optional<QString> listText = std::nullopt)
{
    return InspectorRowState{included, value, listText};
}

QString Raised(const std::function<void()> &action)
{
    try {
        action();
    } catch (const std::exception &error) {
        return QString::fromUtf8(error.what());
    }
    return QString();
}

} // namespace

void TestInspectorRules::initTestCase()
{
    QVERIFY(FDir.isValid());
    FStore = std::make_unique<TagStore>(FDir.path());
    for (TagStore::Table table : {TagStore::Table::Tags, TagStore::Table::Attr}) {
        FStore->Create(table);
        if (!FStore->IsOpen(table))
            FStore->Open(table);
    }
    const QString td = QStringLiteral("TD");
    const QString table = QStringLiteral("TABLE");
    const QString doc = QStringLiteral("!DOCTYPE");
    FStore->AddTag(MakeTag(table, true, QStringLiteral("Text here")));
    FStore->AddTag(MakeTag(td, true, QStringLiteral("Text here")));
    FStore->AddTag(MakeTag(QStringLiteral("BR"), false, QStringLiteral("Text here")));
    FStore->AddTag(MakeTag(QStringLiteral("P"), true, QStringLiteral("Text here")));
    FStore->AddTag(MakeTag(QStringLiteral("!"), false, QStringLiteral("Text here")));
    FStore->AddTag(MakeTag(doc, false, QStringLiteral("Text here")));
    FStore->AddTag(MakeTag(QStringLiteral("IMG"), false, QStringLiteral("Text here")));

    FStore->AddAttribute(Attr(table, 1, QStringLiteral("BORDER"), true));
    FStore->AddAttribute(Attr(table, 2, QStringLiteral("bgcolor"), true, QStringLiteral("Color"),
                              QStringLiteral("TCOMBOBOX")));

    FStore->AddAttribute(Attr(td, 1, QStringLiteral("WIDTH"), true));
    FStore->AddAttribute(Attr(td, 2, QStringLiteral("NOWRAP"), false, QStringLiteral("novalue")));
    FStore->AddAttribute(Attr(td, 3, QStringLiteral("ALIGN"), false, QString(),
                              QStringLiteral(" tcombobox "), QStringLiteral("left")));
    FStore->AddAttribute(Attr(td, 4, QStringLiteral("VALIGN"), false, QString(),
                              QStringLiteral("TCOMBOBOX")));

    FStore->AddAttribute(Attr(doc, 1, QStringLiteral("LANG"), false));
    FStore->AddAttribute(Attr(doc, 2, QStringLiteral("VERSION"), false, QString(),
                              QStringLiteral("TCOMBOBOX")));
    FStore->AddAttribute(Attr(doc, 3, QStringLiteral("AFTER"), true));

    FStore->AddAttribute(Attr(QStringLiteral("IMG"), 1, QStringLiteral("SRC"), true,
                              QStringLiteral("GIF"), QStringLiteral("TOPENDIALOG"),
                              QStringLiteral("Select")));
}

void TestInspectorRules::init()
{
    FWorkspace = std::make_unique<FakeWorkspace>();
    FDialogs = std::make_unique<ScriptedDialogs>();
}

void TestInspectorRules::cleanup()
{
    FWorkspace.reset();
    FDialogs.reset();
}

void TestInspectorRules::gridStartsFromTheRecords()
{
    const QList<AttrRecord> td = AttrsOf(QStringLiteral("TD"));
    QCOMPARE(td.size(), 4);
    QCOMPARE(TagInspectorRules::DisplayName(td.at(1)), QStringLiteral("Nowrap"));
    QCOMPARE(TagInspectorRules::DisplayName(AttrsOf(QStringLiteral("TABLE")).at(1)),
             QStringLiteral("Bgcolor"));
    QVERIFY(TagInspectorRules::HasList(td.at(2)));   // trimmed, any case
    QVERIFY(!TagInspectorRules::HasList(td.at(0)));
    QCOMPARE(TagInspectorRules::InitialValue(td.at(2)), QStringLiteral("left"));

    const QStringList items{QStringLiteral("Left"), QStringLiteral("Center"),
                            QStringLiteral("Right")};
    QCOMPARE(TagInspectorRules::InitialListIndex(items, QStringLiteral(" center ")), 1);
    QCOMPARE(TagInspectorRules::InitialListIndex(items, QStringLiteral("justify")), -1);
    QCOMPARE(TagInspectorRules::InitialListIndex(items, QString()), -1);

    // A file row starts empty (its default only marks it as a file row)
    // and is the one a double click opens the file dialog for.
    const AttrRecord src = AttrsOf(QStringLiteral("IMG")).first();
    QVERIFY(TagInspectorRules::HasFileDialog(src));
    QCOMPARE(TagInspectorRules::InitialValue(src), QString());
    QVERIFY(TagInspectorRules::ChoosesFile(src));
    QVERIFY(!TagInspectorRules::ChoosesFile(td.at(0)));
}

void TestInspectorRules::rowsAreWrittenByTheirKind()
{
    // Nothing included, or no rows at all: no text.
    QCOMPARE(Generate(QStringLiteral("TD"), {Row(false, QStringLiteral("50"))}), QString());
    QCOMPARE(Generate(QStringLiteral("TD"), {}), QString());

    // A typed row is written even when empty; NOVALUE is the name alone,
    // once; a list row without a value is left out; the quote field is
    // trimmed.
    QCOMPARE(Generate(QStringLiteral("TD"), {Row(true), Row(true, QStringLiteral("x")),
                                             Row(true, QStringLiteral("  ")), Row(false)}),
             QStringLiteral(" WIDTH=\"\" NOWRAP"));
    QCOMPARE(Generate(QStringLiteral("TD"),
                      {Row(false), Row(false), Row(true, QStringLiteral("center")),
                       Row(true, QStringLiteral("Top"))}),
             QStringLiteral(" ALIGN=\"center\" VALIGN=\"Top\""));

    // Rows beyond the records are ignored.
    QCOMPARE(Generate(QStringLiteral("BR"), {Row(true, QStringLiteral("1"))}), QString());

    // A chosen file is written as the file system spells it.
    QCOMPARE(Generate(QStringLiteral("IMG"), {Row(true, QStringLiteral("/Web/Images/Logo.GIF"))}),
             QStringLiteral(" SRC=\"/Web/Images/Logo.GIF\""));
}

void TestInspectorRules::attributeCaseChangesNamesNotValues()
{
    QCOMPARE(Generate(QStringLiteral("TD"),
                      {Row(true, QStringLiteral("50%")), Row(true),
                       Row(true, QStringLiteral("Center")), Row(false)},
                      false),
             QStringLiteral(" width=\"50%\" nowrap align=\"Center\""));
}

void TestInspectorRules::coloursAreWrittenAsHexadecimal()
{
    const QList<QPair<QString, QString>> colours{
        {"Black", "#000000"},  {"Maroon", "#800000"}, {"Green", "#008000"},
        {"Olive", "#808000"},  {"Navy", "#000080"},   {"Purple", "#800080"},
        {"Teal", "#008080"},   {"Gray", "#808080"},   {"Silver", "#C0C0C0"},
        {"Red", "#FF0000"},    {"Lime", "#00FF00"},   {"Yellow", "#FFFF00"},
        {"Blue", "#0000FF"},   {"Fuchsia", "#FF00FF"}, {"Aqua", "#00FFFF"},
        {"White", "#FFFFFF"}};
    for (const auto &[name, hex] : colours) {
        QCOMPARE(TagInspectorRules::ColorText(name), hex);
        QCOMPARE(TagInspectorRules::ColorText(name.toLower()), hex);
    }

    // The list's text is written, not the value cell's; an empty list
    // writes nothing between the quotes.
    QCOMPARE(Generate(QStringLiteral("TABLE"),
                      {Row(false), Row(true, QStringLiteral("Red"), QStringLiteral(" Silver "))}),
             QStringLiteral(" BGCOLOR=\"#C0C0C0\""));
    QCOMPARE(Generate(QStringLiteral("TABLE"), {Row(false), Row(true, QString(), QString())}),
             QStringLiteral(" BGCOLOR=\"\""));
}

void TestInspectorRules::unknownColourFailsTheGeneration()
{
    // Names QColor knows but that are not among the sixteen are refused too.
    for (const QString &name : {QStringLiteral("Orange"), QStringLiteral("clRed"),
                               QStringLiteral("#FF0000")}) {
        const QString error = Raised([&] {
            Generate(QStringLiteral("TABLE"), {Row(true, "1"), Row(true, QString(), name)});
        });
        QVERIFY2(error.startsWith(QStringLiteral("Can not generate attribute: ")),
                 qPrintable(error));
        QVERIFY2(error.contains(name), qPrintable(error));
    }
}

void TestInspectorRules::docTypeVersionBecomesItsPublicIdentifier()
{
    // The version replaces everything before it, its own part included;
    // what follows is still written.
    QCOMPARE(Generate(QStringLiteral("!DOCTYPE"),
                      {Row(true, QStringLiteral("EN")), Row(true, QStringLiteral("html 3.2")),
                       Row(true, QStringLiteral("x"))}),
             QStringLiteral(" HTML PUBLIC \"-//W3C//DTD HTML 3.2 FINAL//EN\" AFTER=\"x\""));
    QCOMPARE(Generate(QStringLiteral("!DOCTYPE"), {Row(false), Row(true, "HTML 2.0")}, false),
             QStringLiteral(" html public \"//ietf//dtd html 2.0//en\""));
    QCOMPARE(Generate(QStringLiteral("!DOCTYPE"), {Row(false), Row(true, "HTML 4.0")}),
             QStringLiteral(" HTML PUBLIC \"-//W3C//DTD HTML 4.0 FINAL//EN\""));
    // Other versions, and the same value on another tag, stay as given.
    QCOMPARE(Generate(QStringLiteral("!DOCTYPE"), {Row(false), Row(true, "HTML 5")}),
             QStringLiteral(" VERSION=\"HTML 5\""));
    QCOMPARE(Generate(QStringLiteral("TD"), {Row(false), Row(false), Row(true, "HTML 3.2")}),
             QStringLiteral(" ALIGN=\"HTML 3.2\""));

    // The whole opening tag, as the inspector writes it.
    Open(QString());
    TagInspectorInsertion::InsertInspectorTag(*FWorkspace, TagOf("!DOCTYPE"), AttrsOf("!DOCTYPE"),
                                          {Row(false), Row(true, "HTML 3.2")});
    QCOMPARE(Editor()->Text(),
             QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2 FINAL//EN\">"));
}

void TestInspectorRules::tagWrapsTheSelectionAsOneUndoStep()
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
    TagInspectorInsertion::InsertInspectorTag(*FWorkspace, TagOf("TABLE"), AttrsOf("TABLE"),
                                          {Row(true, QStringLiteral("1")),
                                           Row(true, QString(), QStringLiteral("Navy"))});
    QCOMPARE(Editor()->Text(),
             QStringLiteral("<table border=\"1\" bgcolor=\"#000080\"></table>"));
    QCOMPARE(Editor()->SelStart(), 36);
    QCOMPARE(Editor()->SelLength(), 0);
}

void TestInspectorRules::tagWithoutAttributesIsWrittenBare()
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

void TestInspectorRules::commentTagRunsTheCommentCommand()
{
    Open(QStringLiteral("text"), 0, 4);
    TagInspectorInsertion::InsertInspectorTag(*FWorkspace, TagOf("!"), AttrsOf("!"), {});
    QCOMPARE(FWorkspace->mainCommands, QStringList{QStringLiteral("sbCommentClick")});
    QCOMPARE(Editor()->Text(), QStringLiteral("text"));
}

void TestInspectorRules::failedGenerationLeavesThePage()
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
        TagInspectorInsertion::InsertInspectorAttributes(*FWorkspace, TagOf("TABLE"),
                                                     AttrsOf("TABLE"),
                                                     {Row(false), Row(true, QString(), "Mauve")});
    });
    QVERIFY2(attrError.startsWith(QStringLiteral("Can not generate attribute: ")),
             qPrintable(attrError));
    QCOMPARE(Editor()->Text(), QStringLiteral("word"));
    QVERIFY(child->Ready());
}

void TestInspectorRules::tagWaitsForTheReadyFlag()
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

void TestInspectorRules::attributesOnlyCompleteAnOpenTag()
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

void TestInspectorRules::noDocumentBeeps()
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

QTEST_MAIN(TestInspectorRules)
#include "tst_inspectorrules.moc"
