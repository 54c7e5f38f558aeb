// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QStringView>

#include <array>
#include <vector>

// The scanning rule of every search in a page (Find, Find Next, Replace,
// the search of all pages, incremental search): where a text next occurs,
// from the current selection on, towards the end or towards the start.
// It reads the editor's own buffer as it stands (UTF-8, every line break as
// CR LF), so a search copies nothing; positions are bytes of that buffer,
// which the editor control turns into character positions.
//
// Without match case every character compares by its simple upper-case
// form, so accented letters fold too ("É" finds "é"). Whole words: the word
// characters are 0-9, A-Z and a-z, everything else (blank, punctuation,
// underscore, line breaks, accented letters) is a delimiter; a whole-word
// match begins at a word start (the start of the text, or a word character
// after a delimiter) and is followed by a delimiter or the end of the text.
class TextSearch {
public:
    // The search options, a set of bits as the Find and Replace windows
    // keep them.
    enum Option : unsigned {
        Forward = 0x1,      // towards the end; clear = towards the start
        FindNextUsed = 0x2, // the Replace window's Find Next was used
        MatchCase = 0x20,
        ReplaceOnce = 0x200,
        ReplaceAll = 0x400,
        WholeWords = 0x800,
    };

    struct Match {
        qsizetype start = -1; // -1: nothing found
        qsizetype length = 0;
        bool Found() const { return start >= 0; }
    };

    TextSearch(QStringView text, unsigned options);
    bool IsEmpty() const { return FText.empty(); }
    unsigned Options() const { return FOptions; }

    // The match nearest to the selection (selStart, selLength, in bytes of
    // buffer, which is UTF-8). Forward: the first match that begins at or
    // after the selection's end. Backward: the last one that ends at or
    // before the selection's start. With whole words, forward, a word that
    // begins right at the selection's end counts, so a search from the top
    // of a page finds its first word; backward, so does a word at the very
    // start of the text. A selection outside the buffer finds nothing.
    Match ScanBuffer(QByteArrayView buffer, qsizetype selStart, qsizetype selLength) const;

private:
    char32_t Fold(char32_t c) const;
    // The match that begins at pos, if any.
    Match MatchAt(QByteArrayView buffer, qsizetype pos) const;

    std::vector<char32_t> FText; // folded, one entry per character
    unsigned FOptions;
    // The bytes a match can begin with: never a UTF-8 continuation byte.
    std::array<bool, 256> FFirstByte{};
};
