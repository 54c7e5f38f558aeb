// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/FakeWorkspace.h"
#include "support/TestFiles.h"
#include "editor/PageFileWriter.h"
#include "editor/PageFiles.h"
#include "support/ScriptedDialogs.h"

#include <QObject>
#include <QTemporaryDir>
#include <QtTest>

// Shared fixture of the page-file tests: a scratch folder, scripted
// dialogs, a workspace with backup and autosave off, and short ways to open
// and save pages. Call SetUp() from init() and TearDown() from cleanup().
class PageFilesTest : public QObject {
protected:
    void SetUp()
    {
        FDir = new QTemporaryDir;
        FDialogs = new ScriptedDialogs;
        FWorkspace = new FakeWorkspace;
        FWorkspace->options.backup = false;
        FWorkspace->options.autoSave = false;
    }
    void TearDown()
    {
        PageFileWriter::SetFailAfterBytesForTesting(-1);
        delete FWorkspace;
        delete FDialogs;
        delete FDir;
    }

    TfrmMDIChild *Open(const QString &path) { return PageFiles(*FWorkspace).OpenPage(path); }
    bool Save(TfrmMDIChild *page, const QString &mode = QStringLiteral("Save"))
    {
        return PageFiles(*FWorkspace).SavePage(page, mode, QStringLiteral("Save..."));
    }
    QString Path(const QString &name) const { return FDir->filePath(name); }
    static QByteArray ReadBytes(const QString &path) { return TestFiles::ReadBytes(path); }
    static void WriteBytes(const QString &path, const QByteArray &bytes)
    {
        QVERIFY(TestFiles::WriteBytes(path, bytes));
    }

    static inline const QByteArray OldPage = QByteArrayLiteral("<HTML>\r\nold page\r\n</HTML>\r\n");

    QTemporaryDir *FDir = nullptr;
    ScriptedDialogs *FDialogs = nullptr;
    FakeWorkspace *FWorkspace = nullptr;
};
