// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
//
// How the editor control stays responsive on long lines and large pages.
//
// The component measures a line piece by piece and keeps the widths of
// short pieces in a cache; a line is cut into pieces where its style
// changes. With one style, a line of megabytes (minified HTML) is a single
// piece: every edit measures all of it again, character by character, and
// every repaint, a caret blink included, walks it from its start. Long lines
// therefore get two styles that look exactly alike, alternating at every
// second ASCII character, so that their pieces are two characters long (with
// the non-ASCII characters that follow, which may combine with them) and
// their widths come from the cache. With word wrap on, a style change is also a
// place where a line may wrap, so there every line keeps one style.
//
// Word wrap: the component wraps a whole page at once when a large text goes
// in while wrapping is on. Wrapping is held off while such a text goes in
// and taken up again before the next repaint; the component then wraps the
// lines on screen first and the others while the program is idle. (Moving
// the caret by keys past the lines wrapped so far still makes it wrap them
// all at once.)

#include "editor/TRCRichEdit.h"

#include <Qsci/qsciscintilla.h>

#include <QMetaObject>

#include <algorithm>

namespace {

using Sci = QsciScintillaBase;

constexpr long LongLine = 4096;            // bytes; longer lines alternate their styles
constexpr long LargeInsert = 256 * 1024;   // bytes; wrapping is held off while they go in
constexpr long Chunk = 16 * 1024;          // bytes read from the buffer at a time
// Text typed or inserted in small pieces keeps the style it goes in with: a
// piece of a few characters measures quickly, while giving it its styles
// would make the component lay out the whole line a second time.
constexpr long SmallEdit = 64;
constexpr unsigned long PositionCacheEntries = 32768;

bool IsAscii(char c)
{
    return static_cast<unsigned char>(c) < 0x80;
}

} // namespace

void TRCRichEdit::ConfigureLayout()
{
    FSci->SendScintilla(Sci::SCI_SETPOSITIONCACHE, PositionCacheEntries);
    // Without a lexer nobody styles, so the component asks again on every
    // repaint and re-checks each line on screen character by character.
    connect(FSci, &QsciScintillaBase::SCN_STYLENEEDED, this, [this](int position) { StyleNeeded(position); });
    // The component's own caret report counts the caret's column from the
    // line's start on every caret move; nothing here uses it.
    QObject::disconnect(FSci, SIGNAL(SCN_UPDATEUI(int)), FSci, SLOT(handleUpdateUI(int)));
}

void TRCRichEdit::ApplyWrapMode(bool wrap)
{
    FSci->setWrapMode(wrap ? QsciScintilla::WrapWord : QsciScintilla::WrapNone);
    // The Qt port keeps the layout of every line of the page while wrapping,
    // several times the page's size in memory; the lines on screen suffice.
    if (wrap)
        FSci->SendScintilla(Sci::SCI_SETLAYOUTCACHE, static_cast<unsigned long>(Sci::SC_CACHE_PAGE));
    // Styles depend on the wrap mode: style the page again as it is shown.
    FStyledTo = 0;
    FDirtyFrom = FDirtyTo = -1;
    FSci->SendScintilla(Sci::SCI_STARTSTYLING, 0UL, 0L);
}

void TRCRichEdit::ResumeWrap()
{
    if (!FWrapSuspended)
        return;
    FWrapSuspended = false;
    const long top = FSci->SendScintilla(Sci::SCI_DOCLINEFROMVISIBLE,
                                         static_cast<unsigned long>(FSci->SendScintilla(Sci::SCI_GETFIRSTVISIBLELINE)));
    ApplyWrapMode(FWordWrap);
    FSci->SendScintilla(Sci::SCI_SETFIRSTVISIBLELINE,
                        static_cast<unsigned long>(FSci->SendScintilla(Sci::SCI_VISIBLEFROMDOCLINE,
                                                                       static_cast<unsigned long>(top))));
}

// Called before each insertion and deletion: keeps the styling marks in
// step with the text, and holds wrapping off while a large text goes in.
void TRCRichEdit::NoteEdit(long pos, long length, bool insert)
{
    const auto moved = [&](long at) {
        if (at <= pos)
            return at;
        return insert ? at + length : std::max(pos, at - length);
    };
    FStyledTo = moved(FStyledTo);
    if (FDirtyFrom >= 0) {
        FDirtyFrom = moved(FDirtyFrom);
        FDirtyTo = moved(FDirtyTo);
    }
    if (insert) {
        FDirtyFrom = FDirtyFrom < FDirtyTo ? std::min(FDirtyFrom, pos) : pos;
        FDirtyTo = std::max(FDirtyTo, pos + length);
    }
    if (insert && FWordWrap && !FWrapSuspended && length >= LargeInsert) {
        FWrapSuspended = true;
        FSci->setWrapMode(QsciScintilla::WrapNone);
        QMetaObject::invokeMethod(this, &TRCRichEdit::ResumeWrap, Qt::QueuedConnection);
    }
}

// The component needs styles up to endPos. Only text never styled and
// larger edits since the last call get new styles; the rest keeps its runs.
void TRCRichEdit::StyleNeeded(long endPos)
{
    endPos = std::min(endPos, long(FSci->SendScintilla(Sci::SCI_GETLENGTH)));
    const long start = FSci->SendScintilla(Sci::SCI_GETENDSTYLED);
    if (endPos <= start)
        return;
    const long freshFrom = std::clamp(FStyledTo, start, endPos);
    if (FDirtyFrom >= 0) {
        const long from = std::max(start, FDirtyFrom);
        const long to = std::min(freshFrom, FDirtyTo);
        if (to - from > SmallEdit)
            StyleRange(from, to);
    }
    if (freshFrom < endPos)
        StyleRange(freshFrom, endPos);
    FSci->SendScintilla(Sci::SCI_STARTSTYLING, static_cast<unsigned long>(endPos), 0L);
    FStyledTo = std::max(FStyledTo, endPos);
    if (FDirtyTo <= endPos)
        FDirtyFrom = FDirtyTo = -1;
    else
        FDirtyFrom = std::max(FDirtyFrom, endPos);
}

void TRCRichEdit::StyleRange(long from, long to)
{
    const long length = FSci->SendScintilla(Sci::SCI_GETLENGTH);
    const long lines = FSci->SendScintilla(Sci::SCI_GETLINECOUNT);
    long line = FSci->SendScintilla(Sci::SCI_LINEFROMPOSITION, static_cast<unsigned long>(from));
    // A long line styled in parts must alternate from its start: when it
    // has just grown long, its older part is still one run.
    const long firstStart = FSci->SendScintilla(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    const long firstEnd = line + 1 < lines
        ? long(FSci->SendScintilla(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line + 1))) : length;
    if (!FWordWrap && from > firstStart && firstEnd - firstStart >= LongLine) {
        const char *head = reinterpret_cast<const char *>(
            FSci->SendScintilla(Sci::SCI_GETRANGEPOINTER, static_cast<unsigned long>(firstStart), 2L));
        if (head && IsAscii(head[0]) && IsAscii(head[1])
            && FSci->SendScintilla(Sci::SCI_GETSTYLEAT, static_cast<unsigned long>(firstStart))
                == FSci->SendScintilla(Sci::SCI_GETSTYLEAT, static_cast<unsigned long>(firstStart + 1))) {
            from = firstStart;
            to = std::max(to, firstEnd);
        }
    }

    QByteArray styles(to - from, '\0');
    for (long pos = from; pos < to; ++line) {
        const long lineStart = FSci->SendScintilla(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
        const long next = line + 1 < lines
            ? long(FSci->SendScintilla(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line + 1))) : length;
        const long end = std::min(to, next);
        if (!FWordWrap && next - lineStart >= LongLine) {
            char style = pos > lineStart
                ? char(FSci->SendScintilla(Sci::SCI_GETSTYLEAT, static_cast<unsigned long>(pos - 1)) & 1) : 1;
            const char *text = reinterpret_cast<const char *>(
                FSci->SendScintilla(Sci::SCI_GETRANGEPOINTER, static_cast<unsigned long>(pos), end - pos));
            char *out = styles.data() + (pos - from);
            bool second = false;
            for (long i = 0; i < end - pos; ++i) {
                if (IsAscii(text[i]) && (second = !second))
                    style ^= 1;
                out[i] = style;
            }
        }
        pos = end;
    }
    FSci->SendScintilla(Sci::SCI_STARTSTYLING, static_cast<unsigned long>(from), 0L);
    FSci->SendScintilla(Sci::SCI_SETSTYLINGEX, static_cast<unsigned long>(styles.size()), styles.constData());
}

// UTF-16 code units between two character boundaries. Runs of ASCII are
// counted here; the component counts the rest, so that bytes that are not
// valid UTF-8 count as it counts them.
long TRCRichEdit::CountUtf16(long from, long to) const
{
    long units = 0;
    while (from < to) {
        const long end = std::min(to, from + Chunk);
        const char *text = reinterpret_cast<const char *>(
            FSci->SendScintilla(Sci::SCI_GETRANGEPOINTER, static_cast<unsigned long>(from), end - from));
        long i = 0;
        const long n = end - from;
        while (i < n) {
            long j = i;
            while (j < n && IsAscii(text[j]))
                ++j;
            units += j - i;
            if (j == n)
                break;
            long k = j;
            while (k < n && !IsAscii(text[k]))
                ++k;
            // A character cut by the chunk's end is counted whole.
            long stop = from + k;
            while (k == n && stop < to && !IsAscii(char(FSci->SendScintilla(Sci::SCI_GETCHARAT,
                                                                              static_cast<unsigned long>(stop)))))
                ++stop;
            units += FSci->SendScintilla(Sci::SCI_COUNTCODEUNITS, static_cast<unsigned long>(from + j), stop);
            i = stop - from;
        }
        from += std::max(i, n);
    }
    return units;
}

// The byte position `units` UTF-16 code units after `from`, at most `limit`.
long TRCRichEdit::AdvanceUtf16(long from, long units, long limit) const
{
    while (units > 0 && from < limit) {
        const long end = std::min(limit, from + Chunk);
        const char *text = reinterpret_cast<const char *>(
            FSci->SendScintilla(Sci::SCI_GETRANGEPOINTER, static_cast<unsigned long>(from), end - from));
        const long n = end - from;
        long i = 0;
        while (i < n && units > 0) {
            long j = i;
            while (j < n && IsAscii(text[j]))
                ++j;
            if (units <= j - i)
                return from + i + units;
            units -= j - i;
            if (j == n) {
                i = n;
                break;
            }
            long stop = from + j;
            while (stop < limit && (stop < end ? !IsAscii(text[stop - from])
                                               : !IsAscii(char(FSci->SendScintilla(
                                                     Sci::SCI_GETCHARAT, static_cast<unsigned long>(stop))))))
                ++stop;
            const long stretch = FSci->SendScintilla(Sci::SCI_COUNTCODEUNITS, static_cast<unsigned long>(from + j), stop);
            if (units < stretch)
                return FSci->SendScintilla(Sci::SCI_POSITIONRELATIVECODEUNITS, static_cast<unsigned long>(from + j), units);
            units -= stretch;
            i = stop - from;
        }
        from += i;
    }
    return std::min(from, limit);
}
