// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Help.h"

#include <QPointer>
#include <QString>

class HelpWindow;

// The program's help: the help window over the pages of the help folder,
// created on first use and then kept; each request brings it forward. A
// missing or empty help folder is reported through Dialogs and nothing is
// shown.
class QtHelp : public Help {
public:
    // folder: the help folder; empty means AppDir::HelpDir().
    explicit QtHelp(const QString &folder = QString());
    ~QtHelp() override;

    void ShowTopic(const QString &topic) override;
    void ShowContext(int context) override;
    void ShowFinder() override;

    // The window once it exists (tests).
    HelpWindow *Window() const;

private:
    HelpWindow *EnsureWindow();

    QString FFolder;
    QPointer<HelpWindow> FWindow;
};
