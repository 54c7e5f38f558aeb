// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/EditCommands.h"
#include "editor/TRCRichEdit.h"
#include "editor/TfrmMDIChild.h"
#include "support/EditorFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

class TestEditCommands : public EditorFixture {
    Q_OBJECT
private slots:
    void noDocumentAlwaysBeeps();
    void cutAndCopyTheSelection();
    void pasteWithoutFocusGoesToPage();
    void pasteGoesToFocusedControl();

private:
    // Gives `widget` the keyboard focus in an active tool window.
    bool Focus(QWidget *widget);
};

bool TestEditCommands::Focus(QWidget *widget)
{
    QWidget *window = widget->window();
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        return false;
    widget->setFocus();
    return QApplication::focusWidget() == widget;
}

void TestEditCommands::noDocumentAlwaysBeeps()
{
    FWorkspace->options.sound = false;
    QGuiApplication::clipboard()->setText(QStringLiteral("clip"));
    EditCut(*FWorkspace);
    EditCopy(*FWorkspace);
    EditPaste(*FWorkspace);
    QCOMPARE(FDialogs->BeepCount(), 3);
    QCOMPARE(FWorkspace->errorBeeps, 0);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("clip"));
}

void TestEditCommands::cutAndCopyTheSelection()
{
    TfrmMDIChild *child = Open(QStringLiteral("alpha beta"), 0, 5);
    EditCopy(*FWorkspace);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("alpha"));
    QCOMPARE(child->EditMemo->Text(), QStringLiteral("alpha beta"));
    child->EditMemo->SetSelection(6, 4);
    EditCut(*FWorkspace);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("beta"));
    QCOMPARE(child->EditMemo->Text(), QStringLiteral("alpha "));
    QCOMPARE(FDialogs->BeepCount(), 0);
}

void TestEditCommands::pasteWithoutFocusGoesToPage()
{
    TfrmMDIChild *child = FWorkspace->OpenDocument(QStringLiteral("ab"));
    if (QApplication::focusWidget())
        QApplication::focusWidget()->clearFocus();
    QVERIFY(!QApplication::focusWidget());
    QGuiApplication::clipboard()->setText(QStringLiteral("<HR>"));
    child->EditMemo->SetSelection(1, 1);
    EditPaste(*FWorkspace);
    QCOMPARE(child->EditMemo->Text(), QStringLiteral("a<HR>"));
    QVERIFY(child->EditMemo->Modified());
}

void TestEditCommands::pasteGoesToFocusedControl()
{
    TfrmMDIChild *child = FWorkspace->OpenDocument(QStringLiteral("page"));
    QWidget tool;
    auto *layout = new QVBoxLayout(&tool);
    auto *edit = new QLineEdit(QStringLiteral("find me"), &tool);
    auto *combo = new QComboBox(&tool);
    combo->setEditable(true);
    combo->setEditText(QStringLiteral("old text"));
    auto *fixedCombo = new QComboBox(&tool);
    fixedCombo->addItems({QStringLiteral("one"), QStringLiteral("two")});
    auto *memo = new QPlainTextEdit(QStringLiteral("memo"), &tool);
    auto *button = new QPushButton(QStringLiteral("OK"), &tool);
    for (QWidget *w : std::initializer_list<QWidget *>{edit, combo, fixedCombo, memo, button})
        layout->addWidget(w);
    QGuiApplication::clipboard()->setText(QStringLiteral("new"));

    // An edit field pastes over its selection.
    QVERIFY(Focus(edit));
    edit->setSelection(0, 4);
    EditPaste(*FWorkspace);
    QCOMPARE(edit->text(), QStringLiteral("new me"));

    // An editable combo box gets its whole text replaced.
    QVERIFY(Focus(combo));
    EditPaste(*FWorkspace);
    QCOMPARE(combo->currentText(), QStringLiteral("new"));

    // A fixed list takes nothing, nor does a button.
    QVERIFY(Focus(fixedCombo));
    EditPaste(*FWorkspace);
    QCOMPARE(fixedCombo->currentText(), QStringLiteral("one"));
    QVERIFY(Focus(button));
    EditPaste(*FWorkspace);

    // A memo pastes over its selection.
    QVERIFY(Focus(memo));
    memo->selectAll();
    EditPaste(*FWorkspace);
    QCOMPARE(memo->toPlainText(), QStringLiteral("new"));

    // None of that reached the page.
    QCOMPARE(child->EditMemo->Text(), QStringLiteral("page"));

    // With the focus back in the page, the page takes it.
    FWorkspace->Frame()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(FWorkspace->Frame()));
    child->EditMemo->setFocus();
    QVERIFY(QApplication::focusWidget());
    child->EditMemo->SetSelStart(4);
    EditPaste(*FWorkspace);
    QCOMPARE(child->EditMemo->Text(), QStringLiteral("pagenew"));
    QCOMPARE(FDialogs->BeepCount(), 0);
}

QTEST_MAIN(TestEditCommands)
#include "tst_editcommands.moc"
