// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class QPrinter;
class QWidget;

// The kinds of modal message box the program shows.
enum class MsgKind { Warning, Error, Information, Confirmation };

// Buttons of a message box, combinable; the answer is one of them.
enum MsgButton : int { mbOK = 1, mbYes = 2, mbNo = 4, mbCancel = 8 };
using MsgButtons = int;
inline constexpr MsgButtons mbYesNo = mbYes | mbNo;
inline constexpr MsgButtons mbYesNoCancel = mbYes | mbNo | mbCancel;

// What an open or save dialog is asked to show.
struct FileDialogRequest {
    enum class Mode { Open, Save };
    Mode mode = Mode::Open;
    QString title;
    QString initialDir;
    QString fileName;    // proposed name, may be a pattern such as "*.htm"
    QString defaultExt;  // without the dot; appended when the user types none
    QStringList filters; // Qt filter syntax: "HTML Document (*.htm)"
    int filterIndex = 0; // 0-based index into filters
};

// The user's answer: an empty fileName means Cancel.
struct FileDialogResult {
    QString fileName;
    int filterIndex = 0;
    bool accepted() const { return !fileName.isEmpty(); }
};

// Every modal dialog of the operating system goes through this interface:
// message boxes, file, colour, font and printer dialogs, and the beep.
// The program holds one instance (Dialogs::Instance()); tests install
// ScriptedDialogs, the test double in tests/support, which answers from a
// script and records every call.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual MsgButton MessageBox(MsgKind kind, const QString &text, MsgButtons buttons) = 0;
    virtual FileDialogResult FileDialog(const FileDialogRequest &request) = 0;
    // fullOpen: the dialog shows its custom-colour part at once.
    // customColors is read as the dialog's custom list and updated from it.
    virtual std::optional<QColor> ColorDialog(const QColor &initial, bool fullOpen,
                                              QList<QColor> &customColors) = 0;
    virtual std::optional<QFont> FontDialog(const QFont &initial) = 0;
    // The print dialog on the given printer; true when the user confirms.
    virtual bool PrintDialog(QPrinter &printer) = 0;
    // The printer set-up (page set-up) dialog; true when the user confirms.
    virtual bool PrinterSetupDialog(QPrinter &printer) = 0;
    // The default system beep.
    virtual void Beep() = 0;

    // The program-wide instance; a Qt implementation unless one was set.
    static Dialogs &Instance();
    // Installs an instance (not owned); nullptr restores the Qt one.
    static void SetInstance(Dialogs *dialogs);
    // Parent for the modal dialogs of the Qt implementation.
    static void SetParentWindow(QWidget *parent);
    static QWidget *ParentWindow();
};
