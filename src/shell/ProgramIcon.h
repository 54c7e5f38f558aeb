// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

class QPainter;
class QRectF;

// The program's picture, a quill over a page: painted, so it stays sharp
// at every size the desktop asks for.
class ProgramIcon {
public:
    static QIcon Icon();
    // Paints the picture into a square-ish box.
    static void Paint(QPainter &painter, const QRectF &box);
};
