#include "caption_pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace lockgame {
namespace {

QPixmap blankButtonFace() {
    QPixmap face(10, 9);
    face.fill(Qt::transparent);
    return face;
}

}  // namespace

QPixmap lockPicture(int size) {
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal unit = size / 20.0;
    // Shackle, then the body with a keyhole.
    p.setPen(QPen(QColor(90, 90, 90), 2.2 * unit));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(5 * unit, 1.5 * unit, 10 * unit, 11 * unit), 0, 180 * 16);
    p.drawLine(QPointF(5 * unit, 7 * unit), QPointF(5 * unit, 9 * unit));
    p.drawLine(QPointF(15 * unit, 7 * unit), QPointF(15 * unit, 9 * unit));
    p.setPen(QPen(QColor(120, 80, 0), unit));
    p.setBrush(QColor(230, 180, 30));
    p.drawRoundedRect(QRectF(2.5 * unit, 8.5 * unit, 15 * unit, 10.5 * unit), 1.5 * unit, 1.5 * unit);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(10 * unit, 12.5 * unit), 1.6 * unit, 1.6 * unit);
    p.drawRect(QRectF(9.4 * unit, 13 * unit, 1.2 * unit, 3.5 * unit));
    return picture;
}

QPixmap minimisePicture() {
    QPixmap face = blankButtonFace();
    QPainter p(&face);
    p.fillRect(QRect(2, 6, 6, 2), Qt::black);
    return face;
}

QPixmap maximisePicture(bool enabled) {
    QPixmap face = blankButtonFace();
    QPainter p(&face);
    const QColor ink = enabled ? QColor(Qt::black) : QColor(128, 128, 128);
    p.setPen(ink);
    p.drawRect(QRect(0, 0, 8, 7));
    p.drawLine(1, 1, 7, 1);
    return face;
}

QPixmap closePicture() {
    QPixmap face = blankButtonFace();
    QPainter p(&face);
    p.setPen(QPen(Qt::black, 1.6));
    p.setRenderHint(QPainter::Antialiasing);
    p.drawLine(QPointF(1, 1), QPointF(8, 7.5));
    p.drawLine(QPointF(8, 1), QPointF(1, 7.5));
    return face;
}

}  // namespace lockgame
