#include "ProgramIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

// The drawing on a square of side 64, scaled to the size asked for.
QPixmap DrawIcon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 64.0, size / 64.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 80, 150));
    painter.drawRoundedRect(QRectF(1, 1, 62, 62), 10, 10);
    // The cap: a beam deeper over the piers than at its ends.
    QPainterPath cap;
    cap.moveTo(6, 16);
    cap.lineTo(58, 16);
    cap.lineTo(58, 24);
    cap.lineTo(50, 32);
    cap.lineTo(14, 32);
    cap.lineTo(6, 24);
    cap.closeSubpath();
    painter.setBrush(QColor(235, 235, 235));
    painter.drawPath(cap);
    painter.drawRect(QRectF(17, 32, 9, 26));
    painter.drawRect(QRectF(38, 32, 9, 26));
    // Its top and bottom bars.
    painter.setPen(QPen(QColor(220, 30, 30), 2.5));
    painter.drawLine(QPointF(9, 19.5), QPointF(55, 19.5));
    painter.drawLine(QPointF(15, 29), QPointF(49, 29));
    return pixmap;
}

} // namespace

QIcon MakeProgramIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64})
        icon.addPixmap(DrawIcon(size));
    return icon;
}
