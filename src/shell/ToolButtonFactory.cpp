// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ToolButtonFactory.h"

#include "controls/Hints.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QToolButton>

namespace {
// Room for the glyph inside the button's raised frame.
constexpr int GlyphRoom = ToolButtonFactory::ButtonSize - 3;
constexpr int LargestGlyphPixels = 12;
constexpr int SmallestGlyphPixels = 7;
// Long tags are drawn narrower before they are drawn smaller.
constexpr int NarrowStretch = 80;

// Four lines of text aligned to one side, or centred.
QIcon AlignmentIcon(Qt::Alignment alignment)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QPen(Qt::black, 2));
    const int lengths[4] = {14, 8, 12, 6};
    for (int i = 0; i < 4; ++i) {
        const int len = lengths[i];
        int left = 1;
        if (alignment & Qt::AlignHCenter)
            left = 1 + (14 - len) / 2;
        else if (alignment & Qt::AlignRight)
            left = 15 - len;
        const int y = 2 + i * 4;
        painter.drawLine(left, y, left + len - 1, y);
    }
    return QIcon(pixmap);
}
} // namespace

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

QIcon ToolButtonFactory::IconFor(const ButtonLook &look, const QWidget *styleSource)
{
    QIcon icon;
    if (look.themeIcon)
        icon = QIcon::fromTheme(QString::fromLatin1(look.themeIcon));
    if (icon.isNull() && look.standardPixmap >= 0 && styleSource)
        icon = styleSource->style()->standardIcon(QStyle::StandardPixmap(look.standardPixmap));
    if (icon.isNull() && look.drawIcon)
        icon = look.drawIcon();
    return icon;
}

QToolButton *ToolButtonFactory::Create(QWidget *parent, const char *name, const char *glyphText,
                                       const char *hint, const ButtonLook &look)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoRaise(true);
    button->setFixedSize(ButtonSize, ButtonSize);
    button->setFocusPolicy(Qt::NoFocus);
    const QString glyph = QString::fromUtf8(glyphText);
    button->setText(glyph);
    const QIcon icon = IconFor(look, parent);
    if (!icon.isNull()) {
        button->setIcon(icon);
        button->setIconSize(QSize(ButtonSize - 7, ButtonSize - 7));
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    } else {
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setFont(GlyphFont(glyph, button->font(), look.fontStyle));
    }
    SetHint(button, QString::fromUtf8(hint));
    return button;
}

QIcon ToolButtonFactory::ColorSwatchIcon()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    const QColor colors[4] = {Qt::red, QColor(0, 160, 0), Qt::blue, Qt::yellow};
    for (int i = 0; i < 4; ++i) {
        painter.setBrush(colors[i]);
        painter.drawRect((i % 2) * 8, (i / 2) * 8, 7, 7);
    }
    return QIcon(pixmap);
}

QIcon ToolButtonFactory::AlignLeftIcon()
{
    return AlignmentIcon(Qt::AlignLeft);
}

QIcon ToolButtonFactory::AlignCenterIcon()
{
    return AlignmentIcon(Qt::AlignHCenter);
}

QIcon ToolButtonFactory::AlignRightIcon()
{
    return AlignmentIcon(Qt::AlignRight);
}
