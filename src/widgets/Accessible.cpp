#include "widgets/Accessible.h"

#include <QLabel>
#include <QWidget>

void SetAccessibleName(QWidget& control, const char* name) {
    control.setAccessibleName(QString::fromUtf8(name));
}

void LabelControl(QLabel& label, QWidget& control, const char* name) {
    label.setBuddy(&control);
    if (name != nullptr) {
        SetAccessibleName(control, name);
        return;
    }
    QString text = label.text().trimmed();
    if (text.endsWith(QLatin1Char(':'))) text.chop(1);
    control.setAccessibleName(text.trimmed());
}
