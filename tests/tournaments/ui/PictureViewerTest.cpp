// The diagram viewer: scrolling a picture larger than the window, and none smaller.

#include <QFrame>
#include <QImage>
#include <QScrollBar>
#include <QWheelEvent>

#include "support/MainWindowFixtures.h"
#include "tournaments/ui/frmShowPic.h"

namespace {

class Viewer : public testing::Test {
  protected:
    std::string Picture(int width, int height) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::white);
        const std::string path = (dir / "picture.bmp").string();
        EXPECT_TRUE(image.save(QString::fromStdString(path)));
        return path;
    }
    template <typename W>
    W* Part(const char* name) {
        return Ctl<W>(window, name);
    }

    TempDir dir{"viewer"};
    frmShowPic window;
};

TEST_F(Viewer, LargePictureScrollsAndEveryResizeGoesBackToTheTopLeft) {
    window.Init(Picture(2000, 1500), "Big");
    window.show();
    EXPECT_EQ(window.windowTitle(), "Big");
    auto* h = Part<QScrollBar>("HScroll1");
    auto* v = Part<QScrollBar>("VScroll1");
    auto* picture = Part<QLabel>("Picture1");
    EXPECT_GT(h->maximum(), 0);
    EXPECT_GT(v->maximum(), 0);

    h->setValue(1500);
    v->setValue(750);
    EXPECT_EQ(picture->pos(), QPoint(-100, -50));
    window.resize(500, 300);
    EXPECT_EQ(h->value(), 0);
    EXPECT_EQ(v->value(), 0);
    EXPECT_EQ(picture->pos(), QPoint(0, 0));
    EXPECT_EQ(h->geometry().bottom(), 299);
}

TEST_F(Viewer, SmallPictureNeedsNoScrollingAndShowsNoBars) {
    window.Init(Picture(40, 30), "Small");
    window.show();
    window.resize(400, 300);
    EXPECT_EQ(Part<QScrollBar>("HScroll1")->maximum(), 0);
    EXPECT_EQ(Part<QScrollBar>("VScroll1")->maximum(), 0);
    EXPECT_FALSE(Part<QScrollBar>("HScroll1")->isVisible());
    EXPECT_FALSE(Part<QScrollBar>("VScroll1")->isVisible());
    EXPECT_EQ(Part<QFrame>("Frame1")->geometry(), QRect(0, 0, 400, 300));
}

TEST_F(Viewer, WheelAndKeysScroll) {
    window.Init(Picture(3000, 2000), "Big");
    window.show();
    auto* h = Part<QScrollBar>("HScroll1");
    auto* v = Part<QScrollBar>("VScroll1");
    // The text box holding the focus does not take the arrows for its cursor.
    QTest::keyClick(Part<QLineEdit>("Text1"), Qt::Key_Right);
    QTest::keyClick(Part<QLineEdit>("Text1"), Qt::Key_PageDown);
    EXPECT_EQ(h->value(), h->singleStep());
    EXPECT_EQ(v->value(), v->pageStep());

    // Wheel turns down scroll down as far as the bar goes; with Shift, to the right.
    const auto turn = [&](Qt::KeyboardModifiers modifiers) {
        const QPointF at(100, 100);
        QWheelEvent wheel(at, window.mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&window, &wheel);
    };
    for (int i = 0; i < 100; ++i) turn(Qt::NoModifier), turn(Qt::ShiftModifier);
    EXPECT_EQ(v->value(), v->maximum());
    EXPECT_EQ(h->value(), h->maximum());
}

}  // namespace
