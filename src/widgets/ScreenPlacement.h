#pragma once

#include <QRect>
#include <QSize>

class QWidget;

// Where a window of size (and at least minimum) goes in the available area of a screen: centred,
// and shrunk to the area where it does not fit, so that no part opens off the screen.
QRect PlaceOnScreen(QSize size, QSize minimum, const QRect& available);
// Centres a window on the screen it will appear on (its parent's, else the primary one), inside
// the area the task bars leave, shrunk to it when larger.
void CentreOnScreen(QWidget& window);
