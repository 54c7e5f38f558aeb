// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/FakeWorkspace.h"
#include "support/ScriptedDialogs.h"

#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <memory>

class TRCRichEdit;

// Shared fixture of the tests that write into pages. Before each test
// (init): scripted dialogs installed, a scratch folder and a FakeWorkspace
// with no page open. After each (cleanup): all of it removed, pages closed
// without asking. A test class derives from it; an init() or cleanup() of
// its own calls these first.
class EditorFixture : public QObject {
    Q_OBJECT
protected slots:
    void init();
    void cleanup();

protected:
    // Opens a page holding text (not modified), selects selLength
    // characters from selStart and makes it the active page.
    TfrmMDIChild *Open(const QString &text = QString(), int selStart = 0, int selLength = 0);
    // The active page's editor.
    TRCRichEdit *Editor() const;
    // A file name in the scratch folder.
    QString Path(const QString &name) const { return FDir->filePath(name); }

    std::unique_ptr<QTemporaryDir> FDir;
    std::unique_ptr<ScriptedDialogs> FDialogs;
    std::unique_ptr<FakeWorkspace> FWorkspace;
};
