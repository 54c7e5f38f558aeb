// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ScriptedDialogs.h"

#include <QtGlobal>

#include <algorithm>

namespace {

QString buttonNames(MsgButtons buttons)
{
    QStringList names;
    if (buttons & mbOK)
        names << QStringLiteral("OK");
    if (buttons & mbYes)
        names << QStringLiteral("Yes");
    if (buttons & mbNo)
        names << QStringLiteral("No");
    if (buttons & mbCancel)
        names << QStringLiteral("Cancel");
    return names.isEmpty() ? QStringLiteral("none") : names.join(QLatin1Char('|'));
}

ScriptedDialogs::Call callOf(ScriptedDialogs::CallKind kind)
{
    ScriptedDialogs::Call call;
    call.kind = kind;
    return call;
}

// The way out that changes nothing.
MsgButton harmlessAnswer(MsgButtons buttons)
{
    if (buttons & mbCancel)
        return mbCancel;
    if (buttons & mbNo)
        return mbNo;
    return mbOK;
}

} // namespace

ScriptedDialogs::ScriptedDialogs()
{
    Dialogs::SetInstance(this);
}

ScriptedDialogs::~ScriptedDialogs()
{
    const qsizetype unused = FMessageAnswers.size() + FFileAnswers.size() + FColorAnswers.size()
        + FFontAnswers.size() + FPrintAnswers.size() + FPrinterSetupAnswers.size();
    if (unused > 0)
        qWarning("ScriptedDialogs: %lld scripted answer(s) were never asked for",
                 qlonglong(unused));
    if (&Dialogs::Instance() == this)
        Dialogs::SetInstance(nullptr);
}

void ScriptedDialogs::AnswerMessage(MsgButton answer)
{
    FMessageAnswers.enqueue(answer);
}

void ScriptedDialogs::AnswerFile(const QString &fileName, int filterIndex)
{
    FFileAnswers.enqueue(FileDialogResult{fileName, filterIndex});
}

void ScriptedDialogs::AnswerColor(std::optional<QColor> color)
{
    FColorAnswers.enqueue(color);
}

void ScriptedDialogs::AnswerFont(std::optional<QFont> font)
{
    FFontAnswers.enqueue(font);
}

void ScriptedDialogs::AnswerPrint(bool confirm)
{
    FPrintAnswers.enqueue(confirm);
}

void ScriptedDialogs::AnswerPrinterSetup(bool confirm)
{
    FPrinterSetupAnswers.enqueue(confirm);
}

QList<ScriptedDialogs::Call> ScriptedDialogs::Messages() const
{
    QList<Call> messages;
    for (const Call &call : calls) {
        if (call.kind == CallKind::Message)
            messages.append(call);
    }
    return messages;
}

int ScriptedDialogs::BeepCount() const
{
    return int(std::count_if(calls.cbegin(), calls.cend(),
                             [](const Call &call) { return call.kind == CallKind::Beep; }));
}

void ScriptedDialogs::Clear()
{
    calls.clear();
    FMessageAnswers.clear();
    FFileAnswers.clear();
    FColorAnswers.clear();
    FFontAnswers.clear();
    FPrintAnswers.clear();
    FPrinterSetupAnswers.clear();
}

MsgButton ScriptedDialogs::MessageBox(MsgKind kind, const QString &text, MsgButtons buttons)
{
    Call call = callOf(CallKind::Message);
    call.msgKind = kind;
    call.text = text;
    call.buttons = buttons;
    calls.append(call);

    if (FMessageAnswers.isEmpty())
        return harmlessAnswer(buttons);
    const MsgButton answer = FMessageAnswers.dequeue();
    const MsgButtons offered = buttons ? buttons : MsgButtons(mbOK);
    if (!(offered & answer)) {
        // The script and the program disagree about this message: stop here,
        // naming both, rather than let the test go on down a path no user
        // could take.
        qFatal(
            "ScriptedDialogs: scripted answer %s is not among the buttons %s of the message \"%s\"",
            qPrintable(buttonNames(answer)), qPrintable(buttonNames(offered)), qPrintable(text));
    }
    return answer;
}

FileDialogResult ScriptedDialogs::FileDialog(const FileDialogRequest &request)
{
    Call call = callOf(CallKind::File);
    call.text = request.title;
    call.file = request;
    calls.append(call);
    if (FFileAnswers.isEmpty())
        return FileDialogResult{QString(), request.filterIndex};
    return FFileAnswers.dequeue();
}

std::optional<QColor> ScriptedDialogs::ColorDialog(const QColor &initial, bool fullOpen,
                                                   QList<QColor> &customColors)
{
    Q_UNUSED(customColors);
    Call call = callOf(CallKind::Color);
    call.initialColor = initial;
    call.fullOpen = fullOpen;
    calls.append(call);
    if (FColorAnswers.isEmpty())
        return std::nullopt;
    return FColorAnswers.dequeue();
}

std::optional<QFont> ScriptedDialogs::FontDialog(const QFont &initial)
{
    Q_UNUSED(initial);
    calls.append(callOf(CallKind::Font));
    if (FFontAnswers.isEmpty())
        return std::nullopt;
    return FFontAnswers.dequeue();
}

bool ScriptedDialogs::PrintDialog(QPrinter &printer)
{
    Q_UNUSED(printer);
    calls.append(callOf(CallKind::Print));
    return !FPrintAnswers.isEmpty() && FPrintAnswers.dequeue();
}

bool ScriptedDialogs::PrinterSetupDialog(QPrinter &printer)
{
    Q_UNUSED(printer);
    calls.append(callOf(CallKind::PrinterSetup));
    return !FPrinterSetupAnswers.isEmpty() && FPrinterSetupAnswers.dequeue();
}

void ScriptedDialogs::Beep()
{
    calls.append(callOf(CallKind::Beep));
}
