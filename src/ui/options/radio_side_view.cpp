#include "ui/options/radio_side_view.h"

#include <QPainter>
#include <QPainterPath>

namespace pl63::ui {
namespace {


const QColor kOutline(60, 60, 60);
const QColor kBody(90, 94, 100);
const QColor kBodyEdge(120, 125, 132);
const QColor kKey(40, 40, 40);
const QColor kMark(220, 20, 20);

// The radio seen from its left side: antenna and knob on top, the PTT key and
// the two small side keys under it on the front edge, the belt clip behind.
const QRectF kAntenna(34, 6, 10, 70);
const QRectF kKnob(58, 44, 16, 30);
const QRectF kCase(28, 72, 58, 176);
const QRectF kClip(86, 92, 8, 118);
const QRectF kPtt(20, 112, 9, 40);
const QRectF kUpperKey(21, 160, 8, 15);
const QRectF kLowerKey(21, 182, 8, 15);
constexpr double kMarkRadius = 5.5;

}  // namespace

QPixmap radioSideView(SideKey marked) {
    QPixmap picture(kSideViewSize);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kOutline, 1.2));

    painter.setBrush(kKey);
    painter.drawRoundedRect(kAntenna, 4, 4);
    painter.drawRoundedRect(kKnob, 3, 3);
    for (double y = kKnob.top() + 5; y < kKnob.bottom() - 2; y += 5) {
        painter.drawLine(QPointF(kKnob.left() + 2, y), QPointF(kKnob.right() - 2, y));
    }

    painter.setBrush(kBodyEdge);
    painter.drawRoundedRect(kClip, 3, 3);
    painter.setBrush(kBody);
    painter.drawRoundedRect(kCase, 9, 9);
    // The battery pack's seam near the bottom of the case.
    painter.drawLine(QPointF(kCase.left(), 200), QPointF(kCase.right(), 200));

    painter.setBrush(kKey);
    painter.drawRoundedRect(kPtt, 3, 3);
    painter.drawRoundedRect(kUpperKey, 2, 2);
    painter.drawRoundedRect(kLowerKey, 2, 2);

    const QRectF& key = marked == SideKey::Pf1 ? kUpperKey : kLowerKey;
    painter.setPen(Qt::NoPen);
    painter.setBrush(kMark);
    painter.drawEllipse(QPointF(key.left() - kMarkRadius - 3, key.center().y()), kMarkRadius,
                        kMarkRadius);
    return picture;
}

}  // namespace pl63::ui
