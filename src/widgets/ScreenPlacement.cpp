#include "widgets/ScreenPlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "widgets/EventHook.h"

namespace {

QScreen& ScreenOf(const QWidget& window) {
    const QWidget* parent = window.parentWidget();
    return parent != nullptr ? *parent->screen() : *QGuiApplication::primaryScreen();
}

QMargins FrameMargins(const QWidget& window) {
    const QRect inner = window.geometry();
    const QRect outer = window.frameGeometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

void Place(QWidget& window) {
    const QMargins frame = FrameMargins(window);
    const QRect place = PlaceOnScreen(window.size(), window.minimumSize(),
                                      ScreenOf(window).availableGeometry(), frame);
    if (place.size() != window.size()) window.resize(place.size());
    // A window's position is that of its frame.
    window.move(place.topLeft() - QPoint(frame.left(), frame.top()));
}

// Once the frame is known, fits the window again where the frame sticks out of the screen.
void FitWhenFramed(QWidget& window) {
    auto* hook = new EventHook(&window, [&window, done = false](QObject&, QEvent& event) mutable {
        const QEvent::Type type = event.type();
        if (done || (type != QEvent::Show && type != QEvent::Move && type != QEvent::Resize)) {
            return false;
        }
        if (!window.isVisible() || FrameMargins(window).isNull()) return false;
        done = true;
        const bool normal = (window.windowState() & ~Qt::WindowActive) == Qt::WindowNoState;
        if (normal && !ScreenOf(window).availableGeometry().contains(window.frameGeometry())) {
            Place(window);
        }
        return false;
    });
    hook->setObjectName(QStringLiteral("frameFit"));
    window.installEventFilter(hook);
}

}  // namespace

QRect PlaceOnScreen(QSize size, QSize minimum, const QRect& available, const QMargins& frame) {
    const QSize outer = size.grownBy(frame);
    // Shrunk to the screen, but not below the window's minimum while the screen has room for it.
    const QSize fitted = outer.boundedTo(available.size())
                             .expandedTo(minimum.grownBy(frame).boundedTo(available.size()));
    const QRect outline(available.left() + std::max((available.width() - fitted.width()) / 2, 0),
                        available.top() + std::max((available.height() - fitted.height()) / 2, 0),
                        fitted.width(), fitted.height());
    return outline.marginsRemoved(frame);
}

void CentreOnScreen(QWidget& window) {
    Place(window);
    if (FrameMargins(window).isNull() &&
        window.findChild<EventHook*>(QStringLiteral("frameFit")) == nullptr) {
        FitWhenFramed(window);
    }
}
