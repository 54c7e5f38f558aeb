// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/TRCRichEdit.h"
#include "editor/TfrmMDIChild.h"
#include "support/FakeWorkspace.h"
#include "support/ScriptedDialogs.h"

#include <QAction>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenu>
#include <QPointer>
#include <QTableWidget>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>
#include <QtTest>

class TestMDIChild : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void creationAppliesOptions();
    void optionsAppliedAgain();
    void menusAndGroups();
    void menuItems_data();
    void menuItems();
    void everyItemHasTwoPartHint();
    void editMenuEnableRule();
    void editMenuCommands();

    void tagItemsForward_data();
    void tagItemsForward();
    void ownTagItems();
    void tagsSubmenuCaptions();
    void tagsMenuFollowsOption();

    void changeMarksModified();
    void activationShowsState();
    void rowColumnReadOut();
    void dragSources();

    void closeUnmodifiedAsksNothing();
    void closeAnsweredNo();
    void closeAnsweredCancel();
    void closeAnsweredYes_data();
    void closeAnsweredYes();
    void destructionWaitsForReadyFlag();

private:
    QAction *Item(TfrmMDIChild *child, const char *name)
    {
        return child->findChild<QAction *>(QLatin1String(name));
    }
    ScriptedDialogs *FDialogs = nullptr;
    FakeWorkspace *FWorkspace = nullptr;
};

void TestMDIChild::init()
{
    FDialogs = new ScriptedDialogs;
    FWorkspace = new FakeWorkspace;
}

void TestMDIChild::cleanup()
{
    delete FWorkspace;
    delete FDialogs;
}

void TestMDIChild::creationAppliesOptions()
{
    FWorkspace->options.saveInterval = 7;
    FWorkspace->options.autoSave = true;
    FWorkspace->options.wordWrap = true;
    FWorkspace->options.backColor = QColor(0x11, 0x22, 0x33);
    TfrmMDIChild *child = FWorkspace->OpenDocument();
    QCOMPARE(child->FileName(), TfrmMDIChild::UntitledMarker);
    QVERIFY(child->IsUntitled());
    QVERIFY(child->Ready());
    QCOMPARE(child->widget(), child->EditMemo);
    QCOMPARE(child->SaveTimer->interval(), 7 * 60000);
    QVERIFY(child->SaveTimer->isActive());
    QVERIFY(child->EditMemo->WordWrap());
    QCOMPARE(child->EditMemo->BackColor(), QColor(0x11, 0x22, 0x33));

    auto *designed = new TfrmMDIChild(*FWorkspace);
    QCOMPARE(designed->windowTitle(), QStringLiteral("Untitled"));
    delete designed;
}

void TestMDIChild::optionsAppliedAgain()
{
    TfrmMDIChild *child = FWorkspace->OpenDocument();
    QVERIFY(child->SaveTimer->isActive());
    FWorkspace->options.autoSave = false;
    FWorkspace->options.saveInterval = 255;
    FWorkspace->options.wordWrap = false;
    child->ApplyOptions();
    QVERIFY(!child->SaveTimer->isActive());
    QCOMPARE(child->SaveTimer->interval(), 255 * 60000);
    QVERIFY(!child->EditMemo->WordWrap());
    FWorkspace->options.autoSave = true;
    child->ApplyOptions();
    QVERIFY(child->SaveTimer->isActive());
}

void TestMDIChild::menusAndGroups()
{
    TfrmMDIChild *child = FWorkspace->OpenDocument();
    const QList<MergedMenu> menus = child->ChildMenus();
    QCOMPARE(menus.size(), 3);
    QCOMPARE(menus[0].group, 1);
    QCOMPARE(menus[0].menu->objectName(), QStringLiteral("mnuEdit"));
    QCOMPARE(menus[1].group, 1);
    QCOMPARE(menus[1].menu->objectName(), QStringLiteral("mnuSearch"));
    QCOMPARE(menus[2].group, 3);
    QCOMPARE(menus[2].menu->objectName(), QStringLiteral("mnuTags"));
    QCOMPARE(menus[2].menu->title(), QStringLiteral("&Tags"));
}

void TestMDIChild::menuItems_data()
{
    QTest::addColumn<int>("menu");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("shortcut");
    const auto key = [](const char *text) { return QKeySequence(QString::fromLatin1(text)); };
    QTest::newRow("undo") << 0 << "mnuUndo"
                          << "&Undo" << key("Ctrl+Z");
    QTest::newRow("cut") << 0 << "mnuCut"
                         << "Cu&t" << key("Ctrl+X");
    QTest::newRow("copy") << 0 << "mnuCopy"
                          << "&Copy" << key("Ctrl+C");
    QTest::newRow("paste") << 0 << "mnuPaste"
                           << "&Paste" << key("Ctrl+V");
    QTest::newRow("clear") << 0 << "mnuClear"
                           << "Clea&r" << QKeySequence();
    QTest::newRow("select all") << 0 << "mnuSelectAll"
                                << "Select A&ll" << key("Ctrl+A");
    QTest::newRow("find") << 1 << "mnuFind"
                          << "&Find ..." << key("Ctrl+F");
    QTest::newRow("find next") << 1 << "mnuFindNext"
                               << "Find &Next" << key("F3");
    QTest::newRow("replace") << 1 << "mnuReplace"
                             << "&Replace ..." << key("Ctrl+H");
    QTest::newRow("incremental") << 1 << "mnuIncrSearch"
                                 << "&Incremental Search" << key("Ctrl+I");
    QTest::newRow("go to line") << 1 << "mnuGoToLine"
                                << "&Go To Line Number ..." << key("Ctrl+G");
}

void TestMDIChild::menuItems()
{
    QFETCH(int, menu);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QKeySequence, shortcut);
    TfrmMDIChild *child = FWorkspace->OpenDocument();
    auto *action = child->ChildMenus()[menu].menu->findChild<QAction *>(name);
    QVERIFY(action);
    QCOMPARE(action->text(), caption);
    QCOMPARE(action->shortcut(), shortcut);
}

void TestMDIChild::everyItemHasTwoPartHint()
{
    TfrmMDIChild *child = FWorkspace->OpenDocument();
    int checked = 0;
    for (const MergedMenu &merged : child->ChildMenus()) {
        QList<QAction *> actions = merged.menu->findChildren<QAction *>();
        actions.append(merged.menu->menuAction());
        for (QAction *action : actions) {
            if (action->isSeparator() || action->objectName().isEmpty())
                continue;
            const QString hint = action->property("hint").toString();
            const qsizetype bar = hint.indexOf(QStringLiteral("| "));
            QVERIFY2(bar > 0, qPrintable(action->objectName()));
            QCOMPARE(action->toolTip(), hint.left(bar));
            QCOMPARE(action->statusTip(), hint.mid(bar + 1));
            QVERIFY(action->statusTip().size() > 2);
            ++checked;
        }
    }
    QVERIFY(checked > 150);
}

void TestMDIChild::editMenuEnableRule()
{
    TfrmMDIChild *child = FWorkspace->OpenDocument(QStringLiteral("some text"));
    child->mnuEditClick();
    for (const char *name : {"mnuCut", "mnuCopy", "mnuClear", "mnuUndo"})
        QVERIFY2(!Item(child, name)->isEnabled(), name);
    QVERIFY(Item(child, "mnuPaste")->isEnabled());
    QVERIFY(Item(child, "mnuSelectAll")->isEnabled());

    child->EditMemo->SetSelection(0, 4);
    child->mnuEditClick();
    for (const char *name : {"mnuCut", "mnuCopy", "mnuClear"})
        QVERIFY2(Item(child, name)->isEnabled(), name);
    QVERIFY(!Item(child, "mnuUndo")->isEnabled());

    child->EditMemo->ReplaceSel(QStringLiteral("more"));
    child->mnuEditClick();
    QVERIFY(Item(child, "mnuUndo")->isEnabled());
    QVERIFY(!Item(child, "mnuCut")->isEnabled());

    // The rule is applied when the menu opens.
    child->EditMemo->SetSelection(0, 2);
    Item(child, "mnuCut")->setEnabled(false);
    emit child->ChildMenus()[0].menu->aboutToShow();
    QVERIFY(Item(child, "mnuCut")->isEnabled());
}

void TestMDIChild::editMenuCommands()
{
    TfrmMDIChild *child = FWorkspace->OpenDocument(QStringLiteral("abc def"));
    Item(child, "mnuSelectAll")->trigger();
    QCOMPARE(child->EditMemo->SelLength(), 7);
    child->EditMemo->SetSelection(3, 4);
    Item(child, "mnuClear")->trigger();
    QCOMPARE(child->EditMemo->Text(), QStringLiteral("abc"));
    Item(child, "mnuUndo")->trigger();
    QCOMPARE(child->EditMemo->Text(), QStringLiteral("abc def"));
}

void TestMDIChild::tagItemsForward_data()
{
    using MC = MainCommand;
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("command");
    const struct {
        const char *item;
        MainCommand command;
    } pairs[] = {
        {"mnuHTML", MC::sbHTML},
        {"mnuHEAD", MC::sbHEAD},
        {"mnuBODY", MC::sbBODY},
        {"mnuTITLE", MC::sbTITLE},
        {"mnuP", MC::sbParagraph},
        {"mnISINDEX", MC::sbISINDEX},
        {"mnuH1", MC::sbH1},
        {"mnuH2", MC::sbH2},
        {"mnuH3", MC::sbH3},
        {"mnuH4", MC::sbH4},
        {"mnuH5", MC::sbH5},
        {"mnuH6", MC::sbH6},
        {"mnuA", MC::sbA},
        {"mnuLinkLink", MC::sbLink},
        {"mnuDD", MC::sbDD},
        {"mnuDIR", MC::sbDIR},
        {"mnuDT", MC::sbDT},
        {"mnuMENU", MC::sbMENU},
        {"mnuOL", MC::sbOL},
        {"mnuUL", MC::sbUL},
        {"mnuB", MC::sbB},
        {"mnuBASEFONT", MC::sbBASEFONT},
        {"mnuCENTER", MC::sbCenter},
        {"mnuCITE", MC::sbCITE},
        {"mnuCODE", MC::sbCODE},
        {"mnuDFN", MC::sbDFN},
        {"mnuEM", MC::sbEM},
        {"mnuFONT", MC::sbFONT},
        {"mnuI", MC::sbI},
        {"mnuKBD", MC::sbKBD},
        {"mnuSAMP", MC::sbSAMP},
        {"mnuSTRONG", MC::sbSTRONG},
        {"mnuTT", MC::sbTT},
        {"mnuVAR", MC::sbVAR},
        {"mnuIMG", MC::sbIMAGE},
        {"mnuFORMTag", MC::sbFORM},
        {"mnuINPUT", MC::sbINPUT},
        {"mnuOPTION", MC::sbOPTION},
        {"mnuSELECT", MC::sbSELECT},
        {"mnuTEXTAREA", MC::sbTEXTAREA},
        {"mnuCAPTION", MC::sbCAPTION},
        {"mnuTABLE_TAG", MC::sbTABLE},
        {"mnuTD", MC::sbTD},
        {"mnuTH", MC::sbTH},
        {"mnuTR", MC::sbTR},
        {"mnuComment", MC::sbComment},
        {"mnuADDRESS", MC::sbAddress},
        {"mnuBLINK", MC::sbBLINK},
        {"mnuBLOCKQOUTE", MC::sbBQ},
        {"mnuBR", MC::sbBR},
        {"mnuMainHR", MC::sbHR},
        {"mnuNOBR", MC::sbNOBR},
        {"mnuPRE", MC::sbPRE},
        {"mnuWBR", MC::sbWBR},
        {"mnuAlignCenter", MC::sbAlignCenter},
        {"mnuAlignLeft", MC::sbAlignLeft},
        {"mnuRight", MC::sbAlignRight},
    };
    for (const auto &pair : pairs)
        QTest::newRow(pair.item) << QString::fromLatin1(pair.item) << int(pair.command);
}

void TestMDIChild::tagItemsForward()
{
    QFETCH(QString, item);
    QFETCH(int, command);
    TfrmMDIChild *child = FWorkspace->OpenDocument(QStringLiteral("x"));
    QAction *action = child->ChildMenus()[2].menu->findChild<QAction *>(item);
    QVERIFY(action);
    action->trigger();
    QCOMPARE(FWorkspace->mainCommands, QList<MainCommand>{MainCommand(command)});
    // Forwarding writes nothing itself.
    QCOMPARE(child->EditMemo->Text(), QStringLiteral("x"));
}

void TestMDIChild::ownTagItems()
{
    FWorkspace->options.tagPrompt = true;
    TfrmMDIChild *child = FWorkspace->OpenDocument();
    Item(child, "mnuDL")->trigger();
    QCOMPARE(child->EditMemo->Text(),
             QStringLiteral("<DL>Term and term's definition go here</DL>"));
    QCOMPARE(child->EditMemo->SelStart(), 4);
    QCOMPARE(Item(child, "mnuDL")->text(), QStringLiteral("<&DL>"));

    child->EditMemo->SetText(QStringLiteral("item"));
    child->EditMemo->SetSelStart(0);
    Item(child, "mnuLI")->trigger();
    QCOMPARE(child->EditMemo->Text(), QStringLiteral("<LI>item"));
    QCOMPARE(child->EditMemo->SelStart(), 4);
    QVERIFY(FWorkspace->mainCommands.isEmpty());

    FWorkspace->options.tagPrompt = false;
    child->EditMemo->SetText(QString());
    Item(child, "mnuDL")->trigger();
    QCOMPARE(child->EditMemo->Text(), QStringLiteral("<DL></DL>"));
    QCOMPARE(child->EditMemo->SelStart(), 4);
}

void TestMDIChild::tagsSubmenuCaptions()
{
    TfrmMDIChild *child = FWorkspace->OpenDocument();
    QMenu *tags = child->ChildMenus()[2].menu;
    QStringList captions;
    for (QAction *action : tags->actions())
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    QCOMPARE(captions,
             (QStringList{"&Page Srtucture", "&Headings", "&Link", "L&ists", "&Formatting",
                          "&Image", "&Form", "&Table", "&Other", "-", "&Common  Attributes"}));
    const auto title = [&](const char *name) {
        QMenu *menu = tags->findChild<QMenu *>(QLatin1String(name));
        return menu ? menu->title() : QStringLiteral("<missing>");
    };
    QCOMPARE(title("mnuPageAttributes"), QStringLiteral("A&ttributes"));
    QCOMPARE(title("mnuListAttributes"), QStringLiteral("&Attributes"));
    QCOMPARE(title("mnuImageAttributes"), QStringLiteral("&Attributes"));
    QCOMPARE(title("mnuFormAttributes"), QStringLiteral("Attributes"));
    QCOMPARE(title("mnuTableAttributes"), QStringLiteral("Attributes"));
    QCOMPARE(title("mnuOtherAttributes"), QStringLiteral("Attributes"));
    QCOMPARE(title("mnuCLEAR"), QStringLiteral("&CLEAR"));
    QCOMPARE(title("mnuALIGN"), QStringLiteral("&ALIGN"));
    QCOMPARE(title("mnuVALIGN"), QStringLiteral("&VALIGN"));
    QCOMPARE(Item(child, "mnuBODY")->text(), QStringLiteral("<&BODY>"));
    QCOMPARE(Item(child, "mnuBGCOLOR")->text(), QStringLiteral("B&GCOLOR"));
}

void TestMDIChild::tagsMenuFollowsOption()
{
    FWorkspace->options.tagsMenu = false;
    TfrmMDIChild *child = FWorkspace->OpenDocument();
    QMenu *tags = child->ChildMenus()[2].menu;
    QVERIFY(!tags->menuAction()->isVisible());
    FWorkspace->options.tagsMenu = true;
    child->ApplyOptions();
    QVERIFY(tags->menuAction()->isVisible());
}

void TestMDIChild::changeMarksModified()
{
    TfrmMDIChild *child = FWorkspace->OpenDocument(QStringLiteral("a"));
    QVERIFY(!child->EditMemo->Modified());
    child->EditMemo->SetSelStart(1);
    child->EditMemo->ReplaceSel(QStringLiteral("b"));
    QVERIFY(child->EditMemo->Modified());
    QCOMPARE(FWorkspace->Panel(4), QStringLiteral("Modified..."));
}

void TestMDIChild::activationShowsState()
{
    TfrmMDIChild *first = FWorkspace->OpenDocument(QStringLiteral("first"));
    first->EditMemo->ReplaceSel(QStringLiteral("x"));
    TfrmMDIChild *second = FWorkspace->OpenDocument(QStringLiteral("second"));
    QCOMPARE(FWorkspace->ActiveDocument(), second);
    QCOMPARE(FWorkspace->Panel(4), QString());
    FWorkspace->windowMenuVisible = false;
    FWorkspace->BringToFront(first);
    QCOMPARE(FWorkspace->ActiveDocument(), first);
    QVERIFY(FWorkspace->windowMenuVisible);
    QCOMPARE(FWorkspace->Panel(4), QStringLiteral("Modified..."));
    QCOMPARE(FWorkspace->Panel(3), QStringLiteral("1 : 2"));
    FWorkspace->BringToFront(second);
    QCOMPARE(FWorkspace->Panel(4), QString());
    QCOMPARE(FWorkspace->Panel(3), QStringLiteral("1 : 1"));
}

void TestMDIChild::rowColumnReadOut()
{
    // Columns count characters (UTF-16 units, as every position in the
    // program does), never bytes of the page's encoding.
    const QString page = QString::fromUtf8("<P>\r\né😀x");
    TfrmMDIChild *child = FWorkspace->OpenDocument(page);
    child->EditMemo->SetSelStart(5 + 1);
    QCOMPARE(FWorkspace->Panel(3), QStringLiteral("2 : 2"));
    child->EditMemo->SetSelStart(5 + 3);
    QCOMPARE(FWorkspace->Panel(3), QStringLiteral("2 : 4"));
    child->EditMemo->SetSelStart(page.size());
    QCOMPARE(FWorkspace->Panel(3), QStringLiteral("2 : 5"));
    child->EditMemo->SetSelStart(3);
    QCOMPARE(FWorkspace->Panel(3), QStringLiteral("1 : 4"));
}

void TestMDIChild::dragSources()
{
    TfrmMDIChild *child = FWorkspace->OpenDocument();
    QTreeView treeView;
    QTreeWidget linkTree;
    QTableWidget charGrid;
    QLineEdit lineEdit;
    QVERIFY(child->EditMemo->AcceptsDropFrom(&treeView));
    QVERIFY(child->EditMemo->AcceptsDropFrom(&linkTree));
    QVERIFY(child->EditMemo->AcceptsDropFrom(&charGrid));
    QVERIFY(child->EditMemo->AcceptsDropFrom(linkTree.viewport()));
    QVERIFY(!child->EditMemo->AcceptsDropFrom(&lineEdit));
    QVERIFY(!child->EditMemo->AcceptsDropFrom(FWorkspace->Frame()));
    QVERIFY(!child->EditMemo->AcceptsDropFrom(nullptr));
}

void TestMDIChild::closeUnmodifiedAsksNothing()
{
    TfrmMDIChild *child = FWorkspace->OpenDocument(QStringLiteral("text"));
    FWorkspace->windowMenuVisible = true;
    FWorkspace->panels[3] = QStringLiteral("1 : 1");
    QVERIFY(child->close());
    QVERIFY(FDialogs->Messages().isEmpty());
    QVERIFY(FWorkspace->saveRequests.isEmpty());
    QVERIFY(!FWorkspace->windowMenuVisible);
    QCOMPARE(FWorkspace->Panel(3), QString());
    QCOMPARE(FWorkspace->DocumentCount(), 0);
    QPointer<TfrmMDIChild> gone(child);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(gone.isNull());
}

void TestMDIChild::closeAnsweredNo()
{
    TfrmMDIChild *child =
        FWorkspace->OpenDocument(QStringLiteral("text"), QStringLiteral("Quillon  3"));
    child->EditMemo->ReplaceSel(QStringLiteral("new "));
    FDialogs->AnswerMessage(mbNo);
    QVERIFY(child->close());
    const QList<ScriptedDialogs::Call> asked = FDialogs->Messages();
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked[0].msgKind, MsgKind::Confirmation);
    QCOMPARE(asked[0].buttons, mbYesNoCancel);
    QCOMPARE(asked[0].text, QStringLiteral("Do you want to save changes to Quillon  3"));
    QVERIFY(FWorkspace->saveRequests.isEmpty());
    QCOMPARE(FWorkspace->Panel(4), QString());
}

void TestMDIChild::closeAnsweredCancel()
{
    for (bool autoSave : {true, false}) {
        FWorkspace->options.autoSave = autoSave;
        TfrmMDIChild *child = FWorkspace->OpenDocument(QStringLiteral("text"));
        child->ApplyOptions();
        child->EditMemo->ReplaceSel(QStringLiteral("new "));
        FDialogs->AnswerMessage(mbCancel);
        QVERIFY(!child->close());
        QCOMPARE(FDialogs->Messages().size(), 1);
        QCOMPARE(FWorkspace->DocumentCount(), 1);
        QVERIFY(child->EditMemo->Modified());
        QCOMPARE(child->SaveTimer->isActive(), autoSave);
        FWorkspace->CloseAllDocuments();
        FDialogs->Clear();
    }
}

void TestMDIChild::closeAnsweredYes_data()
{
    QTest::addColumn<bool>("saved");
    QTest::newRow("save succeeds") << true;
    QTest::newRow("save refused or failed") << false;
}

void TestMDIChild::closeAnsweredYes()
{
    QFETCH(bool, saved);
    TfrmMDIChild *first =
        FWorkspace->OpenDocument(QStringLiteral("text"), QStringLiteral("FIRST.HTM"));
    first->EditMemo->ReplaceSel(QStringLiteral("new "));
    FWorkspace->OpenDocument(QStringLiteral("other"));
    bool timerStoppedDuringSave = false;
    FWorkspace->saveHandler = [&](TfrmMDIChild *child) {
        // The window is brought to the front before it is saved.
        timerStoppedDuringSave =
            !child->SaveTimer->isActive() && FWorkspace->ActiveDocument() == child;
        return saved;
    };
    FDialogs->AnswerMessage(mbYes);
    QCOMPARE(first->close(), saved);
    QCOMPARE(FDialogs->Messages().size(), 1);
    QCOMPARE(FDialogs->Messages()[0].text,
             QStringLiteral("Do you want to save changes to FIRST.HTM"));
    QCOMPARE(FWorkspace->saveRequests.size(), 1);
    QCOMPARE(FWorkspace->saveRequests[0].data(), first);
    QVERIFY(timerStoppedDuringSave);
    QCOMPARE(FWorkspace->DocumentCount(), saved ? 1 : 2);
    if (!saved)
        QVERIFY(first->SaveTimer->isActive());
}

void TestMDIChild::destructionWaitsForReadyFlag()
{
    TfrmMDIChild *child = FWorkspace->OpenDocument();
    QPointer<TfrmMDIChild> guard(child);
    child->SetReady(false);
    bool released = false;
    QTimer::singleShot(20, FWorkspace->Frame(), [&] {
        released = true;
        if (guard)
            guard->SetReady(true);
    });
    delete child;
    QVERIFY(released);
}

QTEST_MAIN(TestMDIChild)
#include "tst_mdichild.moc"
