// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <vector>

// The kind of one line break in a page file.
enum class LineEnd : quint8 { CrLf = 0, Lf = 1, Cr = 2 };

// The editor holds every line break as CR LF, while a page file may use
// LF, CR, CR LF or a mix of them. This records how each break was written,
// so that an unchanged page goes back to disk byte for byte, and restores
// it. The page's line end is the first one it holds (CR LF for a page
// without any); only the breaks that differ from it are listed. Works on
// bytes where CR and LF only ever stand for themselves (UTF-8, 8-bit).
class LineEnds {
public:
    struct Exception {
        qsizetype position;   // of the CR of the CR LF in the editor's text
        LineEnd kind;         // how the break is written in the file
    };

    struct Split {
        QByteArray text;                   // every break as CR LF
        LineEnd pageEnd = LineEnd::CrLf;   // the first break's kind
        std::vector<Exception> exceptions; // breaks of another kind, in order
    };

    // Every break made CR LF, with the record of how each was written.
    static Split ToCrLf(const QByteArray &text);

    // The file's form of the editor's text: each CR LF written as its
    // exception says, else as the page's line end. Exceptions must be in
    // order of position; those not at a CR LF are ignored. Anything else
    // (a lone CR or LF) is kept as it stands.
    static QByteArray FromCrLf(QByteArrayView text, LineEnd pageEnd,
                               const std::vector<Exception> &exceptions);

    // The bytes of one break of a kind.
    static QByteArrayView Bytes(LineEnd kind);
};
