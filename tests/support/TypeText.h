#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

// Types text into box as the keyboard does, replacing what it holds; unlike setText, this is an
// edit by the user.
inline void TypeText(QLineEdit& box, const QString& text) {
    box.selectAll();
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&box, &press);
    }
}
