// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A small help folder for the help tests, FFolder (HELP in the scratch
// folder FTemp): the contents linking to the Tag Inspector's page, an
// options page with context 11, "Wizards.HTML" with contexts 7 and 9 in
// odd markup, a page without a title and a text file that is no page.
// A test class derives from it beside QObject.
class SampleHelp {
protected:
    SampleHelp();

    QTemporaryDir FTemp;
    QString FFolder;

private:
    void write(const QString &name, const QByteArray &html);
    static QByteArray page(const QByteArray &title, const QByteArray &body,
                           const QByteArray &head = QByteArray());
};
