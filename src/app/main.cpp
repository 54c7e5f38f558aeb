// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StartUp.h"
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
    parameters.fileNames = QApplication::arguments().mid(1);
    StartUp startUp(std::move(parameters));
    return startUp.Run();
}
