// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/TagMenuItems.h"

const QList<TagMenuItem> &TagMenuItems::All()
{
    static const QList<TagMenuItem> table = {
        // Page structure.
        {"mnuHTML", "mnuPageStructure", "<&HTML>", "sbHTMLClick",
         "HTML| Inserts the HTML tags that enclose the whole page"},
        {"mnuHEAD", "mnuPageStructure", "<H&EAD>", "sbHEADClick",
         "Head| Inserts the HEAD tags: the page's heading section"},
        {"mnuBODY", "mnuPageStructure", "<&BODY>", "sbBODYClick",
         "Body| Inserts the BODY tags: the visible content of the page"},
        {"mnuTITLE", "mnuPageStructure", "<&TITLE>", "sbTITLEClick",
         "Title| Inserts the TITLE tags: the page's title"},
        {"mnuP", "mnuPageStructure", "<&P>", "sbParagraphClick",
         "Paragraph| Inserts a paragraph tag"},
        {"mnISINDEX", "mnuPageStructure", "<&ISINDEX>", "sbISINDEXClick",
         "Index| Inserts the ISINDEX tag: a searchable index"},

        // Headings.
        {"mnuH1", "mnuHeadings", "<H&1>", "sbH1Click", "Heading 1| Inserts a level 1 heading"},
        {"mnuH2", "mnuHeadings", "<H&2>", "sbH2Click", "Heading 2| Inserts a level 2 heading"},
        {"mnuH3", "mnuHeadings", "<H&3>", "sbH3Click", "Heading 3| Inserts a level 3 heading"},
        {"mnuH4", "mnuHeadings", "<H&4>", "sbH4Click", "Heading 4| Inserts a level 4 heading"},
        {"mnuH5", "mnuHeadings", "<H&5>", "sbH5Click", "Heading 5| Inserts a level 5 heading"},
        {"mnuH6", "mnuHeadings", "<H&6>", "sbH6Click", "Heading 6| Inserts a level 6 heading"},

        // Link.
        {"mnuA", "mnuLink", "<&A>", "sbAClick", "Anchor| Inserts an anchor: a link or a target"},
        {"mnuLinkLink", "mnuLink", "<&LINK>", "sbLinkClick",
         "Link| Inserts the LINK tag: a relation to another document"},

        // Lists.
        {"mnuDD", "mnuLists", "<D&D>", "sbDDClick",
         "Definition| Inserts the DD tag: a definition in a definition list"},
        {"mnuDIR", "mnuLists", "<D&IR>", "sbDIRClick", "Directory list| Inserts a directory list"},
        {"mnuDL", "mnuLists", "<&DL>", nullptr,
         "Definition list| Inserts a definition list with terms and definitions"},
        {"mnuDT", "mnuLists", "<D&T>", "sbDTClick",
         "Term| Inserts the DT tag: a term in a definition list"},
        {"mnuLI", "mnuLists", "<&LI>", nullptr, "List item| Inserts a list item"},
        {"mnuMENU", "mnuLists", "<&MENU>", "sbMENUClick", "Menu list| Inserts a menu list"},
        {"mnuOL", "mnuLists", "<&OL>", "sbOLClick", "Ordered list| Inserts a numbered list"},
        {"mnuUL", "mnuLists", "<&UL>", "sbULClick", "Unordered list| Inserts a bulleted list"},

        // Formatting.
        {"mnuB", "mnuFormatting", "<&B>", "sbBClick", "Bold| Inserts bold tags"},
        {"mnuBASEFONT", "mnuFormatting", "<B&ASEFONT>", "sbBASEFONTClick",
         "Base font| Inserts the BASEFONT tag: the page's base font size"},
        {"mnuCENTER", "mnuFormatting", "<C&ENTER>", "sbCenterClick", "Center| Inserts centering tags"},
        {"mnuCITE", "mnuFormatting", "<&CITE>", "sbCITEClick", "Citation| Inserts citation tags"},
        {"mnuCODE", "mnuFormatting", "<C&ODE>", "sbCODEClick", "Code| Inserts program code tags"},
        {"mnuDFN", "mnuFormatting", "<&DFN>", "sbDFNClick", "Definition| Inserts defining instance tags"},
        {"mnuEM", "mnuFormatting", "<E&M>", "sbEMClick", "Emphasis| Inserts emphasis tags"},
        {"mnuFONT", "mnuFormatting", "<&FONT>", "sbFONTClick", "Font| Inserts font tags"},
        {"mnuI", "mnuFormatting", "<&I>", "sbIClick", "Italic| Inserts italic tags"},
        {"mnuKBD", "mnuFormatting", "<&KBD>", "sbKBDClick", "Keyboard| Inserts keyboard input tags"},
        {"mnuSAMP", "mnuFormatting", "<&SAMP>", "sbSAMPClick", "Sample| Inserts sample output tags"},
        {"mnuSTRONG", "mnuFormatting", "<ST&RONG>", "sbSTRONGClick",
         "Strong| Inserts strong emphasis tags"},
        {"mnuTT", "mnuFormatting", "<&TT>", "sbTTClick", "Typewriter| Inserts typewriter text tags"},
        {"mnuVAR", "mnuFormatting", "<&VAR>", "sbVARClick", "Variable| Inserts variable tags"},

        // Image.
        {"mnuIMG", "mnuImage", "<&IMG>", "sbIMAGEClick", "Image| Inserts an image"},

        // Form.
        {"mnuFORMTag", "mnuForm", "<&FORM>", "sbFORMClick", "Form| Inserts form tags"},
        {"mnuINPUT", "mnuForm", "<&INPUT>", "sbINPUTClick", "Input| Inserts an input field"},
        {"mnuOPTION", "mnuForm", "<&OPTION>", "sbOPTIONClick",
         "Option| Inserts an option of a selection list"},
        {"mnuSELECT", "mnuForm", "<&SELECT>", "sbSELECTClick", "Select| Inserts a selection list"},
        {"mnuTEXTAREA", "mnuForm", "<&TEXTAREA>", "sbTEXTAREAClick",
         "Text area| Inserts a text area of several lines"},

        // Table.
        {"mnuCAPTION", "mnuTable", "<&CAPTION>", "sbCAPTIONClick", "Caption| Inserts a table caption"},
        {"mnuTABLE_TAG", "mnuTable", "<&TABLE>", "sbTABLEClick", "Table| Inserts table tags"},
        {"mnuTD", "mnuTable", "<T&D>", "sbTDClick", "Table data| Inserts a table cell"},
        {"mnuTH", "mnuTable", "<T&H>", "sbTHClick", "Table heading| Inserts a table heading cell"},
        {"mnuTR", "mnuTable", "<T&R>", "sbTRClick", "Table row| Inserts a table row"},

        // Other.
        {"mnuComment", "mnuOther", "<&!-- -->", "sbCommentClick", "Comment| Inserts a comment"},
        {"mnuADDRESS", "mnuOther", "<&ADDRESS>", "sbAddressClick",
         "Address| Inserts address tags: the author's contact details"},
        {"mnuBLINK", "mnuOther", "<B&LINK>", "sbBLINKClick", "Blink| Inserts blinking text tags"},
        {"mnuBLOCKQOUTE", "mnuOther", "<BL&OCKQUOTE>", "sbBQClick",
         "Block quote| Inserts block quotation tags"},
        {"mnuBR", "mnuOther", "<B&R>", "sbBRClick", "Line break| Inserts a line break"},
        {"mnuMainHR", "mnuOther", "<&HR>", "sbHRClick", "Horizontal rule| Inserts a horizontal rule"},
        {"mnuNOBR", "mnuOther", "<&NOBR>", "sbNOBRClick", "No break| Inserts tags for text without line breaks"},
        {"mnuPRE", "mnuOther", "<&PRE>", "sbPREClick", "Preformatted| Inserts preformatted text tags"},
        {"mnuWBR", "mnuOther", "<&WBR>", "sbWBRClick",
         "Word break| Inserts a place where a line may break"},

        // Common attributes: the three ALIGN values the main window inserts.
        {"mnuAlignCenter", "mnuALIGN", "&CENTER", "sbAlignCenterClick",
         "Align center| Inserts ALIGN=CENTER"},
        {"mnuAlignLeft", "mnuALIGN", "&LEFT", "sbAlignLeftClick", "Align left| Inserts ALIGN=LEFT"},
        {"mnuRight", "mnuALIGN", "&RIGHT", "sbAlignRightClick", "Align right| Inserts ALIGN=RIGHT"},
    };
    return table;
}

QList<const TagMenuItem *> TagMenuItems::InMenu(const QString &menuName)
{
    QList<const TagMenuItem *> items;
    for (const TagMenuItem &item : All()) {
        if (menuName == QLatin1String(item.menu))
            items.append(&item);
    }
    return items;
}
