// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/PanelStatusBar.h"
#include "editor/TRCRichEdit.h"
#include "editor/TfrmMDIChild.h"
#include "platform/ScriptedDialogs.h"
#include "shell/DocumentArea.h"
#include "shell/MenuMerge.h"
#include "shell/TfrmMainForm.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

// The main window with document windows in it: menu state and merging,
// the window list, the edit commands and closing.
class TestMainFormDocuments : public QObject {
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
    TfrmMDIChild *NewDocument(TfrmMainForm &form, const QString &text = QString());
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
}

void TestMainFormDocuments::init()
{
    QGuiApplication::clipboard()->clear();
}

TfrmMDIChild *TestMainFormDocuments::NewDocument(TfrmMainForm &form, const QString &text)
{
    auto *child = new TfrmMDIChild(form);
    child->setWindowTitle(QStringLiteral("Quillon  %1").arg(form.DocumentCount() + 1));
    form.AddDocumentWindow(child);
    if (!text.isEmpty()) {
        child->EditMemo->SetText(text);
        child->EditMemo->SetModified(false);
    }
    return child;
}

void TestMainFormDocuments::newDocumentsOpenCascaded()
{
    TfrmMainForm form;
    form.resize(1000, 700);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QSize area = form.MDIClient->viewport()->size();
    TfrmMDIChild *first = NewDocument(form);
    TfrmMDIChild *second = NewDocument(form);
    QCOMPARE(first->size(), QSize(area.width() * 3 / 4, area.height() * 3 / 4));
    QCOMPARE(second->pos() - first->pos(), QPoint(24, 24));
    QCOMPARE(form.ActiveDocument(), second);
}

void TestMainFormDocuments::fileMenuFollowsTheOpenDocuments()
{
    ScriptedDialogs dialogs;
    TfrmMainForm form;
    form.mnuFileClick();
    QCOMPARE(VisibleItems(form.mnuFile), (QStringList{"mnuNew", "mnuOpen", "-", "mnuExit"}));

    form.mnuNewClick();
    QCOMPARE(form.DocumentCount(), 1);
    QCOMPARE(form.ActiveDocument()->windowTitle(), QStringLiteral("Quillon  1"));
    form.mnuFileClick();
    QCOMPARE(VisibleItems(form.mnuFile),
             (QStringList{"mnuNew", "mnuOpen", "mnuClose", "-", "mnuSave", "mnuSaveAs",
                          "mnuSaveAll", "-", "mnuPrintSetup", "mnuPrint", "-", "mnuExit"}));

    // Closing the last document takes the page items away again.
    form.mnuCloseClick();
    QCOMPARE(form.DocumentCount(), 0);
    QVERIFY(form.ActiveDocument() == nullptr);
    form.mnuFileClick();
    QCOMPARE(VisibleItems(form.mnuFile), (QStringList{"mnuNew", "mnuOpen", "-", "mnuExit"}));
    QCOMPARE(dialogs.calls.size(), 0);
}

void TestMainFormDocuments::reopenNeedsEntriesAndTheOption()
{
    ScriptedDialogs dialogs;
    TfrmMainForm form;
    form.mnuReopen->addAction(QStringLiteral("1 C:/PAGES/INDEX.HTM"));
    form.mnuFileClick();
    QCOMPARE(VisibleItems(form.mnuFile),
             (QStringList{"mnuNew", "mnuOpen", "-", "mnuReopen", "-", "mnuExit"}));

    form.OptionValues().rufList = false;
    form.mnuFileClick();
    QCOMPARE(VisibleItems(form.mnuFile), (QStringList{"mnuNew", "mnuOpen", "-", "mnuExit"}));
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
    ScriptedDialogs dialogs;
    TfrmMainForm form;
    if (shown) {
        form.show();
        form.activateWindow();
    }
    QCOMPARE(VisibleMenuBar(form), (QStringList{"File", "View", "Tools", "Help"}));

    TfrmMDIChild *first = NewDocument(form);
    form.SetWindowMenuVisible(true);
    QCOMPARE(VisibleMenuBar(form), (QStringList{"File", "Edit", "Search", "View", "Tags",
                                                "Tools", "Window", "Help"}));
    // The merged menus are the active document's own.
    const QList<MergedMenu> firstMenus = first->ChildMenus();
    QVERIFY(form.menuBar()->actions().contains(firstMenus.first().menu->menuAction()));

    TfrmMDIChild *second = NewDocument(form);
    QCOMPARE(form.ActiveDocument(), second);
    QVERIFY(form.menuBar()->actions().contains(second->ChildMenus().first().menu->menuAction()));
    QVERIFY(!form.menuBar()->actions().contains(firstMenus.first().menu->menuAction()));
    QCOMPARE(form.Documents(), (QList<TfrmMDIChild *>{second, first}));

    form.BringToFront(first);
    QCOMPARE(form.ActiveDocument(), first);
    QVERIFY(form.menuBar()->actions().contains(firstMenus.first().menu->menuAction()));
    QCOMPARE(VisibleMenuBar(form).size(), 8);

    first->close();
    second->close();
    QCOMPARE(form.DocumentCount(), 0);
    QCOMPARE(VisibleMenuBar(form), (QStringList{"File", "View", "Tools", "Help"}));
}

void TestMainFormDocuments::tagsMenuFollowsItsOption()
{
    ScriptedDialogs dialogs;
    TfrmMainForm form;
    form.OptionValues().tagsMenu = false;
    NewDocument(form);
    form.SetWindowMenuVisible(true);
    QCOMPARE(VisibleMenuBar(form),
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
    ScriptedDialogs dialogs;
    TfrmMainForm form;
    form.mnuWindowPopup();
    QCOMPARE(VisibleItems(form.mnuWindow),
             (QStringList{"mnuCascade", "mnuHorizontal", "mnuArrangeIcons"}));

    TfrmMDIChild *first = NewDocument(form);
    TfrmMDIChild *second = NewDocument(form);
    first->setWindowTitle(QStringLiteral("R&D.HTM"));
    form.mnuWindowPopup();
    const QList<QAction *> items = form.mnuWindow->actions();
    QCOMPARE(items.size(), 6);
    QVERIFY(items[3]->isSeparator());
    QCOMPARE(items[4]->text(), QStringLiteral("R&&D.HTM"));
    QCOMPARE(items[5]->text(), QStringLiteral("Quillon  2"));
    QVERIFY(!items[4]->isChecked());
    QVERIFY(items[5]->isChecked());

    items[4]->trigger();
    QCOMPARE(form.ActiveDocument(), first);

    // The list is rebuilt, never appended to.
    form.mnuWindowPopup();
    QCOMPARE(form.mnuWindow->actions().size(), 6);
    QVERIFY(form.mnuWindow->actions()[4]->isChecked());
    second->close();
    form.mnuWindowPopup();
    QCOMPARE(form.mnuWindow->actions().size(), 5);

    // Arranging the windows keeps every document open.
    form.mnuCascadeClick();
    form.mnuHorizontalClick();
    form.mnuArrangeIconsClick();
    QCOMPARE(form.DocumentCount(), 1);
}

void TestMainFormDocuments::toolsAndPopupStatesFollowTheSelection()
{
    ScriptedDialogs dialogs;
    TfrmMainForm form;
    const char *const pageCommands[] = {"mnuLinkToVaroPage", "mnuFormWizard", "mnuListWizard",
                                        "mnuTableBuilder", "mnuColorPicker"};
    const char *const popupPageCommands[] = {"mnuPopPreview", "mnuDetails", "mnuPopDetails",
                                             "mnuPopLinkToVaroPage", "mnuPopSaveAll"};
    QGuiApplication::clipboard()->setText(QStringLiteral("clip"));

    // No document.
    form.mnuToolsClick();
    form.mnuMainPopupPopup();
    for (const char *name : pageCommands)
        QVERIFY2(!Enabled(form, name), name);
    for (const char *name : popupPageCommands)
        QVERIFY2(!Enabled(form, name), name);
    for (const char *name : {"mnuUpperCase", "mnuLowerCase", "mnuPopCut", "mnuPopCopy",
                             "mnuPopPaste"})
        QVERIFY2(!Enabled(form, name), name);
    for (const char *name : {"mnuLinkManager", "mnuSpecialChar", "mnuTagInspector",
                             "mnuWebPageWizard"})
        QVERIFY2(Enabled(form, name), name);

    // A document without a selection.
    TfrmMDIChild *doc = NewDocument(form, QStringLiteral("<P>hello</P>"));
    form.mnuToolsClick();
    form.mnuMainPopupPopup();
    for (const char *name : pageCommands)
        QVERIFY2(Enabled(form, name), name);
    for (const char *name : popupPageCommands)
        QVERIFY2(Enabled(form, name), name);
    for (const char *name : {"mnuUpperCase", "mnuLowerCase", "mnuPopCut", "mnuPopCopy"})
        QVERIFY2(!Enabled(form, name), name);
    QVERIFY(Enabled(form, "mnuPopPaste"));

    // With a selection; an empty clipboard disables paste.
    doc->EditMemo->SetSelection(3, 5);
    QGuiApplication::clipboard()->clear();
    form.mnuToolsClick();
    form.mnuMainPopupPopup();
    for (const char *name : {"mnuUpperCase", "mnuLowerCase", "mnuPopCut", "mnuPopCopy"})
        QVERIFY2(Enabled(form, name), name);
    QVERIFY(!Enabled(form, "mnuPopPaste"));

    // Hints copied as the menus open.
    QCOMPARE(form.MenuItem(QStringLiteral("mnuUpperCase"))->property("hint"),
             form.findChild<QWidget *>(QStringLiteral("sbUpperCase"))->property("hint"));
    QCOMPARE(form.MenuItem(QStringLiteral("mnuPopSaveAll"))->statusTip(),
             form.MenuItem(QStringLiteral("mnuSaveAll"))->statusTip());

    form.mnuViewClick();
    QVERIFY(Enabled(form, "mnuPreviewCurrDoc"));
    doc->close();
    form.mnuViewClick();
    QVERIFY(!Enabled(form, "mnuPreviewCurrDoc"));
    QVERIFY(!Enabled(form, "mnuDetails"));
}

void TestMainFormDocuments::undoAndClipboardCommands()
{
    ScriptedDialogs dialogs;
    TfrmMainForm form;
    TfrmMDIChild *doc = NewDocument(form, QStringLiteral("one two"));
    TRCRichEdit *edit = doc->EditMemo;

    // Nothing to undo yet: the command does nothing, and never beeps.
    form.btnUndoClick();
    QCOMPARE(edit->Text(), QStringLiteral("one two"));
    QCOMPARE(dialogs.BeepCount(), 0);

    edit->SetSelection(4, 3);
    form.mnuPopCopyClick();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("two"));
    form.mnuPopCutClick();
    QCOMPARE(edit->Text(), QStringLiteral("one "));
    edit->SetSelStart(0);
    form.mnuPopPasteClick();
    QCOMPARE(edit->Text(), QStringLiteral("twoone "));
    form.btnUndoClick();
    QCOMPARE(edit->Text(), QStringLiteral("one "));

    edit->SetSelection(0, 3);
    form.btnCopyClick();
    form.btnCutClick();
    QCOMPARE(edit->Text(), QStringLiteral(" "));
    form.btnPasteClick();
    QCOMPARE(edit->Text(), QStringLiteral("one "));
    QCOMPARE(dialogs.BeepCount(), 0);
}

void TestMainFormDocuments::caretPositionCountsCharacters()
{
    ScriptedDialogs dialogs;
    TfrmMainForm form;
    TfrmMDIChild *doc = NewDocument(form, QStringLiteral("<P>\r\n\u00e9t\u00e9 \u00e0 Z\u00fcrich"));
    // Caret after "été à " on the second line.
    doc->EditMemo->SetSelStart(5 + 6);
    form.ShowCaretPosition();
    QCOMPARE(form.MessageBar->PanelText(3), QStringLiteral("2 : 7"));

    doc->close();
    form.MessageBar->SetPanelText(3, QStringLiteral("kept"));
    form.ShowCaretPosition();
    QCOMPARE(form.MessageBar->PanelText(3), QStringLiteral("kept"));
}

void TestMainFormDocuments::autoSaveTimers()
{
    ScriptedDialogs dialogs;
    TfrmMainForm form;
    TfrmMDIChild *first = NewDocument(form);
    TfrmMDIChild *second = NewDocument(form);
    form.SetAutoSaveTimers(false);
    QVERIFY(!first->SaveTimer->isActive() && !second->SaveTimer->isActive());

    // A document held by an operation is switched once it is ready again.
    second->SetReady(false);
    QTimer::singleShot(20, second, [second] { second->SetReady(true); });
    form.SetAutoSaveTimers(true);
    QVERIFY(second->Ready());
    QVERIFY(first->SaveTimer->isActive() && second->SaveTimer->isActive());
}

void TestMainFormDocuments::closingTheFrameClosesTheDocumentsFirst()
{
    ScriptedDialogs dialogs;
    TfrmMainForm form;
    form.show();
    TfrmMDIChild *clean = NewDocument(form, QStringLiteral("saved"));
    TfrmMDIChild *changed = NewDocument(form, QStringLiteral("text"));
    changed->EditMemo->SetSelStart(4);
    changed->EditMemo->ReplaceSel(QStringLiteral("!"));
    QVERIFY(changed->EditMemo->Modified());

    // Cancel keeps that document, and so the frame, open; the documents
    // are asked from the active one on and nothing after it closes.
    dialogs.AnswerMessage(mbCancel);
    QVERIFY(!form.close());
    QVERIFY(form.isVisible());
    QCOMPARE(form.Documents(), (QList<TfrmMDIChild *>{changed, clean}));
    QCOMPARE(dialogs.Messages().size(), 1);
    QCOMPARE(dialogs.Messages().first().text,
             QStringLiteral("Do you want to save changes to Quillon  2"));

    // Yes cannot write the page yet, so it stays open too.
    dialogs.AnswerMessage(mbYes);
    QVERIFY(!form.close());
    QCOMPARE(form.DocumentCount(), 2);

    // No closes it unsaved, and the frame with it.
    dialogs.AnswerMessage(mbNo);
    QVERIFY(form.close());
    QCOMPARE(form.DocumentCount(), 0);
    QVERIFY(!form.isVisible());
}

void TestMainFormDocuments::menuClosedWithoutChoiceHandsTheKeysBack_data()
{
    QTest::addColumn<int>("menuKey");
    QTest::addColumn<int>("stepsAlong");  // Right presses before Esc
    QTest::newRow("page's own menu") << int(Qt::Key_E) << 0;
    QTest::newRow("main menu") << int(Qt::Key_F) << 0;
    QTest::newRow("after moving along the bar") << int(Qt::Key_E) << 2;
}

void TestMainFormDocuments::menuClosedWithoutChoiceHandsTheKeysBack()
{
    QFETCH(int, menuKey);
    QFETCH(int, stepsAlong);
    ScriptedDialogs dialogs;
    TfrmMainForm form;
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    TRCRichEdit *editor = NewDocument(form)->EditMemo;
    const auto pageHasKeys = [&] { return editor->isAncestorOf(form.focusWidget()); };
    QTRY_VERIFY(pageHasKeys());

    QTest::keyClick(form.focusWidget(), Qt::Key(menuKey), Qt::AltModifier);
    QTRY_VERIFY(QApplication::activePopupWidget());
    for (int step = 0; step < stepsAlong; ++step)
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Right);
    QVERIFY(form.MessageBar->IsSimple());
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);

    // The page has the keys again: letters typed next are text, not menu
    // commands.
    QTRY_VERIFY(pageHasKeys());
    QTest::keyClicks(form.focusWidget(), QStringLiteral("all"));
    QVERIFY(!QApplication::activePopupWidget());
    QCOMPARE(editor->Text(), QStringLiteral("all"));
    editor->SetModified(false);
}

void TestMainFormDocuments::menuHintLeavesWithTheMenu()
{
    TfrmMainForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.mnuFile->popup(form.mapToGlobal(QPoint(10, 10)));
    QTRY_VERIFY(form.mnuFile->isVisible());
    // What pointing at an item shows; closing the menu takes it away.
    form.ShowHintText(form.MenuItem(QStringLiteral("mnuOpen"))->statusTip());
    form.mnuFile->hide();
    QTRY_VERIFY(!form.MessageBar->IsSimple());
}

QTEST_MAIN(TestMainFormDocuments)
#include "tst_mainformdocuments.moc"
