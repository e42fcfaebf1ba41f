#include "pictures.h"

#include <QFont>
#include <QImage>
#include <QPainter>

#include <algorithm>

namespace boardgame {

namespace {
constexpr int kMarkSize = 14;

// The bottom-left pixel is silver and transparent, as in the square pictures of the game.
QPixmap withTransparentCorner(QImage image) {
    image.setPixelColor(0, kMarkSize - 1, Qt::transparent);
    return QPixmap::fromImage(image);
}

QImage markCanvas(QColor background) {
    QImage image(kMarkSize, kMarkSize, QImage::Format_ARGB32);
    image.fill(background);
    return image;
}
}  // namespace

QPixmap crossPicture() {
    QImage image = markCanvas(QColor(0, 255, 255));
    for (int k = 1; k < kMarkSize - 1; ++k) {
        for (int t = 0; t < 2; ++t) {
            const int shifted = std::min(k + t, kMarkSize - 2);
            image.setPixelColor(k, shifted, Qt::black);
            image.setPixelColor(kMarkSize - 1 - k, shifted, Qt::black);
        }
    }
    return withTransparentCorner(image);
}

QPixmap noughtPicture() {
    QImage image = markCanvas(QColor(255, 255, 0));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor(255, 0, 0), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRect(2, 2, kMarkSize - 4, kMarkSize - 4));
    painter.end();
    return withTransparentCorner(image);
}

QPixmap stopPicture() {
    QPixmap picture(75, 24);
    picture.fill(QColor(255, 0, 0));
    QPainter painter(&picture);
    QFont font("Arial");
    font.setBold(true);
    font.setPixelSize(18);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(picture.rect(), Qt::AlignCenter, "STOP");
    return picture;
}

}  // namespace boardgame
