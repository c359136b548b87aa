#include "shell/frmMain.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <optional>

#include "core/AppServices.h"
#include "core/PlayerNames.h"
#include "core/Settings.h"
#include "core/Twips.h"
#include "db/Database.h"
#include "players/PlayerLists.h"
#include "shell/CloseAnimation.h"
#include "shell/FrameTable.h"
#include "shell/MainMenu.h"
#include "shell/Navigation.h"
#include "shell/Printing.h"
#include "shell/SitePublishing.h"
#include "shell/StatusLine.h"
#include "widgets/Button.h"
#include "widgets/Frame.h"
#include "widgets/Grid.h"
#include "widgets/ScreenPlacement.h"
#include "widgets/SizeLimit.h"
#include "widgets/WindowSize.h"

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
    mClient = new QWidget(this);
    mClient->setObjectName(QStringLiteral("picClient"));
    mFrames = MakeFrames();
    ui = BuildMainControls(*mClient, mFrames);
    mSlide = new FrameSlide(this);
    ConnectControls();
    setAcceptDrops(true);
    resize(kInitialWidth, kInitialHeight + MenuHeight());
}

frmMain::~frmMain() {
    // The frames go with the window's children, after this part of the window: what they say as
    // they are hidden then has no window left to reach.
    for (Frame* frame : mFrames) disconnect(frame, nullptr, this, nullptr);
}

std::vector<Frame*> frmMain::MakeFrames() {
    std::vector<Frame*> frames;
    for (const FrameKind& kind : FrameKinds()) {
        frames.push_back(kind.make(static_cast<int>(frames.size()), mClient));
    }
    return frames;
}

void frmMain::Load() {
    HookMinSize(*this, MenuHeight());
    CentreOnScreen(*this);
    setWindowTitle(
        QString::fromStdString("VPA Stats Analyser (using db from " + DbFileDate(gDbPath) + ")"));
    mInitialised = 0;
    InitControls();
    mInitialised = 1;
    mCurrentFrame = 0;
    TakeRememberedPlace();
    ShowFrame();
    WatchDuzedo();
}

void frmMain::ShowFrame() {
    // A click during a slide: that frame is put in its place at once, this one slides on top.
    mSlide->Finish();
    // An open help panel belongs to the frame it was opened on, and so does a note.
    ui.picInfo->hide();
    if (mStatusOwner >= 0 && mStatusOwner != mCurrentFrame) {
        ui.picStatus->setMessage(QString());
        mStatusOwner = -1;
    }
    Layout();
    QFrame* frame = ui.fraFrame[mCurrentFrame];
    frame->show();
    frame->raise();
    const int shown = mCurrentFrame;
    auto parkOthers = [this, shown] { ParkFramesBehind(shown); };
    if (gOptFrameAnimation == 1 && isVisible()) {
        mSlide->Start(*frame, mClient->height(), TwipsToPixels(kFrameTop), parkOthers);
    } else {
        frame->move(TwipsToPixels(kFrameLeft), TwipsToPixels(kFrameTop));
        parkOthers();
    }
    mFrames[mCurrentFrame]->Entered();
}

void frmMain::ParkFramesBehind(int shown) {
    const int height = OuterHeight();
    for (int i = 0; i < FrameCount(); ++i) {
        if (i == shown) continue;
        ui.fraFrame[i]->move(0, TwipsToPixels(height));
        ui.fraFrame[i]->hide();
    }
}

void frmMain::BarClick(int i) {
    if (i == mCurrentFrame) return;
    mCurrentFrame = static_cast<std::int16_t>(i);
    ShowFrame();
}

void frmMain::HelpClick(int k) {
    const int frame = FrameOfHelpButton(k);
    if (frame < 0) return;
    ui.lblInfo[0]->setText(QString::fromStdString(mFrames[frame]->HelpText()));
    ui.picInfo->raise();
    ui.picInfo->show();
}

void frmMain::ShowHelpOfFrameInFront() {
    const int help = DescriptionOf(mCurrentFrame).helpButton;
    if (help >= 0) return HelpClick(help);
    // A frame without a help button has its help all the same.
    ui.lblInfo[0]->setText(QString::fromStdString(mFrames[mCurrentFrame]->HelpText()));
    ui.picInfo->raise();
    ui.picInfo->show();
}

void frmMain::BringForward(int i) {
    BarClick(i);
    FocusFirstControl(*ui.fraFrame[i]);
}

void frmMain::ShowPlayer(const QString& name) {
    for (Frame* frame : mFrames) {
        if (frame->ShowPlayer(name)) return;
    }
}

void frmMain::InitControls() {
    std::optional<PlayerLists> players;
    FrameInit init{.playerItems = [&players]() -> const Texts& {
                       if (!players) {
                           players = ReadPlayerLists(gOptShowCountries == 1);
                           gPlayers = players->names;
                           gPlayers.emplace_back();
                       }
                       return players->items;
                   },
                   .storedDatabase = mStoredDatabase};
    for (Frame* frame : mFrames) frame->InitControls(init);
}

void frmMain::ShowWait(bool shown) {
    // Centred in the window as it is now, which may differ from its size at design.
    if (shown) {
        ui.fraWait->move((mClient->width() - ui.fraWait->width()) / 2,
                         (mClient->height() - ui.fraWait->height()) / 2);
    }
    ui.fraWait->setVisible(shown);
    if (shown) ui.fraWait->raise();
    ui.fraWait->repaint();
}

void frmMain::ShowWaitProgress(const QString& text) {
    ui.txtWait->setText(text);
    ui.txtWait->repaint();
}

void frmMain::ConnectControls() {
    for (int i = 0; i < FrameCount(); ++i) {
        connect(ui.chbBar[i], &QPushButton::clicked, this, [this, i] { BarClick(i); });
    }
    for (int k = 0; k < HelpButtonCount(); ++k) {
        connect(ui.chbPlayerHelp[k], &QPushButton::clicked, this, [this, k] { HelpClick(k); });
    }
    for (QWidget* panel :
         {static_cast<QWidget*>(ui.picInfo), static_cast<QWidget*>(ui.lblInfo[0]),
          static_cast<QWidget*>(ui.lblInfo[1]), static_cast<QWidget*>(ui.chbWaitCancel)}) {
        panel->installEventFilter(this);
    }
    for (Frame* frame : mFrames) ConnectFrame(*frame);
    ConnectKeys();
    ConnectPublishing();
    mPrinting = new WindowPrinting(*this);
    mBarMenu->addSeparator();
    mBarMenu->addActions({mPrinting->printAction(), mPrinting->exportPdfAction()});
    mMenuBar = BuildMainMenu(*this, {mBarMenu->actions().value(0), mPrinting->printAction(),
                                     mPrinting->exportPdfAction()});
}

void frmMain::ConnectPublishing() {
    mPublishing = new SitePublishing(*this);
    mPublishing->setObjectName(QStringLiteral("sitePublishing"));
    connect(mPublishing, &SitePublishing::statusText, this, [this](const QString& text) {
        mStatusOwner = -1;
        ui.picStatus->setMessage(text);
    });
    mBarMenu = new QMenu(this);
    mBarMenu->setObjectName(QStringLiteral("mnuBar"));
    QAction* publish = mBarMenu->addAction(QStringLiteral("Publish as web site…"));
    publish->setObjectName(QStringLiteral("mnuPublish"));
    publish->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    publish->setShortcutContext(Qt::WindowShortcut);
    // The window holds the action too, so its shortcut works while the menu is closed.
    addAction(publish);
    connect(publish, &QAction::triggered, mPublishing, &SitePublishing::Publish);
    std::vector<QWidget*> bar{ui.Picture1};
    bar.insert(bar.end(), ui.chbBar.begin(), ui.chbBar.end());
    for (QWidget* part : bar) {
        part->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(part, &QWidget::customContextMenuRequested, this,
                [this, part](const QPoint& at) { mBarMenu->popup(part->mapToGlobal(at)); });
    }
}

void frmMain::ConnectKeys() {
    // Only while the help or a calculation's Cancel button shows: otherwise Esc is left to the
    // control that has the focus, such as the list of names offered under the player box, which
    // it closes. One shortcut for both, since two enabled at once would both be ambiguous.
    mEscape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    mEscape->setEnabled(false);
    connect(mEscape, &QShortcut::activated, this, [this] {
        if (ui.picInfo->isVisible()) {
            ui.picInfo->hide();
        } else if (ui.chbWaitCancel->isVisible()) {
            ui.chbWaitCancel->click();
        }
    });
}

// A frame brought forward by its key takes the keyboard too: the first of its controls in the
// Tab order that takes typing (not a button) gets the focus, else its first control.
void frmMain::FocusFirstControl(QWidget& frame) {
    QWidget* first = nullptr;
    for (QWidget* w = nextInFocusChain(); w != this; w = w->nextInFocusChain()) {
        if (!frame.isAncestorOf(w) || !w->isVisible() || !w->isEnabled() ||
            (w->focusPolicy() & Qt::TabFocus) == 0) {
            continue;
        }
        if (qobject_cast<QAbstractButton*>(w) == nullptr) {
            first = w;
            break;
        }
        if (first == nullptr) first = w;
    }
    if (first != nullptr) first->setFocus(Qt::ShortcutFocusReason);
}

void frmMain::ConnectFrame(Frame& frame) {
    frame.SetReadyCheck([this] { return mInitialised != 0; });
    connect(&frame, &Frame::showPlayerRequested, this, &frmMain::ShowPlayer);
    connect(&frame, &Frame::forwardRequested, this, [this, &frame] {
        mCurrentFrame = static_cast<std::int16_t>(frame.index());
        ShowFrame();
    });
    connect(&frame, &Frame::waitShown, this, &frmMain::ShowWait);
    connect(&frame, &Frame::waitProgress, this, &frmMain::ShowWaitProgress);
    // A frame's note is its own: it goes when another frame comes forward.
    connect(&frame, &Frame::statusText, this, [this, &frame](const QString& text) {
        mStatusOwner = frame.index();
        ui.picStatus->setMessage(text);
    });
    connect(&frame, &Frame::optionsApplied, this, [this](const OptionValues& before) {
        for (Frame* each : mFrames) each->OptionsChanged(before);
    });
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (mEscape && (watched == ui.picInfo || watched == ui.chbWaitCancel) &&
        (event->type() == QEvent::Show || event->type() == QEvent::Hide)) {
        mEscape->setEnabled(!ui.picInfo->isHidden() || !ui.chbWaitCancel->isHidden());
    }
    if (event->type() == QEvent::MouseButtonPress &&
        (watched == ui.picInfo || watched == ui.lblInfo[0] || watched == ui.lblInfo[1])) {
        ui.picInfo->hide();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmMain::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int menu = MenuHeight();
    mMenuBar->setGeometry(0, 0, width(), menu);
    mClient->setGeometry(0, menu, width(), height() - menu);
    DockBars(ui, PixelsToTwips(mClient->width()), PixelsToTwips(mClient->height()));
    Layout();
    // The status line shows the window's size.
    ui.picStatus->update();
}

void frmMain::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        Layout();
        ui.picStatus->update();
    }
}

void frmMain::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    FollowFrameMargins();
}

void frmMain::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    FollowFrameMargins();
}

void frmMain::FollowFrameMargins() {
    // The window manager's frame, part of the size the layout works on, arrives once the window
    // is shown and may change later without a resize.
    if (OuterSize(*this) != mLaidOutSize) Layout();
    ui.picStatus->update();
}

int frmMain::OuterWidth() const {
    return PixelsToTwips(OuterSize(*this).width());
}

int frmMain::OuterHeight() const {
    // The layout's rules are for the window without its menu bar.
    return PixelsToTwips(OuterSize(*this).height() - MenuHeight());
}

int frmMain::MenuHeight() const {
    return mMenuBar ? mMenuBar->sizeHint().height() : 0;
}

void frmMain::closeEvent(QCloseEvent* event) {
    mSlide->Finish();
    if (mInitialised != 0) Remember();
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
