// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ProgramIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

QIcon ProgramIcon::Icon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        Paint(painter, QRectF(0, 0, size, size));
        icon.addPixmap(pixmap);
    }
    return icon;
}

void ProgramIcon::Paint(QPainter &painter, const QRectF &box)
{
    // Drawn on a 100 x 110 grid and scaled into the box.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal scale = qMin(box.width() / 100.0, box.height() / 110.0);
    painter.translate(box.center() - QPointF(50 * scale, 55 * scale));
    painter.scale(scale, scale);

    painter.setPen(QPen(QColor(0x55, 0x66, 0x77), 2));
    painter.setBrush(QColor(0xF4, 0xF1, 0xE8));
    painter.drawRoundedRect(QRectF(6, 14, 66, 88), 5, 5);
    painter.setPen(QPen(QColor(0x9A, 0xA8, 0xB8), 4));
    for (int y = 32; y <= 86; y += 12)
        painter.drawLine(16, y, 60, y);

    QPainterPath quill;
    quill.moveTo(96, 2);
    quill.cubicTo(70, 26, 52, 64, 42, 100);
    quill.cubicTo(62, 70, 84, 40, 96, 2);
    painter.setPen(QPen(QColor(0xC0, 0x5A, 0x16), 2));
    painter.setBrush(QColor(0xF2, 0xA6, 0x5A));
    painter.drawPath(quill);
    painter.setPen(QPen(QColor(0x3A, 0x2A, 0x1A), 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(42, 100), QPointF(38, 108));
    painter.restore();
}
