// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/OptionsFormBuilder.h"

#include "controls/Hints.h"
#include "editor/OptionTable.h"
#include "shell/BrowserList.h"
#include "shell/OptionsControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QCheckBox *CheckBox(const char *name, const QString &caption, QWidget *parent)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

QLineEdit *ReadOnlyEdit(const char *name, const QString &hint, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setReadOnly(true);
    SetHint(edit, hint);
    return edit;
}

QToolButton *Button(const char *name, const QString &hint, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setText(QStringLiteral("..."));
    SetHint(button, hint);
    return button;
}

QSpinBox *SpinBox(const char *name, int minimum, int maximum, QWidget *parent)
{
    auto *spin = new QSpinBox(parent);
    spin->setObjectName(QLatin1String(name));
    spin->setRange(minimum, maximum);
    return spin;
}

QLabel *Label(const QString &caption, QWidget *buddy, QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    label->setBuddy(buddy);
    return label;
}

// The controls of the option table's rows for one page, in their order on
// it: a check box starts a line, a spin box follows it on the same line
// with its label after it; a check box alone takes the whole line.
void AddOptionControls(OptionsControls &ui, OptionTable::Page page, QWidget *parent,
                       QGridLayout *grid)
{
    const std::vector<OptionTable::Row> &rows = OptionTable::Rows();
    std::vector<int> onPage;
    for (int i = 0; i < int(rows.size()); ++i) {
        if (rows[i].control.page == page)
            onPage.push_back(i);
    }
    std::stable_sort(onPage.begin(), onPage.end(), [&rows](int a, int b) {
        return rows[a].control.place < rows[b].control.place;
    });

    struct Line {
        int flag = -1;
        int number = -1;
    };
    std::vector<Line> lines;
    for (int i : onPage) {
        if (OptionTable::IsFlag(rows[i]))
            lines.push_back({i, -1});
        else if (!lines.empty() && lines.back().number < 0)
            lines.back().number = i;
        else
            lines.push_back({-1, i});
    }

    for (int line = 0; line < int(lines.size()); ++line) {
        if (const int i = lines[line].flag; i >= 0) {
            const OptionTable::Control &control = rows[i].control;
            ui.options[i] = CheckBox(control.name, QLatin1String(control.caption), parent);
            grid->addWidget(ui.options[i], line, 0, 1, lines[line].number < 0 ? 3 : 1);
        }
        if (const int i = lines[line].number; i >= 0) {
            const OptionTable::Row &row = rows[i];
            ui.options[i] = SpinBox(row.control.name, row.minimum, row.maximum, parent);
            grid->addWidget(ui.options[i], line, 1);
            grid->addWidget(Label(QLatin1String(row.control.caption), ui.options[i], parent), line,
                            2);
        }
    }
    grid->setColumnStretch(3, 1);
}

} // namespace

void OptionsFormBuilder::Build(OptionsControls &ui, QDialog &dialog)
{
    ui.PageControl = new QTabWidget(&dialog);
    ui.PageControl->setObjectName(QStringLiteral("PageControl"));
    ui.options = QList<QWidget *>(qsizetype(OptionTable::Rows().size()), nullptr);

    // General
    auto *general = new QWidget;
    auto *generalGroup = new QGroupBox(QStringLiteral("General : "), general);
    AddOptionControls(ui, OptionTable::Page::General, generalGroup, new QGridLayout(generalGroup));

    auto *browserGroup = new QGroupBox(QStringLiteral("Preview Browser : "), general);
    ui.cmbBrowser = new QComboBox(browserGroup);
    ui.cmbBrowser->setObjectName(QStringLiteral("cmbBrowser"));
    ui.cmbBrowser->setEditable(true);
    // Entries come only from the add command, which keeps the list's rules.
    ui.cmbBrowser->setInsertPolicy(QComboBox::NoInsert);
    ui.cmbBrowser->setMaxCount(BrowserList::MaxBrowsers);
    ui.cmbBrowser->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    SetHint(ui.cmbBrowser, QStringLiteral("Double click inside to select a browser"));
    ui.sbSelectBrowser =
        Button("sbSelectBrowser", QStringLiteral("Click to select a browser"), browserGroup);
    auto *browserLayout = new QHBoxLayout(browserGroup);
    browserLayout->addWidget(ui.cmbBrowser);
    browserLayout->addWidget(ui.sbSelectBrowser);

    auto *generalPage = new QVBoxLayout(general);
    generalPage->addWidget(generalGroup);
    generalPage->addWidget(browserGroup);
    generalPage->addStretch();
    ui.PageControl->addTab(general, QStringLiteral("General"));

    // Editor
    auto *editor = new QWidget;
    ui.editBackColor = ReadOnlyEdit(
        "editBackColor", QStringLiteral("Double click inside to change the color"), editor);
    ui.sbBackColor = Button("sbBackColor", QStringLiteral("Changes background color"), editor);
    auto *backLayout = new QHBoxLayout;
    backLayout->addWidget(Label(QStringLiteral("&Background color :"), ui.editBackColor, editor));
    backLayout->addWidget(ui.editBackColor);
    backLayout->addWidget(ui.sbBackColor);

    auto *fontGroup = new QGroupBox(QStringLiteral("Font : "), editor);
    ui.editFontName = ReadOnlyEdit(
        "editFontName", QStringLiteral("Double click inside to change font name"), fontGroup);
    ui.editFontSize = ReadOnlyEdit(
        "editFontSize", QStringLiteral("Double click inside to change font size"), fontGroup);
    ui.editFontColor = ReadOnlyEdit(
        "editFontColor", QStringLiteral("Double click inside to change font color"), fontGroup);
    ui.sbFontAttr = Button("sbFontAttr", QStringLiteral("Changes font attributes"), fontGroup);
    auto *fontLayout = new QGridLayout(fontGroup);
    fontLayout->addWidget(Label(QStringLiteral("&Name : "), ui.editFontName, fontGroup), 0, 0);
    fontLayout->addWidget(ui.editFontName, 0, 1);
    fontLayout->addWidget(ui.sbFontAttr, 0, 2);
    fontLayout->addWidget(Label(QStringLiteral("Si&ze : "), ui.editFontSize, fontGroup), 1, 0);
    fontLayout->addWidget(ui.editFontSize, 1, 1);
    fontLayout->addWidget(Label(QStringLiteral("&Color :"), ui.editFontColor, fontGroup), 2, 0);
    fontLayout->addWidget(ui.editFontColor, 2, 1);

    auto *editorOptions = new QGridLayout;
    AddOptionControls(ui, OptionTable::Page::Editor, editor, editorOptions);
    auto *editorPage = new QVBoxLayout(editor);
    editorPage->addLayout(backLayout);
    editorPage->addWidget(fontGroup);
    editorPage->addLayout(editorOptions);
    editorPage->addStretch();
    ui.PageControl->addTab(editor, QStringLiteral("Editor"));

    // Save
    auto *save = new QWidget;
    auto *saveOptions = new QGridLayout;
    AddOptionControls(ui, OptionTable::Page::Save, save, saveOptions);
    auto *savePage = new QVBoxLayout(save);
    savePage->addLayout(saveOptions);
    savePage->addStretch();
    ui.PageControl->addTab(save, QStringLiteral("Save"));

    // HTML
    auto *html = new QWidget;
    auto *htmlGroup = new QGroupBox(QStringLiteral("HTML : "), html);
    AddOptionControls(ui, OptionTable::Page::Html, htmlGroup, new QGridLayout(htmlGroup));
    auto *htmlPage = new QVBoxLayout(html);
    htmlPage->addWidget(htmlGroup);
    htmlPage->addStretch();
    ui.PageControl->addTab(html, QStringLiteral("HTML"));

    // Buttons
    ui.btnOk = new QPushButton(QStringLiteral("&Ok"), &dialog);
    ui.btnOk->setObjectName(QStringLiteral("btnOk"));
    ui.btnOk->setDefault(true);
    ui.btnCancel = new QPushButton(QStringLiteral("&Cancel"), &dialog);
    ui.btnCancel->setObjectName(QStringLiteral("btnCancel"));
    ui.btnHelp = new QPushButton(QStringLiteral("&Help"), &dialog);
    ui.btnHelp->setObjectName(QStringLiteral("btnHelp"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ui.btnOk);
    buttons->addWidget(ui.btnCancel);
    buttons->addWidget(ui.btnHelp);

    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(ui.PageControl);
    layout->addLayout(buttons);
    dialog.setFixedSize(layout->sizeHint().expandedTo(QSize(495, 303)));
}
