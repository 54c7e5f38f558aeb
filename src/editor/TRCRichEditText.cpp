// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
// TRCRichEdit: the whole text, loaded and taken back in the page file's form,
// and searched where it lies.
#include "editor/TRCRichEdit.h"

#include "editor/LineEnds.h"

#include <Qsci/qsciscintilla.h>

#include <algorithm>

namespace {

using Sci = QsciScintillaBase;
// Marks the CR of each line break that the page file writes otherwise than
// its first one; the value is the LineEnd kind plus one. Only one byte is
// marked, so text inserted next to it never takes the mark.
constexpr int LineEndIndicator = Sci::INDIC_CONTAINER + 4;

bool FailNextLoad = false;

} // namespace

void TRCRichEdit::ConfigureLineEnds()
{
    FSci->SendScintilla(Sci::SCI_INDICSETSTYLE, static_cast<unsigned long>(LineEndIndicator),
                        long(Sci::INDIC_HIDDEN));
}

QString TRCRichEdit::Text() const
{
    return QString::fromUtf8(TextUtf8());
}

bool TRCRichEdit::SetText(const QString &text)
{
    return SetTextUtf8(text.toUtf8());
}

QByteArray TRCRichEdit::TextUtf8() const
{
    return Range(0, FSci->SendScintilla(Sci::SCI_GETLENGTH)).toByteArray();
}

QByteArrayView TRCRichEdit::Range(long start, long end) const
{
    if (end <= start)
        return QByteArrayView();
    // The component hands out its own buffer, gap closed, valid until the
    // next change: nothing is copied and NUL bytes are text like any other.
    const auto *bytes = reinterpret_cast<const char *>(FSci->SendScintilla(
        Sci::SCI_GETRANGEPOINTER, static_cast<unsigned long>(start), end - start));
    return QByteArrayView(bytes, end - start);
}

bool TRCRichEdit::SetTextUtf8(const QByteArray &utf8)
{
    LineEnds::Split split = LineEnds::ToCrLf(utf8);
    const QByteArray &text = split.text;
    // Loading is not an edit the user can undo, and an undo record would
    // hold a second copy of the whole page.
    FSci->SendScintilla(Sci::SCI_SETUNDOCOLLECTION, 0UL);
    FSci->SendScintilla(Sci::SCI_CLEARALL);
    FSci->SendScintilla(Sci::SCI_SETSTATUS, static_cast<unsigned long>(Sci::SC_STATUS_OK));
    // Room to grow, reserved before the text goes in: the first edits after
    // loading a large page then never move the whole buffer.
    const qsizetype room = text.size() + std::max<qsizetype>(text.size() / 8, 1 << 20);
    FSci->SendScintilla(Sci::SCI_ALLOCATE, static_cast<unsigned long>(room));
    // By length: a page may hold NUL bytes.
    FSci->SendScintilla(Sci::SCI_APPENDTEXT, static_cast<unsigned long>(text.size()), text.constData());
    // The component reports a failed allocation only through its status,
    // with whatever part of the text it could take.
    const bool whole = !FailNextLoad
        && FSci->SendScintilla(Sci::SCI_GETSTATUS) == Sci::SC_STATUS_OK
        && FSci->SendScintilla(Sci::SCI_GETLENGTH) == long(text.size());
    FailNextLoad = false;
    if (!whole) {
        FSci->SendScintilla(Sci::SCI_CLEARALL);
        FSci->SendScintilla(Sci::SCI_SETSTATUS, static_cast<unsigned long>(Sci::SC_STATUS_OK));
        split = LineEnds::Split();
    }
    FPageLineEnd = split.pageEnd;
    FSci->SendScintilla(Sci::SCI_SETINDICATORCURRENT, static_cast<unsigned long>(LineEndIndicator));
    for (const LineEnds::Exception &exception : split.exceptions) {
        FSci->SendScintilla(Sci::SCI_SETINDICATORVALUE, static_cast<unsigned long>(exception.kind) + 1);
        FSci->SendScintilla(Sci::SCI_INDICATORFILLRANGE, static_cast<unsigned long>(exception.position), 1L);
    }
    FSci->SendScintilla(Sci::SCI_EMPTYUNDOBUFFER);
    FSci->SendScintilla(Sci::SCI_SETUNDOCOLLECTION, 1UL);
    FSci->SendScintilla(Sci::SCI_SETEMPTYSELECTION, 0UL);
    AnnounceChange();
    emit SelectionChange();
    return whole;
}

void TRCRichEdit::FailNextLoadForTesting()
{
    FailNextLoad = true;
}

QByteArray TRCRichEdit::FileTextUtf8() const
{
    std::vector<LineEnds::Exception> exceptions;
    const long length = FSci->SendScintilla(Sci::SCI_GETLENGTH);
    for (long pos = 0; pos < length;) {
        const long end = FSci->SendScintilla(Sci::SCI_INDICATOREND,
                                             static_cast<unsigned long>(LineEndIndicator), pos);
        const long value = FSci->SendScintilla(Sci::SCI_INDICATORVALUEAT,
                                               static_cast<unsigned long>(LineEndIndicator), pos);
        // Each mark covers the CR of one break; FromCrLf passes over any
        // position that is not a CR LF.
        if (value > 0 && value <= 3) {
            for (long at = pos; at < std::max(end, pos + 1); ++at)
                exceptions.push_back({at, LineEnd(value - 1)});
        }
        if (end <= pos)
            break;
        pos = end;
    }
    return LineEnds::FromCrLf(Range(0, length), FPageLineEnd, exceptions);
}

QString TRCRichEdit::FileText() const
{
    return QString::fromUtf8(FileTextUtf8());
}

TextSearch::Match TRCRichEdit::ScanText(const TextSearch &search, int selStart, int selLength) const
{
    const long start = BytePos(selStart);
    const long end = selLength > 0 ? BytePos(selStart + selLength) : start;
    // The buffer's gap is closed once after a change; later searches read
    // it as it stands.
    const TextSearch::Match match =
        search.ScanBuffer(Range(0, FSci->SendScintilla(Sci::SCI_GETLENGTH)), start, end - start);
    if (!match.Found())
        return {};
    const int first = CharPos(match.start);
    return {first, int(CountUtf16(match.start, match.start + match.length))};
}
