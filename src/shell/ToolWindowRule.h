// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// How the commands that open a tool window (Tag Inspector, Link Manager,
// Special Characters) bring it up: a hidden window is shown, a shown one
// comes to the front, a minimised one is restored.
void ShowToolWindow(QWidget *window);
