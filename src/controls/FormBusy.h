// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// The busy state of a window. Pending messages are processed first; busy
// disables the window and shows the hourglass cursor, not busy enables it
// and restores the default cursor; then the window repaints.
//
// The hourglass is one application override cursor shared by all busy
// windows: it is pushed when the first window turns busy and popped when
// the last one is no longer busy (or is destroyed), so repeated or nested
// calls in any order never leave an hourglass behind.
void SetFormBusy(QWidget *form, bool busy);

// True while SetFormBusy holds the window busy.
bool IsFormBusy(const QWidget *form);
