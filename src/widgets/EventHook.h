#pragma once

#include <QObject>
#include <functional>

class QEvent;
class QWidget;

// Runs an action on the events of the watched objects that a test picks out; the event is
// consumed when the action says so. Owned by the object it is made for.
class EventHook : public QObject {
  public:
    using Action = std::function<bool(QObject& watched, QEvent& event)>;
    EventHook(QObject* owner, Action action) : QObject(owner), mAction(std::move(action)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Action mAction;
};

// Runs action when Enter or Return is pressed in widget; the key goes no further.
void OnEnterKey(QWidget& widget, std::function<void()> action);
// Runs action whenever one of the widgets is moved or resized. The hook belongs to owner.
void OnGeometryChange(QObject& owner, std::initializer_list<QWidget*> widgets,
                      std::function<void()> action);
