// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/OptionFields.h"

#include <QList>

#include <optional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QToolButton;
class QWidget;

// The controls of the Options dialog, named as the program knows them. The
// dialog owns them; OptionsFormBuilder makes them. The options of the option
// table have theirs in `options`, found by their fields.
struct OptionsControls {
    QTabWidget *PageControl = nullptr;
    // One per row of the option table, in its order: a check box for a
    // flag, a spin box for a number; null for a row the dialog does not show.
    QList<QWidget *> options;
    // General
    QComboBox *cmbBrowser = nullptr;
    QToolButton *sbSelectBrowser = nullptr;
    // Editor
    QLineEdit *editBackColor = nullptr;
    QToolButton *sbBackColor = nullptr;
    QLineEdit *editFontName = nullptr;
    QLineEdit *editFontSize = nullptr;
    QLineEdit *editFontColor = nullptr;
    QToolButton *sbFontAttr = nullptr;
    // Buttons
    QPushButton *btnOk = nullptr;
    QPushButton *btnCancel = nullptr;
    QPushButton *btnHelp = nullptr;

    // The control of an option; null when the dialog shows none.
    QCheckBox *CheckBox(bool OptionFields::*option) const;
    QSpinBox *SpinBox(int OptionFields::*option) const;
    // The value shown by the control of a row of the option table (a flag
    // as 0 or 1); nothing when the row has no control.
    std::optional<int> Value(int row) const;
    // Shows a value in the control of a row, when it has one.
    void SetValue(int row, int value) const;
};
