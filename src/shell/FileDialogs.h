// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Dialogs.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

class QWidget;
class TfrmMDIChild;

// The main window's file and colour dialog services. It keeps one open and
// one save dialog (what each shows persists between uses) and the working
// folder, the folder of the last file chosen, in which both dialogs open.
//
// File names come back exactly as the user chose or typed them: never
// trimmed, never put into another letter case.
class FileDialogs {
public:
    // Modes of RunFileDialog.
    enum Mode { ModeSave = 0, ModeSaveAs = 1, ModeSelect = 2, ModeOpen = 3, ModeSaveTemp = 4 };
    // What PickColor returns when the user cancels.
    static constexpr int ColorCancelled = -100;

    // workDir and customColors are the main window's and are kept up to
    // date here; mainWindow (may be null) is repainted after a dialog.
    FileDialogs(QString &workDir, QList<QColor> &customColors, QWidget *mainWindow = nullptr);

    // Runs the dialog of a mode ("Select" dialogs by kind: EXE, GIF, HTM,
    // TXT, WAV, EMBED, AVI, JS). Returns the chosen file, its full path
    // when fullPath is set, else its name part; empty when cancelled (the
    // working folder is then left as it was).
    QString RunFileDialog(int mode, const QString &kind, bool fullPath);
    // "Save" 0, "Save As" 1, "Select" 2, "Open" 3, "SaveTemp" 4, compared
    // without regard to case; any other word 0.
    static int DialogKindToMode(const QString &word);

    // The colour dialog, starting at silver; restricted keeps it from
    // opening in its full (custom colour) form. Returns the colour as
    // 0xRRGGBB, or ColorCancelled.
    int PickColor(bool restricted);

    // The first free generated page name, "varo0001.htm" to "varo9999.htm",
    // in the working folder (or the program's "WEB PAGES" folder when there
    // is none); a name is taken when a file of that name exists in any
    // letter case. Empty when all are taken.
    QString NextNewPageFileName() const;

    // The Save As dialog seeded with a file name; the chosen file, or the
    // given name unchanged when the user cancels.
    QString SaveAsDialogFor(const QString &fileName);

    // How find results name a document: its file name, or for an untitled
    // page its caption in capitals.
    static QString DocumentTitle(const TfrmMDIChild &document);

    // A filter as "caption|pattern|caption|pattern" in Qt's filter syntax,
    // captions kept as written; "*.*" matches every file.
    static QStringList QtFilters(const QString &filter);

    // What the two dialogs will show at their next use.
    const FileDialogRequest &OpenDialog() const { return FOpen; }
    const FileDialogRequest &SaveDialog() const { return FSave; }

private:
    static QString ChosenFileName(const FileDialogRequest &request);
    void Repaint();

    QString &FWorkDir;
    QList<QColor> &FCustomColors;
    QWidget *FMainWindow;
    FileDialogRequest FOpen;
    FileDialogRequest FSave;
};
