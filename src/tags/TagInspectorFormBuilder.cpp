// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tags/TagInspectorFormBuilder.h"

#include "controls/Hints.h"
#include "controls/TObjectGrid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton *ToolButton(QWidget &parent, const char *name, const char *icon, const QString &text,
                        const QString &hint)
{
    auto *button = new QToolButton(&parent);
    button->setObjectName(QLatin1String(name));
    button->setIcon(QIcon::fromTheme(QLatin1String(icon)));
    button->setText(text);
    button->setToolButtonStyle(button->icon().isNull() ? Qt::ToolButtonTextOnly
                                                       : Qt::ToolButtonIconOnly);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    SetHint(button, hint);
    return button;
}

QComboBox *DropDownList(QWidget &parent, const char *name)
{
    auto *list = new QComboBox(&parent);
    list->setObjectName(QLatin1String(name));
    list->setEditable(false);
    list->setMaxVisibleItems(16);
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(12);
    return list;
}

} // namespace

TagInspectorControls TagInspectorFormBuilder::Build(QWidget &window)
{
    TagInspectorControls ui;
    auto *layout = new QVBoxLayout(&window);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);

    auto *toolRow = new QHBoxLayout;
    toolRow->setSpacing(2);
    ui.sbInsertTag = ToolButton(window, "sbInsertTag", "insert-text", QStringLiteral("Tag"),
                                QStringLiteral("Tag| Inserts tag and all included attributes into the current web page"));
    ui.sbAttributes = ToolButton(window, "sbAttributes", "list-add", QStringLiteral("Attributes"),
                                 QStringLiteral("Attributes | Inserts all included attributes only into the current web page"));
    ui.sbHelp = ToolButton(window, "sbHelp", "help-browser", QStringLiteral("Help"),
                           QStringLiteral("Help | Help system"));
    ui.sbClose = ToolButton(window, "sbClose", "window-close", QStringLiteral("Close"),
                            QStringLiteral("Close | Closes Tag Inspector"));
    for (QToolButton *button : {ui.sbInsertTag, ui.sbAttributes, ui.sbHelp, ui.sbClose})
        toolRow->addWidget(button);
    toolRow->addStretch(1);
    layout->addLayout(toolRow);

    ui.cbStayOnTop = new QCheckBox(QStringLiteral("&Stay on top of the screen"), &window);
    ui.cbStayOnTop->setObjectName(QStringLiteral("cbStayOnTop"));
    ui.cbStayOnTop->setChecked(true);
    layout->addWidget(ui.cbStayOnTop);

    auto *lists = new QFormLayout;
    lists->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    ui.cbTagGroups = DropDownList(window, "cbTagGroups");
    ui.cbTagDisp = DropDownList(window, "cbTagDisp");
    lists->addRow(QStringLiteral("Tag Filter :"), ui.cbTagGroups);
    lists->addRow(QStringLiteral("Tag :"), ui.cbTagDisp);
    layout->addLayout(lists);

    ui.PageControl = new QTabWidget(&window);
    ui.PageControl->setObjectName(QStringLiteral("PageControl"));
    ui.Attributes = new QWidget;
    ui.Attributes->setObjectName(QStringLiteral("Attributes"));
    ui.Description = new QWidget;
    ui.Description->setObjectName(QStringLiteral("Description"));
    ui.PageControl->addTab(ui.Attributes, QStringLiteral("&Attributes"));
    ui.PageControl->addTab(ui.Description, QStringLiteral("&Description"));
    layout->addWidget(ui.PageControl, 1);

    auto *attributesLayout = new QVBoxLayout(ui.Attributes);
    attributesLayout->setContentsMargins(2, 2, 2, 2);
    ui.GridPanel = new QFrame(ui.Attributes);
    ui.GridPanel->setObjectName(QStringLiteral("GridPanel"));
    attributesLayout->addWidget(ui.GridPanel, 1);
    auto *gridLayout = new QVBoxLayout(ui.GridPanel);
    gridLayout->setContentsMargins(0, 0, 0, 0);

    ui.AttrGrid = new TObjectGrid(ui.GridPanel);
    ui.AttrGrid->setObjectName(QStringLiteral("AttrGrid"));
    ui.AttrGrid->SetColCount(3);
    ui.AttrGrid->SetFixedRows(1);
    ui.AttrGrid->SetRowCount(2);
    ui.AttrGrid->SetColWidths(0, NameWidth);
    ui.AttrGrid->SetColWidths(1, IncludeWidth);
    ui.AttrGrid->SetColWidths(2, ValueWidth);
    ui.AttrGrid->horizontalHeader()->setStretchLastSection(true);
    ui.AttrGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    ui.AttrGrid->setSelectionBehavior(QAbstractItemView::SelectItems);
    ui.AttrGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui.AttrGrid->setWordWrap(false);
    // Compact rows: a line of text with room for a check box or a list.
    ui.AttrGrid->SetDefaultRowHeight(ui.AttrGrid->fontMetrics().height() + 10);
    // The selected cell looks like any other while the grid has no focus.
    QPalette palette = ui.AttrGrid->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Base));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText, palette.color(QPalette::Text));
    ui.AttrGrid->setPalette(palette);
    gridLayout->addWidget(ui.AttrGrid);

    auto *descriptionLayout = new QVBoxLayout(ui.Description);
    descriptionLayout->setContentsMargins(2, 2, 2, 2);
    ui.memoDescription = new QTextBrowser(ui.Description);
    ui.memoDescription->setObjectName(QStringLiteral("memoDescription"));
    ui.memoDescription->setReadOnly(true);
    ui.memoDescription->setOpenLinks(false);
    descriptionLayout->addWidget(ui.memoDescription);
    return ui;
}
