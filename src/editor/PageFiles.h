// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class TfrmMDIChild;
class Workspace;

// The pages shown in document windows: creating, opening and saving them.
// File names are used as the file system spells them; only captions show
// them in capitals.
class PageFiles {
public:
    explicit PageFiles(Workspace &workspace);

    // Opens a new empty, untitled document window captioned "Quillon  N",
    // N being the number of document windows open before it plus one.
    // Returns the new window, or nullptr when it could not be created (the
    // user has then been told why).
    TfrmMDIChild *NewPage();

    // Opens a page file in a new document window; an empty name asks the
    // open prompt first. The name is taken exactly as given, never trimmed.
    // A page that is open already (the same file, also through another path
    // to it) is brought to the front instead; anything but a regular file
    // is refused. Returns the page's window, or nullptr when nothing was
    // opened.
    TfrmMDIChild *OpenPage(const QString &name = QString());

    // Saves a document window's page. mode is "Save" (the save prompt only
    // for an untitled page) or "Save As" (always the prompt); statusText is
    // what the progress flash shows after a successful write ("Save...",
    // "Autosave..."). With the backup option on, the backup copy is written
    // first. True when the page was written. A failed write leaves the old
    // file and backup as they were, the page modified and its name as it
    // was. A page is never saved onto the file of another open window, and
    // a file another program changed since it was loaded or saved is only
    // overwritten when the user says so.
    bool SavePage(TfrmMDIChild *child, const QString &mode, const QString &statusText);

    // Saves every open page in turn, each brought to the front first; an
    // untitled one by "Save As". The result is that of the last save.
    bool SaveAllPages();

    // The backup copy of a page file: the last three characters of the name
    // replaced by "BAK", or for a name ending in "TML" (any case) the last
    // four by "BAKU". Only the file-name part is ever cut, and the suffix
    // is written in lower case when the part it replaces has lower-case
    // letters.
    static QString BackupFileName(const QString &fileName);

    // The real path of a file: symbolic links resolved, or the absolute
    // clean path when the file does not exist. Pages compare by it.
    static QString RealPath(const QString &fileName);

private:
    TfrmMDIChild *CreateNewPage();
    TfrmMDIChild *FindOpenPage(const QString &realPath) const;
    bool MayWrite(TfrmMDIChild *child, const QString &fileName);
    bool WritePage(TfrmMDIChild *child, const QString &fileName);
    void ReportSaveFailure(const QString &fileName, const QString &detail = QString());
    Workspace &FWorkspace;
};
