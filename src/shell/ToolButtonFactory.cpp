// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ToolButtonFactory.h"

#include "controls/Hints.h"

#include <QFontMetrics>
#include <QStyle>
#include <QToolButton>

namespace {
// Room for the glyph inside the button's raised frame.
constexpr int GlyphRoom = ToolButtonFactory::ButtonSize - 3;
constexpr int LargestGlyphPixels = 12;
constexpr int SmallestGlyphPixels = 7;
// Long tags are drawn narrower before they are drawn smaller.
constexpr int NarrowStretch = 80;
}

QFont ToolButtonFactory::GlyphFont(const QString &text, const QFont &base, int fontStyle)
{
    QFont font = base;
    font.setBold(true);
    font.setItalic(fontStyle & gsItalic);
    font.setUnderline(fontStyle & gsUnderline);
    font.setStrikeOut(fontStyle & gsStrikeOut);
    QString shown = text;
    shown.replace(QStringLiteral("&&"), QStringLiteral("&"));
    const QStringList lines = shown.split(QLatin1Char('\n'));
    const auto fits = [&lines](const QFont &candidate) {
        const QFontMetrics metrics(candidate);
        int widest = 0;
        for (const QString &line : lines)
            widest = qMax(widest, metrics.horizontalAdvance(line));
        return widest <= GlyphRoom && metrics.height() * lines.size() <= GlyphRoom + 2;
    };
    for (int px = LargestGlyphPixels; px >= SmallestGlyphPixels; --px) {
        font.setPixelSize(px);
        font.setStretch(QFont::Unstretched);
        if (fits(font))
            return font;
        font.setStretch(NarrowStretch);
        if (fits(font))
            return font;
    }
    return font;
}

QIcon ToolButtonFactory::IconFor(const ButtonDef &def, const QWidget *styleSource)
{
    QIcon icon;
    if (def.themeIcon)
        icon = QIcon::fromTheme(QString::fromLatin1(def.themeIcon));
    if (icon.isNull() && def.standardPixmap >= 0 && styleSource)
        icon = styleSource->style()->standardIcon(QStyle::StandardPixmap(def.standardPixmap));
    if (icon.isNull() && def.drawIcon)
        icon = def.drawIcon();
    return icon;
}

QToolButton *ToolButtonFactory::Create(QWidget *parent, const ButtonDef &def)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(def.name));
    button->setAutoRaise(true);
    button->setFixedSize(ButtonSize, ButtonSize);
    button->setFocusPolicy(Qt::NoFocus);
    const QString glyph = QString::fromUtf8(def.glyph);
    button->setText(glyph);
    const QIcon icon = IconFor(def, parent);
    if (!icon.isNull()) {
        button->setIcon(icon);
        button->setIconSize(QSize(ButtonSize - 7, ButtonSize - 7));
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    } else {
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setFont(GlyphFont(glyph, button->font(), def.fontStyle));
    }
    SetHint(button, QString::fromUtf8(def.hint));
    return button;
}
