// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The help system: HTML pages in AppDir::HelpDir(), opened at a topic by
// name, at a help context by number, or at the topic finder. The program
// holds one instance (Help::Instance()); tests install RecordingHelp, the
// test double in tests/support, which notes every request and shows nothing.
class Help {
public:
    virtual ~Help() = default;

    // A topic by name ("CONTENTS", "TAG_INSPECTOR"); names compare without
    // regard to case.
    virtual void ShowTopic(const QString &topic) = 0;
    // The page that declares this help context number.
    virtual void ShowContext(int context) = 0;
    // The topic finder.
    virtual void ShowFinder() = 0;

    // The program-wide instance; the Qt help window unless one was set.
    static Help &Instance();
    // Installs an instance (not owned); nullptr restores the Qt one.
    static void SetInstance(Help *help);
};
