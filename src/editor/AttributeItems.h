// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

// Where the caret goes after an attribute text has been inserted.
enum class AttributeCaret {
    End,              // after the inserted text
    InQuotes,         // between the two quotation marks of an empty value
    AfterHash,        // between "#" and the closing quotation mark
    AfterFirstQuote,  // right after the opening quotation mark
};

// One attribute item of a document window's Tags menu.
struct AttributeItem {
    const char *objectName;    // "mnuBGCOLOR"
    const char *menu;          // object name of the submenu that holds it
    const char *caption;       // "B&GCOLOR"
    const char *word;          // attribute word, with its fixed value if any
    const char *suffix;        // written after the word, never case-converted
    AttributeCaret caret;
    // Items that offer a sample value when the tag-prompt option is on use
    // `suffix`/`caret` then, and these two when it is off.
    bool hasPrompt = false;
    const char *suffixNoPrompt = "";
    AttributeCaret caretNoPrompt = AttributeCaret::End;
    const char *hint = "";     // "Short| long"
};

// The text an attribute item inserts and where the caret goes in it.
struct AttributeInsertion {
    QString text;
    int caretOffset;           // -1: after the text, as InsertText takes it
};

// The attribute items of the Tags menu and the rule that turns one into
// text: a space, the word in the attribute letter case, then the suffix.
class AttributeItems {
public:
    // Every item, grouped by submenu in menu order.
    static const QList<AttributeItem> &All();
    // The item with this object name, or nullptr.
    static const AttributeItem *Find(const QString &objectName);
    // The items of one submenu, in menu order.
    static QList<const AttributeItem *> InMenu(const QString &menuName);

    static AttributeInsertion Build(const AttributeItem &item, bool attrUpperCase, bool tagPrompt);
};
