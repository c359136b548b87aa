#include "widgets/SizeLimit.h"

#include <QWidget>

void HookMinSize(QWidget& window, int menuHeight) {
    window.setMinimumSize(kMainMinWidth, kMainMinHeight + menuHeight);
    window.setMaximumSize(kMainMaxWidth, kMainMaxHeight + menuHeight);
}

void UnhookMinSize(QWidget& window) {
    window.setMinimumSize(0, 0);
    window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}
