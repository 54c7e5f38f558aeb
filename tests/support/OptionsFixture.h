// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/OptionsData.h"
#include "shell/TfrmOptions.h"
#include "support/FakeOptionsTarget.h"
#include "support/ScriptedDialogs.h"

#include <QObject>
#include <QStringList>
#include <memory>

// Shared fixture of the options dialog's tests. Before each test (init):
// scripted dialogs installed, a FakeOptionsTarget with no page open and an
// options dialog on it (not shown, not yet filled). After each (cleanup):
// the pages closed without asking, the dialog, the target and the doubles
// removed. A test class derives from it; an init() or cleanup() of its own
// calls these first.
class OptionsFixture : public QObject {
    Q_OBJECT
protected slots:
    void init();
    void cleanup();

protected:
    // Settings that differ from the defaults: no word wrap, Courier New 8
    // in maroon (#800000) on silver (#C0C0C0), auto save every 7 minutes,
    // 5 recent files, no tips at start-up, only the message bar shown, the
    // browsers "/usr/bin/firefox" and "/opt/Falkon/falkon" with the second
    // chosen, and one custom colour (1, 2, 3).
    static OptionsData SampleData();
    // The texts of the message boxes asked so far, in order.
    QStringList MessageTexts() const;

    std::unique_ptr<ScriptedDialogs> FDialogs;
    std::unique_ptr<FakeOptionsTarget> FTarget;
    std::unique_ptr<TfrmOptions> FForm;
};
