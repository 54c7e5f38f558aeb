// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/ColorText.h"

QString ColorText(const QColor &color)
{
    return color.toRgb().name(QColor::HexRgb).toUpper();
}
