// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/AttributeItems.h"

#include "controls/LetterCase.h"

namespace {

using C = AttributeCaret;

// A plain item: one suffix, one caret rule.
AttributeItem Plain(const char *name, const char *menu, const char *caption, const char *word,
                    const char *suffix, AttributeCaret caret, const char *hint)
{
    AttributeItem item{name, menu, caption, word, suffix, caret};
    item.hint = hint;
    return item;
}

// An item that writes a sample value when the tag-prompt option is on.
AttributeItem Prompted(const char *name, const char *menu, const char *caption, const char *word,
                       const char *suffixOn, AttributeCaret caretOn, const char *suffixOff,
                       AttributeCaret caretOff, const char *hint)
{
    AttributeItem item{name, menu, caption, word, suffixOn, caretOn};
    item.hasPrompt = true;
    item.suffixNoPrompt = suffixOff;
    item.caretNoPrompt = caretOff;
    item.hint = hint;
    return item;
}

QList<AttributeItem> MakeTable()
{
    return {
        // Page structure (BODY) attributes.
        Prompted("mnuBACKGROUND", "mnuPageAttributes", "BA&CKGROUND", "BACKGROUND",
                 "=\"filename.gif\" ", C::AfterFirstQuote, "=\"\" ", C::InQuotes,
                 "Background| Inserts the BACKGROUND attribute: an image tiled behind the page"),
        Prompted("mnuBGCOLOR", "mnuPageAttributes", "B&GCOLOR", "BGCOLOR",
                 "=\"#000000\" ", C::End, "=\"#\"", C::AfterHash,
                 "Background colour| Inserts the BGCOLOR attribute: the page's background colour"),
        Prompted("mnuTEXT", "mnuPageAttributes", "&TEXT", "TEXT",
                 "=\"#FFFFFF\" ", C::End, "=\"#\"", C::AfterHash,
                 "Text colour| Inserts the TEXT attribute: the colour of the page's text"),
        Prompted("mnuBODYLINK", "mnuPageAttributes", "&LINK", "LINK",
                 "=\"#9805FF\" ", C::End, "=\"#\"", C::AfterHash,
                 "Link colour| Inserts the LINK attribute: the colour of links not yet visited"),
        Prompted("mnuALINK", "mnuPageAttributes", "&ALINK", "ALINK",
                 "=\"#F99999\" ", C::End, "=\"#\"", C::AfterHash,
                 "Active link colour| Inserts the ALINK attribute: the colour of a link being clicked"),
        Prompted("mnuVLINK", "mnuPageAttributes", "&VLINK", "VLINK",
                 "=\"#F45123\" ", C::End, "=\"#\"", C::AfterHash,
                 "Visited link colour| Inserts the VLINK attribute: the colour of visited links"),

        // Lists.
        Plain("mnuVALUE", "mnuListAttributes", "&VALUE", "VALUE", "=\"\"", C::InQuotes,
              "Value| Inserts the VALUE attribute: the number of a list item"),

        // Image.
        Plain("mnuALT", "mnuImageAttributes", "&ALT", "ALT", "=\"\"", C::InQuotes,
              "Alternative text| Inserts the ALT attribute: text shown instead of the image"),
        Plain("mnuHEIGHT", "mnuImageAttributes", "&HEIGHT", "HEIGHT", "=", C::End,
              "Height| Inserts the HEIGHT attribute: the image's height"),
        Plain("mnuHSPACE", "mnuImageAttributes", "H&SPACE", "HSPACE", "=", C::End,
              "Horizontal space| Inserts the HSPACE attribute: space left and right of the image"),
        Plain("mnuISMAP", "mnuImageAttributes", "IS&MAP", "ISMAP", "=", C::End,
              "Image map| Inserts the ISMAP attribute: the image is a server-side image map"),
        Plain("mnuLOWSRC", "mnuImageAttributes", "&LOWSRC", "LOWSRC", "=", C::End,
              "Low resolution source| Inserts the LOWSRC attribute: an image shown while the real one loads"),
        Plain("mnuSRC", "mnuImageAttributes", "S&RC", "SRC", "=", C::End,
              "Source| Inserts the SRC attribute: the image file"),
        Plain("mnuVSPACE", "mnuImageAttributes", "&VSPACE", "VSPACE", "=", C::End,
              "Vertical space| Inserts the VSPACE attribute: space above and below the image"),

        // Form.
        Plain("mnuACTION", "mnuFormAttributes", "&ACTION", "ACTION", "=", C::End,
              "Action| Inserts the ACTION attribute: where the form is sent"),
        Plain("CHECKED1", "mnuFormAttributes", "C&HECKED", "CHECKED", "=", C::End,
              "Checked| Inserts the CHECKED attribute: the box or button starts checked"),
        Plain("mnuCOLS", "mnuFormAttributes", "&COLS", "COLS", "=", C::End,
              "Columns| Inserts the COLS attribute: the width of a text area in characters"),
        Plain("MAXLENGTH1", "mnuFormAttributes", "MA&XLENGTH", "MAXLENGTH", "=", C::End,
              "Maximum length| Inserts the MAXLENGTH attribute: the most characters a field takes"),
        Plain("mnuMETHOD", "mnuFormAttributes", "&METHOD", "METHOD", "=", C::End,
              "Method| Inserts the METHOD attribute: how the form is sent (GET or POST)"),
        Plain("MULTIPLE1", "mnuFormAttributes", "M&ULTIPLE", "MULTIPLE", "=", C::End,
              "Multiple| Inserts the MULTIPLE attribute: several options may be selected"),
        Plain("mnuROWS", "mnuFormAttributes", "&ROWS", "ROWS", "=", C::End,
              "Rows| Inserts the ROWS attribute: the height of a text area in lines"),
        Plain("VALUE1", "mnuFormAttributes", "&VALUE", "VALUE", "=", C::End,
              "Value| Inserts the VALUE attribute: the value a field sends"),

        // Table.
        Plain("mnuBORDER", "mnuTableAttributes", "&BORDER", "BORDER", "=", C::End,
              "Border| Inserts the BORDER attribute: the width of the table's border"),
        Plain("mnuCELLPADDING", "mnuTableAttributes", "CELL&PADDING", "CELLPADDING", "=", C::End,
              "Cell padding| Inserts the CELLPADDING attribute: space inside each cell"),
        Plain("mnuCELLSPACING", "mnuTableAttributes", "CELL&SPACING", "CELLSPACING", "=", C::End,
              "Cell spacing| Inserts the CELLSPACING attribute: space between the cells"),
        Plain("mnuCOLSPAN", "mnuTableAttributes", "&COLSPAN", "COLSPAN", "=", C::End,
              "Column span| Inserts the COLSPAN attribute: how many columns a cell covers"),
        Plain("mnuROWSPAN", "mnuTableAttributes", "&ROWSPAN", "ROWSPAN", "=", C::End,
              "Row span| Inserts the ROWSPAN attribute: how many rows a cell covers"),

        // Other: CLEAR values, then NOSHADE.
        Plain("mnuALL", "mnuCLEAR", "&ALL", "CLEAR=ALL", "", C::End,
              "Clear all| Inserts CLEAR=ALL: continue below floating images on both sides"),
        Plain("mnuCLEARLEFT", "mnuCLEAR", "&LEFT", "CLEAR=LEFT", "", C::End,
              "Clear left| Inserts CLEAR=LEFT: continue below floating images on the left"),
        Plain("mnuCLEARRIGHT", "mnuCLEAR", "&RIGHT", "CLEAR=RIGHT", "", C::End,
              "Clear right| Inserts CLEAR=RIGHT: continue below floating images on the right"),
        Plain("mnuNOSHADE", "mnuOtherAttributes", "&NOSHADE", "NOSHADE", "", C::End,
              "No shade| Inserts the NOSHADE attribute: a solid horizontal rule"),

        // Common: ALIGN values.
        Plain("mnuABSBOTTOM", "mnuALIGN", "A&BSBOTTOM", "ALIGN=ABSBOTTOM", "", C::End,
              "Absolute bottom| Inserts ALIGN=ABSBOTTOM"),
        Plain("mnuALIGNABSMIDDLE", "mnuALIGN", "AB&SMIDDLE", "ALIGN=ABSMIDDLE", "", C::End,
              "Absolute middle| Inserts ALIGN=ABSMIDDLE"),
        Plain("mnuALIGNBASELINE", "mnuALIGN", "B&ASELINE", "ALIGN=BASELINE", "", C::End,
              "Baseline| Inserts ALIGN=BASELINE"),
        Plain("mnuABOTTOM", "mnuALIGN", "B&OTTOM", "ALIGN=BOTTOM", "", C::End,
              "Bottom| Inserts ALIGN=BOTTOM"),
        Plain("mnuALIGNMIDDLE", "mnuALIGN", "&MIDDLE", "ALIGN=MIDDLE", "", C::End,
              "Middle| Inserts ALIGN=MIDDLE"),
        Plain("mnuALIGNTEXTTOP", "mnuALIGN", "&TEXTTOP", "ALIGN=TEXTTOP", "", C::End,
              "Text top| Inserts ALIGN=TEXTTOP"),
        Plain("mnuALIGNTOP", "mnuALIGN", "TO&P", "ALIGN=TOP", "", C::End,
              "Top| Inserts ALIGN=TOP"),

        // Common attributes.
        Plain("mnuAttrClass", "mnuCommonAttributes", "&CLASS", "CLASS", "=\"\"", C::InQuotes,
              "Class| Inserts the CLASS attribute: the element's style class"),
        Plain("mnuHREEF", "mnuCommonAttributes", "&HREF", "HREF", "=\"\"", C::InQuotes,
              "Link target| Inserts the HREF attribute: the address a link leads to"),
        Plain("mnuID", "mnuCommonAttributes", "&ID", "ID", "=\"\"", C::InQuotes,
              "Identifier| Inserts the ID attribute: a name unique in the page"),
        Plain("mnuLANG", "mnuCommonAttributes", "LA&NG", "LANG", "=\"\"", C::InQuotes,
              "Language| Inserts the LANG attribute: the language of the element's text"),
        Plain("mnuMETHODS", "mnuCommonAttributes", "M&ETHODS", "METHODS", "=\"\"", C::InQuotes,
              "Methods| Inserts the METHODS attribute: what the link's target supports"),
        Plain("mnuAttrNAME", "mnuCommonAttributes", "NA&ME", "NAME", "=\"\"", C::InQuotes,
              "Name| Inserts the NAME attribute"),
        Plain("mnuNOWRAP", "mnuCommonAttributes", "NO&WRAP", "NOWRAP", "", C::End,
              "No wrap| Inserts the NOWRAP attribute: lines are not broken"),
        Plain("mnuREL", "mnuCommonAttributes", "RE&L", "REL", "=\"\"", C::InQuotes,
              "Relation| Inserts the REL attribute: how the target relates to this page"),
        Plain("mnuREV", "mnuCommonAttributes", "&REV", "REV", "=\"\"", C::InQuotes,
              "Reverse relation| Inserts the REV attribute: how this page relates to the target"),
        Plain("mnuSIZE", "mnuCommonAttributes", "&SIZE", "SIZE", "=", C::End,
              "Size| Inserts the SIZE attribute"),
        Plain("mnuAttrTITLE", "mnuCommonAttributes", "&TITLE", "TITLE", "=\"\"", C::InQuotes,
              "Title| Inserts the TITLE attribute: advisory text about the element"),
        Plain("mnuType", "mnuCommonAttributes", "T&YPE", "TYPE", "=", C::End,
              "Type| Inserts the TYPE attribute"),
        Plain("mnuURN", "mnuCommonAttributes", "&URN", "URN", "=\"\"", C::InQuotes,
              "Uniform resource name| Inserts the URN attribute"),
        Plain("mnuWIDTH", "mnuCommonAttributes", "WI&DTH", "WIDTH", "=", C::End,
              "Width| Inserts the WIDTH attribute"),

        // Common: VALIGN values.
        Plain("mnuBASELINE", "mnuVALIGN", "&BASELINE", "VALIGN=BASELINE", "", C::End,
              "Baseline| Inserts VALIGN=BASELINE"),
        Plain("mnuVBOTTOM", "mnuVALIGN", "B&OTTOM", "VALIGN=BOTTOM", "", C::End,
              "Bottom| Inserts VALIGN=BOTTOM"),
        Plain("mnuVALIGNMIDDLE", "mnuVALIGN", "&MIDDLE", "VALIGN=MIDDLE", "", C::End,
              "Middle| Inserts VALIGN=MIDDLE"),
        Plain("mnuVALIGNTOP", "mnuVALIGN", "&TOP", "VALIGN=TOP", "", C::End,
              "Top| Inserts VALIGN=TOP"),
    };
}

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

const QList<AttributeItem> &AttributeItems::All()
{
    static const QList<AttributeItem> table = MakeTable();
    return table;
}

const AttributeItem *AttributeItems::Find(const QString &objectName)
{
    for (const AttributeItem &item : All()) {
        if (objectName == QLatin1String(item.objectName))
            return &item;
    }
    return nullptr;
}

QList<const AttributeItem *> AttributeItems::InMenu(const QString &menuName)
{
    QList<const AttributeItem *> items;
    for (const AttributeItem &item : All()) {
        if (menuName == QLatin1String(item.menu))
            items.append(&item);
    }
    return items;
}

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
