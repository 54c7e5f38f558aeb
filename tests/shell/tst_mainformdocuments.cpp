// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/PanelStatusBar.h"
#include "editor/TRCRichEdit.h"
#include "editor/TfrmMDIChild.h"
#include "shell/DocumentArea.h"
#include "shell/MenuMerge.h"
#include "support/MainFormFixture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

// The main window with document windows in it: menu state and merging,
// the window list, the edit commands and closing.
class TestMainFormDocuments : public MainFormFixture {
    Q_OBJECT
private slots:
    void init();
    void fileMenuFollowsTheOpenDocuments();
    void newDocumentsOpenCascaded();
    void reopenNeedsEntriesAndTheOption();
    void documentMenusMergeByGroup_data();
    void documentMenusMergeByGroup();
    void tagsMenuFollowsItsOption();
    void sameGroupReplacesTheMainMenu();
    void windowListMenu();
    void toolsAndPopupStatesFollowTheSelection();
    void undoAndClipboardCommands();
    void caretPositionCountsCharacters();
    void autoSaveTimers();
    void closingTheFrameClosesTheDocumentsFirst();
    void menuClosedWithoutChoiceHandsTheKeysBack_data();
    void menuClosedWithoutChoiceHandsTheKeysBack();
    void menuHintLeavesWithTheMenu();

private:
    TfrmMDIChild *NewDocument(const QString &text = QString());
};

namespace {
QStringList VisibleMenuBar(TfrmMainForm &form)
{
    QStringList titles;
    const QList<QAction *> actions = form.menuBar()->actions();
    for (QAction *action : actions)
        if (action->isVisible())
            titles << action->text().remove(QLatin1Char('&'));
    return titles;
}

QStringList VisibleItems(QMenu *menu)
{
    QStringList names;
    const QList<QAction *> actions = menu->actions();
    for (QAction *action : actions)
        if (action->isVisible())
            names << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
    return names;
}

bool Enabled(TfrmMainForm &form, const char *name)
{
    return form.MenuItem(QLatin1String(name))->isEnabled();
}
} // namespace

void TestMainFormDocuments::init()
{
    MainFormFixture::init();
    QGuiApplication::clipboard()->clear();
}

TfrmMDIChild *TestMainFormDocuments::NewDocument(const QString &text)
{
    auto *child = new TfrmMDIChild(*FForm);
    child->setWindowTitle(QStringLiteral("Quillon  %1").arg(FForm->DocumentCount() + 1));
    FForm->AddDocumentWindow(child);
    if (!text.isEmpty()) {
        child->EditMemo->SetText(text);
        child->EditMemo->SetModified(false);
    }
    return child;
}

void TestMainFormDocuments::newDocumentsOpenCascaded()
{
    FForm->resize(1000, 700);
    FForm->show();
    QVERIFY(QTest::qWaitForWindowExposed(FForm.get()));
    const QSize area = FForm->MDIClient->viewport()->size();
    TfrmMDIChild *first = NewDocument();
    TfrmMDIChild *second = NewDocument();
    QCOMPARE(first->size(), QSize(area.width() * 3 / 4, area.height() * 3 / 4));
    QCOMPARE(second->pos() - first->pos(), QPoint(24, 24));
    QCOMPARE(FForm->ActiveDocument(), second);
}

void TestMainFormDocuments::fileMenuFollowsTheOpenDocuments()
{
    FForm->mnuFileClick();
    QCOMPARE(VisibleItems(FForm->mnuFile), (QStringList{"mnuNew", "mnuOpen", "-", "mnuExit"}));

    FForm->mnuNewClick();
    QCOMPARE(FForm->DocumentCount(), 1);
    QCOMPARE(FForm->ActiveDocument()->windowTitle(), QStringLiteral("Quillon  1"));
    FForm->mnuFileClick();
    QCOMPARE(VisibleItems(FForm->mnuFile),
             (QStringList{"mnuNew", "mnuOpen", "mnuClose", "-", "mnuSave", "mnuSaveAs",
                          "mnuSaveAll", "-", "mnuPrintSetup", "mnuPrint", "-", "mnuExit"}));

    // Closing the last document takes the page items away again.
    FForm->mnuCloseClick();
    QCOMPARE(FForm->DocumentCount(), 0);
    QVERIFY(FForm->ActiveDocument() == nullptr);
    FForm->mnuFileClick();
    QCOMPARE(VisibleItems(FForm->mnuFile), (QStringList{"mnuNew", "mnuOpen", "-", "mnuExit"}));
    QCOMPARE(FDialogs->calls.size(), 0);
}

void TestMainFormDocuments::reopenNeedsEntriesAndTheOption()
{
    FForm->mnuReopen->addAction(QStringLiteral("1 C:/PAGES/INDEX.HTM"));
    FForm->mnuFileClick();
    QCOMPARE(VisibleItems(FForm->mnuFile),
             (QStringList{"mnuNew", "mnuOpen", "-", "mnuReopen", "-", "mnuExit"}));

    FForm->OptionValues().rufList = false;
    FForm->mnuFileClick();
    QCOMPARE(VisibleItems(FForm->mnuFile), (QStringList{"mnuNew", "mnuOpen", "-", "mnuExit"}));
}

void TestMainFormDocuments::documentMenusMergeByGroup_data()
{
    QTest::addColumn<bool>("shown");
    QTest::newRow("frame hidden") << false;
    QTest::newRow("frame shown") << true;
}

void TestMainFormDocuments::documentMenusMergeByGroup()
{
    QFETCH(bool, shown);
    if (shown) {
        FForm->show();
        FForm->activateWindow();
    }
    QCOMPARE(VisibleMenuBar(*FForm), (QStringList{"File", "View", "Tools", "Help"}));

    TfrmMDIChild *first = NewDocument();
    FForm->SetWindowMenuVisible(true);
    QCOMPARE(VisibleMenuBar(*FForm),
             (QStringList{"File", "Edit", "Search", "View", "Tags", "Tools", "Window", "Help"}));
    // The merged menus are the active document's own.
    const QList<MergedMenu> firstMenus = first->ChildMenus();
    QVERIFY(FForm->menuBar()->actions().contains(firstMenus.first().menu->menuAction()));

    TfrmMDIChild *second = NewDocument();
    QCOMPARE(FForm->ActiveDocument(), second);
    QVERIFY(FForm->menuBar()->actions().contains(second->ChildMenus().first().menu->menuAction()));
    QVERIFY(!FForm->menuBar()->actions().contains(firstMenus.first().menu->menuAction()));
    QCOMPARE(FForm->Documents(), (QList<TfrmMDIChild *>{second, first}));

    FForm->BringToFront(first);
    QCOMPARE(FForm->ActiveDocument(), first);
    QVERIFY(FForm->menuBar()->actions().contains(firstMenus.first().menu->menuAction()));
    QCOMPARE(VisibleMenuBar(*FForm).size(), 8);

    first->close();
    second->close();
    QCOMPARE(FForm->DocumentCount(), 0);
    QCOMPARE(VisibleMenuBar(*FForm), (QStringList{"File", "View", "Tools", "Help"}));
}

void TestMainFormDocuments::tagsMenuFollowsItsOption()
{
    FForm->OptionValues().tagsMenu = false;
    NewDocument();
    FForm->SetWindowMenuVisible(true);
    QCOMPARE(VisibleMenuBar(*FForm),
             (QStringList{"File", "Edit", "Search", "View", "Tools", "Window", "Help"}));
}

void TestMainFormDocuments::sameGroupReplacesTheMainMenu()
{
    QMenu file, view, help, edit, search, viewOfPage;
    const QList<MergedMenu> main = {{0, &file}, {2, &view}, {9, &help}};
    QCOMPARE(MenuMerge::Merge(main, {}), (QList<QMenu *>{&file, &view, &help}));
    QCOMPARE(MenuMerge::Merge(main, {{1, &edit}, {1, &search}, {2, &viewOfPage}}),
             (QList<QMenu *>{&file, &edit, &search, &viewOfPage, &help}));
}

void TestMainFormDocuments::windowListMenu()
{
    FForm->mnuWindowPopup();
    QCOMPARE(VisibleItems(FForm->mnuWindow),
             (QStringList{"mnuCascade", "mnuHorizontal", "mnuArrangeIcons"}));

    TfrmMDIChild *first = NewDocument();
    TfrmMDIChild *second = NewDocument();
    first->setWindowTitle(QStringLiteral("R&D.HTM"));
    FForm->mnuWindowPopup();
    const QList<QAction *> items = FForm->mnuWindow->actions();
    QCOMPARE(items.size(), 6);
    QVERIFY(items[3]->isSeparator());
    QCOMPARE(items[4]->text(), QStringLiteral("R&&D.HTM"));
    QCOMPARE(items[5]->text(), QStringLiteral("Quillon  2"));
    QVERIFY(!items[4]->isChecked());
    QVERIFY(items[5]->isChecked());

    items[4]->trigger();
    QCOMPARE(FForm->ActiveDocument(), first);

    // The list is rebuilt, never appended to.
    FForm->mnuWindowPopup();
    QCOMPARE(FForm->mnuWindow->actions().size(), 6);
    QVERIFY(FForm->mnuWindow->actions()[4]->isChecked());
    second->close();
    FForm->mnuWindowPopup();
    QCOMPARE(FForm->mnuWindow->actions().size(), 5);

    // Arranging the windows keeps every document open.
    FForm->mnuCascadeClick();
    FForm->mnuHorizontalClick();
    FForm->mnuArrangeIconsClick();
    QCOMPARE(FForm->DocumentCount(), 1);
}

void TestMainFormDocuments::toolsAndPopupStatesFollowTheSelection()
{
    const char *const pageCommands[] = {"mnuLinkToVaroPage", "mnuFormWizard", "mnuListWizard",
                                        "mnuTableBuilder", "mnuColorPicker"};
    const char *const popupPageCommands[] = {"mnuPopPreview", "mnuDetails", "mnuPopDetails",
                                             "mnuPopLinkToVaroPage", "mnuPopSaveAll"};
    QGuiApplication::clipboard()->setText(QStringLiteral("clip"));

    // No document.
    FForm->mnuToolsClick();
    FForm->mnuMainPopupPopup();
    for (const char *name : pageCommands)
        QVERIFY2(!Enabled(*FForm, name), name);
    for (const char *name : popupPageCommands)
        QVERIFY2(!Enabled(*FForm, name), name);
    for (const char *name :
         {"mnuUpperCase", "mnuLowerCase", "mnuPopCut", "mnuPopCopy", "mnuPopPaste"})
        QVERIFY2(!Enabled(*FForm, name), name);
    for (const char *name :
         {"mnuLinkManager", "mnuSpecialChar", "mnuTagInspector", "mnuWebPageWizard"})
        QVERIFY2(Enabled(*FForm, name), name);

    // A document without a selection.
    TfrmMDIChild *doc = NewDocument(QStringLiteral("<P>hello</P>"));
    FForm->mnuToolsClick();
    FForm->mnuMainPopupPopup();
    for (const char *name : pageCommands)
        QVERIFY2(Enabled(*FForm, name), name);
    for (const char *name : popupPageCommands)
        QVERIFY2(Enabled(*FForm, name), name);
    for (const char *name : {"mnuUpperCase", "mnuLowerCase", "mnuPopCut", "mnuPopCopy"})
        QVERIFY2(!Enabled(*FForm, name), name);
    QVERIFY(Enabled(*FForm, "mnuPopPaste"));

    // With a selection; an empty clipboard disables paste.
    doc->EditMemo->SetSelection(3, 5);
    QGuiApplication::clipboard()->clear();
    FForm->mnuToolsClick();
    FForm->mnuMainPopupPopup();
    for (const char *name : {"mnuUpperCase", "mnuLowerCase", "mnuPopCut", "mnuPopCopy"})
        QVERIFY2(Enabled(*FForm, name), name);
    QVERIFY(!Enabled(*FForm, "mnuPopPaste"));

    // Hints copied as the menus open.
    QCOMPARE(FForm->MenuItem(QStringLiteral("mnuUpperCase"))->property("hint"),
             FForm->findChild<QWidget *>(QStringLiteral("sbUpperCase"))->property("hint"));
    QCOMPARE(FForm->MenuItem(QStringLiteral("mnuPopSaveAll"))->statusTip(),
             FForm->MenuItem(QStringLiteral("mnuSaveAll"))->statusTip());

    FForm->mnuViewClick();
    QVERIFY(Enabled(*FForm, "mnuPreviewCurrDoc"));
    doc->close();
    FForm->mnuViewClick();
    QVERIFY(!Enabled(*FForm, "mnuPreviewCurrDoc"));
    QVERIFY(!Enabled(*FForm, "mnuDetails"));
}

void TestMainFormDocuments::undoAndClipboardCommands()
{
    TfrmMDIChild *doc = NewDocument(QStringLiteral("one two"));
    TRCRichEdit *edit = doc->EditMemo;

    // Nothing to undo yet: the command does nothing, and never beeps.
    FForm->btnUndoClick();
    QCOMPARE(edit->Text(), QStringLiteral("one two"));
    QCOMPARE(FDialogs->BeepCount(), 0);

    edit->SetSelection(4, 3);
    FForm->mnuPopCopyClick();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("two"));
    FForm->mnuPopCutClick();
    QCOMPARE(edit->Text(), QStringLiteral("one "));
    edit->SetSelStart(0);
    FForm->mnuPopPasteClick();
    QCOMPARE(edit->Text(), QStringLiteral("twoone "));
    FForm->btnUndoClick();
    QCOMPARE(edit->Text(), QStringLiteral("one "));

    edit->SetSelection(0, 3);
    FForm->btnCopyClick();
    FForm->btnCutClick();
    QCOMPARE(edit->Text(), QStringLiteral(" "));
    FForm->btnPasteClick();
    QCOMPARE(edit->Text(), QStringLiteral("one "));
    QCOMPARE(FDialogs->BeepCount(), 0);
}

void TestMainFormDocuments::caretPositionCountsCharacters()
{
    TfrmMDIChild *doc = NewDocument(QStringLiteral("<P>\r\n\u00e9t\u00e9 \u00e0 Z\u00fcrich"));
    // Caret after "été à " on the second line.
    doc->EditMemo->SetSelStart(5 + 6);
    FForm->ShowCaretPosition();
    QCOMPARE(FForm->MessageBar->PanelText(3), QStringLiteral("2 : 7"));

    doc->close();
    FForm->MessageBar->SetPanelText(3, QStringLiteral("kept"));
    FForm->ShowCaretPosition();
    QCOMPARE(FForm->MessageBar->PanelText(3), QStringLiteral("kept"));
}

void TestMainFormDocuments::autoSaveTimers()
{
    TfrmMDIChild *first = NewDocument();
    TfrmMDIChild *second = NewDocument();
    FForm->SetAutoSaveTimers(false);
    QVERIFY(!first->SaveTimer->isActive() && !second->SaveTimer->isActive());

    // A document held by an operation is switched once it is ready again.
    second->SetReady(false);
    QTimer::singleShot(20, second, [second] { second->SetReady(true); });
    FForm->SetAutoSaveTimers(true);
    QVERIFY(second->Ready());
    QVERIFY(first->SaveTimer->isActive() && second->SaveTimer->isActive());
}

void TestMainFormDocuments::closingTheFrameClosesTheDocumentsFirst()
{
    FForm->show();
    TfrmMDIChild *clean = NewDocument(QStringLiteral("saved"));
    TfrmMDIChild *changed = NewDocument(QStringLiteral("text"));
    changed->EditMemo->SetSelStart(4);
    changed->EditMemo->ReplaceSel(QStringLiteral("!"));
    QVERIFY(changed->EditMemo->Modified());

    // Cancel keeps that document, and so the frame, open; the documents
    // are asked from the active one on and nothing after it closes.
    FDialogs->AnswerMessage(mbCancel);
    QVERIFY(!FForm->close());
    QVERIFY(FForm->isVisible());
    QCOMPARE(FForm->Documents(), (QList<TfrmMDIChild *>{changed, clean}));
    QCOMPARE(FDialogs->Messages().size(), 1);
    QCOMPARE(FDialogs->Messages().first().text,
             QStringLiteral("Do you want to save changes to Quillon  2"));

    // Yes cannot write the page yet, so it stays open too.
    FDialogs->AnswerMessage(mbYes);
    QVERIFY(!FForm->close());
    QCOMPARE(FForm->DocumentCount(), 2);

    // No closes it unsaved, and the frame with it.
    FDialogs->AnswerMessage(mbNo);
    QVERIFY(FForm->close());
    QCOMPARE(FForm->DocumentCount(), 0);
    QVERIFY(!FForm->isVisible());
}

void TestMainFormDocuments::menuClosedWithoutChoiceHandsTheKeysBack_data()
{
    QTest::addColumn<int>("menuKey");
    QTest::addColumn<int>("stepsAlong"); // Right presses before Esc
    QTest::newRow("page's own menu") << int(Qt::Key_E) << 0;
    QTest::newRow("main menu") << int(Qt::Key_F) << 0;
    QTest::newRow("after moving along the bar") << int(Qt::Key_E) << 2;
}

void TestMainFormDocuments::menuClosedWithoutChoiceHandsTheKeysBack()
{
    QFETCH(int, menuKey);
    QFETCH(int, stepsAlong);
    FForm->show();
    FForm->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(FForm.get()));
    TRCRichEdit *editor = NewDocument()->EditMemo;
    const auto pageHasKeys = [&] { return editor->isAncestorOf(FForm->focusWidget()); };
    QTRY_VERIFY(pageHasKeys());

    QTest::keyClick(FForm->focusWidget(), Qt::Key(menuKey), Qt::AltModifier);
    QTRY_VERIFY(QApplication::activePopupWidget());
    for (int step = 0; step < stepsAlong; ++step)
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Right);
    QVERIFY(FForm->MessageBar->IsSimple());
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);

    // The page has the keys again: letters typed next are text, not menu
    // commands.
    QTRY_VERIFY(pageHasKeys());
    QTest::keyClicks(FForm->focusWidget(), QStringLiteral("all"));
    QVERIFY(!QApplication::activePopupWidget());
    QCOMPARE(editor->Text(), QStringLiteral("all"));
}

void TestMainFormDocuments::menuHintLeavesWithTheMenu()
{
    FForm->show();
    QVERIFY(QTest::qWaitForWindowExposed(FForm.get()));
    FForm->mnuFile->popup(FForm->mapToGlobal(QPoint(10, 10)));
    QTRY_VERIFY(FForm->mnuFile->isVisible());
    // What pointing at an item shows; closing the menu takes it away.
    FForm->ShowHintText(FForm->MenuItem(QStringLiteral("mnuOpen"))->statusTip());
    FForm->mnuFile->hide();
    QTRY_VERIFY(!FForm->MessageBar->IsSimple());
}

QTEST_MAIN(TestMainFormDocuments)
#include "tst_mainformdocuments.moc"
