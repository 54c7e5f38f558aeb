// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Dialogs.h"

#include <QList>
#include <QQueue>

// A Dialogs double for tests: answers from a script and records every
// call, so a test can assert the exact kind, buttons and text that the
// program asked. Nothing is ever shown, so no test can block on it.
// Without a scripted answer it takes the harmless way out: Cancel (or No,
// or OK) for message boxes, and Cancel for every other dialog.
class ScriptedDialogs : public Dialogs {
public:
    enum class CallKind { Message, File, Color, Font, Print, PrinterSetup, Beep };
    struct Call {
        CallKind kind;
        MsgKind msgKind = MsgKind::Information; // message boxes
        QString text;                           // message text or dialog title
        MsgButtons buttons = 0;                 // message boxes
        FileDialogRequest file;                 // file dialogs
        QColor initialColor;                    // colour dialog
        bool fullOpen = false;                  // colour dialog
    };

    // Installs itself as Dialogs::Instance() for its lifetime.
    ScriptedDialogs();
    ~ScriptedDialogs() override;

    // Answers, consumed first in first out, per kind of dialog.
    void AnswerMessage(MsgButton answer);
    void AnswerFile(const QString &fileName, int filterIndex = 0); // "" = Cancel
    void AnswerColor(std::optional<QColor> color);
    void AnswerFont(std::optional<QFont> font);
    void AnswerPrint(bool confirm);
    void AnswerPrinterSetup(bool confirm);

    // What was asked, in order.
    QList<Call> calls;
    QList<Call> Messages() const; // the message boxes only
    int BeepCount() const;
    void Clear(); // forget calls and unused answers

    MsgButton MessageBox(MsgKind kind, const QString &text, MsgButtons buttons) override;
    FileDialogResult FileDialog(const FileDialogRequest &request) override;
    std::optional<QColor> ColorDialog(const QColor &initial, bool fullOpen,
                                      QList<QColor> &customColors) override;
    std::optional<QFont> FontDialog(const QFont &initial) override;
    bool PrintDialog(QPrinter &printer) override;
    bool PrinterSetupDialog(QPrinter &printer) override;
    void Beep() override;

private:
    QQueue<MsgButton> FMessageAnswers;
    QQueue<FileDialogResult> FFileAnswers;
    QQueue<std::optional<QColor>> FColorAnswers;
    QQueue<std::optional<QFont>> FFontAnswers;
    QQueue<bool> FPrintAnswers;
    QQueue<bool> FPrinterSetupAnswers;
};
