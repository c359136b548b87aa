#include "shell/Navigation.h"

#include <QEasingCurve>
#include <QVariantAnimation>
#include <QWidget>
#include <utility>

FrameSlide::FrameSlide(QObject* owner) : QObject(owner), mAnimation(new QVariantAnimation(this)) {
    mAnimation->setDuration(kSlideMilliseconds);
    // Fast at first, slowing into its place: most of the way is covered in the first frames.
    mAnimation->setEasingCurve(QEasingCurve::OutCubic);
    connect(mAnimation, &QVariantAnimation::valueChanged, this, [this](const QVariant& top) {
        if (mFrame) mFrame->move(mFrame->x(), top.toInt());
    });
    connect(mAnimation, &QVariantAnimation::finished, this, [this] { Arrive(); });
}

void FrameSlide::Start(QWidget& frame, int from, int to, std::function<void()> arrived) {
    Finish();
    mFrame = &frame;
    mArrived = std::move(arrived);
    frame.move(frame.x(), from);
    mAnimation->setStartValue(from);
    mAnimation->setEndValue(to);
    mAnimation->start();
}

void FrameSlide::Finish() {
    if (!Running()) return;
    mAnimation->stop();
    Arrive();
}

bool FrameSlide::Running() const {
    return mAnimation->state() != QAbstractAnimation::Stopped;
}

void FrameSlide::Arrive() {
    if (mFrame) mFrame->move(mFrame->x(), mAnimation->endValue().toInt());
    mFrame = nullptr;
    if (const auto arrived = std::exchange(mArrived, {})) arrived();
}
