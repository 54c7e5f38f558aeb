// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The scripted dialogs are a test double of tests/support; this header only
// keeps the old include "platform/ScriptedDialogs.h" working until every test
// includes "support/ScriptedDialogs.h".
#include "support/ScriptedDialogs.h"
