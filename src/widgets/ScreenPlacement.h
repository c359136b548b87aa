#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

// Where a window of size (and at least minimum) goes in the available area of a screen: centred,
// and shrunk to the area where it does not fit, so that no part opens off the screen. frame is what
// the window manager adds around the window (its title bar and borders), which must fit too; the
// result is the window's own rectangle inside that frame.
QRect PlaceOnScreen(QSize size, QSize minimum, const QRect& available, const QMargins& frame = {});
// Centres a window on the screen it will appear on (its parent's, else the primary one), inside
// the area the task bars leave, shrunk to it when larger. The window manager's frame often becomes
// known only once the window is shown: then the window is fitted again if the frame sticks out.
void CentreOnScreen(QWidget& window);
