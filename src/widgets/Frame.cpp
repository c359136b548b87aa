#include "widgets/Frame.h"

Frame::Frame(int index, QWidget* parent) : QFrame(parent), mIndex(index) {
    setObjectName(QString::fromStdString(ArrayName("fraFrame", index)));
    setAutoFillBackground(true);
    hide();
}
