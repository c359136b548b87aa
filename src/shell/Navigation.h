#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

class QVariantAnimation;
class QWidget;

// Where a frame brought forward stands, and how it gets there.

// Top of frames in front, in twips: just below the navigation bar.
inline constexpr int kFrameTop = 780;
inline constexpr int kFrameLeft = 60;
// However tall the window, a slide is over this soon, so that a click never waits long for it.
inline constexpr int kSlideMilliseconds = 180;

// A frame sliding up from below to its place while the window goes on taking events.
class FrameSlide : public QObject {
  public:
    explicit FrameSlide(QObject* owner);

    // Moves frame to top from (pixels) and slides it to top to; arrived runs once it is there.
    // A slide under way is finished first.
    void Start(QWidget& frame, int from, int to, std::function<void()> arrived);
    // Puts a sliding frame in its place at once and runs its arrived; nothing when none slides.
    void Finish();
    bool Running() const;

  private:
    void Arrive();

    QVariantAnimation* mAnimation;
    QPointer<QWidget> mFrame;
    std::function<void()> mArrived;
};
