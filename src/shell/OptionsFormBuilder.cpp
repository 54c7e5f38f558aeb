// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/OptionsFormBuilder.h"

#include "shell/BrowserList.h"
#include "controls/Hints.h"
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

} // namespace

void OptionsFormBuilder::Build(OptionsControls &ui, QDialog &dialog)
{
    ui.PageControl = new QTabWidget(&dialog);
    ui.PageControl->setObjectName(QStringLiteral("PageControl"));

    // General
    auto *general = new QWidget;
    auto *generalGroup = new QGroupBox(QStringLiteral("General : "), general);
    ui.cbSound = CheckBox("cbSound", QStringLiteral("&Beep On Error Action"), generalGroup);
    ui.cbTagsMenu = CheckBox("cbTagsMenu", QStringLiteral("Show Tags &Menu"), generalGroup);
    ui.cbShowTagInspector = CheckBox("cbShowTagInspector",
                                     QStringLiteral("Show &Tag Inspector At Startup"), generalGroup);
    auto *generalLayout = new QVBoxLayout(generalGroup);
    generalLayout->addWidget(ui.cbSound);
    generalLayout->addWidget(ui.cbTagsMenu);
    generalLayout->addWidget(ui.cbShowTagInspector);

    auto *browserGroup = new QGroupBox(QStringLiteral("Preview Browser : "), general);
    ui.cmbBrowser = new QComboBox(browserGroup);
    ui.cmbBrowser->setObjectName(QStringLiteral("cmbBrowser"));
    ui.cmbBrowser->setEditable(true);
    // Entries come only from the add command, which keeps the list's rules.
    ui.cmbBrowser->setInsertPolicy(QComboBox::NoInsert);
    ui.cmbBrowser->setMaxCount(BrowserList::MaxBrowsers);
    ui.cmbBrowser->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    SetHint(ui.cmbBrowser, QStringLiteral("Double click inside to select a browser"));
    ui.sbSelectBrowser = Button("sbSelectBrowser", QStringLiteral("Click to select a browser"),
                                browserGroup);
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
    ui.editBackColor = ReadOnlyEdit("editBackColor",
                                    QStringLiteral("Double click inside to change the color"), editor);
    ui.sbBackColor = Button("sbBackColor", QStringLiteral("Changes background color"), editor);
    auto *backLayout = new QHBoxLayout;
    backLayout->addWidget(Label(QStringLiteral("&Background color :"), ui.editBackColor, editor));
    backLayout->addWidget(ui.editBackColor);
    backLayout->addWidget(ui.sbBackColor);

    auto *fontGroup = new QGroupBox(QStringLiteral("Font : "), editor);
    ui.editFontName = ReadOnlyEdit("editFontName",
                                   QStringLiteral("Double click inside to change font name"), fontGroup);
    ui.editFontSize = ReadOnlyEdit("editFontSize",
                                   QStringLiteral("Double click inside to change font size"), fontGroup);
    ui.editFontColor = ReadOnlyEdit("editFontColor",
                                    QStringLiteral("Double click inside to change font color"), fontGroup);
    ui.sbFontAttr = Button("sbFontAttr", QStringLiteral("Changes font attributes"), fontGroup);
    auto *fontLayout = new QGridLayout(fontGroup);
    fontLayout->addWidget(Label(QStringLiteral("&Name : "), ui.editFontName, fontGroup), 0, 0);
    fontLayout->addWidget(ui.editFontName, 0, 1);
    fontLayout->addWidget(ui.sbFontAttr, 0, 2);
    fontLayout->addWidget(Label(QStringLiteral("Si&ze : "), ui.editFontSize, fontGroup), 1, 0);
    fontLayout->addWidget(ui.editFontSize, 1, 1);
    fontLayout->addWidget(Label(QStringLiteral("&Color :"), ui.editFontColor, fontGroup), 2, 0);
    fontLayout->addWidget(ui.editFontColor, 2, 1);

    ui.cbWordWrap = CheckBox("cbWordWrap", QStringLiteral("&Word Wrap in the Editor Window"), editor);
    auto *editorPage = new QVBoxLayout(editor);
    editorPage->addLayout(backLayout);
    editorPage->addWidget(fontGroup);
    editorPage->addWidget(ui.cbWordWrap);
    editorPage->addStretch();
    ui.PageControl->addTab(editor, QStringLiteral("Editor"));

    // Save
    auto *save = new QWidget;
    ui.cbBackup = CheckBox("cbBackup", QStringLiteral("Always Create &Backup Copy"), save);
    ui.cbAutoSave = CheckBox("cbAutoSave", QStringLiteral("Automatic &Save Every"), save);
    ui.spnSaveInterval = SpinBox("spnSaveInterval", 1, 255, save);
    ui.cbRUFList = CheckBox("cbRUFList", QStringLiteral("&Recently Used File List"), save);
    ui.spnRUFEntries = SpinBox("spnRUFEntries", 1, 20, save);
    auto *saveLayout = new QGridLayout(save);
    saveLayout->addWidget(ui.cbBackup, 0, 0, 1, 3);
    saveLayout->addWidget(ui.cbAutoSave, 1, 0);
    saveLayout->addWidget(ui.spnSaveInterval, 1, 1);
    saveLayout->addWidget(Label(QStringLiteral("&Minutes"), ui.spnSaveInterval, save), 1, 2);
    saveLayout->addWidget(ui.cbRUFList, 2, 0);
    saveLayout->addWidget(ui.spnRUFEntries, 2, 1);
    saveLayout->addWidget(Label(QStringLiteral("&Entries"), ui.spnRUFEntries, save), 2, 2);
    saveLayout->setColumnStretch(3, 1);
    saveLayout->setRowStretch(3, 1);
    ui.PageControl->addTab(save, QStringLiteral("Save"));

    // HTML
    auto *html = new QWidget;
    auto *htmlGroup = new QGroupBox(QStringLiteral("HTML : "), html);
    ui.cbTagPrompt = CheckBox("cbTagPrompt", QStringLiteral("&Insert Tag With Prompt"), htmlGroup);
    ui.cbTagUpperCase = CheckBox("cbTagUpperCase", QStringLiteral("&Upper Case &Tag"), htmlGroup);
    ui.cbAttrUpperCase = CheckBox("cbAttrUpperCase", QStringLiteral("&Upper Case &Attribute"), htmlGroup);
    auto *htmlLayout = new QVBoxLayout(htmlGroup);
    htmlLayout->addWidget(ui.cbTagPrompt);
    htmlLayout->addWidget(ui.cbTagUpperCase);
    htmlLayout->addWidget(ui.cbAttrUpperCase);
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
