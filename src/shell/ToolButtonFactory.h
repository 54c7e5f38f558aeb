// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QIcon>
#include <QString>

class QToolButton;
class QWidget;

// How a button of the tool bar or the tag notebook bar looks besides its
// glyph (the short text shown when there is no icon).
struct ButtonLook {
    const char *themeIcon = nullptr; // desktop theme icon, tried first
    int standardPixmap = -1;         // QStyle::StandardPixmap when the theme has none
    QIcon (*drawIcon)() = nullptr;   // a drawn icon when neither exists
    int fontStyle = 0;               // GlyphStyle flags for the text
};

enum GlyphStyle { gsItalic = 1, gsUnderline = 2, gsStrikeOut = 4 };

// Builds the flat 25 x 25 buttons from their definitions.
class ToolButtonFactory {
public:
    static constexpr int ButtonSize = 25;

    // name: object name ("sbB"); glyph: "&&" for "&"; hint: "Short| long".
    static QToolButton *Create(QWidget *parent, const char *name, const char *glyph,
                               const char *hint, const ButtonLook &look);
    // A small bold font in which every line of the text fits a button.
    static QFont GlyphFont(const QString &text, const QFont &base, int fontStyle = 0);
    // The icon of a look, or a null icon when the button shows its glyph.
    static QIcon IconFor(const ButtonLook &look, const QWidget *styleSource);

    // Drawn icons: four colour swatches (colour selector), and four lines
    // of text aligned left, centred or right.
    static QIcon ColorSwatchIcon();
    static QIcon AlignLeftIcon();
    static QIcon AlignCenterIcon();
    static QIcon AlignRightIcon();
};
