// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

// Where the caret goes after an attribute text has been inserted.
enum class AttributeCaret {
    End,             // after the inserted text
    InQuotes,        // between the two quotation marks of an empty value
    AfterHash,       // between "#" and the closing quotation mark
    AfterFirstQuote, // right after the opening quotation mark
};

// What an attribute item of a document window's Tags menu inserts (the
// item itself, with its caption and place, is a row of ChildCommandTable).
struct AttributeItem {
    const char *word;   // attribute word, with its fixed value if any
    const char *suffix; // written after the word, never case-converted
    AttributeCaret caret;
    // Items that offer a sample value when the tag-prompt option is on use
    // `suffix`/`caret` then, and these two when it is off.
    bool hasPrompt = false;
    const char *suffixNoPrompt = "";
    AttributeCaret caretNoPrompt = AttributeCaret::End;
};

// The text an attribute item inserts and where the caret goes in it.
struct AttributeInsertion {
    QString text;
    int caretOffset; // -1: after the text, as InsertText takes it
};

// The rule that turns an attribute item into text: a space, the word in
// the attribute letter case, then the suffix.
class AttributeItems {
public:
    static AttributeInsertion Build(const AttributeItem &item, bool attrUpperCase, bool tagPrompt);
};
