#include "widgets/SizeLimit.h"

#include <QWidget>

void HookMinSize(QWidget& window) {
    window.setMinimumSize(kMainMinWidth, kMainMinHeight);
    window.setMaximumSize(kMainMaxWidth, kMainMaxHeight);
}

void UnhookMinSize(QWidget& window) {
    window.setMinimumSize(0, 0);
    window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}
