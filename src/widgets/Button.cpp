#include "widgets/Button.h"

#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "core/QtText.h"

namespace {

constexpr int kPictureSize = 16;
constexpr int kStackGap = 2;

}  // namespace

Button::Button(std::string_view caption, QWidget* parent)
    : QPushButton(ToQString(caption), parent) {
    // Buttons of the design are often only a little taller than their text.
    setMinimumSize(0, 0);
    setAutoDefault(false);
}

void Button::setCaption(std::string_view caption) {
    setText(ToQString(caption));
}

void Button::setPicture(const QIcon& picture) {
    setIcon(picture);
    setIconSize(QSize(kPictureSize, kPictureSize));
}

void Button::paintEvent(QPaintEvent* event) {
    const int stackedHeight = kPictureSize + kStackGap + fontMetrics().height() + 4;
    if (icon().isNull() || width() >= sizeHint().width() || height() < stackedHeight) {
        QPushButton::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButton, option);

    const int top = (height() - stackedHeight) / 2 + 2;
    const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    painter.drawPixmap((width() - kPictureSize) / 2, top,
                       icon().pixmap(iconSize(), devicePixelRatio(), mode));
    const QRect captionArea(0, top + kPictureSize + kStackGap, width(), fontMetrics().height());
    painter.drawItemText(captionArea, Qt::AlignCenter, palette(), isEnabled(),
                         fontMetrics().elidedText(text(), Qt::ElideRight, width() - 4),
                         QPalette::ButtonText);
}

void Button::keyPressEvent(QKeyEvent* event) {
    // Without auto-default Qt leaves Enter to the dialog's default button, and there is none.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (enter && modifiers == Qt::NoModifier) {
        if (!event->isAutoRepeat()) click();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}
