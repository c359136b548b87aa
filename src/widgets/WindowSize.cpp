#include "widgets/WindowSize.h"

#include <QScreen>
#include <QWidget>

QSize OuterSize(const WindowOutline& outline) {
    // The margins of the window manager arrive after the window's new size, and some keep
    // reporting those of the normal window while it is maximised.
    if (outline.fullScreen && outline.screen.isValid()) {
        return outline.frame.size().boundedTo(outline.screen.size());
    }
    if (outline.maximised && outline.available.isValid()) {
        return outline.frame.size().boundedTo(outline.available.size());
    }
    return outline.frame.size();
}

QSize OuterSize(const QWidget& window) {
    const QScreen* screen = window.screen();
    return OuterSize({.frame = window.frameGeometry(),
                      .maximised = window.isMaximized(),
                      .fullScreen = window.isFullScreen(),
                      .screen = screen ? screen->geometry() : QRect(),
                      .available = screen ? screen->availableGeometry() : QRect()});
}
