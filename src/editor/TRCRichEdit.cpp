// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/TRCRichEdit.h"

#include "editor/ChildCommandTable.h"

#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>
#include <Qsci/qsciscintilla.h>

#include <QAccessibleWidget>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMetaObject>
#include <QSet>
#include <QVBoxLayout>

#include <algorithm>

namespace {

using Sci = QsciScintillaBase;
constexpr int Utf16Index = Sci::SC_LINECHARACTERINDEX_UTF16;

QString WithCrLf(const QString &text)
{
    if (!text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString out = text;
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    out.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return out;
}

// Keys the program's menus own; the component must not take them first.
QSet<int> &ProgramShortcuts()
{
    static QSet<int> keys = [] {
        const QList<int> own = ChildCommandTable::Shortcuts();
        return QSet<int>(own.begin(), own.end());
    }();
    return keys;
}

bool IsProgramShortcut(int key)
{
    return key != 0 && ProgramShortcuts().contains(key);
}

// The Qt port's own accessibility object for the component turns every
// caret move into a count of all characters before the caret, which makes
// typing near the end of a large page lag. The editor is offered to
// assistive tools as a plain editable widget instead.
QAccessibleInterface *PlainEditorAccessible(const QString &className, QObject *object)
{
    if (object && object->isWidgetType()
        && (className == QLatin1String("QsciScintilla")
            || className == QLatin1String("QsciScintillaBase")))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::EditableText);
    return nullptr;
}

} // namespace

TRCRichEdit::TRCRichEdit(QWidget *parent) : QWidget(parent), FSci(nullptr)
{
    static const bool accessibleInstalled = [] {
        QAccessible::installFactory(PlainEditorAccessible);
        return true;
    }();
    Q_UNUSED(accessibleInstalled);
    FSci = new QsciScintilla(this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(FSci);
    setFocusProxy(FSci);

    // Plain text: no lexer, no margins, no folding, no automatic indent.
    FSci->setUtf8(true);
    FSci->setLexer(nullptr);
    FSci->setEolMode(QsciScintilla::EolWindows);
    FSci->setEolVisibility(false);
    for (int margin = 0; margin < 5; ++margin)
        FSci->setMarginWidth(margin, 0);
    FSci->setFolding(QsciScintilla::NoFoldStyle);
    FSci->setAutoIndent(false);
    FSci->setBraceMatching(QsciScintilla::NoBraceMatch);
    FSci->setAutoCompletionSource(QsciScintilla::AcsNone);
    FSci->setIndentationsUseTabs(true);
    FSci->SendScintilla(Sci::SCI_SETSCROLLWIDTH, 1);
    FSci->SendScintilla(Sci::SCI_SETSCROLLWIDTHTRACKING, 1);
    FSci->SendScintilla(Sci::SCI_SETPASTECONVERTENDINGS, 1);
    FSci->SendScintilla(Sci::SCI_ALLOCATELINECHARACTERINDEX, Utf16Index);
    ConfigureLineEnds();
    RemoveClashingKeys();
    ConfigureLayout();
    SetWordWrap(false);

    FSci->installEventFilter(this);
    FSci->viewport()->installEventFilter(this);
    FSci->viewport()->setAcceptDrops(true);

    // Changes are reported to us before they happen, never after: the
    // component's after-change report makes the Qt port count every
    // character from the start of the page for each edit, which turns an
    // insertion near the end of a large page into a crawl. The change is
    // announced once the edit is done: at once for the edits made through
    // this class, on the next pass of the event loop for typing.
    FSci->SendScintilla(
        Sci::SCI_SETMODEVENTMASK,
        static_cast<unsigned long>(Sci::SC_MOD_BEFOREINSERT | Sci::SC_MOD_BEFOREDELETE));
    connect(FSci, &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int position, int type, const char *, int length, int, int, int, int, int, int) {
                if (type & (Sci::SC_MOD_BEFOREINSERT | Sci::SC_MOD_BEFOREDELETE)) {
                    NoteEdit(position, length, type & Sci::SC_MOD_BEFOREINSERT);
                    ChangeComing();
                }
            });
    connect(FSci, &QsciScintillaBase::SCN_UPDATEUI, this, [this](int updated) {
        if (updated & (Sci::SC_UPDATE_SELECTION | Sci::SC_UPDATE_CONTENT))
            emit SelectionChange();
    });
}

TRCRichEdit::~TRCRichEdit() = default;

void TRCRichEdit::RemoveClashingKeys()
{
    const QList<QsciCommand *> commands = FSci->standardCommands()->commands();
    for (QsciCommand *command : commands) {
        if (IsProgramShortcut(command->key()))
            command->setKey(0);
        if (IsProgramShortcut(command->alternateKey()))
            command->setAlternateKey(0);
    }
}

void TRCRichEdit::AddProgramShortcuts(const QList<int> &keys)
{
    for (int key : keys)
        ProgramShortcuts().insert(key);
}

void TRCRichEdit::ChangeComing()
{
    FModified = true;
    if (FChangePending)
        return;
    FChangePending = true;
    QMetaObject::invokeMethod(this, &TRCRichEdit::AnnounceChange, Qt::QueuedConnection);
}

void TRCRichEdit::AnnounceChange()
{
    if (!FChangePending)
        return;
    FChangePending = false;
    emit Change();
}

// ---- positions ---------------------------------------------------------

long TRCRichEdit::BytePos(int charPos) const
{
    if (charPos <= 0)
        return 0;
    const long length = FSci->SendScintilla(Sci::SCI_GETLENGTH);
    const long line = FSci->SendScintilla(Sci::SCI_LINEFROMINDEXPOSITION,
                                          static_cast<unsigned long>(charPos), long(Utf16Index));
    const long lineStartChar = FSci->SendScintilla(
        Sci::SCI_INDEXPOSITIONFROMLINE, static_cast<unsigned long>(line), long(Utf16Index));
    const long lineStart =
        FSci->SendScintilla(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    if (charPos == lineStartChar)
        return lineStart;
    return AdvanceUtf16(lineStart, charPos - lineStartChar, length);
}

int TRCRichEdit::CharPos(long bytePos) const
{
    if (bytePos <= 0)
        return 0;
    const long line =
        FSci->SendScintilla(Sci::SCI_LINEFROMPOSITION, static_cast<unsigned long>(bytePos));
    const long lineStart =
        FSci->SendScintilla(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    const long lineStartChar = FSci->SendScintilla(
        Sci::SCI_INDEXPOSITIONFROMLINE, static_cast<unsigned long>(line), long(Utf16Index));
    return int(lineStartChar + CountUtf16(lineStart, bytePos));
}

// ---- whole text ----------------------------------------------------------

int TRCRichEdit::TextLength() const
{
    return CharPos(FSci->SendScintilla(Sci::SCI_GETLENGTH));
}

// ---- selection -----------------------------------------------------------

int TRCRichEdit::SelStart() const
{
    return CharPos(FSci->SendScintilla(Sci::SCI_GETSELECTIONSTART));
}

int TRCRichEdit::SelLength() const
{
    const long start = FSci->SendScintilla(Sci::SCI_GETSELECTIONSTART);
    const long end = FSci->SendScintilla(Sci::SCI_GETSELECTIONEND);
    return int(CountUtf16(start, end));
}

void TRCRichEdit::SetSelStart(int pos)
{
    const long byte = BytePos(pos);
    FSci->SendScintilla(Sci::SCI_SETSEL, static_cast<unsigned long>(byte), byte);
    emit SelectionChange();
}

void TRCRichEdit::SetSelLength(int length)
{
    SetSelection(SelStart(), length);
}

void TRCRichEdit::SetSelection(int start, int length)
{
    const long anchor = BytePos(start);
    const long caret = BytePos(start + std::max(0, length));
    FSci->SendScintilla(Sci::SCI_SETSEL, static_cast<unsigned long>(anchor), caret);
    emit SelectionChange();
}

QString TRCRichEdit::SelText() const
{
    return QString::fromUtf8(Range(FSci->SendScintilla(Sci::SCI_GETSELECTIONSTART),
                                   FSci->SendScintilla(Sci::SCI_GETSELECTIONEND)));
}

void TRCRichEdit::ReplaceSel(const QString &text)
{
    const QByteArray bytes = WithCrLf(text).toUtf8();
    FSci->SendScintilla(Sci::SCI_BEGINUNDOACTION);
    // By length: the text may hold NUL characters.
    FSci->SendScintilla(Sci::SCI_TARGETFROMSELECTION);
    FSci->SendScintilla(Sci::SCI_REPLACETARGET, static_cast<unsigned long>(bytes.size()),
                        bytes.constData());
    const long end = FSci->SendScintilla(Sci::SCI_GETTARGETEND);
    FSci->SendScintilla(Sci::SCI_SETSEL, static_cast<unsigned long>(end), end);
    FSci->SendScintilla(Sci::SCI_ENDUNDOACTION);
    AnnounceChange();
    emit SelectionChange();
}

void TRCRichEdit::SelectAll()
{
    FSci->selectAll(true);
    emit SelectionChange();
}

// ---- row and column ------------------------------------------------------

int TRCRichEdit::Row() const
{
    return int(FSci->SendScintilla(
        Sci::SCI_LINEFROMPOSITION,
        static_cast<unsigned long>(FSci->SendScintilla(Sci::SCI_GETSELECTIONSTART))));
}

int TRCRichEdit::Col() const
{
    const long caret = FSci->SendScintilla(Sci::SCI_GETSELECTIONSTART);
    const long line =
        FSci->SendScintilla(Sci::SCI_LINEFROMPOSITION, static_cast<unsigned long>(caret));
    const long lineStart =
        FSci->SendScintilla(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    return int(CountUtf16(lineStart, caret));
}

void TRCRichEdit::SetRow(int row)
{
    const int column = Col();
    row = std::clamp(row, 0, LineCount() - 1);
    const long byte =
        FSci->SendScintilla(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(row));
    FSci->SendScintilla(Sci::SCI_SETSEL, static_cast<unsigned long>(byte), byte);
    SetCol(column);
}

void TRCRichEdit::SetCol(int col)
{
    const int row = Row();
    const int pos = LineIndex(row) + std::clamp(col, 0, LineLength(row));
    SetSelStart(pos);
    emit OnPosChange();
}

quint32 TRCRichEdit::Posn() const
{
    return (quint32(Row()) << 16) | (quint32(Col()) & 0xFFFFu);
}

void TRCRichEdit::SetPosn(quint32 posn)
{
    const int row = std::clamp(int(posn >> 16), 0, LineCount() - 1);
    SetSelStart(LineIndex(row) + int(posn & 0xFFFFu));
    emit OnPosChange();
}

// ---- lines ---------------------------------------------------------------

int TRCRichEdit::LineFromChar(int pos) const
{
    return int(
        FSci->SendScintilla(Sci::SCI_LINEFROMPOSITION, static_cast<unsigned long>(BytePos(pos))));
}

int TRCRichEdit::LineIndex(int line) const
{
    if (line < 0)
        line = Row();
    if (line >= LineCount())
        return -1;
    return int(FSci->SendScintilla(Sci::SCI_INDEXPOSITIONFROMLINE, static_cast<unsigned long>(line),
                                   long(Utf16Index)));
}

int TRCRichEdit::LineLength(int line) const
{
    if (line < 0)
        line = Row();
    if (line >= LineCount())
        return 0;
    const long start =
        FSci->SendScintilla(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    const long end =
        FSci->SendScintilla(Sci::SCI_GETLINEENDPOSITION, static_cast<unsigned long>(line));
    return int(CountUtf16(start, end));
}

int TRCRichEdit::LineCount() const
{
    return int(FSci->SendScintilla(Sci::SCI_GETLINECOUNT));
}

QString TRCRichEdit::Line(int line) const
{
    if (line < 0 || line >= LineCount())
        return QString();
    return QString::fromUtf8(
        Range(FSci->SendScintilla(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line)),
              FSci->SendScintilla(Sci::SCI_GETLINEENDPOSITION, static_cast<unsigned long>(line))));
}

// ---- commands ------------------------------------------------------------

bool TRCRichEdit::CanUndo() const
{
    return FSci->isUndoAvailable();
}

void TRCRichEdit::Undo()
{
    FSci->undo();
    AnnounceChange();
}

void TRCRichEdit::Cut()
{
    FSci->cut();
    AnnounceChange();
}

void TRCRichEdit::Copy()
{
    FSci->copy();
}

void TRCRichEdit::Paste()
{
    FSci->paste();
    AnnounceChange();
}

void TRCRichEdit::Clear()
{
    FSci->removeSelectedText();
    AnnounceChange();
}

void TRCRichEdit::ScrollCaret()
{
    FSci->ensureCursorVisible();
}

bool TRCRichEdit::Modified() const
{
    return FModified;
}

void TRCRichEdit::SetModified(bool modified)
{
    FModified = modified;
    if (!modified)
        FSci->setModified(false);
}

// ---- appearance ----------------------------------------------------------

void TRCRichEdit::SetEditorFont(const QFont &font, const QColor &color)
{
    FSci->setFont(font);
    FSci->SendScintilla(Sci::SCI_STYLESETFORE, static_cast<unsigned long>(Sci::STYLE_DEFAULT),
                        color);
    FSci->SendScintilla(Sci::SCI_STYLESETBACK, static_cast<unsigned long>(Sci::STYLE_DEFAULT),
                        BackColor());
    FSci->SendScintilla(Sci::SCI_STYLECLEARALL);
    FSci->setCaretForegroundColor(color);
    FSci->SendScintilla(Sci::SCI_SETCARETWIDTH, 2UL);
}

QFont TRCRichEdit::EditorFont() const
{
    return FSci->font();
}

void TRCRichEdit::SetBackColor(const QColor &color)
{
    FSci->setPaper(color);
    FSci->SendScintilla(Sci::SCI_STYLESETBACK, static_cast<unsigned long>(Sci::STYLE_DEFAULT),
                        color);
    for (int style = 0; style < Sci::STYLE_DEFAULT; ++style)
        FSci->SendScintilla(Sci::SCI_STYLESETBACK, static_cast<unsigned long>(style), color);
}

QColor TRCRichEdit::BackColor() const
{
    const long bgr =
        FSci->SendScintilla(Sci::SCI_STYLEGETBACK, static_cast<unsigned long>(Sci::STYLE_DEFAULT));
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

void TRCRichEdit::SetWordWrap(bool wrap)
{
    FWordWrap = wrap;
    FWrapSuspended = false;
    ApplyWrapMode(wrap);
    // Scroll bars are never hidden; with word wrap only the vertical one.
    FSci->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    FSci->setHorizontalScrollBarPolicy(wrap ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn);
    FSci->SendScintilla(Sci::SCI_SETHSCROLLBAR, wrap ? 0UL : 1UL);
}

bool TRCRichEdit::WordWrap() const
{
    return FWordWrap;
}

bool TRCRichEdit::HasHorizontalScrollBar() const
{
    return FSci->horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff;
}

bool TRCRichEdit::HasVerticalScrollBar() const
{
    return FSci->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff;
}

void TRCRichEdit::SetPopupMenu(QMenu *menu)
{
    FPopupMenu = menu;
}

void TRCRichEdit::SetDropRules(std::function<bool(QObject *)> accepts,
                               std::function<void(QObject *)> drop)
{
    FDropAccepts = std::move(accepts);
    FDrop = std::move(drop);
}

bool TRCRichEdit::AcceptsDropFrom(QObject *source) const
{
    return source && FDropAccepts && FDropAccepts(source);
}

// ---- events --------------------------------------------------------------

bool TRCRichEdit::eventFilter(QObject *watched, QEvent *event)
{
    const bool onViewport = watched == FSci->viewport();
    switch (event->type()) {
    case QEvent::KeyPress: {
        if (watched != FSci)
            break;
        auto *key = static_cast<QKeyEvent *>(event);
        bool handled = false;
        emit KeyDown(key->key(), key->modifiers(), &handled);
        if (!handled && !key->text().isEmpty())
            emit KeyPress(key->text(), &handled);
        return handled;
    }
    case QEvent::KeyRelease: {
        if (watched != FSci)
            break;
        auto *key = static_cast<QKeyEvent *>(event);
        emit KeyUp(key->key(), key->modifiers());
        emit OnPosChange();
        break;
    }
    case QEvent::Paint:
        if (onViewport) // wrapping held off while a large text went in
            ResumeWrap();
        break;
    case QEvent::MouseButtonPress:
        if (onViewport)
            emit MouseDown();
        break;
    case QEvent::MouseButtonRelease:
        if (onViewport) // after the component has placed the caret
            QMetaObject::invokeMethod(this, &TRCRichEdit::OnPosChange, Qt::QueuedConnection);
        break;
    case QEvent::ContextMenu:
        if (watched == FSci || onViewport) {
            if (FPopupMenu)
                FPopupMenu->popup(static_cast<QContextMenuEvent *>(event)->globalPos());
            return true; // never the component's own menu
        }
        break;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: {
        if (!onViewport)
            break;
        auto *drop = static_cast<QDropEvent *>(event);
        QObject *source = drop->source();
        // Text dragged within this editor moves as usual.
        if (source == FSci || source == FSci->viewport())
            break;
        if (AcceptsDropFrom(source)) {
            drop->setDropAction(Qt::CopyAction);
            drop->accept();
            if (event->type() == QEvent::Drop && FDrop)
                FDrop(source);
        } else {
            drop->ignore();
        }
        return true;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
