#include "widgets/NavPicture.h"

#include <QPainter>
#include <QPixmap>

namespace {

constexpr int kSize = 16;

}  // namespace

QIcon NavPicture(void (*paint)(QPainter&)) {
    QPixmap picture(kSize, kSize);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    paint(p);
    return QIcon(picture);
}

void PaintPerson(QPainter& p, qreal x, qreal y, qreal scale, const QColor& colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QPointF(x, y - 3.5 * scale), 2.6 * scale, 2.6 * scale);
    p.drawPie(QRectF(x - 5 * scale, y, 10 * scale, 10 * scale), 0, 180 * 16);
}
