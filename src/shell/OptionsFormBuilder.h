// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QDialog;
struct OptionsControls;

// Makes the Options dialog's pages, controls, captions and hints and lays
// them out in the dialog; the controls hold their first values afterwards
// (the dialog fills them).
class OptionsFormBuilder {
public:
    static void Build(OptionsControls &ui, QDialog &dialog);
};
