// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/OptionFields.h"

#include <variant>
#include <vector>

// The options, one row each: where the value is stored, its field in the
// plain values, its default and range, and the control that shows it in the
// Options dialog. Loading and saving the settings, the defaults, the
// dialog's controls, its snapshot and Cancel all go through these rows.
//
// To add an option: a field in OptionFields, a row here (in OptionTable.cpp),
// and, when other code reads it, a named accessor in LiveOptions.
class OptionTable {
public:
    // The registry key that holds the value. "Options": a missing value is
    // written with its default when the options are loaded. "Editor": the
    // first run writes the value and a missing one stops the loading.
    enum class Key { Options, Editor };
    // The page of the Options dialog that shows the control; None: the
    // dialog shows none.
    enum class Page { None, General, Editor, Save, Html };

    // A flag (a check box) or a number (a spin box with its label).
    using Member = std::variant<bool OptionFields::*, int OptionFields::*>;

    struct Control {
        Page page = Page::None;
        int place = 0;                 // order on its page, from 1
        const char *name = nullptr;    // the control's name ("cbSound")
        const char *caption = nullptr; // a check box's caption, a spin box's label
    };

    struct Row {
        const char *value; // the stored value's name ("Beep")
        Member member;
        int defaultValue; // a flag's is 0 or 1
        int minimum = 0;  // a number is held to its range
        int maximum = 1;
        Key key = Key::Options;
        Control control = {};
        bool OptionFields::*enabledBy = nullptr; // the flag that enables its control
    };

    // In the order the values are read and written.
    static const std::vector<Row> &Rows();
    // The row of a field; -1 when it has none.
    static int IndexOf(const Member &member);

    static bool IsFlag(const Row &row);
    // The field's value as stored: a flag as 0 or 1.
    static int Get(const OptionFields &values, const Row &row);
    // Sets the field from a stored value: a flag is on for anything but 0,
    // a number is held to the row's range.
    static void Set(OptionFields &values, const Row &row, int value);
};
