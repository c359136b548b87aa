#include "shell/NavPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>
#include <numbers>

namespace {

constexpr int kSize = 16;
const QColor kInk(40, 60, 110);
const QColor kGold(214, 160, 30);

void Person(QPainter& p, qreal x, qreal y, qreal scale, const QColor& colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QPointF(x, y - 3.5 * scale), 2.6 * scale, 2.6 * scale);
    p.drawPie(QRectF(x - 5 * scale, y, 10 * scale, 10 * scale), 0, 180 * 16);
}

void Rankings(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawRect(QRectF(1, 9, 4, 6));
    p.setBrush(kGold);
    p.drawRect(QRectF(6, 3, 4, 12));
    p.setBrush(kInk.lighter(160));
    p.drawRect(QRectF(11, 6, 4, 9));
}

void Trophy(QPainter& p, const QColor& colour) {
    p.setPen(QPen(colour.darker(140), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(1.5, 3, 4, 5), 90 * 16, 180 * 16);
    p.drawArc(QRectF(10.5, 3, 4, 5), -90 * 16, 180 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    QPainterPath cup;
    cup.moveTo(3.5, 2);
    cup.lineTo(12.5, 2);
    cup.cubicTo(12.5, 8, 10, 10, 8, 10);
    cup.cubicTo(6, 10, 3.5, 8, 3.5, 2);
    p.drawPath(cup);
    p.drawRect(QRectF(7, 10, 2, 3));
    p.drawRect(QRectF(4.5, 13, 7, 2));
}

void Globe(QPainter& p) {
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(QColor(120, 170, 230));
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(5, 1.5, 6, 13));
    p.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
}

void Pie(QPainter& p) {
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(kInk);
    p.drawPie(QRectF(1, 1, 14, 14), 90 * 16, 250 * 16);
    p.setBrush(kGold);
    p.drawPie(QRectF(1, 1, 14, 14), 340 * 16, 110 * 16);
}

void Pair(QPainter& p) {
    Person(p, 4.5, 7, 0.9, kInk);
    Person(p, 11.5, 7, 0.9, QColor(180, 50, 40));
}

void Gear(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 90, 100));
    const QPointF centre(8, 8);
    QPolygonF teeth;
    for (int i = 0; i < 16; ++i) {
        const qreal angle = i * std::numbers::pi / 8;
        const qreal radius = (i % 2 == 0) ? 7.5 : 5.5;
        teeth << centre + QPointF(std::cos(angle), std::sin(angle)) * radius;
    }
    p.drawPolygon(teeth);
    p.setBrush(Qt::white);
    p.drawEllipse(centre, 2.2, 2.2);
}

void Star(QPainter& p) {
    p.setPen(QPen(kGold.darker(140), 1));
    p.setBrush(kGold);
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const qreal angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const qreal radius = (i % 2 == 0) ? 7.5 : 3.2;
        star << QPointF(8, 8.5) + QPointF(std::cos(angle), std::sin(angle)) * radius;
    }
    p.drawPolygon(star);
}

}  // namespace

QIcon NavPicture(int frame) {
    QPixmap picture(kSize, kSize);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    switch (frame) {
        case 0:
            Rankings(p);
            break;
        case 1:
            Person(p, 8, 7, 1.3, kInk);
            break;
        case 2:
            Trophy(p, kGold);
            break;
        case 3:
            Globe(p);
            break;
        case 4:
            Pie(p);
            break;
        case 5:
            Pair(p);
            break;
        case 6:
            Gear(p);
            break;
        default:
            Star(p);
            break;
    }
    return QIcon(picture);
}
