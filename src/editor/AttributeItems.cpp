// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/AttributeItems.h"

#include "controls/LetterCase.h"

namespace {

// Where in `suffix` the caret goes, or -1 for the end of the text.
int CaretInSuffix(const QString &suffix, AttributeCaret caret)
{
    qsizetype at = -1;
    switch (caret) {
    case AttributeCaret::End:
        return -1;
    case AttributeCaret::InQuotes:
        at = suffix.indexOf(QStringLiteral("\"\""));
        return at < 0 ? -1 : int(at + 1);
    case AttributeCaret::AfterHash:
        at = suffix.indexOf(QLatin1Char('#'));
        return at < 0 ? -1 : int(at + 1);
    case AttributeCaret::AfterFirstQuote:
        at = suffix.indexOf(QLatin1Char('"'));
        return at < 0 ? -1 : int(at + 1);
    }
    return -1;
}

} // namespace

AttributeInsertion AttributeItems::Build(const AttributeItem &item, bool attrUpperCase,
                                         bool tagPrompt)
{
    const bool sample = !item.hasPrompt || tagPrompt;
    const QString suffix = QString::fromLatin1(sample ? item.suffix : item.suffixNoPrompt);
    const AttributeCaret caret = sample ? item.caret : item.caretNoPrompt;
    const QString word = AttrCase(QString::fromLatin1(item.word), attrUpperCase);
    const QString text = QLatin1Char(' ') + word + suffix;
    const int inSuffix = CaretInSuffix(suffix, caret);
    return {text, inSuffix < 0 ? -1 : int(1 + word.size() + inSuffix)};
}
