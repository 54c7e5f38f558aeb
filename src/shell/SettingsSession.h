// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <memory>

class TfrmMainForm;
class TfrmOptions;

// The moments when the main window meets the stored settings: at start-up
// (first-run setup or the stored work state, then the options), and at
// close (recent files and work state). Start-up and the main window call
// these; the rules themselves live in SettingsStore, WorkState and
// RecentFiles.
class SettingsSession {
public:
    using SplashMessage = std::function<void(const QString &)>;

    // After the main window's creation: runs the first-run setup or loads
    // the work state, then applies the stored placement. A failure leaves
    // its text in FatalErrorText.
    static void LoadWorkState(TfrmMainForm &form, const SplashMessage &splashMessage);

    // Creates the options dialog with the stored options, browsers and
    // recent files; it becomes the live copy of the options. Then warns
    // once about every stored value that was ignored for being of the wrong
    // kind. Saving at the end is arranged through its save handler.
    static std::unique_ptr<TfrmOptions> CreateOptions(TfrmMainForm &form);

    // At close: the recent-file list and the work state. A failure to save
    // the work state is reported; closing goes on.
    static void SaveAtClose(TfrmMainForm &form);
};
