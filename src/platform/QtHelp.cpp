// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtHelp.h"

#include "platform/AppDir.h"
#include "platform/Dialogs.h"
#include "platform/HelpIndex.h"
#include "platform/HelpWindow.h"

#include <QCoreApplication>
#include <QDir>

QtHelp::QtHelp(const QString &folder) : FFolder(folder)
{
}

QtHelp::~QtHelp()
{
    // The window is a top-level window of its own; it goes with us while the
    // application still exists.
    if (QCoreApplication::instance())
        delete FWindow.data();
}

HelpWindow *QtHelp::Window() const
{
    return FWindow.data();
}

HelpWindow *QtHelp::EnsureWindow()
{
    if (FWindow)
        return FWindow;
    const QString folder = FFolder.isEmpty() ? AppDir::HelpDir() : FFolder;
    const HelpIndex index(folder);
    if (index.IsEmpty()) {
        const QString reason = QDir(folder).exists()
            ? QStringLiteral("the folder %1 holds no help pages.")
            : QStringLiteral("the folder %1 does not exist.");
        Dialogs::Instance().MessageBox(
            MsgKind::Warning,
            QStringLiteral("Can not open the help: ") + reason.arg(QDir::toNativeSeparators(folder)),
            mbOK);
        return nullptr;
    }
    FWindow = new HelpWindow(index);
    if (auto *app = QCoreApplication::instance())
        QObject::connect(app, &QCoreApplication::aboutToQuit, FWindow.data(), &QObject::deleteLater);
    return FWindow;
}

void QtHelp::ShowTopic(const QString &topic)
{
    HelpWindow *window = EnsureWindow();
    if (!window)
        return;
    const QString file = window->Index().FileForTopic(topic);
    if (file.isEmpty())
        window->ShowContentsWithNote(
            QStringLiteral("The topic \"%1\" is not in the help.").arg(topic.trimmed()));
    else
        window->ShowPage(file);
    window->Present();
}

void QtHelp::ShowContext(int context)
{
    HelpWindow *window = EnsureWindow();
    if (!window)
        return;
    const QString file = window->Index().FileForContext(context);
    if (file.isEmpty())
        window->ShowContentsWithNote(
            QStringLiteral("Help context %1 is not in the help.").arg(context));
    else
        window->ShowPage(file);
    window->Present();
}

void QtHelp::ShowFinder()
{
    HelpWindow *window = EnsureWindow();
    if (!window)
        return;
    if (window->CurrentFile().isEmpty())
        window->ShowPage(window->Index().ContentsFile());
    window->Present();
    window->FocusFinder();
}
