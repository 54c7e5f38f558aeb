// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Letter case of the HTML the program writes. Only the plain ASCII letters
// A-Z and a-z change; digits, punctuation, accented and all other letters
// stay as they are, so user text that slips into a literal is not mangled.

// The text with a-z turned into A-Z.
QString AsciiUpper(const QString &text);
// The text with A-Z turned into a-z.
QString AsciiLower(const QString &text);

// A tag literal ("<BODY>", "TABLE") in the letter case the tag-case option
// asks for: upper case when `upper` is true, lower case otherwise.
QString TagCase(const QString &text, bool upper);
// An attribute literal ("BORDER", "ALIGN=CENTER"), likewise for the
// attribute-case option.
QString AttrCase(const QString &text, bool upper);
