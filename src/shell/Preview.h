// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class PageFiles;
class Workspace;

// Shows the active page in the selected browser: the page is saved first
// when it is untitled (asking) or modified, then the browser is started as
// a program of its own with the page file as its one argument. No shell is
// involved, so blanks, quotes and other signs in either path are passed on
// as they are. The program neither waits for the browser nor watches it.
class Preview {
public:
    Preview(Workspace &workspace, PageFiles &pages);

    // browser: the selected browser's program path (empty: none chosen).
    void Run(const QString &browser);

private:
    Workspace &FWorkspace;
    PageFiles &FPages;
};
