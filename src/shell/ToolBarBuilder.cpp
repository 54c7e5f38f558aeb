// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ToolBarBuilder.h"

#include "shell/ToolButtonFactory.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QToolButton>

namespace {
// A palette of four colour swatches for the colour selector.
QIcon ColorSwatchIcon()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    const QColor colors[4] = {Qt::red, QColor(0, 160, 0), Qt::blue, Qt::yellow};
    for (int i = 0; i < 4; ++i) {
        painter.setBrush(colors[i]);
        painter.drawRect((i % 2) * 8, (i / 2) * 8, 7, 7);
    }
    return QIcon(pixmap);
}

const ButtonDef Gap{nullptr, nullptr, nullptr};
}

const QList<ButtonDef> &ToolBarBuilder::Buttons()
{
    static const QList<ButtonDef> buttons = {
        {"btnNew", "New", "New| Creates a new Web page", "document-new", QStyle::SP_FileIcon},
        {"btnOpen", "Open", "Open| Opens an existing Web page", "document-open",
         QStyle::SP_DialogOpenButton},
        {"btnSave", "Save", "Save| Saves the active Web page", "document-save",
         QStyle::SP_DialogSaveButton},
        Gap,
        {"btnCut", "Cut", "Cut| Cuts the selection and puts it on the Clipboard", "edit-cut"},
        {"btnCopy", "Copy", "Copy| Copies the selection and puts it on the Clipboard",
         "edit-copy"},
        {"btnPaste", "Paste", "Paste| Inserts the contents of the Clipboard at the caret",
         "edit-paste"},
        {"btnUndo", "Undo", "Undo| Takes back the last change in the active window",
         "edit-undo"},
        Gap,
        {"sbComment", "<!>", "Comment| Inserts a comment <!-- --> into the active window"},
        {"sbParagraph", "P", "Paragraph| Inserts the <P> tag into the active window"},
        {"sbBR", "BR", "Line break| Inserts the <BR> tag into the active window"},
        {"sbHR", "HR", "Horizontal rule| Inserts the <HR> tag into the active window"},
        {"sbUpperCase", "AB", "Upper case| Converts the selected text to upper case"},
        {"sbLowerCase", "ab", "Lower case| Converts the selected text to lower case"},
        {"sbColorPicker", "#", "Color Selector| Picks a color and inserts its value into the "
                               "active window",
         "color-picker", -1, ColorSwatchIcon},
        Gap,
        {"sbLinkManager", "Links", "Link Manager| Opens the Link Manager to keep links and "
                                   "insert them into pages",
         "insert-link"},
        {"sbSpecialChar", "&&#", "Special Characters| Opens the table of special characters "
                                 "to insert into the active window",
         "accessories-character-map"},
        {"sbTableBuilder", "TBL\n+", "Table Builder| Builds a table and inserts it into the "
                                     "active window"},
        {"sbTagInspector", "Tag\n?", "Tag Inspector| Opens the Tag Inspector to build a tag "
                                     "with its attributes"},
        {"sbWebPageWizard", "Page\nWiz", "Web Page Wizard| Creates a new Web page step by "
                                         "step"},
        {"sbFormWizard", "Form\nWiz", "Form Wizard| Builds a form and inserts it into the "
                                      "active window"},
        {"sbListWizard", "List\nWiz", "List Wizard| Builds a list and inserts it into the "
                                      "active window"},
        Gap,
        {"sbPreview", "View", "Preview| Shows the active Web page in the Web browser",
         "document-print-preview", QStyle::SP_FileDialogContentsView},
    };
    return buttons;
}

QFrame *ToolBarBuilder::Build(QWidget *parent)
{
    auto *bar = new QFrame(parent);
    bar->setObjectName(QStringLiteral("pnlToolBar"));
    bar->setFrameStyle(QFrame::Panel | QFrame::Raised);
    bar->setFixedHeight(BarHeight);
    // A narrow window clips the buttons; it is never held wide by them.
    bar->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    auto *layout = new QHBoxLayout(bar);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->setSpacing(1);

    const QList<ButtonDef> &buttons = Buttons();
    for (qsizetype i = 0; i < buttons.size(); ++i) {
        const ButtonDef &def = buttons.at(i);
        if (!def.name) {
            // The preview button stands apart at the right end.
            const bool last = i == buttons.size() - 2;
            if (last)
                layout->addStretch(1);
            else
                layout->addSpacing(10);
            continue;
        }
        layout->addWidget(ToolButtonFactory::Create(bar, def));
    }
    return bar;
}
