#include "ui/main/frmMain.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

#include "app/AppServices.h"
#include "app/CloseAnimation.h"
#include "app/Settings.h"
#include "app/SizeLimit.h"
#include "app/Twips.h"
#include "db/Common.h"

namespace {

constexpr int kInitialWidth = 800;
constexpr int kInitialHeight = 600;

QRect ScreenRect() {
    return QGuiApplication::primaryScreen()->geometry();
}

}  // namespace

frmMain::frmMain(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmMain"));
    resize(kInitialWidth, kInitialHeight);
}

void frmMain::Load() {
    HookMinSize(*this);
    const QRect screen = ScreenRect();
    move(screen.left() + (screen.width() - width()) / 2,
         screen.top() + (screen.height() - height()) / 2);
    setWindowTitle(
        QString::fromStdString("VPA Stats Analyser (using db from " + DbFileDate() + ")"));
    mInitialised = 0;
    InitControls();
    mInitialised = 1;
    mCurrentFrame = 0;
    ShowFrame();
}

void frmMain::InitControls() {}

void frmMain::ShowFrame() {}

void frmMain::closeEvent(QCloseEvent* event) {
    DisconnectDb();
    UnhookMinSize(*this);
    CloseAnimation();
    event->accept();
}

void frmMain::CloseAnimation() {
    mInitialised = 0;
    if (gOptFrameAnimation == 0 || (windowState() & ~Qt::WindowActive) != Qt::WindowNoState) {
        return;
    }
    const QRect screen = ScreenRect();
    const QRect start = geometry();
    const TwipsRect window{PixelsToTwips(start.left() - screen.left()),
                           PixelsToTwips(start.top() - screen.top()), PixelsToTwips(start.width()),
                           PixelsToTwips(start.height())};
    for (const TwipsRect& step : CloseAnimationSteps(window, PixelsToTwips(screen.width()),
                                                     PixelsToTwips(screen.height()))) {
        Services().processEvents();
        setGeometry(screen.left() + TwipsToPixels(step.left),
                    screen.top() + TwipsToPixels(step.top), TwipsToPixels(step.width),
                    TwipsToPixels(step.height));
    }
}
