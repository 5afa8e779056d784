#include "ui/main/radio_picture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace pl63::ui {

// Drawn on a 60 x 120 design grid and scaled, so every size has the same
// proportions: antenna and knob on top, a body with a small display, a
// speaker grille and a push-to-talk key on the left side.
QPixmap radioPicture(int height) {
    const int width = radioPictureSize(height).width();
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(width / 60.0, height / 120.0);

    const QColor outline(30, 34, 40);
    p.setPen(QPen(outline, 1.2));

    // Antenna and channel knob.
    p.setBrush(QColor(45, 48, 54));
    p.drawRoundedRect(QRectF(14, 2, 7, 36), 3, 3);
    p.setBrush(QColor(90, 94, 100));
    p.drawRoundedRect(QRectF(36, 24, 10, 12), 2, 2);

    // Body.
    QLinearGradient body(0, 0, 60, 0);
    body.setColorAt(0.0, QColor(70, 76, 86));
    body.setColorAt(0.5, QColor(96, 104, 116));
    body.setColorAt(1.0, QColor(62, 68, 78));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(8, 34, 46, 84), 8, 8);

    // Push-to-talk key on the left side.
    p.setBrush(QColor(40, 42, 46));
    p.drawRoundedRect(QRectF(4, 52, 5, 18), 2, 2);

    // Display with a channel number.
    p.setBrush(QColor(170, 214, 160));
    p.drawRoundedRect(QRectF(15, 42, 32, 16), 2, 2);
    p.setPen(QColor(30, 60, 30));
    QFont font;
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(15, 42, 32, 16), Qt::AlignCenter, QStringLiteral("CH 1"));

    // Speaker grille.
    p.setPen(QPen(QColor(38, 42, 48), 2.2, Qt::SolidLine, Qt::RoundCap));
    for (int row = 0; row < 6; ++row) {
        const double y = 68 + row * 7;
        p.drawLine(QPointF(17, y), QPointF(45, y));
    }

    // Red transmit lamp beside the knob.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 50, 40));
    p.drawEllipse(QPointF(28, 38), 2.2, 2.2);
    return pixmap;
}

}  // namespace pl63::ui
