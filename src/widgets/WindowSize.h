#pragma once

#include <QRect>
#include <QSize>

class QWidget;

// What the platform says of a window: its outline with the frame, its state and its screen.
struct WindowOutline {
    QRect frame;  // frameGeometry()
    bool maximised = false;
    bool fullScreen = false;
    QRect screen;     // the whole screen
    QRect available;  // the screen less panels and task bars
};

// A window's outer size in logical pixels, frame included: the one size the status line shows
// and the layout works on. A window that fills the screen covers the available area (the screen,
// when full), however large the frame margins the platform still reports from before.
QSize OuterSize(const WindowOutline& outline);
QSize OuterSize(const QWidget& window);
