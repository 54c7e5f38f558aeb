// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QIcon>
#include <QString>

class QToolButton;
class QWidget;

// One button of the tool bar or the tag notebook bar.
struct ButtonDef {
    const char *name;            // object name, e.g. "sbB"
    const char *glyph;           // short text shown when there is no icon ("&&" for "&")
    const char *hint;            // "Short| long text"
    const char *themeIcon = nullptr;   // desktop theme icon, tried first
    int standardPixmap = -1;           // QStyle::StandardPixmap when the theme has none
    QIcon (*drawIcon)() = nullptr;     // a drawn icon when neither exists
    int fontStyle = 0;                 // GlyphStyle flags for the text
};

enum GlyphStyle { gsItalic = 1, gsUnderline = 2, gsStrikeOut = 4 };

// Builds the flat 25 x 25 buttons from their definitions.
class ToolButtonFactory {
public:
    static constexpr int ButtonSize = 25;

    static QToolButton *Create(QWidget *parent, const ButtonDef &def);
    // A small bold font in which every line of the text fits a button.
    static QFont GlyphFont(const QString &text, const QFont &base, int fontStyle = 0);
    // The icon of a definition, or a null icon when it is shown as text.
    static QIcon IconFor(const ButtonDef &def, const QWidget *styleSource);
};
