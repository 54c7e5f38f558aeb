// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/FormBusy.h"
#include "controls/TObjectGrid.h"
#include "editor/TRCRichEdit.h"
#include "editor/TfrmMDIChild.h"
#include "platform/FatalErrorText.h"
#include "platform/HelpWindow.h"
#include "platform/QtHelp.h"
#include "platform/RegistryStore.h"
#include "shell/SettingsSession.h"
#include "shell/TfrmOptions.h"
#include "shell/WorkState.h"
#include "support/MainFormFixture.h"
#include "support/ShippedData.h"
#include "tags/TDataMod.h"
#include "tags/TfrmTagInspector.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>

// The main window with its Tag Inspector over the shipped catalogue: the
// tag notebook and the tag filter in step, the tool window rule, showing
// at start, placement, and the help menu.
class TestMainFormInspector : public MainFormFixture {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void tableWithBorderAroundASelectedWord();
    void notebookAndFilterFollowEachOther();
    void toolWindowRule();
    void shownAtStartWhenTheOptionSaysSo();
    void placementIsAppliedAndSaved();
    void helpMenuAndOptionsHelp();
    void exitClosesEveryOtherWindow();

private:
    QTemporaryDir FDataDir;
    std::unique_ptr<TDataMod> FDataMod;
    std::unique_ptr<TfrmTagInspector> FInspector;

    void CreateInspector()
    {
        FInspector = std::make_unique<TfrmTagInspector>(*FForm, *FDataMod, *FForm, FForm.get());
        QVERIFY2(FatalErrorText().isEmpty(), qPrintable(FatalErrorText()));
    }
    int PageIndex(const QString &caption) const
    {
        for (int i = 0; i < FForm->TagGrpPageControl->count(); ++i) {
            if (FForm->TagGrpPageControl->tabText(i) == caption)
                return i;
        }
        return -1;
    }
    QString CurrentPage() const
    {
        return FForm->TagGrpPageControl->tabText(FForm->TagGrpPageControl->currentIndex());
    }
};

void TestMainFormInspector::initTestCase()
{
    QCOMPARE(CopyShippedTables(FDataDir.path()), 8);
    FDataMod = std::make_unique<TDataMod>(FDataDir.path());
    DataMod = FDataMod.get();
    QVERIFY2(FatalErrorText().isEmpty(), qPrintable(FatalErrorText()));
}

void TestMainFormInspector::init()
{
    MainFormFixture::init();
    FForm->OptionValues().tagUpperCase = true;
    FForm->OptionValues().attrUpperCase = true;
    FForm->show();
    QVERIFY(QTest::qWaitForWindowExposed(FForm.get()));
}

void TestMainFormInspector::cleanup()
{
    FInspector.reset();
    MainFormFixture::cleanup();
}

void TestMainFormInspector::tableWithBorderAroundASelectedWord()
{
    CreateInspector();
    FForm->mnuNewClick();
    TRCRichEdit *editor = FForm->ActiveDocument()->EditMemo;
    editor->SetText(QStringLiteral("word"));
    editor->SetSelection(0, 4);

    TfrmTagInspector &inspector = *FInspector;
    inspector.show();
    QVERIFY(inspector.ChooseTagGroup(QStringLiteral("Table"), inspector.cbTagGroups));
    QVERIFY(inspector.ChooseTag(QStringLiteral("Table")));
    QCOMPARE(inspector.AttrGrid->Cells(0, 1), QStringLiteral("Border"));
    inspector.IncludeBox(1)->setChecked(true);
    inspector.AttrGrid->SetCells(2, 1, QStringLiteral("1"));
    inspector.sbInsertTag->click();

    QCOMPARE(editor->Text(), QStringLiteral("<TABLE BORDER=\"1\">word</TABLE>"));
    QVERIFY(FDialogs->Messages().isEmpty());
    // The filter change brought the notebook's "Table" page forward.
    QCOMPARE(CurrentPage(), QStringLiteral("Table"));
}

void TestMainFormInspector::notebookAndFilterFollowEachOther()
{
    CreateInspector();
    TfrmTagInspector &inspector = *FInspector;
    // Created on the notebook's current page.
    QCOMPARE(inspector.cbTagGroups->currentText(), CurrentPage());

    inspector.show();
    FForm->TagGrpPageControl->setCurrentIndex(PageIndex(QStringLiteral("Image")));
    QCOMPARE(inspector.cbTagGroups->currentText(), QStringLiteral("Image & Imagemap"));
    QVERIFY(inspector.TagNames().contains(QStringLiteral("IMG")));
    QVERIFY(!IsFormBusy(FForm.get()));
    QVERIFY(!IsFormBusy(&inspector));

    // The user's filter choice brings its page forward; the page change
    // that causes does not come back to the filter.
    const int index = inspector.cbTagGroups->findText(QStringLiteral("Form"));
    inspector.cbTagGroups->setCurrentIndex(index);
    emit inspector.cbTagGroups->activated(index);
    QCOMPARE(CurrentPage(), QStringLiteral("Form"));
    QCOMPARE(inspector.cbTagGroups->currentText(), QStringLiteral("Form"));

    // A group without a page leaves the notebook alone.
    QVERIFY(inspector.ChooseTagGroup(QStringLiteral("Frames"), inspector.cbTagGroups));
    QCOMPARE(CurrentPage(), QStringLiteral("Form"));

    // A hidden inspector does not follow the notebook.
    inspector.hide();
    FForm->TagGrpPageControl->setCurrentIndex(PageIndex(QStringLiteral("Table")));
    QCOMPARE(inspector.cbTagGroups->currentText(), QStringLiteral("Frames"));
    QVERIFY(!IsFormBusy(FForm.get()));
}

void TestMainFormInspector::toolWindowRule()
{
    CreateInspector();
    TfrmTagInspector &inspector = *FInspector;
    QVERIFY(inspector.isHidden());
    FForm->MenuItem(QStringLiteral("mnuTagInspector"))->trigger();
    QVERIFY(inspector.isVisible());

    inspector.showMinimized();
    QVERIFY(inspector.isMinimized());
    FForm->findChild<QToolButton *>(QStringLiteral("sbTagInspector"))->click();
    QVERIFY(!inspector.isMinimized());
    QVERIFY(inspector.isVisible());

    inspector.close();
    QVERIFY(inspector.isHidden());
    QVERIFY(!FForm->MenuItem(QStringLiteral("mnuTagInspector"))->isChecked());
    FForm->MenuItem(QStringLiteral("mnuPopTagInspector"))->trigger();
    QVERIFY(inspector.isVisible());
}

void TestMainFormInspector::shownAtStartWhenTheOptionSaysSo()
{
    CreateInspector();
    FForm->OptionValues().showTagInspector = false;
    FForm->FormShow();
    QVERIFY(FInspector->isHidden());

    FForm->OptionValues().showTagInspector = true;
    FatalErrorText() = QStringLiteral("Can not find TAGS.DB");
    FForm->FormShow();
    QVERIFY(FInspector->isHidden());

    FatalErrorText().clear();
    FForm->FormShow();
    QVERIFY(FInspector->isVisible());
}

void TestMainFormInspector::placementIsAppliedAndSaved()
{
    FForm->InspectorPlacement = WindowPlacement{false, false, 100, 120, 300, 410};
    CreateInspector();
    QCOMPARE(FInspector->pos(), QPoint(100, 120));
    QCOMPARE(FInspector->size(), QSize(300, 410));
    // Its own check box says whether it stays on top.
    QVERIFY(FInspector->StayOnTop());

    FInspector->cbStayOnTop->setChecked(false);
    FInspector->cbStayOnTopClick();
    FInspector->move(130, 140);
    const WindowPlacement now = FForm->CurrentInspectorPlacement();
    QCOMPARE(now, (WindowPlacement{false, false, 130, 140, 300, 410}));
    SettingsSession::SaveAtClose(*FForm);
    WorkState saved;
    QVERIFY(saved.LoadWorkState(RegistryStore::Instance()));
    QCOMPARE(saved.InspectorPlacement, now);

    // A maximised record keeps the designed bounds.
    FInspector.reset();
    FForm->InspectorPlacement = WindowPlacement{true, true, 5, 6, 700, 800};
    CreateInspector();
    QCOMPARE(FInspector->size(), QSize(290, 400));
    QVERIFY(!FInspector->isMaximized());
}

void TestMainFormInspector::helpMenuAndOptionsHelp()
{
    FForm->MenuItem(QStringLiteral("mnuContents"))->trigger();
    FForm->MenuItem(QStringLiteral("mnuSearch"))->trigger();
    TfrmOptions options(FForm.get(), FForm.get());
    options.btnHelpClick();
    QCOMPARE(FHelp->requests,
             (QStringList{QStringLiteral("topic:CONTENTS"), QStringLiteral("finder"),
                          QStringLiteral("context:11")}));
}

void TestMainFormInspector::exitClosesEveryOtherWindow()
{
    // With the help and the inspector up, exit leaves no window shown, so
    // the program ends with its main window.
    CreateInspector();
    FInspector->show();
    QtHelp help(qEnvironmentVariable("QUILLON_BINARY_DIR") + QStringLiteral("/HELP"));
    help.ShowTopic(QStringLiteral("CONTENTS"));
    QVERIFY(help.Window() && help.Window()->isVisible());
    FForm->mnuExitClick();
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows)
        QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
}

QTEST_MAIN(TestMainFormInspector)
#include "tst_mainforminspector.moc"
