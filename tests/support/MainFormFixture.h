// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/TfrmMainForm.h"
#include "support/RecordingHelp.h"
#include "support/ScriptedDialogs.h"

#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <memory>

// Shared fixture of the main window's tests. Before each test (init):
// scripted dialogs and recording help installed, a scratch folder, and a
// new main window, not shown. After each (cleanup): every page marked
// unmodified so that closing asks nothing, the window and the doubles
// removed, FatalErrorText() cleared. A test class derives from it; an
// init() or cleanup() of its own calls these first.
class MainFormFixture : public QObject {
    Q_OBJECT
protected slots:
    void init();
    void cleanup();

protected:
    // A file name in the scratch folder.
    QString Path(const QString &name) const { return FDir->filePath(name); }

    std::unique_ptr<QTemporaryDir> FDir;
    std::unique_ptr<ScriptedDialogs> FDialogs;
    std::unique_ptr<RecordingHelp> FHelp;
    std::unique_ptr<TfrmMainForm> FForm;
};
