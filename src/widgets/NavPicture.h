#pragma once

#include <QColor>
#include <QIcon>

class QPainter;

// The small pictures beside the navigation buttons' captions, drawn in code on a 16 x 16 square.
QIcon NavPicture(void (*paint)(QPainter&));

// The colours the pictures share.
inline const QColor kNavInk(40, 60, 110);
inline const QColor kNavGold(214, 160, 30);

// A head and shoulders standing at (x, y).
void PaintPerson(QPainter& p, qreal x, qreal y, qreal scale, const QColor& colour);
