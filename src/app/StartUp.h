// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <functional>
#include <memory>

class TfrmMainForm;

// How a start should run. The program waits 3000 ms with its splash; tests
// pass 0 and check the minimum once.
struct StartUpParameters {
    int splashMinimumMs = 3000;
    int instanceWaitMs = 10000;     // longest wait for another copy's start-up
    int instanceAnswerMs = 10000;   // longest wait for the running copy's answer
    QStringList fileNames;          // page files named on the command line
    // Called with each splash message in turn (tests record the order).
    std::function<void(const QString &)> onSplashMessage;
};

// The program's start-up order: single-instance guard, splash, the
// long-lived objects in their fixed order, the splash minimum, then the
// main window. Run() returns the process exit status: 0 after a normal run
// or a hand-over, non-zero when start-up failed or a running copy did not
// answer.
class StartUp {
public:
    explicit StartUp(StartUpParameters parameters);
    ~StartUp();

    // Everything up to the message loop. Returns false when this process
    // is to end at once (another copy took over, it was still starting
    // after the longest wait, or it runs but does not answer, which is
    // reported); ExitCode() then tells the status. After a start-up
    // failure it returns true and ExitCode() is already non-zero: the
    // message loop runs only to show the failure.
    bool Prepare();
    // Prepare(), then the message loop.
    int Run();

    TfrmMainForm *MainForm() const;
    int ExitCode() const { return FExitCode; }
    // Milliseconds the splash was up (from the first tick to hiding it).
    qint64 SplashMilliseconds() const { return FSplashMs; }

private:
    struct Private;
    std::unique_ptr<Private> d;
    StartUpParameters FParameters;
    int FExitCode = 0;
    qint64 FSplashMs = 0;
};
