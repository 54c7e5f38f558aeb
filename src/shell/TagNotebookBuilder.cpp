// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/TagNotebookBuilder.h"

#include "shell/ToolButtonFactory.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPainter>
#include <QPixmap>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
// Four lines of text aligned to one side, or centred.
QIcon AlignmentIcon(Qt::Alignment alignment)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QPen(Qt::black, 2));
    const int lengths[4] = {14, 8, 12, 6};
    for (int i = 0; i < 4; ++i) {
        const int len = lengths[i];
        int left = 1;
        if (alignment & Qt::AlignHCenter)
            left = 1 + (14 - len) / 2;
        else if (alignment & Qt::AlignRight)
            left = 15 - len;
        const int y = 2 + i * 4;
        painter.drawLine(left, y, left + len - 1, y);
    }
    return QIcon(pixmap);
}

QIcon AlignLeftIcon() { return AlignmentIcon(Qt::AlignLeft); }
QIcon AlignCenterIcon() { return AlignmentIcon(Qt::AlignHCenter); }
QIcon AlignRightIcon() { return AlignmentIcon(Qt::AlignRight); }
}

const QList<TagNotebookBuilder::Page> &TagNotebookBuilder::Pages()
{
    static const QList<Page> pages = {
        {"tsPageStructure", "Page Structure", {
            {"sbBODY", "BODY", "Body tag| Inserts the <BODY> tag into the active window"},
            {"sbHEAD", "HEAD", "Head tag| Inserts the <HEAD> tag, which holds the title and "
                               "facts about the page, into the active window"},
            {"sbHTML", "HTML", "HTML tag| Inserts the <HTML> tag, which encloses the whole "
                               "page, into the active window"},
            {"sbISINDEX", "IS\nIDX", "Is Index tag| Inserts the <ISINDEX> tag, a search "
                                     "prompt, into the active window"},
            {"sbTITLE", "TITLE", "Title tag| Inserts the <TITLE> tag, the text of the "
                                 "browser's title bar, into the active window"},
        }},
        {"tsHeadings", "Headings", {
            {"sbH1", "H1", "Heading 1| Inserts the <H1> tag, a first-level heading, into the "
                           "active window"},
            {"sbH2", "H2", "Heading 2| Inserts the <H2> tag, a second-level heading, into "
                           "the active window"},
            {"sbH3", "H3", "Heading 3| Inserts the <H3> tag, a third-level heading, into the "
                           "active window"},
            {"sbH4", "H4", "Heading 4| Inserts the <H4> tag, a fourth-level heading, into "
                           "the active window"},
            {"sbH5", "H5", "Heading 5| Inserts the <H5> tag, a fifth-level heading, into the "
                           "active window"},
            {"sbH6", "H6", "Heading 6| Inserts the <H6> tag, a sixth-level heading, into the "
                           "active window"},
        }},
        {"tsLink", "Link", {
            {"sbA", "A", "Anchor| Inserts an anchor <A HREF=\"\"> into the active window"},
            {"sbLink", "LINK", "Link tag| Inserts the <LINK> tag, a relation to another "
                               "document, into the active window"},
        }},
        {"tsList", "List", {
            {"sbDD", "DD", "Definition| Inserts the <DD> tag, the definition of a term, into "
                           "the active window"},
            {"sbDIR", "DIR", "Directory list| Inserts the <DIR> tag, a list of short items, "
                             "into the active window"},
            {"sbDL", "DL", "Definition list| Inserts the <DL> tag, a list of terms and their "
                           "definitions, into the active window"},
            {"sbDT", "DT", "Definition term| Inserts the <DT> tag, a term to be defined, into "
                           "the active window"},
            {"sbLI", "LI", "List item| Inserts the <LI> tag, one item of a list, into the "
                           "active window"},
            {"sbMENU", "MENU", "Menu list| Inserts the <MENU> tag, a list of choices, into "
                               "the active window"},
            {"sbOL", "OL", "Ordered list| Inserts the <OL> tag, a numbered list, into the "
                           "active window"},
            {"sbUL", "UL", "Unordered list| Inserts the <UL> tag, a bulleted list, into the "
                           "active window"},
        }},
        {"tsFormatting", "Formatting", {
            {"sbB", "B", "Bold| Inserts the <B> tag, bold text, into the active window"},
            {"sbI", "I", "Italic| Inserts the <I> tag, italic text, into the active window",
             nullptr, -1, nullptr, gsItalic},
            {"sbU", "U", "Underline| Inserts the <U> tag, underlined text, into the active "
                         "window", nullptr, -1, nullptr, gsUnderline},
            {"sbS", "S", "Strike-through| Inserts the <S> tag, struck-through text, into the "
                         "active window", nullptr, -1, nullptr, gsStrikeOut},
            {"sbEM", "EM", "Emphasis| Inserts the <EM> tag, emphasised text, into the active "
                           "window", nullptr, -1, nullptr, gsItalic},
            {"sbBASEFONT", "BASE\nFONT", "Base font| Inserts the <BASEFONT> tag, the "
                                         "page's default font size, into the active window"},
            {"sbCenter", "CTR", "Center| Inserts the <CENTER> tag, centred text, into the "
                                "active window"},
            {"sbCITE", "CITE", "Citation| Inserts the <CITE> tag, the title of a cited work, "
                               "into the active window"},
            {"sbCODE", "CODE", "Code| Inserts the <CODE> tag, a piece of program code, into "
                               "the active window"},
            {"sbDFN", "DFN", "Defined term| Inserts the <DFN> tag, a term at the place it is "
                             "defined, into the active window"},
            {"sbFONT", "FONT", "Font| Inserts the <FONT> tag, which sets the size and color "
                               "of text, into the active window"},
            {"sbKBD", "KBD", "Keyboard| Inserts the <KBD> tag, text the reader types, into "
                             "the active window"},
            {"sbSAMP", "SAMP", "Sample| Inserts the <SAMP> tag, sample output of a program, "
                               "into the active window"},
            {"sbSTRONG", "STR", "Strong| Inserts the <STRONG> tag, strongly emphasised text, "
                                "into the active window"},
            {"sbTT", "TT", "Teletype| Inserts the <TT> tag, fixed-width text, into the "
                           "active window"},
            {"sbVAR", "VAR", "Variable| Inserts the <VAR> tag, the name of a variable, into "
                             "the active window", nullptr, -1, nullptr, gsItalic},
            {"sbAlignLeft", "L", "Align left| Inserts the attribute ALIGN=LEFT at the caret",
             "format-justify-left", -1, AlignLeftIcon},
            {"sbAlignCenter", "C", "Align center| Inserts the attribute ALIGN=CENTER at the "
                                   "caret", "format-justify-center", -1, AlignCenterIcon},
            {"sbAlignRight", "R", "Align right| Inserts the attribute ALIGN=RIGHT at the "
                                  "caret", "format-justify-right", -1, AlignRightIcon},
        }},
        {"tsImage", "Image", {
            {"sbIMAGE", "IMG", "Image| Inserts an image <IMG SRC=\"\"> into the active "
                               "window"},
        }},
        {"tsForm", "Form", {
            {"sbFORM", "FORM", "Form| Inserts the <FORM> tag, which holds the fields of a "
                               "form, into the active window"},
            {"sbINPUT", "INP", "Input field| Inserts the <INPUT> tag, a field of a form, "
                               "into the active window"},
            {"sbOPTION", "OPT", "Option| Inserts the <OPTION> tag, one choice of a selection "
                                "list, into the active window"},
            {"sbSELECT", "SEL", "Selection list| Inserts the <SELECT> tag, a list of "
                                "choices, into the active window"},
            {"sbTEXTAREA", "TEXT\nAREA", "Text area| Inserts the <TEXTAREA> tag, a field "
                                         "of several lines, into the active window"},
        }},
        {"tsTable", "Table", {
            {"sbCAPTION", "CAP", "Table caption| Inserts the <CAPTION> tag, the title of a "
                                 "table, into the active window"},
            {"sbTABLE", "TBL", "Table| Inserts the <TABLE> tag into the active window"},
            {"sbTD", "TD", "Table data| Inserts the <TD> tag, a cell of a table, into the "
                           "active window"},
            {"sbTH", "TH", "Table header| Inserts the <TH> tag, a header cell of a table, "
                           "into the active window"},
            {"sbTR", "TR", "Table row| Inserts the <TR> tag, a row of a table, into the "
                           "active window"},
        }},
        {"tsOther", "Other", {
            {"sbAddress", "ADDR", "Address| Inserts the <ADDRESS> tag, the author's "
                                  "address, into the active window"},
            {"sbBLINK", "BLINK", "Blink| Inserts the <BLINK> tag, blinking text, into the "
                                 "active window"},
            {"sbBQ", "BQ", "Block quote| Inserts the <BLOCKQUOTE> tag, a quoted passage, into "
                           "the active window"},
            {"sbNOBR", "NOBR", "No break| Inserts the <NOBR> tag, text that is not broken "
                               "across lines, into the active window"},
            {"sbPRE", "PRE", "Preformatted| Inserts the <PRE> tag, text shown as typed, into "
                             "the active window"},
            {"sbWBR", "WBR", "Word break| Inserts the <WBR> tag, a place where a line may "
                             "break, into the active window"},
        }},
    };
    return pages;
}

QFrame *TagNotebookBuilder::Build(QWidget *parent)
{
    auto *bar = new QFrame(parent);
    bar->setObjectName(QStringLiteral("pnlTagNotebookBar"));
    bar->setFixedHeight(BarHeight);
    // A narrow window clips the buttons; it is never held wide by them.
    bar->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    auto *outer = new QVBoxLayout(bar);
    outer->setContentsMargins(2, 1, 2, 1);

    auto *tabs = new QTabWidget(bar);
    tabs->setObjectName(QStringLiteral("TagGrpPageControl"));
    tabs->setDocumentMode(true);
    tabs->setUsesScrollButtons(true);
    outer->addWidget(tabs);

    for (const Page &page : Pages()) {
        auto *sheet = new QWidget(tabs);
        sheet->setObjectName(QString::fromLatin1(page.name));
        auto *row = new QHBoxLayout(sheet);
        row->setContentsMargins(2, 2, 2, 0);
        row->setSpacing(1);
        for (const ButtonDef &def : page.buttons)
            row->addWidget(ToolButtonFactory::Create(sheet, def));
        row->addStretch(1);
        tabs->addTab(sheet, QString::fromLatin1(page.caption));
    }
    tabs->setCurrentIndex(0);
    return bar;
}
