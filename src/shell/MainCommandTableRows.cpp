// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The rows of the main window's command table: each menu item, tool
// button and tag notebook button, with its caption, hint, shortcut, look
// and handler. The table's services are in MainCommandTable.cpp.
#include "shell/MainCommandTable.h"

#include "shell/TagCommands.h"
#include "shell/TfrmMainForm.h"

#include <QStyle>

namespace {

using F = TfrmMainForm;
using T = TagCommands;
using MC = MainCommand;
using P = CommandPlace;
using TBF = ToolButtonFactory;
using Kind = MainCommandRecord::Kind;

MainCommandRecord Row(Kind kind, CommandPlace place, const char *name = "",
                      const char *caption = "", const char *hint = nullptr)
{
    MainCommandRecord record;
    record.kind = kind;
    record.place = place;
    record.name = name;
    record.caption = caption;
    record.hint = hint;
    return record;
}

MainHandler Handler(void (TfrmMainForm::*slot)())
{
    MainHandler handler;
    handler.form = slot;
    return handler;
}

MainHandler Handler(void (TagCommands::*slot)())
{
    MainHandler handler;
    handler.tags = slot;
    return handler;
}

MainHandler Handler(MainHandler handler)
{
    return handler;
}

MainHandler Later()
{
    MainHandler handler;
    handler.later = true;
    return handler;
}

// A menu item or button with its own hint.
template <typename H>
MainCommandRecord Item(CommandPlace place, const char *name, const char *caption, const char *hint,
                       H handler)
{
    MainCommandRecord record = Row(Kind::Command, place, name, caption, hint);
    record.handler = Handler(handler);
    return record;
}

// A pop-up menu item that shows the hint of a main menu item.
template <typename H>
MainCommandRecord Copy(CommandPlace place, const char *name, const char *caption,
                       const char *hintFrom, H handler)
{
    MainCommandRecord record = Item(place, name, caption, nullptr, handler);
    record.hintFrom = hintFrom;
    return record;
}

// A button that inserts one catalogue tag by name and does nothing else.
MainCommandRecord Tag(CommandPlace place, const char *name, const char *glyph, const char *tag,
                      const char *hint)
{
    MainHandler handler;
    handler.tag = tag;
    return Item(place, name, glyph, hint, handler);
}

MainCommandRecord Submenu(CommandPlace place, const char *name, const char *caption,
                          const char *hint)
{
    return Row(Kind::Submenu, place, name, caption, hint);
}

MainCommandRecord Separator(CommandPlace place, const char *name = "")
{
    return Row(Kind::Separator, place, name, "-");
}

// Room between two groups of tool bar buttons; the stretch pushes the
// buttons after it to the right end.
MainCommandRecord Gap()
{
    return Row(Kind::Gap, P::ToolBar);
}

MainCommandRecord Stretch()
{
    return Row(Kind::Stretch, P::ToolBar);
}

QList<MainCommandRecord> MakeTable()
{
    // clang-format off
    return {
        // mnuFile
        Item(P::File, "mnuNew", "&New ...",
             "New| Creates a new Web page", &F::mnuNewClick).Key("Ctrl+N"),
        Item(P::File, "mnuOpen", "&Open ...",
             "Open| Opens an existing Web page", &F::mnuOpenClick).Key("Ctrl+O"),
        Item(P::File, "mnuClose", "&Close", "Close| Closes the active Web page", &F::mnuCloseClick),
        Separator(P::File, "mnuSaveBreak"),
        Item(P::File, "mnuSave", "&Save",
             "Save| Saves the active Web page", &F::mnuSaveClick).Key("Ctrl+S"),
        Item(P::File, "mnuSaveAs", "Save &As ...",
             "Save As| Saves the active Web page under a new name", &F::mnuSaveAsClick),
        Item(P::File, "mnuSaveAll", "Save A&ll",
             "Save All| Saves all open Web pages", &F::mnuSaveAllClick),
        Separator(P::File, "mnuPrintBreak"),
        Item(P::File, "mnuPrintSetup", "P&rint Setup ...",
             "Print Setup| Chooses the printer and its settings", Later()),
        Item(P::File, "mnuPrint", "&Print",
             "Print| Prints the active Web page", Later()).Key("Ctrl+P"),
        Separator(P::File, "mnuReopenBreak"),
        Submenu(P::File, "mnuReopen", "R&eopen", "Reopen| Opens a recently used Web page"),
        Separator(P::File),
        Item(P::File, "mnuExit", "E&xit", "Exit| Quits Quillon", &F::mnuExitClick),

        // mnuView
        Item(P::View, "mnuPreviewCurrDoc", "&Preview ...",
             "Preview| Shows the active Web page in the Web browser", &F::mnuPreviewCurrDocClick),
        Separator(P::View),
        Item(P::View, "mnuToolBar", "T&ools Bar",
             "Tools Bar| Shows or hides the tool bar", &F::ApplyBarStates).Check(),
        Item(P::View, "mnuTagNotebookBar", "&Tag Notebook Bar",
             "Tag Notebook Bar| Shows or hides the tag notebook bar", &F::ApplyBarStates).Check(),
        Item(P::View, "mnuMessagebar", "&Message Bar",
             "Message Bar| Shows or hides the message bar", &F::ApplyBarStates).Check(),
        Separator(P::View),
        Item(P::View, "mnuOptions", "&Options ...",
             "Options| Changes the settings of the editor and of Quillon", &F::mnuOptionsClick),
        Item(P::View, "mnuDetails", "&Web Page Properties ...",
             "Web Page Properties| Shows the file details of the active Web page", Later()),

        // mnuTools
        Item(P::Tools, "mnuLinkManager", "Link &Manager ...",
             "Link Manager| Opens the Link Manager to keep links and insert them into pages",
             Later()),
        Item(P::Tools, "mnuSpecialChar", "&Special Characters ...",
             "Special Characters| Opens the table of special characters", Later()),
        Item(P::Tools, "mnuTableBuilder", "&Table Builder ...",
             "Table Builder| Builds a table and inserts it into the active window", Later()),
        Item(P::Tools, "mnuTagInspector", "Tag I&nspector ...",
             "Tag Inspector| Opens the Tag Inspector to build a tag with its attributes",
             &F::mnuTagInspectorClick),
        Item(P::Tools, "mnuColorPicker", "&Color Selector ...",
             "Color Selector| Picks a color and inserts its value into the active window",
             &T::mnuColorPickerClick),
        Separator(P::Tools),
        Item(P::Tools, "mnuWebPageWizard", "&Web Page Wizard ...",
             "Web Page Wizard| Creates a new Web page step by step", Later()),
        Item(P::Tools, "mnuFormWizard", "&Form Wizard ...",
             "Form Wizard| Builds a form and inserts it into the active window", Later()),
        Item(P::Tools, "mnuListWizard", "&List Wizard ...",
             "List Wizard| Builds a list and inserts it into the active window", Later()),
        Separator(P::Tools),
        Item(P::Tools, "mnuUpperCase", "&Upper Case",
             "Upper Case| Converts the selected text to upper case", &T::mnuUpperCaseClick),
        Item(P::Tools, "mnuLowerCase", "L&ower Case",
             "Lower Case| Converts the selected text to lower case", &T::mnuLowerCaseClick),
        Separator(P::Tools),
        Item(P::Tools, "mnuLinkToVaroPage", "Link to Varo's web &page",
             "Link to Varo| Inserts a link to Varo Software's web page into the active window",
             &T::mnuLinkToVaroPageClick),

        // mnuWindow
        Item(P::Window, "mnuCascade", "&Cascade",
             "Cascade| Arranges the windows so that they overlap", &F::mnuCascadeClick),
        Item(P::Window, "mnuHorizontal", "&Horizontal",
             "Horizontal| Arranges the windows one above the other", &F::mnuHorizontalClick),
        Item(P::Window, "mnuArrangeIcons", "&Arrange Icons",
             "Arrange Icons| Lines up the minimized windows at the bottom",
             &F::mnuArrangeIconsClick),

        // mnuHelp
        Item(P::Help, "mnuContents", "&Contents",
             "Contents| Shows the contents of the help", &F::mnuContentsClick).Key("F1"),
        Item(P::Help, "mnuSearch", "&Search ...",
             "Search| Finds a topic in the help", &F::mnuSearchClick),
        Separator(P::Help),
        Item(P::Help, "mnuTip", "&Tip of the day ...",
             "Tip of the Day| Shows a tip about working with Quillon", Later()),
        Separator(P::Help),
        Item(P::Help, "mnuAbout", "&About Quillon ...",
             "About| Shows the version of Quillon and who makes it", Later()),

        // mnuMainPopup
        Copy(P::Popup, "mnuPopPreview", "&Preview ...",
             "mnuPreviewCurrDoc", &F::mnuPopPreviewClick),
        Separator(P::Popup),
        Item(P::Popup, "mnuPopCut", "Cu&t",
             "Cut| Cuts the selection and puts it on the Clipboard", &F::mnuPopCutClick).Off(),
        Item(P::Popup, "mnuPopCopy", "&Copy",
             "Copy| Copies the selection and puts it on the Clipboard", &F::mnuPopCopyClick).Off(),
        Item(P::Popup, "mnuPopPaste", "&Paste",
             "Paste| Inserts the contents of the Clipboard at the caret", &F::mnuPopPasteClick)
            .Off(),
        Separator(P::Popup),
        Copy(P::Popup, "mnuPopSaveAll", "Save A&ll", "mnuSaveAll", &F::mnuPopSaveAllClick),
        Separator(P::Popup),
        Copy(P::Popup, "mnuPopLinkManager", "Link &Manager ...", "mnuLinkManager", Later()),
        Copy(P::Popup, "mnuPopSpecialChar", "&Special Characters ...", "mnuSpecialChar", Later()),
        Copy(P::Popup, "mnuPopTagInspector", "Tag I&nspector ...",
             "mnuTagInspector", &F::mnuPopTagInspectorClick),
        Copy(P::Popup, "mnuPopWebPageWizard", "Web Page Wizard ...", "mnuWebPageWizard", Later()),
        Separator(P::Popup),
        Copy(P::Popup, "mnuPopOptions", "&Options ...", "mnuOptions", &F::mnuPopOptionsClick),
        Copy(P::Popup, "mnuPopDetails", "&Web Page Properties ...", "mnuDetails", Later()),
        Separator(P::Popup),
        Copy(P::Popup, "mnuPopLinkToVaroPage", "Link to Varo's web &page",
             "mnuLinkToVaroPage", &T::mnuPopLinkToVaroPageClick),

        // pnlToolBar
        Item(P::ToolBar, "btnNew", "New",
             "New| Creates a new Web page", &F::btnNewClick)
            .Icon("document-new", QStyle::SP_FileIcon),
        Item(P::ToolBar, "btnOpen", "Open",
             "Open| Opens an existing Web page", &F::btnOpenClick)
            .Icon("document-open", QStyle::SP_DialogOpenButton),
        Item(P::ToolBar, "btnSave", "Save",
             "Save| Saves the active Web page", &F::btnSaveClick)
            .Icon("document-save", QStyle::SP_DialogSaveButton),
        Gap(),
        Item(P::ToolBar, "btnCut", "Cut",
             "Cut| Cuts the selection and puts it on the Clipboard", &F::btnCutClick)
            .Icon("edit-cut"),
        Item(P::ToolBar, "btnCopy", "Copy",
             "Copy| Copies the selection and puts it on the Clipboard", &F::btnCopyClick)
            .Icon("edit-copy"),
        Item(P::ToolBar, "btnPaste", "Paste",
             "Paste| Inserts the contents of the Clipboard at the caret", &F::btnPasteClick)
            .Icon("edit-paste"),
        Item(P::ToolBar, "btnUndo", "Undo",
             "Undo| Takes back the last change in the active window", &F::btnUndoClick)
            .Icon("edit-undo"),
        Gap(),
        Item(P::ToolBar, "sbComment", "<!>",
             "Comment| Inserts a comment <!-- --> into the active window", &T::sbCommentClick)
            .Id(MC::sbComment),
        Tag(P::ToolBar, "sbParagraph", "P", "P",
            "Paragraph| Inserts the <P> tag into the active window").Id(MC::sbParagraph),
        Tag(P::ToolBar, "sbBR", "BR", "BR",
            "Line break| Inserts the <BR> tag into the active window").Id(MC::sbBR),
        Tag(P::ToolBar, "sbHR", "HR", "HR",
            "Horizontal rule| Inserts the <HR> tag into the active window").Id(MC::sbHR),
        Item(P::ToolBar, "sbUpperCase", "AB",
             "Upper case| Converts the selected text to upper case", &T::sbUpperCaseClick),
        Item(P::ToolBar, "sbLowerCase", "ab",
             "Lower case| Converts the selected text to lower case", &T::sbLowerCaseClick),
        Item(P::ToolBar, "sbColorPicker", "#",
             "Color Selector| Picks a color and inserts its value into the active window",
             &T::sbColorPickerClick)
            .Icon("color-picker").Drawn(TBF::ColorSwatchIcon),
        Gap(),
        Item(P::ToolBar, "sbLinkManager", "Links",
             "Link Manager| Opens the Link Manager to keep links and insert them into pages",
             Later())
            .Icon("insert-link"),
        Item(P::ToolBar, "sbSpecialChar", "&&#",
             "Special Characters| Opens the table of special characters to insert into the active "
             "window",
             Later())
            .Icon("accessories-character-map"),
        Item(P::ToolBar, "sbTableBuilder", "TBL\n+",
             "Table Builder| Builds a table and inserts it into the active window", Later()),
        Item(P::ToolBar, "sbTagInspector", "Tag\n?",
             "Tag Inspector| Opens the Tag Inspector to build a tag with its attributes",
             &F::sbTagInspectorClick),
        Item(P::ToolBar, "sbWebPageWizard", "Page\nWiz",
             "Web Page Wizard| Creates a new Web page step by step", Later()),
        Item(P::ToolBar, "sbFormWizard", "Form\nWiz",
             "Form Wizard| Builds a form and inserts it into the active window", Later()),
        Item(P::ToolBar, "sbListWizard", "List\nWiz",
             "List Wizard| Builds a list and inserts it into the active window", Later()),
        Stretch(),
        Item(P::ToolBar, "sbPreview", "View",
             "Preview| Shows the active Web page in the Web browser", &F::sbPreviewClick)
            .Icon("document-print-preview", QStyle::SP_FileDialogContentsView),

        // Page Structure
        Tag(P::PageStructure, "sbBODY", "BODY", "BODY",
            "Body tag| Inserts the <BODY> tag into the active window").Id(MC::sbBODY),
        Tag(P::PageStructure, "sbHEAD", "HEAD", "HEAD",
            "Head tag| Inserts the <HEAD> tag, which holds the title and facts about the page, "
            "into the active window")
            .Id(MC::sbHEAD),
        Tag(P::PageStructure, "sbHTML", "HTML", "HTML",
            "HTML tag| Inserts the <HTML> tag, which encloses the whole page, into the active "
            "window")
            .Id(MC::sbHTML),
        Tag(P::PageStructure, "sbISINDEX", "IS\nIDX", "ISINDEX",
            "Is Index tag| Inserts the <ISINDEX> tag, a search prompt, into the active window")
            .Id(MC::sbISINDEX),
        Tag(P::PageStructure, "sbTITLE", "TITLE", "TITLE",
            "Title tag| Inserts the <TITLE> tag, the text of the browser's title bar, into the "
            "active window")
            .Id(MC::sbTITLE),

        // Headings
        Tag(P::Headings, "sbH1", "H1", "H1",
            "Heading 1| Inserts the <H1> tag, a first-level heading, into the active window")
            .Id(MC::sbH1),
        Tag(P::Headings, "sbH2", "H2", "H2",
            "Heading 2| Inserts the <H2> tag, a second-level heading, into the active window")
            .Id(MC::sbH2),
        Tag(P::Headings, "sbH3", "H3", "H3",
            "Heading 3| Inserts the <H3> tag, a third-level heading, into the active window")
            .Id(MC::sbH3),
        Tag(P::Headings, "sbH4", "H4", "H4",
            "Heading 4| Inserts the <H4> tag, a fourth-level heading, into the active window")
            .Id(MC::sbH4),
        Tag(P::Headings, "sbH5", "H5", "H5",
            "Heading 5| Inserts the <H5> tag, a fifth-level heading, into the active window")
            .Id(MC::sbH5),
        Tag(P::Headings, "sbH6", "H6", "H6",
            "Heading 6| Inserts the <H6> tag, a sixth-level heading, into the active window")
            .Id(MC::sbH6),

        // Link
        Item(P::Link, "sbA", "A",
             "Anchor| Inserts an anchor <A HREF=\"\"> into the active window", &T::sbAClick)
            .Id(MC::sbA),
        Tag(P::Link, "sbLink", "LINK", "LINK",
            "Link tag| Inserts the <LINK> tag, a relation to another document, into the active "
            "window")
            .Id(MC::sbLink),

        // List
        Tag(P::List, "sbDD", "DD", "DD",
            "Definition| Inserts the <DD> tag, the definition of a term, into the active window")
            .Id(MC::sbDD),
        Tag(P::List, "sbDIR", "DIR", "DIR",
            "Directory list| Inserts the <DIR> tag, a list of short items, into the active window")
            .Id(MC::sbDIR),
        Tag(P::List, "sbDL", "DL", "DL",
            "Definition list| Inserts the <DL> tag, a list of terms and their definitions, into "
            "the active window"),
        Tag(P::List, "sbDT", "DT", "DT",
            "Definition term| Inserts the <DT> tag, a term to be defined, into the active window")
            .Id(MC::sbDT),
        Tag(P::List, "sbLI", "LI", "LI",
            "List item| Inserts the <LI> tag, one item of a list, into the active window"),
        Tag(P::List, "sbMENU", "MENU", "MENU",
            "Menu list| Inserts the <MENU> tag, a list of choices, into the active window")
            .Id(MC::sbMENU),
        Tag(P::List, "sbOL", "OL", "OL",
            "Ordered list| Inserts the <OL> tag, a numbered list, into the active window")
            .Id(MC::sbOL),
        Tag(P::List, "sbUL", "UL", "UL",
            "Unordered list| Inserts the <UL> tag, a bulleted list, into the active window")
            .Id(MC::sbUL),

        // Formatting
        Tag(P::Formatting, "sbB", "B", "B",
            "Bold| Inserts the <B> tag, bold text, into the active window").Id(MC::sbB),
        Tag(P::Formatting, "sbI", "I", "I",
            "Italic| Inserts the <I> tag, italic text, into the active window")
            .Id(MC::sbI).Glyph(gsItalic),
        Tag(P::Formatting, "sbU", "U", "U",
            "Underline| Inserts the <U> tag, underlined text, into the active window")
            .Glyph(gsUnderline),
        Tag(P::Formatting, "sbS", "S", "S",
            "Strike-through| Inserts the <S> tag, struck-through text, into the active window")
            .Glyph(gsStrikeOut),
        Tag(P::Formatting, "sbEM", "EM", "EM",
            "Emphasis| Inserts the <EM> tag, emphasised text, into the active window")
            .Id(MC::sbEM).Glyph(gsItalic),
        Tag(P::Formatting, "sbBASEFONT", "BASE\nFONT", "BASEFONT",
            "Base font| Inserts the <BASEFONT> tag, the page's default font size, into the active "
            "window")
            .Id(MC::sbBASEFONT),
        Tag(P::Formatting, "sbCenter", "CTR", "CENTER",
            "Center| Inserts the <CENTER> tag, centred text, into the active window")
            .Id(MC::sbCenter),
        Tag(P::Formatting, "sbCITE", "CITE", "CITE",
            "Citation| Inserts the <CITE> tag, the title of a cited work, into the active window")
            .Id(MC::sbCITE),
        Tag(P::Formatting, "sbCODE", "CODE", "CODE",
            "Code| Inserts the <CODE> tag, a piece of program code, into the active window")
            .Id(MC::sbCODE),
        Tag(P::Formatting, "sbDFN", "DFN", "DFN",
            "Defined term| Inserts the <DFN> tag, a term at the place it is defined, into the "
            "active window")
            .Id(MC::sbDFN),
        Tag(P::Formatting, "sbFONT", "FONT", "FONT",
            "Font| Inserts the <FONT> tag, which sets the size and color of text, into the active "
            "window")
            .Id(MC::sbFONT),
        Tag(P::Formatting, "sbKBD", "KBD", "KBD",
            "Keyboard| Inserts the <KBD> tag, text the reader types, into the active window")
            .Id(MC::sbKBD),
        Tag(P::Formatting, "sbSAMP", "SAMP", "SAMP",
            "Sample| Inserts the <SAMP> tag, sample output of a program, into the active window")
            .Id(MC::sbSAMP),
        Tag(P::Formatting, "sbSTRONG", "STR", "STRONG",
            "Strong| Inserts the <STRONG> tag, strongly emphasised text, into the active window")
            .Id(MC::sbSTRONG),
        Tag(P::Formatting, "sbTT", "TT", "TT",
            "Teletype| Inserts the <TT> tag, fixed-width text, into the active window")
            .Id(MC::sbTT),
        Tag(P::Formatting, "sbVAR", "VAR", "VAR",
            "Variable| Inserts the <VAR> tag, the name of a variable, into the active window")
            .Id(MC::sbVAR).Glyph(gsItalic),
        Item(P::Formatting, "sbAlignLeft", "L",
             "Align left| Inserts the attribute ALIGN=LEFT at the caret", &T::sbAlignLeftClick)
            .Id(MC::sbAlignLeft).Icon("format-justify-left").Drawn(TBF::AlignLeftIcon),
        Item(P::Formatting, "sbAlignCenter", "C",
             "Align center| Inserts the attribute ALIGN=CENTER at the caret",
             &T::sbAlignCenterClick)
            .Id(MC::sbAlignCenter).Icon("format-justify-center").Drawn(TBF::AlignCenterIcon),
        Item(P::Formatting, "sbAlignRight", "R",
             "Align right| Inserts the attribute ALIGN=RIGHT at the caret", &T::sbAlignRightClick)
            .Id(MC::sbAlignRight).Icon("format-justify-right").Drawn(TBF::AlignRightIcon),

        // Image
        Item(P::Image, "sbIMAGE", "IMG",
             "Image| Inserts an image <IMG SRC=\"\"> into the active window", &T::sbIMAGEClick)
            .Id(MC::sbIMAGE),

        // Form
        Tag(P::Form, "sbFORM", "FORM", "FORM",
            "Form| Inserts the <FORM> tag, which holds the fields of a form, into the active "
            "window")
            .Id(MC::sbFORM),
        Tag(P::Form, "sbINPUT", "INP", "INPUT",
            "Input field| Inserts the <INPUT> tag, a field of a form, into the active window")
            .Id(MC::sbINPUT),
        Tag(P::Form, "sbOPTION", "OPT", "OPTION",
            "Option| Inserts the <OPTION> tag, one choice of a selection list, into the active "
            "window")
            .Id(MC::sbOPTION),
        Tag(P::Form, "sbSELECT", "SEL", "SELECT",
            "Selection list| Inserts the <SELECT> tag, a list of choices, into the active window")
            .Id(MC::sbSELECT),
        Tag(P::Form, "sbTEXTAREA", "TEXT\nAREA", "TEXTAREA",
            "Text area| Inserts the <TEXTAREA> tag, a field of several lines, into the active "
            "window")
            .Id(MC::sbTEXTAREA),

        // Table
        Tag(P::Table, "sbCAPTION", "CAP", "CAPTION",
            "Table caption| Inserts the <CAPTION> tag, the title of a table, into the active "
            "window")
            .Id(MC::sbCAPTION),
        Tag(P::Table, "sbTABLE", "TBL", "TABLE",
            "Table| Inserts the <TABLE> tag into the active window").Id(MC::sbTABLE),
        Tag(P::Table, "sbTD", "TD", "TD",
            "Table data| Inserts the <TD> tag, a cell of a table, into the active window")
            .Id(MC::sbTD),
        Tag(P::Table, "sbTH", "TH", "TH",
            "Table header| Inserts the <TH> tag, a header cell of a table, into the active window")
            .Id(MC::sbTH),
        Tag(P::Table, "sbTR", "TR", "TR",
            "Table row| Inserts the <TR> tag, a row of a table, into the active window")
            .Id(MC::sbTR),

        // Other
        Tag(P::Other, "sbAddress", "ADDR", "ADDRESS",
            "Address| Inserts the <ADDRESS> tag, the author's address, into the active window")
            .Id(MC::sbAddress),
        Tag(P::Other, "sbBLINK", "BLINK", "BLINK",
            "Blink| Inserts the <BLINK> tag, blinking text, into the active window")
            .Id(MC::sbBLINK),
        // The block quote button writes BLOCKQUOTE: there is no element BQ
        // in any HTML standard, and browsers show <BQ> as unknown markup.
        Tag(P::Other, "sbBQ", "BQ", "BLOCKQUOTE",
            "Block quote| Inserts the <BLOCKQUOTE> tag, a quoted passage, into the active window")
            .Id(MC::sbBQ),
        Tag(P::Other, "sbNOBR", "NOBR", "NOBR",
            "No break| Inserts the <NOBR> tag, text that is not broken across lines, into the "
            "active window")
            .Id(MC::sbNOBR),
        Tag(P::Other, "sbPRE", "PRE", "PRE",
            "Preformatted| Inserts the <PRE> tag, text shown as typed, into the active window")
            .Id(MC::sbPRE),
        Tag(P::Other, "sbWBR", "WBR", "WBR",
            "Word break| Inserts the <WBR> tag, a place where a line may break, into the active "
            "window")
            .Id(MC::sbWBR),
    };
    // clang-format on
}

} // namespace

const QList<MainCommandRecord> &MainCommandTable::Records()
{
    static const QList<MainCommandRecord> table = MakeTable();
    return table;
}
