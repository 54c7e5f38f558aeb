// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>

class QFontDialog;

// The installed faces behind a font. A font dialog selects a face by its
// style name ("Book", "Regular", "Bold Oblique"); when a font names none
// that the family has, the dialog falls back to the first face it lists,
// which may well be an oblique or a bold one. A font that names its own
// face keeps its style through the dialog.
class FontFaces {
public:
    // The style name of the installed face that the font's family, weight
    // and slant resolve to; empty when that face is not installed (the
    // style would be synthesised).
    static QString StyleName(const QFont &font);
    // The font naming that face (or no face, when there is none).
    static QFont WithStyleName(const QFont &font);

    // Makes the dialog keep the weight and slant when the user picks
    // another family: left alone, it takes the new family's first listed
    // face whenever the old face's name is not among the new family's.
    static void KeepStyleAcrossFamilies(QFontDialog &dialog);
};
