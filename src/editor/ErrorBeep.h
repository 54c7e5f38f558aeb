// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class LiveOptions;

// The beep rule for a refused action: pending messages are processed, then
// the system beep sounds only when the sound option is on.
void ErrorBeep(const LiveOptions &options);
