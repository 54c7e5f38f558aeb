// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QToolButton;

// The controls of the Options dialog, by page, named as the program knows
// them. The dialog owns them; OptionsFormBuilder makes them.
struct OptionsControls {
    QTabWidget *PageControl = nullptr;
    // General
    QCheckBox *cbSound = nullptr;
    QCheckBox *cbTagsMenu = nullptr;
    QCheckBox *cbShowTagInspector = nullptr;
    QComboBox *cmbBrowser = nullptr;
    QToolButton *sbSelectBrowser = nullptr;
    // Editor
    QLineEdit *editBackColor = nullptr;
    QToolButton *sbBackColor = nullptr;
    QLineEdit *editFontName = nullptr;
    QLineEdit *editFontSize = nullptr;
    QLineEdit *editFontColor = nullptr;
    QToolButton *sbFontAttr = nullptr;
    QCheckBox *cbWordWrap = nullptr;
    // Save
    QCheckBox *cbBackup = nullptr;
    QCheckBox *cbAutoSave = nullptr;
    QSpinBox *spnSaveInterval = nullptr;
    QCheckBox *cbRUFList = nullptr;
    QSpinBox *spnRUFEntries = nullptr;
    // HTML
    QCheckBox *cbTagPrompt = nullptr;
    QCheckBox *cbTagUpperCase = nullptr;
    QCheckBox *cbAttrUpperCase = nullptr;
    // Buttons
    QPushButton *btnOk = nullptr;
    QPushButton *btnCancel = nullptr;
    QPushButton *btnHelp = nullptr;
};
