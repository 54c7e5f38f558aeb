// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FontFaces.h"

#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>

#include <memory>
#include <utility>

QString FontFaces::StyleName(const QFont &font)
{
    QFont probe(font);
    probe.setStyleName(QString());
    const QFontInfo info(probe);
    const QString name = info.styleName();
    if (name.isEmpty())
        return QString();
    // The face matched must itself be of the weight and slant asked for.
    const QFont face = QFontDatabase::font(info.family(), name, 10);
    if (face.bold() != font.bold() || face.italic() != font.italic())
        return QString();
    return name;
}

QFont FontFaces::WithStyleName(const QFont &font)
{
    QFont named(font);
    named.setStyleName(StyleName(font));
    return named;
}

void FontFaces::KeepStyleAcrossFamilies(QFontDialog &dialog)
{
    auto last = std::make_shared<QFont>(dialog.currentFont());
    QObject::connect(&dialog, &QFontDialog::currentFontChanged, &dialog, [&dialog, last](const QFont &font) {
        const QFont previous = *last;
        *last = font;
        if (font.family() == previous.family()
            || (font.bold() == previous.bold() && font.italic() == previous.italic()))
            return;
        // The face of the old weight and slant; without one, the old weight
        // upright; without that, the regular face.
        QFont wanted(font);
        wanted.setStyleName(QString());
        for (const auto &[bold, italic] : {std::pair{previous.bold(), previous.italic()},
                                           std::pair{previous.bold(), false}, std::pair{false, false}}) {
            wanted.setBold(bold);
            wanted.setItalic(italic);
            const QString name = StyleName(wanted);
            if (name.isEmpty())
                continue;
            wanted.setStyleName(name);
            *last = wanted;
            dialog.setCurrentFont(wanted);
            return;
        }
    });
}
