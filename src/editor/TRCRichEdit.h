// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/LineEnds.h"
#include "editor/TextSearch.h"

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QList>
#include <QString>
#include <QWidget>
#include <functional>

class QMenu;
class QsciScintilla;

// The page editor control: plain text in one font and one colour, CR LF
// line ends in the buffer (a line break counts as two characters), and
// character positions everywhere (QString indices, so a character outside
// the Basic Multilingual Plane counts as two). It wraps the Scintilla
// component; no other class of the program talks to Scintilla.
class TRCRichEdit : public QWidget {
    Q_OBJECT
public:
    explicit TRCRichEdit(QWidget *parent = nullptr);

    // Keys the program's menus own (as QKeyCombination::toCombined), which
    // the editing component gives up so that the menus get them: those of
    // the document window's menus, and those a window adds before its
    // editors are created (the main window, at its own creation).
    static void AddProgramShortcuts(const QList<int> &keys);
    ~TRCRichEdit() override;

    // Whole text, every line break as CR LF. Transfers go by length, so
    // NUL characters are text like any other.
    QString Text() const;
    QByteArray TextUtf8() const;
    // Loads a page: its line ends become CR LF, and how each was written is
    // remembered for FileText; no undo record. False when the control could
    // not take the whole text (out of memory): it is then left empty.
    bool SetText(const QString &text);
    bool SetTextUtf8(const QByteArray &utf8); // as SetText, from UTF-8 bytes
    // The text as the page file holds it: each line break written as it
    // was loaded; a break typed or inserted since takes the page's first
    // line end (CR LF in a page loaded without any).
    QString FileText() const;
    QByteArray FileTextUtf8() const;
    // Tests: the next load fails as if memory ran out part-way.
    static void FailNextLoadForTesting();
    int TextLength() const; // in characters
    // Runs a search over the whole text from a selection (character
    // positions) and gives the match in character positions. The text is
    // read in the component's own buffer, so a search copies nothing.
    TextSearch::Match ScanText(const TextSearch &search, int selStart, int selLength) const;

    // Selection (character positions).
    int SelStart() const;
    int SelLength() const;
    void SetSelStart(int pos);     // empty selection at pos
    void SetSelLength(int length); // from SelStart
    void SetSelection(int start, int length);
    QString SelText() const;
    // Replaces the selection (or inserts at the caret); the caret ends after
    // the new text. One undo step.
    void ReplaceSel(const QString &text);
    void SelectAll();

    // Caret as row and column, both 0-based.
    int Row() const;
    void SetRow(int row); // start of that line, then to the previous column (clipped)
    int Col() const;
    void SetCol(int col);       // within the current line, clipped to its length
    quint32 Posn() const;       // low 16 bits column, high 16 bits row
    void SetPosn(quint32 posn); // first character of the row plus the column, not clipped

    // Line services (lines 0-based; positions in characters).
    int LineFromChar(int pos) const;
    int LineIndex(int line) const;  // first character of a line; -1 past the end
    int LineLength(int line) const; // without its line break
    int LineCount() const;
    QString Line(int line) const; // without its line break

    // Editing commands.
    bool CanUndo() const;
    void Undo();
    void Cut();
    void Copy();
    void Paste();
    void Clear(); // delete the selection, clipboard untouched
    void ScrollCaret();

    // The modified flag: set by every change, cleared by the owner.
    bool Modified() const;
    void SetModified(bool modified);

    // Appearance.
    void SetEditorFont(const QFont &font, const QColor &color);
    QFont EditorFont() const;
    void SetBackColor(const QColor &color);
    QColor BackColor() const;
    // Word wrap on: only a vertical scroll bar; off: both.
    void SetWordWrap(bool wrap);
    bool WordWrap() const;
    bool HasHorizontalScrollBar() const;
    bool HasVerticalScrollBar() const;

    // The pop-up menu shown instead of the component's own.
    void SetPopupMenu(QMenu *menu);
    // Decides whether a drag from a given source may be dropped here; a
    // drop then goes to the drop handler and does not move the caret.
    void SetDropRules(std::function<bool(QObject *source)> accepts,
                      std::function<void(QObject *source)> drop);
    bool AcceptsDropFrom(QObject *source) const;

signals:
    void Change();          // the text changed, typed or inserted
    void SelectionChange(); // caret or selection moved
    void OnPosChange();     // after mouse-button and key release, and Row/Col/Posn writes
    void MouseDown();       // a mouse button was pressed in the editor
    void KeyDown(int key, Qt::KeyboardModifiers modifiers, bool *handled);
    void KeyPress(const QString &text, bool *handled);
    void KeyUp(int key, Qt::KeyboardModifiers modifiers);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    long BytePos(int charPos) const;
    QByteArrayView Range(long start, long end) const;
    int CharPos(long bytePos) const;
    void RemoveClashingKeys();
    void ChangeComing();
    void AnnounceChange();

    // Layout of long lines and large pages (TRCRichEditLayout.cpp).
    void ConfigureLayout();
    void ConfigureLineEnds();
    void ApplyWrapMode(bool wrap);
    void ResumeWrap();
    void NoteEdit(long pos, long length, bool insert);
    void StyleNeeded(long endPos);
    void StyleRange(long from, long to);
    long CountUtf16(long from, long to) const;
    long AdvanceUtf16(long from, long units, long limit) const;

    QsciScintilla *FSci;
    bool FModified = false;
    bool FChangePending = false;
    bool FWordWrap = false;
    LineEnd FPageLineEnd = LineEnd::CrLf;
    QMenu *FPopupMenu = nullptr;
    std::function<bool(QObject *)> FDropAccepts;
    std::function<void(QObject *)> FDrop;
    // Run styling: bytes before FStyledTo carry their runs, except those
    // between FDirtyFrom and FDirtyTo (edited since the last styling).
    long FStyledTo = 0;
    long FDirtyFrom = -1;
    long FDirtyTo = -1;
    bool FWrapSuspended = false;
};
