// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/TRCRichEdit.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QMenu>
#include <QAbstractScrollArea>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

class TestRichEdit : public QObject {
    Q_OBJECT
private slots:
    void lineBreaksAreCrLfAndCountTwo();
    void fileTextKeepsTheLoadedLineEnds_data();
    void fileTextKeepsTheLoadedLineEnds();
    void nulCharactersAreText();
    void positionsAreCharacterIndices();
    void replaceSelLeavesCaretAfterAndUndoesInOneStep();
    void loadingIsNotUndoable();
    void rowAndColumnWrites();
    void lineServices();
    void modifiedFlag();
    void wordWrapLeavesOnlyTheVerticalScrollBar();
    void programShortcutsReachTheMenus();
    void popupMenuReplacesTheComponentsOwn();
    void dropRules();
    void longLinePositionsAndTyping_data();
    void longLinePositionsAndTyping();
    void largePageWrapsAfterLoading();
};

void TestRichEdit::lineBreaksAreCrLfAndCountTwo()
{
    TRCRichEdit edit;
    edit.SetText(QStringLiteral("one\ntwo\rthree\r\nfour"));
    QCOMPARE(edit.Text(), QStringLiteral("one\r\ntwo\r\nthree\r\nfour"));
    QCOMPARE(edit.LineCount(), 4);
    QCOMPARE(edit.LineIndex(1), 5);   // "one" + CR LF
    QCOMPARE(edit.TextLength(), 21);

    edit.SetSelStart(edit.TextLength());
    edit.ReplaceSel(QStringLiteral("\nfive"));
    QVERIFY(edit.Text().endsWith(QStringLiteral("four\r\nfive")));
}

void TestRichEdit::fileTextKeepsTheLoadedLineEnds_data()
{
    QTest::addColumn<QString>("loaded");
    QTest::addColumn<QString>("typedAfterFirstLine");
    QTest::addColumn<QString>("saved");
    QTest::newRow("none: CR LF") << "a" << "\n" << "a\r\n";
    QTest::newRow("LF") << "a\nb\n" << "\n" << "a\n\nb\n";
    QTest::newRow("CR") << "a\rb" << "x\r\n" << "a\rx\rb";
    QTest::newRow("mixed keeps each") << "a\nb\r\nc\rd\n\n" << "" << "a\nb\r\nc\rd\n\n";
    QTest::newRow("mixed: new break takes the first")
        << "a\r\nb\n\nc\r" << "\n" << "a\r\n\r\nb\n\nc\r";
    QTest::newRow("between two odd breaks") << "a\nb\r\rc" << "" << "a\nb\r\rc";
}

void TestRichEdit::fileTextKeepsTheLoadedLineEnds()
{
    QFETCH(QString, loaded);
    QFETCH(QString, typedAfterFirstLine);
    QFETCH(QString, saved);
    TRCRichEdit edit;
    edit.SetText(loaded);
    QVERIFY(!edit.Text().contains(QRegularExpression(QStringLiteral("\r(?!\n)|(?<!\r)\n"))));
    edit.SetSelStart(edit.LineLength(0) + 2);   // start of the second line
    edit.ReplaceSel(typedAfterFirstLine);
    QCOMPARE(edit.FileText(), saved);
}

void TestRichEdit::nulCharactersAreText()
{
    TRCRichEdit edit;
    const QString text = QStringLiteral("a\0b\r\n\0\0c");
    QVERIFY(edit.SetText(text));
    QCOMPARE(edit.Text(), text);
    QCOMPARE(edit.TextLength(), text.size());
    QCOMPARE(edit.Line(1), QStringLiteral("\0\0c"));
    edit.SetSelection(1, 2);
    QCOMPARE(edit.SelText(), QStringLiteral("\0b"));
    edit.ReplaceSel(QStringLiteral("x\0y"));
    QCOMPARE(edit.Text(), QStringLiteral("ax\0y\r\n\0\0c"));
    QCOMPARE(edit.SelStart(), 4);
}

void TestRichEdit::positionsAreCharacterIndices()
{
    TRCRichEdit edit;
    // "é" is one character, the emoji two (a surrogate pair), as in QString.
    const QString text = QStringLiteral("caf\u00e9 \U0001F600 <B>\r\n\u00e9t\u00e9");
    edit.SetText(text);
    QCOMPARE(edit.TextLength(), text.size());

    const int bold = text.indexOf(QStringLiteral("<B>"));
    edit.SetSelection(bold, 3);
    QCOMPARE(edit.SelStart(), bold);
    QCOMPARE(edit.SelLength(), 3);
    QCOMPARE(edit.SelText(), QStringLiteral("<B>"));
    QCOMPARE(edit.Row(), 0);
    QCOMPARE(edit.Col(), bold);

    edit.SetSelStart(text.size() - 1);
    QCOMPARE(edit.Row(), 1);
    QCOMPARE(edit.Col(), 2);
    QCOMPARE(edit.LineFromChar(text.size()), 1);
    QCOMPARE(edit.LineLength(1), 3);

    // Positions past the end are clipped to it.
    edit.SetSelStart(10000);
    QCOMPARE(edit.SelStart(), text.size());
}

void TestRichEdit::replaceSelLeavesCaretAfterAndUndoesInOneStep()
{
    TRCRichEdit edit;
    edit.SetText(QStringLiteral("Hello world"));
    edit.SetSelection(6, 5);
    edit.ReplaceSel(QStringLiteral("<B>world</B>\r\nagain"));
    QCOMPARE(edit.Text(), QStringLiteral("Hello <B>world</B>\r\nagain"));
    QCOMPARE(edit.SelStart(), edit.TextLength());
    QCOMPARE(edit.SelLength(), 0);

    QVERIFY(edit.CanUndo());
    edit.Undo();
    QCOMPARE(edit.Text(), QStringLiteral("Hello world"));
    QVERIFY(!edit.CanUndo());
}

void TestRichEdit::loadingIsNotUndoable()
{
    TRCRichEdit edit;
    edit.SetTextUtf8(QByteArray("<P>caf\xc3\xa9</P>\n"));
    QCOMPARE(edit.Text(), QStringLiteral("<P>caf\u00e9</P>\r\n"));
    QCOMPARE(edit.TextUtf8(), QByteArray("<P>caf\xc3\xa9</P>\r\n"));
    QVERIFY(!edit.CanUndo());
    QCOMPARE(edit.SelStart(), 0);
}

void TestRichEdit::rowAndColumnWrites()
{
    TRCRichEdit edit;
    edit.SetText(QStringLiteral("abcdefgh\r\nab\r\nabcdef"));
    QSignalSpy moves(&edit, &TRCRichEdit::OnPosChange);

    edit.SetSelStart(5);               // row 0, column 5
    edit.SetRow(2);                    // keeps the column
    QCOMPARE(edit.Row(), 2);
    QCOMPARE(edit.Col(), 5);
    edit.SetRow(1);                    // clipped to the short line
    QCOMPARE(edit.Col(), 2);
    edit.SetCol(99);
    QCOMPARE(edit.Col(), 2);
    edit.SetRow(0);
    edit.SetCol(3);
    QCOMPARE(edit.SelStart(), 3);
    QVERIFY(moves.count() >= 4);

    QCOMPARE(edit.Posn(), (quint32(0) << 16) | 3u);
    edit.SetPosn((quint32(2) << 16) | 4u);
    QCOMPARE(edit.Row(), 2);
    QCOMPARE(edit.Col(), 4);
    // Not clipped: column 4 of the short row lands in the next row.
    edit.SetPosn((quint32(1) << 16) | 4u);
    QCOMPARE(edit.SelStart(), 10 + 4);
    QCOMPARE(edit.Row(), 2);
}

void TestRichEdit::lineServices()
{
    TRCRichEdit edit;
    edit.SetText(QStringLiteral("first\r\n\r\nthird"));
    QCOMPARE(edit.LineCount(), 3);
    QCOMPARE(edit.Line(0), QStringLiteral("first"));
    QCOMPARE(edit.Line(1), QString());
    QCOMPARE(edit.LineLength(2), 5);
    QCOMPARE(edit.LineIndex(2), 9);
    QCOMPARE(edit.LineIndex(3), -1);
    QCOMPARE(edit.Line(7), QString());
    edit.SetSelStart(8);
    QCOMPARE(edit.LineIndex(-1), 7);   // the caret's line
}

void TestRichEdit::modifiedFlag()
{
    TRCRichEdit edit;
    QSignalSpy changes(&edit, &TRCRichEdit::Change);
    edit.SetText(QStringLiteral("text"));
    edit.SetModified(false);
    QVERIFY(!edit.Modified());
    edit.SetSelStart(4);
    edit.ReplaceSel(QStringLiteral("!"));
    QVERIFY(edit.Modified());
    QVERIFY(changes.count() >= 2);
    // Undoing back to the loaded text still counts as a change.
    edit.Undo();
    QVERIFY(edit.Modified());
    edit.SetModified(false);
    QVERIFY(!edit.Modified());
}

void TestRichEdit::wordWrapLeavesOnlyTheVerticalScrollBar()
{
    TRCRichEdit edit;
    edit.SetWordWrap(true);
    QVERIFY(edit.WordWrap());
    QVERIFY(edit.HasVerticalScrollBar());
    QVERIFY(!edit.HasHorizontalScrollBar());
    edit.SetWordWrap(false);
    QVERIFY(edit.HasVerticalScrollBar());
    QVERIFY(edit.HasHorizontalScrollBar());
}

void TestRichEdit::programShortcutsReachTheMenus()
{
    QMainWindow window;
    auto *edit = new TRCRichEdit;
    window.setCentralWidget(edit);
    QMenu *menu = window.menuBar()->addMenu(QStringLiteral("Search"));
    QAction *findNext = menu->addAction(QStringLiteral("Find Next"));
    findNext->setShortcut(QKeySequence(Qt::Key_F3));
    QAction *undo = menu->addAction(QStringLiteral("Undo"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QSignalSpy findNextRuns(findNext, &QAction::triggered);
    QSignalSpy undoRuns(undo, &QAction::triggered);

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    edit->setFocus();
    edit->SetText(QStringLiteral("abc"));
    edit->SetSelStart(3);
    edit->ReplaceSel(QStringLiteral("d"));

    QWidget *target = edit->focusProxy();
    QTest::keyClick(target, Qt::Key_F3);
    QTest::keyClick(target, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(findNextRuns.count(), 1);
    QCOMPARE(undoRuns.count(), 1);
    QCOMPARE(edit->Text(), QStringLiteral("abcd"));   // the menu decides, not the component
}

void TestRichEdit::popupMenuReplacesTheComponentsOwn()
{
    TRCRichEdit edit;
    QMenu popup;
    popup.addAction(QStringLiteral("Preview ..."));
    edit.SetPopupMenu(&popup);
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));

    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), edit.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(edit.focusProxy(), &event);
    QTRY_VERIFY(popup.isVisible());
    popup.close();
    QVERIFY(QApplication::activePopupWidget() == nullptr);
}

void TestRichEdit::dropRules()
{
    TRCRichEdit edit;
    QTreeWidget tree;
    QWidget other;
    QObject *dropped = nullptr;
    QVERIFY(!edit.AcceptsDropFrom(&tree));            // no rules: nothing accepted
    edit.SetDropRules([&](QObject *source) { return source == &tree; },
                      [&](QObject *source) { dropped = source; });
    QVERIFY(edit.AcceptsDropFrom(&tree));
    QVERIFY(!edit.AcceptsDropFrom(&other));
    QVERIFY(!edit.AcceptsDropFrom(nullptr));          // drags from other programs
    QVERIFY(dropped == nullptr);
}

// Lines far longer than the screen, with characters of one, two and four
// UTF-8 bytes around the points where the control reads its buffer in parts.
void TestRichEdit::longLinePositionsAndTyping_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pos");
    const QString ascii = QString(40000, QLatin1Char('a'));
    const QString mixed = QString(16380, QLatin1Char('a')) + QStringLiteral("\u00e9\u00e9\U0001F600\u00e9\u00e9")
        + QString(20000, QLatin1Char('b'));
    const QString lines = QStringLiteral("<HTML>\r\n") + mixed + QStringLiteral("\r\n</HTML>");
    QTest::newRow("start") << ascii << 0;
    QTest::newRow("middle") << ascii << 20000;
    QTest::newRow("end") << ascii << 40000;
    QTest::newRow("before the accents") << mixed << 16380;
    QTest::newRow("between accents") << mixed << 16381;
    QTest::newRow("after the surrogate pair") << mixed << 16384;
    QTest::newRow("after the accents") << mixed << 16388;
    QTest::newRow("second line, past the accents") << lines << 8 + 30000;
}

void TestRichEdit::longLinePositionsAndTyping()
{
    QFETCH(QString, text);
    QFETCH(int, pos);
    TRCRichEdit edit;
    edit.resize(600, 300);
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    edit.SetText(text);
    QApplication::processEvents();

    edit.SetSelection(0, pos);
    QCOMPARE(edit.SelLength(), pos);
    edit.SetSelStart(pos);
    QCOMPARE(edit.SelStart(), pos);
    QCOMPARE(edit.Col(), pos - edit.LineIndex(edit.Row()));
    QCOMPARE(edit.LineLength(edit.Row()), text.split(QStringLiteral("\r\n")).at(edit.Row()).size());

    QTest::keyClick(edit.focusProxy(), Qt::Key_X);
    QApplication::processEvents();
    QCOMPARE(edit.Text(), QString(text).insert(pos, QLatin1Char('x')));
    QCOMPARE(edit.SelStart(), pos + 1);
}

// A page that goes in with word wrap on is wrapped in idle time, not at
// once: after that the wrapped lines fill more rows than the page has lines.
void TestRichEdit::largePageWrapsAfterLoading()
{
    TRCRichEdit edit;
    edit.SetWordWrap(true);
    edit.resize(600, 300);
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    const int lines = 400;
    edit.SetText(QStringLiteral("<P>%1</P>\r\n").arg(QString(1000, QLatin1Char('w')).replace(QStringLiteral("ww"), QStringLiteral("w "))).repeated(lines));
    QVERIFY(!edit.HasHorizontalScrollBar());
    auto *area = edit.findChild<QAbstractScrollArea *>();
    QVERIFY(area);
    QScrollBar *vertical = area->verticalScrollBar();
    QTRY_VERIFY_WITH_TIMEOUT(vertical->maximum() > 2 * lines, 20000);
}

QTEST_MAIN(TestRichEdit)
#include "tst_richedit.moc"
