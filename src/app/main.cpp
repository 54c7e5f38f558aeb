// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StartUp.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillon"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quillon"));

    StartUpParameters parameters;
    parameters.fileNames = QApplication::arguments().mid(1);
    StartUp startUp(std::move(parameters));
    return startUp.Run();
}
