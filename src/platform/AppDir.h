// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The program directory: the folder that holds DATA/, HELP/, WEB PAGES/ and
// the find and replace histories. In this order it is
//   1. $QUILLON_HOME when set (created when missing);
//   2. the current directory when it holds a folder DATA;
//   3. the per-user data folder ($XDG_DATA_HOME/quillon), prepared on first
//      use by copying the shipped DATA/ and HELP/ into it.
// Paths use "/" separators, have no trailing separator and keep the case
// the file system has.
class AppDir {
public:
    // Resolves (and prepares) the folder once and keeps the answer.
    static QString Path();
    static QString DataDir();
    static QString HelpDir();
    static QString WebPagesDir();

    // Resolves the folder now and returns what went wrong preparing it, or
    // an empty text when it is ready. Start-up calls this first and puts a
    // failure into FatalErrorText.
    static QString Prepare();
    // The failure of the last resolution (empty when it went well).
    static QString Error();

    // The folder whose DATA/ and HELP/ are copied into the per-user folder:
    // <prefix>/share/quillon for an installed program, the executable's
    // folder in a build tree. Empty when neither holds a DATA folder.
    static QString ShippedDir();
    static QString ShippedDirBeside(const QString &executableDir);

    // Copies the missing files of shippedDir's DATA/ and HELP/ into userDir
    // and creates WEB PAGES/. Files the user owns (the link catalogue, the
    // setup record, templates) are never replaced; the program's own (the
    // tag catalogue, the tips, the help pages) are copied with the shipped
    // file's time and replaced whenever the shipped copy's time or size
    // differs, so an updated program brings its corrections.
    // Returns an error text, empty on success.
    static QString PrepareUserDir(const QString &userDir, const QString &shippedDir);

    // Tests: forget the resolved folder, and look for the shipped folders
    // beside another executable folder (empty: the real one).
    static void ResetForTesting();
    static void SetExecutableDirForTesting(const QString &executableDir);

private:
    static QString Resolve(QString &error);
    // refreshAll: every file of the folder belongs to the program.
    static QString CopyMissing(const QString &from, const QString &to, bool refreshAll);
};
