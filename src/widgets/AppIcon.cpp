#include "widgets/AppIcon.h"

#include <QPainter>
#include <QPainterPath>

namespace cw {

QPixmap AppIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn on a 32-unit grid and scaled to the size asked for.
    p.scale(size / 32.0, size / 32.0);

    const QColor frame(0, 0, 128); // navy
    QPen pen(frame, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);

    // The handle, then the basket, narrowing towards its bottom.
    p.drawLine(QPointF(2, 5), QPointF(7, 5));
    QPainterPath basket;
    basket.moveTo(7, 5);
    basket.lineTo(10, 21);
    basket.lineTo(26, 21);
    basket.lineTo(29, 9);
    basket.lineTo(8, 9);
    p.setBrush(QColor(255, 220, 120));
    p.drawPath(basket);

    // The goods in the basket.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(128, 0, 0)); // maroon
    p.drawRoundedRect(QRectF(12, 11, 5, 7), 1, 1);
    p.setBrush(QColor(0, 128, 0));
    p.drawEllipse(QRectF(18.5, 12, 6, 6));

    // The wheels.
    p.setPen(pen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(12, 26.5), 2.3, 2.3);
    p.drawEllipse(QPointF(24, 26.5), 2.3, 2.3);
    return pixmap;
}

} // namespace cw
