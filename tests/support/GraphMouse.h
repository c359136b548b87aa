#pragma once

// Pointing at the points of a graph picture, as the mouse does.

#include <QApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <QWidget>

#include "core/Twips.h"
#include "widgets/GraphPicture.h"

inline QPoint PlaceOf(const GraphSpot& spot) {
    return {TwipsToPixels(spot.x), TwipsToPixels(spot.y)};
}

inline void MouseOn(GraphPicture& picture, QEvent::Type type, QPoint at) {
    const bool button = type != QEvent::MouseMove;
    QMouseEvent event(
        type, QPointF(at), picture.mapToGlobal(QPointF(at)), button ? Qt::LeftButton : Qt::NoButton,
        type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&picture, &event);
}

// The tooltip the picture shows when the mouse rests at a place; empty when none.
inline QString TipAt(GraphPicture& picture, QPoint at) {
    // Qt hides a tip only after a while: the one shown before goes at once.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->inherits("QTipLabel")) window->hide();
    }
    QHelpEvent help(QEvent::ToolTip, at, picture.mapToGlobal(at));
    QApplication::sendEvent(&picture, &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}
