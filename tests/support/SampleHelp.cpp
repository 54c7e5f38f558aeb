// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/SampleHelp.h"

#include <QDir>
#include <QFile>

SampleHelp::SampleHelp()
{
    FFolder = FTemp.path() + QStringLiteral("/HELP");
    QDir().mkpath(FFolder);
    write(QStringLiteral("contents.html"),
          page("Contents", "<p>See <a href=\"tag_inspector.html\">the inspector</a>.</p>"));
    write(QStringLiteral("tag_inspector.html"),
          page("The Tag &amp; Inspector",
               "<h1>Inspector</h1><p>Tick Include in the attribute grid.</p>"));
    write(QStringLiteral("options.html"),
          page("Options", "<p>Word wrap and the grid colour.</p>",
               "<meta name=\"quillon-context\" content=\"11\">"));
    // Attributes in any order and quoting, names in any case, two numbers.
    write(QStringLiteral("Wizards.HTML"),
          page("Wizards and Äpfel", "<p>Steps of the wizard.</p>",
               "<META CONTENT='7, 9' Name=Quillon-Context>"));
    write(QStringLiteral("untitled.html"), page(QByteArray(), "<p>No title here.</p>"));
    write(QStringLiteral("notes.txt"), "not a page");
}

void SampleHelp::write(const QString &name, const QByteArray &html)
{
    QFile file(FFolder + QLatin1Char('/') + name);
    if (file.open(QIODevice::WriteOnly))
        file.write(html);
}

QByteArray SampleHelp::page(const QByteArray &title, const QByteArray &body, const QByteArray &head)
{
    QByteArray html = "<html><head><meta charset=\"utf-8\">" + head;
    if (!title.isNull())
        html += "<title>" + title + "</title>";
    return html + "</head><body>" + body + "</body></html>";
}
