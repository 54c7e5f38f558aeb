// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Dialogs.h"

class QFileDialog;
class QMessageBox;

// The dialogs the user really sees: Qt's message box, file, colour, font,
// print and page set-up dialogs, each modal to Dialogs::ParentWindow() or,
// when none is set, to the active window.
class QtDialogs : public Dialogs {
public:
    MsgButton MessageBox(MsgKind kind, const QString &text, MsgButtons buttons) override;
    FileDialogResult FileDialog(const FileDialogRequest &request) override;
    std::optional<QColor> ColorDialog(const QColor &initial, bool fullOpen,
                                      QList<QColor> &customColors) override;
    std::optional<QFont> FontDialog(const QFont &initial) override;
    bool PrintDialog(QPrinter &printer) override;
    bool PrinterSetupDialog(QPrinter &printer) override;
    void Beep() override;

    // The pieces of the dialogs above that need no user, so that tests can
    // check them without showing anything.
    static QString MessageTitle(MsgKind kind);
    // The program's texts break lines with carriage returns.
    static QString MessageText(const QString &text);
    static void PrepareMessageBox(QMessageBox &box, MsgKind kind, const QString &text,
                                  MsgButtons buttons);
    static MsgButton AnswerOf(const QMessageBox &box, int execResult);
    static void PrepareFileDialog(QFileDialog &dialog, const FileDialogRequest &request);
    static FileDialogResult ResultOf(const QFileDialog &dialog, const FileDialogRequest &request);

private:
    static QWidget *DialogParent();
};
