#include "ui/main/frmMain.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "app/AppServices.h"
#include "app/CloseAnimation.h"
#include "app/Settings.h"
#include "app/SizeLimit.h"
#include "app/Twips.h"
#include "db/Common.h"
#include "ui/main/Button.h"
#include "ui/main/Grid.h"
#include "ui/main/Navigation.h"
#include "ui/main/StatusLine.h"

namespace {

constexpr double kCloseAnimationStepSeconds = 0.004;

constexpr int kInitialWidth = 800;
constexpr int kInitialHeight = 600;
constexpr int kFontPointSize = 8;

QRect ScreenRect() {
    return QGuiApplication::primaryScreen()->geometry();
}

}  // namespace

frmMain::frmMain(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmMain"));
    // The design places labels, buttons and grid rows for a small, narrow dialog font.
    QFont font = this->font();
    font.setPointSize(kFontPointSize);
    font.setStretch(QFont::SemiCondensed);
    setFont(font);
    ui = BuildMainControls(*this);
    resize(kInitialWidth, kInitialHeight);
    ConnectControls();
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

void frmMain::ShowFrame() {
    Layout();
    QFrame* frame = ui.fraFrame[mCurrentFrame];
    frame->show();
    frame->raise();
    const int height = OuterHeight();
    if (gOptFrameAnimation == 1) {
        // Runs to the end without letting other events in.
        for (const int top : SlideTops(height)) {
            frame->move(frame->x(), TwipsToPixels(top));
            frame->repaint();
        }
    } else {
        frame->move(TwipsToPixels(kFrameLeft), TwipsToPixels(kFrameTop));
    }
    for (int i = 0; i < kFrameCount; ++i) {
        if (i == mCurrentFrame) continue;
        ui.fraFrame[i]->move(0, TwipsToPixels(height));
        ui.fraFrame[i]->hide();
    }
    switch (mCurrentFrame) {
        case 0:
            FillRankings("");
            break;
        case 2:
            ui.fraTournamentWinners->hide();
            break;
        case 4:
            // The marker cell stays empty until the statistics have been computed.
            if (ui.grdMisc[0]->textMatrix(0, 1).empty()) ComputeMiscStats();
            break;
        case 6:
            LoadOptions();
            break;
        default:
            break;
    }
}

void frmMain::BarClick(int i) {
    if (i == mCurrentFrame) return;
    mCurrentFrame = static_cast<std::int16_t>(i);
    ShowFrame();
}

void frmMain::HelpClick(int k) {
    ui.lblInfo[0]->setText(
        QString::fromStdString(HelpText(k, ui.cmbTournamentFilter->isEnabled())));
    ui.picInfo->raise();
    ui.picInfo->show();
}

void frmMain::ComputeMiscStats() {
    // The misc statistics feature computes the figures and writes the marker cell.
}

void frmMain::LoadOptions() {
    // The options feature loads its controls from the option globals.
}

void frmMain::ConnectControls() {
    for (int i = 0; i < kFrameCount; ++i) {
        connect(ui.chbBar[i], &QPushButton::clicked, this, [this, i] { BarClick(i); });
    }
    for (int k = 0; k < kHelpCount; ++k) {
        connect(ui.chbPlayerHelp[k], &QPushButton::clicked, this, [this, k] { HelpClick(k); });
    }
    connect(ui.chbClose, &QPushButton::clicked, ui.fraTournamentWinners, &QWidget::hide);
    for (QWidget* panel : {static_cast<QWidget*>(ui.picInfo), static_cast<QWidget*>(ui.lblInfo[0]),
                           static_cast<QWidget*>(ui.lblInfo[1])}) {
        panel->installEventFilter(this);
    }
    ConnectRankings();
    ConnectPlayerStats();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress &&
        (watched == ui.picInfo || watched == ui.lblInfo[0] || watched == ui.lblInfo[1])) {
        ui.picInfo->hide();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmMain::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    DockBars(ui, PixelsToTwips(width()), PixelsToTwips(height()));
    Layout();
    // The status line shows the window's size.
    ui.picStatus->update();
}

void frmMain::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) Layout();
}

int frmMain::OuterWidth() const {
    return PixelsToTwips(frameGeometry().width());
}

int frmMain::OuterHeight() const {
    return PixelsToTwips(frameGeometry().height());
}

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
        // A step each few milliseconds, so the window is seen to shrink on any machine.
        Services().sleep(kCloseAnimationStepSeconds);
        setGeometry(screen.left() + TwipsToPixels(step.left),
                    screen.top() + TwipsToPixels(step.top), TwipsToPixels(step.width),
                    TwipsToPixels(step.height));
    }
}
