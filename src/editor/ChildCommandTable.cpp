// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/ChildCommandTable.h"

#include "editor/TfrmMDIChild.h"

#include <QKeySequence>

namespace {

using C = AttributeCaret;
using MC = MainCommand;
using Kind = ChildCommand::Kind;

ChildCommand Row(Kind kind, const char *menu, const char *name = "", const char *caption = "",
                 const char *hint = "")
{
    ChildCommand row;
    row.kind = kind;
    row.menu = menu;
    row.name = name;
    row.caption = caption;
    row.hint = hint;
    return row;
}

ChildCommand Top(const char *name, const char *caption, const char *hint)
{
    return Row(Kind::Menu, "", name, caption, hint);
}

ChildCommand Menu(const char *menu, const char *name, const char *caption, const char *hint)
{
    return Row(Kind::Menu, menu, name, caption, hint);
}

ChildCommand Separator(const char *menu)
{
    return Row(Kind::Separator, menu);
}

ChildCommand Item(const char *menu, const char *name, const char *caption, const char *hint)
{
    return Row(Kind::Command, menu, name, caption, hint);
}

ChildCommand Own(const char *menu, const char *name, const char *caption,
                 ChildCommand::Handler handler, const char *hint)
{
    ChildCommand row = Item(menu, name, caption, hint);
    row.own = handler;
    return row;
}

ChildCommand Forward(const char *menu, const char *name, const char *caption, MainCommand command,
                     const char *hint)
{
    ChildCommand row = Item(menu, name, caption, hint);
    row.forward = command;
    return row;
}

ChildCommand Attr(const char *menu, const char *name, const char *caption,
                  const AttributeItem &attribute, const char *hint)
{
    ChildCommand row = Item(menu, name, caption, hint);
    row.attribute = attribute;
    return row;
}

// An attribute with one suffix and one caret rule.
AttributeItem Plain(const char *word, const char *suffix, AttributeCaret caret)
{
    return AttributeItem{word, suffix, caret};
}

// An attribute that writes a sample value when the tag-prompt option is on.
AttributeItem Prompted(const char *word, const char *suffixOn, AttributeCaret caretOn,
                       const char *suffixOff, AttributeCaret caretOff)
{
    return AttributeItem{word, suffixOn, caretOn, true, suffixOff, caretOff};
}

QList<ChildCommand> MakeTable()
{
    // clang-format off
    return {
        // Edit.
        Top("mnuEdit", "&Edit", "Edit| Editing commands for the page")
            .OnOpen(&TfrmMDIChild::mnuEditClick),
        Own("mnuEdit", "mnuUndo", "&Undo", &TfrmMDIChild::mnuUndoClick,
            "Undo| Takes back the last change").Key("Ctrl+Z"),
        Separator("mnuEdit"),
        Own("mnuEdit", "mnuCut", "Cu&t", &TfrmMDIChild::mnuCutClick,
            "Cut| Cuts the selection and puts it on the Clipboard").Key("Ctrl+X"),
        Own("mnuEdit", "mnuCopy", "&Copy", &TfrmMDIChild::mnuCopyClick,
            "Copy| Copies the selection to the Clipboard").Key("Ctrl+C"),
        Own("mnuEdit", "mnuPaste", "&Paste", &TfrmMDIChild::mnuPasteClick,
            "Paste| Inserts the Clipboard's text").Key("Ctrl+V"),
        Own("mnuEdit", "mnuClear", "Clea&r", &TfrmMDIChild::mnuClearClick,
            "Clear| Deletes the selection without using the Clipboard"),
        Separator("mnuEdit"),
        Own("mnuEdit", "mnuSelectAll", "Select A&ll", &TfrmMDIChild::mnuSelectAllClick,
            "Select all| Selects the whole page").Key("Ctrl+A"),

        // Search: the find, replace, go-to-line and incremental search
        // commands arrive with their windows.
        Top("mnuSearch", "&Search", "Search| Finding and replacing text"),
        Item("mnuSearch", "mnuFind", "&Find ...", "Find| Finds a text in the page")
            .Key("Ctrl+F").Later(),
        Item("mnuSearch", "mnuFindNext", "Find &Next",
             "Find next| Finds the next place of the text last looked for").Key("F3").Later(),
        Item("mnuSearch", "mnuReplace", "&Replace ...", "Replace| Replaces a text by another")
            .Key("Ctrl+H").Later(),
        Separator("mnuSearch"),
        Item("mnuSearch", "mnuIncrSearch", "&Incremental Search",
             "Incremental search| Finds the text as you type it").Key("Ctrl+I").Later(),
        Item("mnuSearch", "mnuGoToLine", "&Go To Line Number ...",
             "Go to line| Moves the caret to a line number").Key("Ctrl+G").Later(),

        // Tags: a submenu per tag group, most with an attributes submenu.
        Top("mnuTags", "&Tags", "Tags| Inserts HTML tags and attributes"),

        Menu("mnuTags", "mnuPageStructure", "&Page Srtucture",
             "Page structure| Tags that build the frame of a page"),
        Forward("mnuPageStructure", "mnuHTML", "<&HTML>", MC::sbHTML,
                "HTML| Inserts the HTML tags that enclose the whole page"),
        Forward("mnuPageStructure", "mnuHEAD", "<H&EAD>", MC::sbHEAD,
                "Head| Inserts the HEAD tags: the page's heading section"),
        Forward("mnuPageStructure", "mnuBODY", "<&BODY>", MC::sbBODY,
                "Body| Inserts the BODY tags: the visible content of the page"),
        Forward("mnuPageStructure", "mnuTITLE", "<&TITLE>", MC::sbTITLE,
                "Title| Inserts the TITLE tags: the page's title"),
        Forward("mnuPageStructure", "mnuP", "<&P>", MC::sbParagraph,
                "Paragraph| Inserts a paragraph tag"),
        Forward("mnuPageStructure", "mnISINDEX", "<&ISINDEX>", MC::sbISINDEX,
                "Index| Inserts the ISINDEX tag: a searchable index"),
        Separator("mnuPageStructure"),
        Menu("mnuPageStructure", "mnuPageAttributes", "A&ttributes",
             "Page attributes| Attributes of the BODY tag"),
        Attr("mnuPageAttributes", "mnuBACKGROUND", "BA&CKGROUND",
             Prompted("BACKGROUND", "=\"filename.gif\" ", C::AfterFirstQuote, "=\"\" ", C::InQuotes),
             "Background| Inserts the BACKGROUND attribute: an image tiled behind the page"),
        Attr("mnuPageAttributes", "mnuBGCOLOR", "B&GCOLOR",
             Prompted("BGCOLOR", "=\"#000000\" ", C::End, "=\"#\"", C::AfterHash),
             "Background colour| Inserts the BGCOLOR attribute: the page's background colour"),
        Attr("mnuPageAttributes", "mnuTEXT", "&TEXT",
             Prompted("TEXT", "=\"#FFFFFF\" ", C::End, "=\"#\"", C::AfterHash),
             "Text colour| Inserts the TEXT attribute: the colour of the page's text"),
        Attr("mnuPageAttributes", "mnuBODYLINK", "&LINK",
             Prompted("LINK", "=\"#9805FF\" ", C::End, "=\"#\"", C::AfterHash),
             "Link colour| Inserts the LINK attribute: the colour of links not yet visited"),
        Attr("mnuPageAttributes", "mnuALINK", "&ALINK",
             Prompted("ALINK", "=\"#F99999\" ", C::End, "=\"#\"", C::AfterHash),
             "Active link colour| Inserts the ALINK attribute: the colour of a link being clicked"),
        Attr("mnuPageAttributes", "mnuVLINK", "&VLINK",
             Prompted("VLINK", "=\"#F45123\" ", C::End, "=\"#\"", C::AfterHash),
             "Visited link colour| Inserts the VLINK attribute: the colour of visited links"),

        Menu("mnuTags", "mnuHeadings", "&Headings", "Headings| Heading tags of six levels"),
        Forward("mnuHeadings", "mnuH1", "<H&1>", MC::sbH1, "Heading 1| Inserts a level 1 heading"),
        Forward("mnuHeadings", "mnuH2", "<H&2>", MC::sbH2, "Heading 2| Inserts a level 2 heading"),
        Forward("mnuHeadings", "mnuH3", "<H&3>", MC::sbH3, "Heading 3| Inserts a level 3 heading"),
        Forward("mnuHeadings", "mnuH4", "<H&4>", MC::sbH4, "Heading 4| Inserts a level 4 heading"),
        Forward("mnuHeadings", "mnuH5", "<H&5>", MC::sbH5, "Heading 5| Inserts a level 5 heading"),
        Forward("mnuHeadings", "mnuH6", "<H&6>", MC::sbH6, "Heading 6| Inserts a level 6 heading"),

        Menu("mnuTags", "mnuLink", "&Link", "Link| Anchor and link tags"),
        Forward("mnuLink", "mnuA", "<&A>", MC::sbA,
                "Anchor| Inserts an anchor: a link or a target"),
        Forward("mnuLink", "mnuLinkLink", "<&LINK>", MC::sbLink,
                "Link| Inserts the LINK tag: a relation to another document"),

        Menu("mnuTags", "mnuLists", "L&ists", "Lists| Tags of lists and their items"),
        Forward("mnuLists", "mnuDD", "<D&D>", MC::sbDD,
                "Definition| Inserts the DD tag: a definition in a definition list"),
        Forward("mnuLists", "mnuDIR", "<D&IR>", MC::sbDIR,
                "Directory list| Inserts a directory list"),
        Own("mnuLists", "mnuDL", "<&DL>", &TfrmMDIChild::mnuDLClick,
                "Definition list| Inserts a definition list with terms and definitions"),
        Forward("mnuLists", "mnuDT", "<D&T>", MC::sbDT,
                "Term| Inserts the DT tag: a term in a definition list"),
        Own("mnuLists", "mnuLI", "<&LI>", &TfrmMDIChild::mnuLIClick,
                "List item| Inserts a list item"),
        Forward("mnuLists", "mnuMENU", "<&MENU>", MC::sbMENU, "Menu list| Inserts a menu list"),
        Forward("mnuLists", "mnuOL", "<&OL>", MC::sbOL, "Ordered list| Inserts a numbered list"),
        Forward("mnuLists", "mnuUL", "<&UL>", MC::sbUL, "Unordered list| Inserts a bulleted list"),
        Separator("mnuLists"),
        Menu("mnuLists", "mnuListAttributes", "&Attributes", "List attributes| Attributes of list items"),
        Attr("mnuListAttributes", "mnuVALUE", "&VALUE", Plain("VALUE", "=\"\"", C::InQuotes),
             "Value| Inserts the VALUE attribute: the number of a list item"),

        Menu("mnuTags", "mnuFormatting", "&Formatting", "Formatting| Tags that format text"),
        Forward("mnuFormatting", "mnuB", "<&B>", MC::sbB, "Bold| Inserts bold tags"),
        Forward("mnuFormatting", "mnuBASEFONT", "<B&ASEFONT>", MC::sbBASEFONT,
                "Base font| Inserts the BASEFONT tag: the page's base font size"),
        Forward("mnuFormatting", "mnuCENTER", "<C&ENTER>", MC::sbCenter,
                "Center| Inserts centering tags"),
        Forward("mnuFormatting", "mnuCITE", "<&CITE>", MC::sbCITE,
                "Citation| Inserts citation tags"),
        Forward("mnuFormatting", "mnuCODE", "<C&ODE>", MC::sbCODE,
                "Code| Inserts program code tags"),
        Forward("mnuFormatting", "mnuDFN", "<&DFN>", MC::sbDFN,
                "Definition| Inserts defining instance tags"),
        Forward("mnuFormatting", "mnuEM", "<E&M>", MC::sbEM, "Emphasis| Inserts emphasis tags"),
        Forward("mnuFormatting", "mnuFONT", "<&FONT>", MC::sbFONT, "Font| Inserts font tags"),
        Forward("mnuFormatting", "mnuI", "<&I>", MC::sbI, "Italic| Inserts italic tags"),
        Forward("mnuFormatting", "mnuKBD", "<&KBD>", MC::sbKBD,
                "Keyboard| Inserts keyboard input tags"),
        Forward("mnuFormatting", "mnuSAMP", "<&SAMP>", MC::sbSAMP,
                "Sample| Inserts sample output tags"),
        Forward("mnuFormatting", "mnuSTRONG", "<ST&RONG>", MC::sbSTRONG,
                "Strong| Inserts strong emphasis tags"),
        Forward("mnuFormatting", "mnuTT", "<&TT>", MC::sbTT,
                "Typewriter| Inserts typewriter text tags"),
        Forward("mnuFormatting", "mnuVAR", "<&VAR>", MC::sbVAR, "Variable| Inserts variable tags"),

        Menu("mnuTags", "mnuImage", "&Image", "Image| The image tag"),
        Forward("mnuImage", "mnuIMG", "<&IMG>", MC::sbIMAGE, "Image| Inserts an image"),
        Separator("mnuImage"),
        Menu("mnuImage", "mnuImageAttributes", "&Attributes",
             "Image attributes| Attributes of the IMG tag"),
        Attr("mnuImageAttributes", "mnuALT", "&ALT", Plain("ALT", "=\"\"", C::InQuotes),
             "Alternative text| Inserts the ALT attribute: text shown instead of the image"),
        Attr("mnuImageAttributes", "mnuHEIGHT", "&HEIGHT", Plain("HEIGHT", "=", C::End),
             "Height| Inserts the HEIGHT attribute: the image's height"),
        Attr("mnuImageAttributes", "mnuHSPACE", "H&SPACE", Plain("HSPACE", "=", C::End),
             "Horizontal space| Inserts the HSPACE attribute: space left and right of the image"),
        Attr("mnuImageAttributes", "mnuISMAP", "IS&MAP", Plain("ISMAP", "=", C::End),
             "Image map| Inserts the ISMAP attribute: the image is a server-side image map"),
        Attr("mnuImageAttributes", "mnuLOWSRC", "&LOWSRC", Plain("LOWSRC", "=", C::End),
             "Low resolution source| Inserts the LOWSRC attribute: an image shown while the real one loads"),
        Attr("mnuImageAttributes", "mnuSRC", "S&RC", Plain("SRC", "=", C::End),
             "Source| Inserts the SRC attribute: the image file"),
        Attr("mnuImageAttributes", "mnuVSPACE", "&VSPACE", Plain("VSPACE", "=", C::End),
             "Vertical space| Inserts the VSPACE attribute: space above and below the image"),

        Menu("mnuTags", "mnuForm", "&Form", "Form| Tags of forms and their fields"),
        Forward("mnuForm", "mnuFORMTag", "<&FORM>", MC::sbFORM, "Form| Inserts form tags"),
        Forward("mnuForm", "mnuINPUT", "<&INPUT>", MC::sbINPUT, "Input| Inserts an input field"),
        Forward("mnuForm", "mnuOPTION", "<&OPTION>", MC::sbOPTION,
                "Option| Inserts an option of a selection list"),
        Forward("mnuForm", "mnuSELECT", "<&SELECT>", MC::sbSELECT,
                "Select| Inserts a selection list"),
        Forward("mnuForm", "mnuTEXTAREA", "<&TEXTAREA>", MC::sbTEXTAREA,
                "Text area| Inserts a text area of several lines"),
        Separator("mnuForm"),
        Menu("mnuForm", "mnuFormAttributes", "Attributes",
             "Form attributes| Attributes of forms and fields"),
        Attr("mnuFormAttributes", "mnuACTION", "&ACTION", Plain("ACTION", "=", C::End),
             "Action| Inserts the ACTION attribute: where the form is sent"),
        Attr("mnuFormAttributes", "CHECKED1", "C&HECKED", Plain("CHECKED", "=", C::End),
             "Checked| Inserts the CHECKED attribute: the box or button starts checked"),
        Attr("mnuFormAttributes", "mnuCOLS", "&COLS", Plain("COLS", "=", C::End),
             "Columns| Inserts the COLS attribute: the width of a text area in characters"),
        Attr("mnuFormAttributes", "MAXLENGTH1", "MA&XLENGTH", Plain("MAXLENGTH", "=", C::End),
             "Maximum length| Inserts the MAXLENGTH attribute: the most characters a field takes"),
        Attr("mnuFormAttributes", "mnuMETHOD", "&METHOD", Plain("METHOD", "=", C::End),
             "Method| Inserts the METHOD attribute: how the form is sent (GET or POST)"),
        Attr("mnuFormAttributes", "MULTIPLE1", "M&ULTIPLE", Plain("MULTIPLE", "=", C::End),
             "Multiple| Inserts the MULTIPLE attribute: several options may be selected"),
        Attr("mnuFormAttributes", "mnuROWS", "&ROWS", Plain("ROWS", "=", C::End),
             "Rows| Inserts the ROWS attribute: the height of a text area in lines"),
        Attr("mnuFormAttributes", "VALUE1", "&VALUE", Plain("VALUE", "=", C::End),
             "Value| Inserts the VALUE attribute: the value a field sends"),

        Menu("mnuTags", "mnuTable", "&Table", "Table| Tags of tables, rows and cells"),
        Forward("mnuTable", "mnuCAPTION", "<&CAPTION>", MC::sbCAPTION,
                "Caption| Inserts a table caption"),
        Forward("mnuTable", "mnuTABLE_TAG", "<&TABLE>", MC::sbTABLE, "Table| Inserts table tags"),
        Forward("mnuTable", "mnuTD", "<T&D>", MC::sbTD, "Table data| Inserts a table cell"),
        Forward("mnuTable", "mnuTH", "<T&H>", MC::sbTH,
                "Table heading| Inserts a table heading cell"),
        Forward("mnuTable", "mnuTR", "<T&R>", MC::sbTR, "Table row| Inserts a table row"),
        Separator("mnuTable"),
        Menu("mnuTable", "mnuTableAttributes", "Attributes",
             "Table attributes| Attributes of tables and cells"),
        Attr("mnuTableAttributes", "mnuBORDER", "&BORDER", Plain("BORDER", "=", C::End),
             "Border| Inserts the BORDER attribute: the width of the table's border"),
        Attr("mnuTableAttributes", "mnuCELLPADDING", "CELL&PADDING", Plain("CELLPADDING", "=", C::End),
             "Cell padding| Inserts the CELLPADDING attribute: space inside each cell"),
        Attr("mnuTableAttributes", "mnuCELLSPACING", "CELL&SPACING", Plain("CELLSPACING", "=", C::End),
             "Cell spacing| Inserts the CELLSPACING attribute: space between the cells"),
        Attr("mnuTableAttributes", "mnuCOLSPAN", "&COLSPAN", Plain("COLSPAN", "=", C::End),
             "Column span| Inserts the COLSPAN attribute: how many columns a cell covers"),
        Attr("mnuTableAttributes", "mnuROWSPAN", "&ROWSPAN", Plain("ROWSPAN", "=", C::End),
             "Row span| Inserts the ROWSPAN attribute: how many rows a cell covers"),

        Menu("mnuTags", "mnuOther", "&Other", "Other| Other tags"),
        Forward("mnuOther", "mnuComment", "<&!-- -->", MC::sbComment, "Comment| Inserts a comment"),
        Forward("mnuOther", "mnuADDRESS", "<&ADDRESS>", MC::sbAddress,
                "Address| Inserts address tags: the author's contact details"),
        Forward("mnuOther", "mnuBLINK", "<B&LINK>", MC::sbBLINK,
                "Blink| Inserts blinking text tags"),
        Forward("mnuOther", "mnuBLOCKQOUTE", "<BL&OCKQUOTE>", MC::sbBQ,
                "Block quote| Inserts block quotation tags"),
        Forward("mnuOther", "mnuBR", "<B&R>", MC::sbBR, "Line break| Inserts a line break"),
        Forward("mnuOther", "mnuMainHR", "<&HR>", MC::sbHR,
                "Horizontal rule| Inserts a horizontal rule"),
        Forward("mnuOther", "mnuNOBR", "<&NOBR>", MC::sbNOBR,
                "No break| Inserts tags for text without line breaks"),
        Forward("mnuOther", "mnuPRE", "<&PRE>", MC::sbPRE,
                "Preformatted| Inserts preformatted text tags"),
        Forward("mnuOther", "mnuWBR", "<&WBR>", MC::sbWBR,
                "Word break| Inserts a place where a line may break"),
        Separator("mnuOther"),
        Menu("mnuOther", "mnuOtherAttributes", "Attributes", "Other attributes| Attributes of other tags"),
        // The CLEAR values come first, then NOSHADE.
        Menu("mnuOtherAttributes", "mnuCLEAR", "&CLEAR", "Clear| The CLEAR attribute of a line break"),
        Attr("mnuCLEAR", "mnuALL", "&ALL", Plain("CLEAR=ALL", "", C::End),
             "Clear all| Inserts CLEAR=ALL: continue below floating images on both sides"),
        Attr("mnuCLEAR", "mnuCLEARLEFT", "&LEFT", Plain("CLEAR=LEFT", "", C::End),
             "Clear left| Inserts CLEAR=LEFT: continue below floating images on the left"),
        Attr("mnuCLEAR", "mnuCLEARRIGHT", "&RIGHT", Plain("CLEAR=RIGHT", "", C::End),
             "Clear right| Inserts CLEAR=RIGHT: continue below floating images on the right"),
        Attr("mnuOtherAttributes", "mnuNOSHADE", "&NOSHADE", Plain("NOSHADE", "", C::End),
             "No shade| Inserts the NOSHADE attribute: a solid horizontal rule"),

        Separator("mnuTags"),
        Menu("mnuTags", "mnuCommonAttributes", "&Common  Attributes",
             "Common attributes| Attributes that many tags take"),
        Menu("mnuCommonAttributes", "mnuALIGN", "&ALIGN", "Align| The ALIGN attribute and its values"),
        // The three ALIGN values the main window inserts, then the others.
        Forward("mnuALIGN", "mnuAlignCenter", "&CENTER", MC::sbAlignCenter,
                "Align center| Inserts ALIGN=CENTER"),
        Forward("mnuALIGN", "mnuAlignLeft", "&LEFT", MC::sbAlignLeft,
                "Align left| Inserts ALIGN=LEFT"),
        Forward("mnuALIGN", "mnuRight", "&RIGHT", MC::sbAlignRight,
                "Align right| Inserts ALIGN=RIGHT"),
        Attr("mnuALIGN", "mnuABSBOTTOM", "A&BSBOTTOM", Plain("ALIGN=ABSBOTTOM", "", C::End),
             "Absolute bottom| Inserts ALIGN=ABSBOTTOM"),
        Attr("mnuALIGN", "mnuALIGNABSMIDDLE", "AB&SMIDDLE", Plain("ALIGN=ABSMIDDLE", "", C::End),
             "Absolute middle| Inserts ALIGN=ABSMIDDLE"),
        Attr("mnuALIGN", "mnuALIGNBASELINE", "B&ASELINE", Plain("ALIGN=BASELINE", "", C::End),
             "Baseline| Inserts ALIGN=BASELINE"),
        Attr("mnuALIGN", "mnuABOTTOM", "B&OTTOM", Plain("ALIGN=BOTTOM", "", C::End),
             "Bottom| Inserts ALIGN=BOTTOM"),
        Attr("mnuALIGN", "mnuALIGNMIDDLE", "&MIDDLE", Plain("ALIGN=MIDDLE", "", C::End),
             "Middle| Inserts ALIGN=MIDDLE"),
        Attr("mnuALIGN", "mnuALIGNTEXTTOP", "&TEXTTOP", Plain("ALIGN=TEXTTOP", "", C::End),
             "Text top| Inserts ALIGN=TEXTTOP"),
        Attr("mnuALIGN", "mnuALIGNTOP", "TO&P", Plain("ALIGN=TOP", "", C::End),
             "Top| Inserts ALIGN=TOP"),
        Attr("mnuCommonAttributes", "mnuAttrClass", "&CLASS", Plain("CLASS", "=\"\"", C::InQuotes),
             "Class| Inserts the CLASS attribute: the element's style class"),
        Attr("mnuCommonAttributes", "mnuHREEF", "&HREF", Plain("HREF", "=\"\"", C::InQuotes),
             "Link target| Inserts the HREF attribute: the address a link leads to"),
        Attr("mnuCommonAttributes", "mnuID", "&ID", Plain("ID", "=\"\"", C::InQuotes),
             "Identifier| Inserts the ID attribute: a name unique in the page"),
        Attr("mnuCommonAttributes", "mnuLANG", "LA&NG", Plain("LANG", "=\"\"", C::InQuotes),
             "Language| Inserts the LANG attribute: the language of the element's text"),
        Attr("mnuCommonAttributes", "mnuMETHODS", "M&ETHODS", Plain("METHODS", "=\"\"", C::InQuotes),
             "Methods| Inserts the METHODS attribute: what the link's target supports"),
        Attr("mnuCommonAttributes", "mnuAttrNAME", "NA&ME", Plain("NAME", "=\"\"", C::InQuotes),
             "Name| Inserts the NAME attribute"),
        Attr("mnuCommonAttributes", "mnuNOWRAP", "NO&WRAP", Plain("NOWRAP", "", C::End),
             "No wrap| Inserts the NOWRAP attribute: lines are not broken"),
        Attr("mnuCommonAttributes", "mnuREL", "RE&L", Plain("REL", "=\"\"", C::InQuotes),
             "Relation| Inserts the REL attribute: how the target relates to this page"),
        Attr("mnuCommonAttributes", "mnuREV", "&REV", Plain("REV", "=\"\"", C::InQuotes),
             "Reverse relation| Inserts the REV attribute: how this page relates to the target"),
        Attr("mnuCommonAttributes", "mnuSIZE", "&SIZE", Plain("SIZE", "=", C::End),
             "Size| Inserts the SIZE attribute"),
        Attr("mnuCommonAttributes", "mnuAttrTITLE", "&TITLE", Plain("TITLE", "=\"\"", C::InQuotes),
             "Title| Inserts the TITLE attribute: advisory text about the element"),
        Attr("mnuCommonAttributes", "mnuType", "T&YPE", Plain("TYPE", "=", C::End),
             "Type| Inserts the TYPE attribute"),
        Attr("mnuCommonAttributes", "mnuURN", "&URN", Plain("URN", "=\"\"", C::InQuotes),
             "Uniform resource name| Inserts the URN attribute"),
        Attr("mnuCommonAttributes", "mnuWIDTH", "WI&DTH", Plain("WIDTH", "=", C::End),
             "Width| Inserts the WIDTH attribute"),
        Menu("mnuCommonAttributes", "mnuVALIGN", "&VALIGN",
             "Vertical align| The VALIGN attribute and its values"),
        Attr("mnuVALIGN", "mnuBASELINE", "&BASELINE", Plain("VALIGN=BASELINE", "", C::End),
             "Baseline| Inserts VALIGN=BASELINE"),
        Attr("mnuVALIGN", "mnuVBOTTOM", "B&OTTOM", Plain("VALIGN=BOTTOM", "", C::End),
             "Bottom| Inserts VALIGN=BOTTOM"),
        Attr("mnuVALIGN", "mnuVALIGNMIDDLE", "&MIDDLE", Plain("VALIGN=MIDDLE", "", C::End),
             "Middle| Inserts VALIGN=MIDDLE"),
        Attr("mnuVALIGN", "mnuVALIGNTOP", "&TOP", Plain("VALIGN=TOP", "", C::End),
             "Top| Inserts VALIGN=TOP"),
    };
    // clang-format on
}

} // namespace

ChildCommand ChildCommand::Key(const char *keys) const
{
    ChildCommand row = *this;
    row.shortcut = keys;
    return row;
}

ChildCommand ChildCommand::Later() const
{
    ChildCommand row = *this;
    row.later = true;
    return row;
}

ChildCommand ChildCommand::OnOpen(Handler handler) const
{
    ChildCommand row = *this;
    row.onOpen = handler;
    return row;
}

bool ChildCommand::HandlerIsWhole() const
{
    const int handlers =
        int(own != nullptr) + int(forward.has_value()) + int(attribute.has_value()) + int(later);
    return kind == Kind::Command ? handlers == 1 : handlers == 0;
}

const QList<ChildCommand> &ChildCommandTable::Records()
{
    static const QList<ChildCommand> table = MakeTable();
    return table;
}

const ChildCommand *ChildCommandTable::Find(const QString &name)
{
    for (const ChildCommand &row : Records()) {
        if (row.kind == Kind::Command && name == QLatin1String(row.name))
            return &row;
    }
    return nullptr;
}

const AttributeItem *ChildCommandTable::Attribute(const QString &name)
{
    const ChildCommand *row = Find(name);
    return row && row->attribute ? &*row->attribute : nullptr;
}

QList<int> ChildCommandTable::Shortcuts()
{
    QList<int> keys;
    for (const ChildCommand &row : Records()) {
        if (row.shortcut)
            keys.append(QKeySequence(QString::fromLatin1(row.shortcut))[0].toCombined());
    }
    return keys;
}
