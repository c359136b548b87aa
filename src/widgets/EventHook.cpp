#include "widgets/EventHook.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

bool EventHook::eventFilter(QObject* watched, QEvent* event) {
    if (mAction(*watched, *event)) return true;
    return QObject::eventFilter(watched, event);
}

void OnEnterKey(QWidget& widget, std::function<void()> action) {
    widget.installEventFilter(
        new EventHook(&widget, [action = std::move(action)](QObject&, QEvent& event) {
            if (event.type() != QEvent::KeyPress) return false;
            const int key = static_cast<QKeyEvent&>(event).key();
            if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
            action();
            return true;
        }));
}

void OnGeometryChange(QObject& owner, std::initializer_list<QWidget*> widgets,
                      std::function<void()> action) {
    auto* hook = new EventHook(&owner, [action = std::move(action)](QObject&, QEvent& event) {
        if (event.type() == QEvent::Move || event.type() == QEvent::Resize) action();
        return false;
    });
    for (QWidget* widget : widgets) widget->installEventFilter(hook);
}
