// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>

// A colour as HTML writes it: "#" and red, green and blue as two upper-case
// hexadecimal digits each ("#C0C0C0").
QString ColorText(const QColor &color);
