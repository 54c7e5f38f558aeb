// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/AttributeItems.h"
#include "editor/ChildCommandTable.h"
#include "editor/TRCRichEdit.h"
#include "editor/TfrmMDIChild.h"
#include "support/EditorFixture.h"

#include <QAction>
#include <QMdiArea>
#include <QMenu>
#include <QtTest>

class TestAttributeItems : public EditorFixture {
    Q_OBJECT
private slots:
    void build_data();
    void build();
    void everyItemIsInTheTagsMenu_data();
    void everyItemIsInTheTagsMenu();
    void itemsInsertIntoThePage();
    void noDocumentGivesErrorBeep();
};

void TestAttributeItems::build_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("upper");
    QTest::addColumn<bool>("prompt");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");

    // Fixed values follow the attribute case too.
    QTest::newRow("CLEAR=ALL upper") << "mnuALL" << true << true << " CLEAR=ALL" << -1;
    QTest::newRow("CLEAR=ALL lower") << "mnuALL" << false << true << " clear=all" << -1;
    QTest::newRow("VALIGN=TOP lower") << "mnuVALIGNTOP" << false << false << " valign=top" << -1;
    QTest::newRow("ALIGN=ABSMIDDLE upper")
        << "mnuALIGNABSMIDDLE" << true << false << " ALIGN=ABSMIDDLE" << -1;
    QTest::newRow("NOSHADE lower") << "mnuNOSHADE" << false << true << " noshade" << -1;

    // Empty quoted values put the caret between the quotes.
    QTest::newRow("NAME upper") << "mnuAttrNAME" << true << true << " NAME=\"\"" << 7;
    QTest::newRow("NAME lower") << "mnuAttrNAME" << false << false << " name=\"\"" << 7;
    QTest::newRow("TITLE") << "mnuAttrTITLE" << true << true << " TITLE=\"\"" << 8;
    QTest::newRow("HREF") << "mnuHREEF" << true << true << " HREF=\"\"" << 7;
    QTest::newRow("list VALUE") << "mnuVALUE" << true << true << " VALUE=\"\"" << 8;
    QTest::newRow("form VALUE") << "VALUE1" << true << true << " VALUE=" << -1;
    QTest::newRow("CELLSPACING lower")
        << "mnuCELLSPACING" << false << true << " cellspacing=" << -1;

    // Page attributes: a sample value with the prompt, an empty one without.
    QTest::newRow("TEXT prompt, upper") << "mnuTEXT" << true << true << " TEXT=\"#FFFFFF\" " << -1;
    QTest::newRow("TEXT prompt, lower: sample keeps its case")
        << "mnuTEXT" << false << true << " text=\"#FFFFFF\" " << -1;
    QTest::newRow("BGCOLOR prompt")
        << "mnuBGCOLOR" << true << true << " BGCOLOR=\"#000000\" " << -1;
    QTest::newRow("BGCOLOR no prompt: caret after #")
        << "mnuBGCOLOR" << true << false << " BGCOLOR=\"#\"" << 11;
    QTest::newRow("LINK no prompt, lower") << "mnuBODYLINK" << false << false << " link=\"#\"" << 8;
    QTest::newRow("VLINK prompt") << "mnuVLINK" << true << true << " VLINK=\"#F45123\" " << -1;
    QTest::newRow("ALINK prompt") << "mnuALINK" << true << true << " ALINK=\"#F99999\" " << -1;
    QTest::newRow("BACKGROUND prompt: caret after first quote")
        << "mnuBACKGROUND" << true << true << " BACKGROUND=\"filename.gif\" " << 13;
    QTest::newRow("BACKGROUND no prompt: caret in quotes")
        << "mnuBACKGROUND" << false << false << " background=\"\" " << 13;
}

void TestAttributeItems::build()
{
    QFETCH(QString, item);
    QFETCH(bool, upper);
    QFETCH(bool, prompt);
    QFETCH(QString, text);
    QFETCH(int, caret);
    const AttributeItem *found = ChildCommandTable::Attribute(item);
    QVERIFY(found);
    const AttributeInsertion insertion = AttributeItems::Build(*found, upper, prompt);
    QCOMPARE(insertion.text, text);
    QCOMPARE(insertion.caretOffset, caret);
}

void TestAttributeItems::everyItemIsInTheTagsMenu_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("submenu");
    const char *items[][2] = {
        {"mnuBACKGROUND", "mnuPageAttributes"},
        {"mnuBGCOLOR", "mnuPageAttributes"},
        {"mnuTEXT", "mnuPageAttributes"},
        {"mnuBODYLINK", "mnuPageAttributes"},
        {"mnuALINK", "mnuPageAttributes"},
        {"mnuVLINK", "mnuPageAttributes"},
        {"mnuVALUE", "mnuListAttributes"},
        {"mnuALT", "mnuImageAttributes"},
        {"mnuHEIGHT", "mnuImageAttributes"},
        {"mnuHSPACE", "mnuImageAttributes"},
        {"mnuISMAP", "mnuImageAttributes"},
        {"mnuLOWSRC", "mnuImageAttributes"},
        {"mnuSRC", "mnuImageAttributes"},
        {"mnuVSPACE", "mnuImageAttributes"},
        {"mnuACTION", "mnuFormAttributes"},
        {"CHECKED1", "mnuFormAttributes"},
        {"mnuCOLS", "mnuFormAttributes"},
        {"MAXLENGTH1", "mnuFormAttributes"},
        {"mnuMETHOD", "mnuFormAttributes"},
        {"MULTIPLE1", "mnuFormAttributes"},
        {"mnuROWS", "mnuFormAttributes"},
        {"VALUE1", "mnuFormAttributes"},
        {"mnuBORDER", "mnuTableAttributes"},
        {"mnuCELLPADDING", "mnuTableAttributes"},
        {"mnuCELLSPACING", "mnuTableAttributes"},
        {"mnuCOLSPAN", "mnuTableAttributes"},
        {"mnuROWSPAN", "mnuTableAttributes"},
        {"mnuALL", "mnuCLEAR"},
        {"mnuCLEARLEFT", "mnuCLEAR"},
        {"mnuCLEARRIGHT", "mnuCLEAR"},
        {"mnuNOSHADE", "mnuOtherAttributes"},
        {"mnuABSBOTTOM", "mnuALIGN"},
        {"mnuALIGNABSMIDDLE", "mnuALIGN"},
        {"mnuALIGNBASELINE", "mnuALIGN"},
        {"mnuABOTTOM", "mnuALIGN"},
        {"mnuALIGNMIDDLE", "mnuALIGN"},
        {"mnuALIGNTEXTTOP", "mnuALIGN"},
        {"mnuALIGNTOP", "mnuALIGN"},
        {"mnuAttrClass", "mnuCommonAttributes"},
        {"mnuHREEF", "mnuCommonAttributes"},
        {"mnuID", "mnuCommonAttributes"},
        {"mnuLANG", "mnuCommonAttributes"},
        {"mnuMETHODS", "mnuCommonAttributes"},
        {"mnuAttrNAME", "mnuCommonAttributes"},
        {"mnuNOWRAP", "mnuCommonAttributes"},
        {"mnuREL", "mnuCommonAttributes"},
        {"mnuREV", "mnuCommonAttributes"},
        {"mnuSIZE", "mnuCommonAttributes"},
        {"mnuAttrTITLE", "mnuCommonAttributes"},
        {"mnuType", "mnuCommonAttributes"},
        {"mnuURN", "mnuCommonAttributes"},
        {"mnuWIDTH", "mnuCommonAttributes"},
        {"mnuBASELINE", "mnuVALIGN"},
        {"mnuVBOTTOM", "mnuVALIGN"},
        {"mnuVALIGNMIDDLE", "mnuVALIGN"},
        {"mnuVALIGNTOP", "mnuVALIGN"},
    };
    for (const auto &row : items)
        QTest::newRow(row[0]) << QString::fromLatin1(row[0]) << QString::fromLatin1(row[1]);
}

void TestAttributeItems::everyItemIsInTheTagsMenu()
{
    QFETCH(QString, item);
    QFETCH(QString, submenu);
    TfrmMDIChild *child = FWorkspace->OpenDocument();
    QMenu *menu = child->ChildMenus()[2].menu->findChild<QMenu *>(submenu);
    QVERIFY(menu);
    bool found = false;
    for (QAction *action : menu->actions())
        found = found || action->objectName() == item;
    QVERIFY(found);
    // The caption is the attribute name with an accelerator.
    QAction *action = child->findChild<QAction *>(item);
    const QString word = QString::fromLatin1(ChildCommandTable::Attribute(item)->word);
    QString caption = action->text();
    caption.remove(QLatin1Char('&'));
    QVERIFY2(word.endsWith(caption), qPrintable(caption));
    QCOMPARE(action->text().count(QLatin1Char('&')), 1);
}

void TestAttributeItems::itemsInsertIntoThePage()
{
    FWorkspace->options.attrUpperCase = true;
    TfrmMDIChild *child = Open(QStringLiteral("<IMG>"), 4);
    child->findChild<QAction *>(QStringLiteral("mnuAttrNAME"))->trigger();
    QCOMPARE(child->EditMemo->Text(), QStringLiteral("<IMG NAME=\"\">"));
    QCOMPARE(child->EditMemo->SelStart(), 11);

    // A selection is replaced; the case option is read at each use.
    FWorkspace->options.attrUpperCase = false;
    FWorkspace->options.tagPrompt = false;
    child->EditMemo->SetSelection(4, 8);
    child->findChild<QAction *>(QStringLiteral("mnuBGCOLOR"))->trigger();
    QCOMPARE(child->EditMemo->Text(), QStringLiteral("<IMG bgcolor=\"#\">"));
    QCOMPARE(child->EditMemo->SelStart(), 4 + 11);
    QVERIFY(child->EditMemo->Modified());
    // One undo step takes the whole item back.
    child->EditMemo->Undo();
    QCOMPARE(child->EditMemo->Text(), QStringLiteral("<IMG NAME=\"\">"));
}

void TestAttributeItems::noDocumentGivesErrorBeep()
{
    TfrmMDIChild *child = FWorkspace->OpenDocument();
    QAction *action = child->findChild<QAction *>(QStringLiteral("mnuWIDTH"));
    // Take the window out of the frame: the item now has no document.
    FWorkspace->MdiArea()->removeSubWindow(child);
    QCOMPARE(FWorkspace->DocumentCount(), 0);
    action->trigger();
    QCOMPARE(FWorkspace->errorBeeps, 1);
    QCOMPARE(FDialogs->BeepCount(), 1);
    QVERIFY(child->EditMemo->Text().isEmpty());
    delete child;
}

QTEST_MAIN(TestAttributeItems)
#include "tst_attributeitems.moc"
