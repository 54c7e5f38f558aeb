// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/FormBusy.h"
#include "controls/TObjectGrid.h"
#include "editor/TRCRichEdit.h"
#include "editor/TfrmMDIChild.h"
#include "platform/FatalErrorText.h"
#include "support/EditorFixture.h"
#include "support/FakeInspectorHost.h"
#include "support/RecordingHelp.h"
#include "support/ShippedTables.h"
#include "support/TestCatalogue.h"
#include "tags/TDataMod.h"
#include "tags/TfrmTagInspector.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <memory>

// The Tag Inspector window over the shipped catalogue.
class TestTagInspector : public EditorFixture {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void creationFillsTheFilterAndFollowsTheNotebook();
    void creationFailuresStopTheStartUp();
    void gridShowsTheAttributesOfTheChosenTag();
    void tagWithoutAttributesHidesTheGrid();
    void tableWithBorderWrapsTheSelectedWord();
    void rowsAreWrittenByTheirKind();
    void attributesOnlyCompleteAnOpenTag();
    void docTypeVersionBecomesItsPublicIdentifier();
    void selectingCellsShowsTheRowsValueList();
    void arrowKeysMoveBetweenAttributes();
    void ctrlVPastesIntoTypedCells();
    void doubleClickChoosesAFile();
    void filterChangeTurnsTheNotebookUnlessItCameFromThere();
    void loadFailuresAreReportedAndEndTheBusyState_data();
    void loadFailuresAreReportedAndEndTheBusyState();
    void unknownColourFailsTheInsertion();
    void windowCommands();

private:
    QTemporaryDir FDataDir; // the shipped tables
    std::unique_ptr<TDataMod> FDataMod;
    std::unique_ptr<FakeInspectorHost> FHost;
    std::unique_ptr<TfrmTagInspector> FInspector;

    // A new inspector on a new host whose notebook shows `page`.
    void Create(const QString &page = QStringLiteral("Page Structure"))
    {
        FInspector.reset();
        FHost = std::make_unique<FakeInspectorHost>();
        FHost->currentPage = page;
        FInspector = std::make_unique<TfrmTagInspector>(*FWorkspace, *FDataMod, *FHost);
    }
    TfrmTagInspector &Inspector() { return *FInspector; }
    void Choose(const QString &group, const QString &tag)
    {
        QVERIFY(Inspector().ChooseTagGroup(group, Inspector().cbTagGroups));
        QVERIFY2(Inspector().ChooseTag(tag), qPrintable(tag));
    }
    // The grid row of an attribute by its shown name ("Border").
    int Row(const QString &name) const
    {
        for (int row = 1; row < FInspector->AttrGrid->RowCount(); ++row) {
            if (FInspector->AttrGrid->Cells(0, row) == name)
                return row;
        }
        return -1;
    }
    void Include(const QString &name, const QString &value = QString())
    {
        const int row = Row(name);
        QVERIFY2(row > 0, qPrintable(name));
        Inspector().IncludeBox(row)->setChecked(true);
        if (!value.isNull())
            Inspector().AttrGrid->SetCells(2, row, value);
    }
    void ChooseListValue(const QString &name, const QString &value)
    {
        QComboBox *list = Inspector().ValueList(Row(name));
        QVERIFY(list);
        const int index = list->findText(value);
        QVERIFY2(index >= 0, qPrintable(value));
        list->setCurrentIndex(index);
        Inspector().ValueComboChange(list);
    }
};

void TestTagInspector::initTestCase()
{
    QCOMPARE(CopyShippedTables(FDataDir.path()), 8);
    FatalErrorText().clear();
    FDataMod = std::make_unique<TDataMod>(FDataDir.path());
    QVERIFY2(FatalErrorText().isEmpty(), qPrintable(FatalErrorText()));
}

void TestTagInspector::init()
{
    EditorFixture::init();
    FatalErrorText().clear();
    FWorkspace->options.tagUpperCase = true;
    FWorkspace->options.attrUpperCase = true;
    FWorkspace->options.sound = true;
    Create();
    QVERIFY2(FatalErrorText().isEmpty(), qPrintable(FatalErrorText()));
}

void TestTagInspector::cleanup()
{
    // The inspector goes first: it works on the workspace.
    FInspector.reset();
    FHost.reset();
    EditorFixture::cleanup();
}

void TestTagInspector::creationFillsTheFilterAndFollowsTheNotebook()
{
    TfrmTagInspector &inspector = Inspector();
    QCOMPARE(inspector.windowTitle(), QStringLiteral("Tag Inspector"));
    QCOMPARE(FHost->placed, 1);
    QVERIFY(inspector.StayOnTop());
    QVERIFY(inspector.cbStayOnTop->isChecked());
    QCOMPARE(inspector.AttrGrid->Cells(0, 0), QStringLiteral("Attribute :"));
    QCOMPARE(inspector.AttrGrid->Cells(1, 0), QStringLiteral("Include :"));
    QCOMPARE(inspector.AttrGrid->Cells(2, 0), QStringLiteral("Value :"));
    QCOMPARE(inspector.AttrGrid->ColWidths(0), 90);
    QCOMPARE(inspector.AttrGrid->ColWidths(1), 56);

    // The filter lists every group alphabetically; the lookup list keeps
    // their codes.
    QStringList groups;
    for (int i = 0; i < inspector.cbTagGroups->count(); ++i)
        groups << inspector.cbTagGroups->itemText(i);
    QCOMPARE(groups.size(), 14);
    QStringList sorted = groups;
    sorted.sort(Qt::CaseInsensitive);
    QCOMPARE(groups, sorted);
    QCOMPARE(groups.first(), QStringLiteral("All Tags"));
    QCOMPARE(FHost->lookup.Lookup(TfrmTagInspector::TagGroupsKey, QStringLiteral("Form")),
             QStringLiteral("7"));
    QCOMPARE(inspector.AllTagsCode(), 0);

    // It starts on the notebook's page, with that group's tags.
    QCOMPARE(inspector.cbTagGroups->currentText(), QStringLiteral("Page Structure"));
    QCOMPARE(inspector.TagNames().size(), inspector.cbTagDisp->count());
    QVERIFY(inspector.TagNames().contains(QStringLiteral("BODY")));
    QVERIFY(!inspector.TagNames().contains(QStringLiteral("TABLE")));
    QCOMPARE(inspector.CurrentTag(), inspector.TagNames().first());
    QCOMPARE(FWorkspace->Panel(0), QStringLiteral(" Ready"));

    // The notebook's "Image" page is the group "Image & Imagemap".
    Create(QStringLiteral("Image"));
    QCOMPARE(Inspector().cbTagGroups->currentText(), QStringLiteral("Image & Imagemap"));
    QVERIFY(Inspector().TagNames().contains(QStringLiteral("IMG")));
    // A filter of all tags lists the whole catalogue.
    QVERIFY(Inspector().ChooseTagGroup(QStringLiteral("All Tags")));
    QCOMPARE(Inspector().cbTagDisp->count(), int(FDataMod->Store().Tags().size()));
}

void TestTagInspector::creationFailuresStopTheStartUp()
{
    FInspector.reset();
    FHost = std::make_unique<FakeInspectorHost>();
    // A catalogue without the group "All Tags".
    QTemporaryDir dir;
    const QString data = dir.filePath(QStringLiteral("DATA"));
    QVERIFY(QDir().mkpath(data));
    {
        TagStore store(data);
        CreateEmptyTables(store);
        store.AddTagGroup({QStringLiteral("Form"), 7});
    }
    {
        TDataMod dataMod(dir.path());
        QVERIFY(FatalErrorText().isEmpty());
        TfrmTagInspector inspector(*FWorkspace, dataMod, *FHost);
        QCOMPARE(FatalErrorText(),
                 QStringLiteral("Can not create Tag Inspector: "
                                "there is no tag group \"All Tags\""));
    }

    // A tag group table that cannot be read.
    FatalErrorText().clear();
    {
        TDataMod dataMod(dir.path());
        dataMod.Store().Close(TagStore::Table::TagGrp);
        QVERIFY(QFile::remove(data + QStringLiteral("/taggrp.db")));
        FHost = std::make_unique<FakeInspectorHost>();
        TfrmTagInspector inspector(*FWorkspace, dataMod, *FHost);
        QVERIFY2(FatalErrorText().startsWith(QStringLiteral("Can not load tag filter box: ")),
                 qPrintable(FatalErrorText()));
        QCOMPARE(inspector.cbTagGroups->count(), 0);
        QVERIFY(!IsFormBusy(&inspector));
    }
    FatalErrorText().clear();
}

void TestTagInspector::gridShowsTheAttributesOfTheChosenTag()
{
    TfrmTagInspector &inspector = Inspector();
    inspector.show();
    Choose(QStringLiteral("Table"), QStringLiteral("Table"));
    QCOMPARE(inspector.CurrentTag(), QStringLiteral("TABLE"));
    const QList<AttrRecord> attributes = FDataMod->Store().Attributes(QStringLiteral("TABLE"));
    QCOMPARE(inspector.AttrGrid->RowCount(), int(attributes.size()) + 1);
    QVERIFY(!inspector.GridPanel->isHidden());
    QCOMPARE(inspector.CanEditFlags().size(), attributes.size());
    QVERIFY(FWorkspace->statusLog.contains(QStringLiteral("0: Wait...")));
    QCOMPARE(FWorkspace->Panel(0), QStringLiteral(" Ready"));

    // Names, include marks, typed and listed values.
    QCOMPARE(inspector.AttrGrid->Cells(0, 1), QStringLiteral("Border"));
    QCOMPARE(inspector.AttrGrid->Cells(2, 1), QStringLiteral("1"));
    QVERIFY(inspector.CanEditRow(1));
    for (int row = 1; row < inspector.AttrGrid->RowCount(); ++row) {
        QVERIFY(inspector.IncludeBox(row));
        QVERIFY(!inspector.IncludeBox(row)->isChecked());
    }
    const int frame = Row(QStringLiteral("Frame"));
    QVERIFY(!inspector.CanEditRow(frame));
    QComboBox *list = inspector.ValueList(frame);
    QVERIFY(list);
    QCOMPARE(list->count(),
             int(FDataMod->Store().LookupValues(attributes.at(frame - 1).LookupIndex).size()));
    QCOMPARE(list->currentIndex(), -1); // no default, no choice
    QVERIFY(!inspector.ValueList(1));
    // A file row starts empty and can be typed into.
    const int background = Row(QStringLiteral("Background"));
    QCOMPARE(inspector.AttrGrid->Cells(2, background), QString());
    QVERIFY(inspector.CanEditRow(background));

    // A check box in its 56-pixel cell stands in its middle.
    const QRect cell = inspector.AttrGrid->CellRect(1, 1);
    QCOMPARE(inspector.IncludeBox(1)->geometry().left(), cell.left() + 56 / 2 - 14 / 2);

    // The description page shows the tag's description.
    QVERIFY(inspector.memoDescription->isReadOnly());
    QVERIFY(inspector.memoDescription->toPlainText().size() > 20);

    // Another tag rebuilds the grid: marks and values are gone.
    inspector.IncludeBox(1)->setChecked(true);
    QVERIFY(inspector.ChooseTag(QStringLiteral("Table")));
    QVERIFY(!inspector.IncludeBox(1)->isChecked());
}

void TestTagInspector::tagWithoutAttributesHidesTheGrid()
{
    Choose(QStringLiteral("All Tags"), QStringLiteral("Comment"));
    QVERIFY(FDataMod->Store().Attributes(QStringLiteral("!")).isEmpty());
    QVERIFY(Inspector().GridPanel->isHidden());
    QCOMPARE(Inspector().AttrGrid->RowCount(), 2);
    QCOMPARE(Inspector().CanEditFlags(), QStringList());

    // A bare two-sided tag around the selection.
    Open(QStringLiteral("x y"), 2, 1);
    QVERIFY(Inspector().ChooseTag(QStringLiteral("Teletype Text")));
    QVERIFY(Inspector().GridPanel->isVisible() || !Inspector().isVisible());
    FWorkspace->mainCommands.clear();
    Choose(QStringLiteral("All Tags"), QStringLiteral("Comment"));
    Inspector().sbInsertTagClick();
    // The comment tag runs the main window's comment command.
    QCOMPARE(FWorkspace->mainCommands, QList<MainCommand>{MainCommand::sbComment});
    QCOMPARE(Editor()->Text(), QStringLiteral("x y"));
}

void TestTagInspector::tableWithBorderWrapsTheSelectedWord()
{
    Open(QStringLiteral("a word b"), 2, 4);
    Choose(QStringLiteral("Table"), QStringLiteral("Table"));
    Include(QStringLiteral("Border"), QStringLiteral("1"));
    Inspector().sbInsertTagClick();
    QCOMPARE(Editor()->Text(), QStringLiteral("a <TABLE BORDER=\"1\">word</TABLE> b"));
    QCOMPARE(FHost->activations, 1);

    // Nothing selected: the caret ends between the two tags.
    FWorkspace->OpenDocument(QString());
    Inspector().sbInsertTagClick();
    QCOMPARE(Editor()->Text(), QStringLiteral("<TABLE BORDER=\"1\"></TABLE>"));
    QCOMPARE(Editor()->SelStart(), 18);

    // Without a page the button only beeps.
    FWorkspace->CloseAllDocuments();
    const int beeps = FWorkspace->errorBeeps;
    Inspector().sbInsertTagClick();
    QCOMPARE(FWorkspace->errorBeeps, beeps + 1);
    QVERIFY(FDialogs->Messages().isEmpty());
}

void TestTagInspector::rowsAreWrittenByTheirKind()
{
    FWorkspace->OpenDocument(QString());
    Choose(QStringLiteral("Table"), QStringLiteral("Table"));
    // An included typed attribute without a value is still written; a
    // list attribute without a value is not; a flag is its name alone.
    Include(QStringLiteral("Summary"), QString());
    Include(QStringLiteral("Align"));
    Include(QStringLiteral("Hidden"));
    QCOMPARE(Inspector().GenerateAttributes(), QStringLiteral(" SUMMARY=\"\" HIDDEN"));

    // A colour chosen by name is written as its value.
    ChooseListValue(QStringLiteral("Bgcolor"), QStringLiteral("Red"));
    Include(QStringLiteral("Bgcolor"));
    ChooseListValue(QStringLiteral("Align"), QStringLiteral("CENTER"));
    QCOMPARE(Inspector().AttrGrid->Cells(2, Row(QStringLiteral("Align"))),
             QStringLiteral("CENTER"));
    QCOMPARE(Inspector().GenerateAttributes(),
             QStringLiteral(" ALIGN=\"CENTER\" BGCOLOR=\"#FF0000\" SUMMARY=\"\" HIDDEN"));

    // Lower-case attributes keep the values as the user gave them.
    FWorkspace->options.attrUpperCase = false;
    Include(QStringLiteral("Summary"), QStringLiteral("Prices In EUR"));
    QCOMPARE(
        Inspector().GenerateAttributes(),
        QStringLiteral(" align=\"CENTER\" bgcolor=\"#FF0000\" summary=\"Prices In EUR\" hidden"));

    // Without a page there is nothing to write.
    FWorkspace->CloseAllDocuments();
    QCOMPARE(Inspector().GenerateAttributes(), QString());
}

void TestTagInspector::attributesOnlyCompleteAnOpenTag()
{
    Open(QStringLiteral("<TD>cell"), 3, 0);
    Choose(QStringLiteral("Table"), QStringLiteral("Table Data Cell"));
    Include(QStringLiteral("Nowrap"));
    Include(QStringLiteral("Width"), QStringLiteral("50%"));
    Inspector().sbAttributesClick();
    QCOMPARE(Editor()->Text(), QStringLiteral("<TD NOWRAP WIDTH=\"50%\">cell"));
    QCOMPARE(Editor()->SelStart(), 23);
    QCOMPARE(FHost->activations, 1);
}

void TestTagInspector::docTypeVersionBecomesItsPublicIdentifier()
{
    FWorkspace->OpenDocument(QString());
    Choose(QStringLiteral("All Tags"), QStringLiteral("Document Type"));
    // The list starts at its default version.
    QCOMPARE(Inspector().ValueList(1)->currentText(), QStringLiteral("HTML 4.0"));
    ChooseListValue(QStringLiteral("Doctype"), QStringLiteral("HTML 3.2"));
    Include(QStringLiteral("Doctype"));
    Inspector().sbInsertTagClick();
    QCOMPARE(Editor()->Text(),
             QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2 FINAL//EN\">"));
}

void TestTagInspector::selectingCellsShowsTheRowsValueList()
{
    Choose(QStringLiteral("Table"), QStringLiteral("Table"));
    TfrmTagInspector &inspector = Inspector();
    QCOMPARE(inspector.AttrGrid->Row(), 1);
    QCOMPARE(inspector.AttrGrid->Col(), 1);

    const int frame = Row(QStringLiteral("Frame"));
    const int rules = Row(QStringLiteral("Rules"));
    inspector.AttrGrid->SetCurrentCell(2, frame);
    QCOMPARE(inspector.CurrentRow(), frame);
    QCOMPARE(inspector.PreviousRow(), frame);
    QVERIFY(!inspector.ValueList(frame)->isHidden());
    QCOMPARE(inspector.AttrGrid->editTriggers(), QAbstractItemView::NoEditTriggers);

    inspector.AttrGrid->SetCurrentCell(2, rules);
    QVERIFY(!inspector.ValueList(rules)->isHidden());
    QVERIFY(inspector.ValueList(frame)->isHidden());

    // A typed value cell can be edited; its attribute's default and type
    // are the current ones.
    const int background = Row(QStringLiteral("Background"));
    inspector.AttrGrid->SetCurrentCell(2, background);
    QVERIFY(inspector.AttrGrid->editTriggers() != QAbstractItemView::NoEditTriggers);
    QCOMPARE(inspector.CurrentDefault(), QStringLiteral("Select"));
    QCOMPARE(inspector.CurrentType(), QStringLiteral("GIF"));

    // The names column is not chosen: its row's include mark is.
    inspector.AttrGrid->SetCurrentCell(0, 2);
    QCOMPARE(inspector.AttrGrid->Col(), 1);
    QCOMPARE(inspector.CurrentRow(), 2);
    QCOMPARE(inspector.AttrGrid->editTriggers(), QAbstractItemView::NoEditTriggers);
}

void TestTagInspector::arrowKeysMoveBetweenAttributes()
{
    Choose(QStringLiteral("Table"), QStringLiteral("Table"));
    TfrmTagInspector &inspector = Inspector();
    inspector.show();
    const int last = inspector.AttrGrid->RowCount() - 1;
    QComboBox *lastList = inspector.ValueList(last);
    QVERIFY(lastList);
    inspector.AttrGrid->SetCurrentCell(2, last);
    lastList->setCurrentIndex(1);
    QTest::keyClick(lastList, Qt::Key_Down);
    QCOMPARE(inspector.CurrentRow(), last);
    QCOMPARE(lastList->currentIndex(), 1);

    // Up moves to the row before, whose list takes the focus.
    QVERIFY(inspector.ValueList(last - 1));
    QTest::keyClick(lastList, Qt::Key_Up);
    QCOMPARE(inspector.CurrentRow(), last - 1);
    QCOMPARE(lastList->currentIndex(), 1);
    QVERIFY(inspector.ValueList(last)->isHidden());

    // From a list to a typed row below it.
    const int frame = Row(QStringLiteral("Frame"));
    inspector.AttrGrid->SetCurrentCell(2, frame - 1);
    inspector.AttrGrid->SetCurrentCell(2, frame);
    QTest::keyClick(inspector.ValueList(frame), Qt::Key_Up);
    QCOMPARE(inspector.CurrentRow(), frame - 1);

    // Up in row 1 stays there; other keys are the list's own.
    inspector.AttrGrid->SetCurrentCell(2, 1);
    QVERIFY(inspector.ValueComboKeyDown(Qt::Key_Up));
    QCOMPARE(inspector.CurrentRow(), 1);
    QVERIFY(!inspector.ValueComboKeyDown(Qt::Key_Home));
}

void TestTagInspector::ctrlVPastesIntoTypedCells()
{
    Choose(QStringLiteral("Table"), QStringLiteral("Table"));
    TfrmTagInspector &inspector = Inspector();
    inspector.show();
    QGuiApplication::clipboard()->setText(QStringLiteral("Pasted Text"));
    inspector.AttrGrid->SetCurrentCell(2, 2);
    QTest::keyClick(inspector.AttrGrid, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(inspector.AttrGrid->Cells(2, 2), QStringLiteral("Pasted Text"));
    QVERIFY(!inspector.AttrGrid->isPersistentEditorOpen(inspector.AttrGrid->currentIndex()));

    // Not into a list row, nor with other keys held.
    const int frame = Row(QStringLiteral("Frame"));
    inspector.AttrGrid->SetCurrentCell(2, frame);
    QTest::keyClick(inspector.AttrGrid, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(inspector.AttrGrid->Cells(2, frame), QString());
    inspector.AttrGrid->SetCurrentCell(2, 3);
    inspector.AttrGridKeyUp(Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(inspector.AttrGrid->Cells(2, 3), QString());
}

void TestTagInspector::doubleClickChoosesAFile()
{
    Choose(QStringLiteral("Table"), QStringLiteral("Table"));
    TfrmTagInspector &inspector = Inspector();
    const int background = Row(QStringLiteral("Background"));
    inspector.AttrGrid->SetCurrentCell(2, background);

    // An untitled page gets the name alone, as the file system spells it.
    FWorkspace->OpenDocument(QString());
    FHost->fileAnswer = QStringLiteral("/srv/Site/Images/Logo.GIF");
    inspector.AttrGridDblClick();
    QCOMPARE(FHost->fileKinds, QStringList{QStringLiteral("GIF")});
    QCOMPARE(inspector.AttrGrid->Cells(2, background), QStringLiteral("Logo.GIF"));

    // A saved page gets the path from its own folder.
    FWorkspace->ActiveDocument()->SetFileName(QStringLiteral("/srv/Site/index.html"));
    inspector.AttrGridDblClick();
    QCOMPARE(inspector.AttrGrid->Cells(2, background), QStringLiteral("Images/Logo.GIF"));

    // Cancel leaves the cell.
    FHost->fileAnswer.clear();
    inspector.AttrGridDblClick();
    QCOMPARE(inspector.AttrGrid->Cells(2, background), QStringLiteral("Images/Logo.GIF"));

    // Other cells choose no file.
    inspector.AttrGrid->SetCurrentCell(2, 1);
    inspector.AttrGridDblClick();
    inspector.AttrGrid->SetCurrentCell(1, background);
    inspector.AttrGridDblClick();
    QCOMPARE(FHost->fileKinds.size(), 3);
}

void TestTagInspector::filterChangeTurnsTheNotebookUnlessItCameFromThere()
{
    FHost->selectedPages.clear();
    QVERIFY(Inspector().ChooseTagGroup(QStringLiteral("Form"), Inspector().cbTagGroups));
    QCOMPARE(FHost->selectedPages, QStringList{QStringLiteral("Form")});
    QVERIFY(Inspector().TagNames().contains(QStringLiteral("INPUT")));

    QVERIFY(Inspector().ChooseTagGroup(QStringLiteral("Image & Imagemap"), &FHost->notebook));
    QCOMPARE(FHost->selectedPages, QStringList{QStringLiteral("Form")});
    QCOMPARE(Inspector().cbTagGroups->currentText(), QStringLiteral("Image & Imagemap"));
    QVERIFY(!Inspector().ChooseTagGroup(QStringLiteral("No such group")));
}

void TestTagInspector::loadFailuresAreReportedAndEndTheBusyState_data()
{
    QTest::addColumn<TagStore::Table>("table");
    QTest::addColumn<QString>("message");
    QTest::newRow("attributes of a new tag")
        << TagStore::Table::Attr << "Can not load attributes: ";
    QTest::newRow("tags of a new filter") << TagStore::Table::Tags << "Can not load tags: ";
}

void TestTagInspector::loadFailuresAreReportedAndEndTheBusyState()
{
    QFETCH(TagStore::Table, table);
    QFETCH(QString, message);
    Choose(QStringLiteral("Table"), QStringLiteral("Table"));
    FDataMod->Store().Close(table);
    if (table == TagStore::Table::Attr)
        Inspector().cbTagDispChange();
    else
        Inspector().cbTagGroupsChange(Inspector().cbTagGroups);
    FDataMod->Store().Open(table);
    QCOMPARE(FDialogs->Messages().size(), 1);
    const ScriptedDialogs::Call shown = FDialogs->Messages().first();
    QCOMPARE(shown.msgKind, MsgKind::Error);
    QCOMPARE(shown.buttons, mbOK);
    QVERIFY2(shown.text.startsWith(message), qPrintable(shown.text));
    QCOMPARE(FWorkspace->Panel(0), QStringLiteral(" Error"));
    QVERIFY(!IsFormBusy(&Inspector()));
}

void TestTagInspector::unknownColourFailsTheInsertion()
{
    // The insertion fails with a message and leaves the page.
    Open(QStringLiteral("page"));
    Choose(QStringLiteral("Table"), QStringLiteral("Table"));
    QComboBox *bgcolor = Inspector().ValueList(Row(QStringLiteral("Bgcolor")));
    bgcolor->addItem(QStringLiteral("Chartreuse"));
    bgcolor->setCurrentIndex(bgcolor->count() - 1);
    Include(QStringLiteral("Bgcolor"));
    Inspector().sbInsertTagClick();
    QCOMPARE(FDialogs->Messages().size(), 1);
    QVERIFY2(FDialogs->Messages().first().text.startsWith(
                 QStringLiteral("Can not insert a tag: Can not generate attribute: ")),
             qPrintable(FDialogs->Messages().first().text));
    QCOMPARE(Editor()->Text(), QStringLiteral("page"));
}

void TestTagInspector::windowCommands()
{
    TfrmTagInspector &inspector = Inspector();
    inspector.show();
    QVERIFY(QTest::qWaitForWindowExposed(&inspector));
    Choose(QStringLiteral("Form"), QStringLiteral("Input Field"));

    // Stay on top switches the window's style; lists keep their choices.
    inspector.cbStayOnTop->setChecked(false);
    inspector.cbStayOnTopClick();
    QVERIFY(!inspector.StayOnTop());
    QVERIFY(inspector.isVisible());
    QCOMPARE(inspector.cbTagGroups->currentText(), QStringLiteral("Form"));
    QCOMPARE(inspector.CurrentTag(), QStringLiteral("INPUT"));
    inspector.cbStayOnTop->setChecked(true);
    inspector.cbStayOnTopClick();
    QVERIFY(inspector.StayOnTop());

    RecordingHelp help;
    inspector.sbHelpClick();
    QCOMPARE(help.requests, QStringList{QStringLiteral("topic:TAG_INSPECTOR")});

    inspector.sbCloseClick();
    QVERIFY(!inspector.isVisible());
    QCOMPARE(FHost->closed, 1);
}

QTEST_MAIN(TestTagInspector)
#include "tst_taginspector.moc"
