// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/OptionsControls.h"

#include "editor/OptionTable.h"

#include <QCheckBox>
#include <QSpinBox>

QCheckBox *OptionsControls::CheckBox(bool OptionFields::*option) const
{
    return qobject_cast<QCheckBox *>(options.value(OptionTable::IndexOf(option)));
}

QSpinBox *OptionsControls::SpinBox(int OptionFields::*option) const
{
    return qobject_cast<QSpinBox *>(options.value(OptionTable::IndexOf(option)));
}

std::optional<int> OptionsControls::Value(int row) const
{
    QWidget *control = options.value(row);
    if (const auto *box = qobject_cast<QCheckBox *>(control))
        return box->isChecked() ? 1 : 0;
    if (const auto *spin = qobject_cast<QSpinBox *>(control))
        return spin->value();
    return std::nullopt;
}

void OptionsControls::SetValue(int row, int value) const
{
    QWidget *control = options.value(row);
    if (auto *box = qobject_cast<QCheckBox *>(control))
        box->setChecked(value != 0);
    else if (auto *spin = qobject_cast<QSpinBox *>(control))
        spin->setValue(value);
}
