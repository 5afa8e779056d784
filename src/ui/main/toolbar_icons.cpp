#include "ui/main/toolbar_icons.h"

#include <QApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <functional>

namespace pl63::ui {
namespace {

constexpr int kSize = 32;

using Drawing = std::function<void(QPainter&)>;

// An icon drawn on a kSize x kSize design grid at whatever size a button asks
// for, when it first asks: the buttons hidden at start-up never draw theirs.
// Disabled and other modes get the style's look for them.
class DrawnIconEngine : public QIconEngine {
public:
    explicit DrawnIconEngine(Drawing draw) : draw_(std::move(draw)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        const QString key = QStringLiteral("%1x%2/%3").arg(size.width()).arg(size.height()).arg(mode);
        if (const auto cached = pixmaps_.constFind(key); cached != pixmaps_.cend()) return *cached;
        QPixmap made = drawnAt(size);
        if (mode != QIcon::Normal) {
            QStyleOption option;
            option.palette = QApplication::palette();
            made = QApplication::style()->generatedIconPixmap(mode, made, &option);
        }
        pixmaps_.insert(key, made);
        return made;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
    QIconEngine* clone() const override { return new DrawnIconEngine(draw_); }

private:
    QPixmap drawnAt(const QSize& size) const {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size.width() / double(kSize), size.height() / double(kSize));
        draw_(painter);
        return pixmap;
    }

    Drawing draw_;
    QHash<QString, QPixmap> pixmaps_;
};

QIcon drawn(Drawing draw) {
    return QIcon(new DrawnIconEngine(std::move(draw)));
}

void page(QPainter& p) {
    QPainterPath sheet;
    sheet.moveTo(7, 3);
    sheet.lineTo(19, 3);
    sheet.lineTo(26, 10);
    sheet.lineTo(26, 29);
    sheet.lineTo(7, 29);
    sheet.closeSubpath();
    p.setPen(QPen(QColor(70, 70, 70), 1.5));
    p.setBrush(Qt::white);
    p.drawPath(sheet);
    p.setBrush(QColor(220, 220, 220));
    p.drawPolygon(QPolygonF({QPointF(19, 3), QPointF(19, 10), QPointF(26, 10)}));
}

void folder(QPainter& p) {
    p.setPen(QPen(QColor(150, 110, 20), 1.5));
    p.setBrush(QColor(240, 200, 80));
    p.drawRect(QRectF(3, 8, 24, 19));
    p.drawRect(QRectF(3, 5, 10, 4));
    p.setBrush(QColor(250, 220, 120));
    p.drawPolygon(QPolygonF({QPointF(8, 13), QPointF(30, 13), QPointF(26, 27), QPointF(3, 27)}));
}

void disk(QPainter& p) {
    p.setPen(QPen(QColor(20, 50, 110), 1.5));
    p.setBrush(QColor(50, 100, 190));
    p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 4, 14, 9));
    p.setBrush(QColor(200, 200, 210));
    p.drawRect(QRectF(8, 18, 16, 10));
}

// A hand-held radio with an arrow beside it: towards the PC for a read,
// towards the radio for a write.
void radioTransfer(QPainter& p, bool towardsRadio, const QColor& arrow) {
    p.setPen(QPen(QColor(40, 40, 40), 1.5));
    p.setBrush(QColor(60, 60, 70));
    p.drawRect(QRectF(5, 3, 2.5, 8));  // antenna
    p.drawRoundedRect(QRectF(3, 10, 11, 19), 2, 2);
    p.setBrush(QColor(150, 200, 150));
    p.drawRect(QRectF(5, 13, 7, 5));  // display
    QPainterPath path;
    if (towardsRadio) {
        path.moveTo(30, 16);
        path.lineTo(23, 16);
        path.lineTo(23, 11);
        path.lineTo(16, 19);
        path.lineTo(23, 27);
        path.lineTo(23, 22);
        path.lineTo(30, 22);
    } else {
        path.moveTo(16, 16);
        path.lineTo(23, 16);
        path.lineTo(23, 11);
        path.lineTo(30, 19);
        path.lineTo(23, 27);
        path.lineTo(23, 22);
        path.lineTo(16, 22);
    }
    path.closeSubpath();
    p.setPen(QPen(arrow.darker(150), 1));
    p.setBrush(arrow);
    p.drawPath(path);
}

void badge(QPainter& p, const QColor& colour, const QString& letter) {
    p.setPen(QPen(colour.darker(160), 1.5));
    p.setBrush(colour);
    p.drawEllipse(QRectF(3, 3, 26, 26));
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(16);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(3, 3, 26, 26), Qt::AlignCenter, letter);
}

}  // namespace

QIcon toolbarIcon(const QString& key) {
    if (key == QLatin1String("new")) return drawn(page);
    if (key == QLatin1String("open")) return drawn(folder);
    if (key == QLatin1String("save")) return drawn(disk);
    if (key == QLatin1String("read")) {
        return drawn([](QPainter& p) { radioTransfer(p, false, QColor(40, 160, 60)); });
    }
    if (key == QLatin1String("write")) {
        return drawn([](QPainter& p) { radioTransfer(p, true, QColor(210, 60, 40)); });
    }
    if (key == QLatin1String("TAnMa")) {
        return drawn([](QPainter& p) { badge(p, QColor(200, 120, 20), QStringLiteral("T")); });
    }
    if (key == QLatin1String("Login")) {
        return drawn([](QPainter& p) { badge(p, QColor(120, 60, 170), QStringLiteral("L")); });
    }
    return {};
}

}  // namespace pl63::ui
