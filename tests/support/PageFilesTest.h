// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/PageFileWriter.h"
#include "editor/PageFiles.h"
#include "support/EditorFixture.h"
#include "support/TestFiles.h"

#include <QtTest>

// Shared fixture of the page-file tests: the editor fixture with backup
// and autosave off, and short ways to open and save pages. Call SetUp()
// from init() and TearDown() from cleanup().
class PageFilesTest : public EditorFixture {
protected:
    void SetUp()
    {
        EditorFixture::init();
        FWorkspace->options.backup = false;
        FWorkspace->options.autoSave = false;
    }
    void TearDown()
    {
        PageFileWriter::SetFailAfterBytesForTesting(-1);
        EditorFixture::cleanup();
    }

    // Opens the page file at path (this fixture's pages come from files).
    TfrmMDIChild *Open(const QString &path) { return PageFiles(*FWorkspace).OpenPage(path); }
    bool Save(TfrmMDIChild *page, const QString &mode = QStringLiteral("Save"))
    {
        return PageFiles(*FWorkspace).SavePage(page, mode, QStringLiteral("Save..."));
    }
    static QByteArray ReadBytes(const QString &path) { return TestFiles::ReadBytes(path); }
    static void WriteBytes(const QString &path, const QByteArray &bytes)
    {
        QVERIFY(TestFiles::WriteBytes(path, bytes));
    }

    static inline const QByteArray OldPage = QByteArrayLiteral("<HTML>\r\nold page\r\n</HTML>\r\n");
};
