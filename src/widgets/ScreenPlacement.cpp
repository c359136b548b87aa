#include "widgets/ScreenPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

QRect PlaceOnScreen(QSize size, QSize minimum, const QRect& available) {
    // Shrunk to the screen, but not below the window's minimum while the screen has room for it.
    const QSize fitted =
        size.boundedTo(available.size()).expandedTo(minimum.boundedTo(available.size()));
    return {available.left() + std::max((available.width() - fitted.width()) / 2, 0),
            available.top() + std::max((available.height() - fitted.height()) / 2, 0),
            fitted.width(), fitted.height()};
}

void CentreOnScreen(QWidget& window) {
    const QWidget* parent = window.parentWidget();
    QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    const QRect place =
        PlaceOnScreen(window.size(), window.minimumSize(), screen->availableGeometry());
    if (place.size() != window.size()) window.resize(place.size());
    window.move(place.topLeft());
}
