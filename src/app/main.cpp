// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StartUp.h"
#include "platform/NativeFileName.h"
#include "shell/ProgramIcon.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillon"));
    // Outside a desktop session no icon theme is chosen; the standard
    // icons then come from Adwaita when it is installed.
    QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
    QApplication::setWindowIcon(ProgramIcon::Icon());

    StartUpParameters parameters;
    // The names by their own bytes (Qt has taken its own options out of
    // argv by now): a name that is not valid UTF-8 still reaches its file.
    for (int i = 1; i < argc; ++i)
        parameters.fileNames << NativeFileName::Decode(argv[i]);
    StartUp startUp(std::move(parameters));
    return startUp.Run();
}
