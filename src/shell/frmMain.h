#pragma once

#include <QWidget>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/StoredDatabase.h"
#include "shell/MainControls.h"

class ControlGeometry;
class Frame;
class FrameSlide;
class QMenu;
class QShortcut;
class SitePublishing;
class WindowPrinting;

// The main window: the frames of FrameKinds() behind a navigation bar, a status line with a resize
// grip, an information panel and a wait box. It owns the frames and routes what one frame asks of
// another. Loading sets its limits, position and title and fills the controls; closing it ends the
// connection and shrinks it away.
class frmMain : public QWidget {
    Q_OBJECT

  public:
    explicit frmMain(QWidget* parent = nullptr);

    // This run works on a database other than stored, the one the settings name. Set before Load.
    void SetStoredDatabase(const StoredDatabase& stored) { mStoredDatabase = stored; }

    // The load handler: run once by start-up, before the window is shown.
    void Load();

    // Has every frame fill its grids, lists and combo boxes once, while mInitialised is 0.
    void InitControls();
    // Brings frame mCurrentFrame forward and runs its entry action. With the animation on, a shown
    // window lets the frame slide in while it goes on taking events.
    void ShowFrame();
    // Places the frames and the controls of the frame in front for the window's size; does
    // nothing while mInitialised is 0 or the window is minimised.
    void Layout();

    // Navigation button i: shows frame i unless it is already in front.
    void BarClick(int i);
    // Help button k: the information panel with the help text of k.
    void HelpClick(int k);
    // The frame that shows players' statistics comes forward with those of name.
    void ShowPlayer(const QString& name);

    // Index of the frame in front, its place in FrameKinds().
    std::int16_t mCurrentFrame = 0;
    // 0 while controls are being filled and once closing has begun; resizing does nothing then.
    std::int16_t mInitialised = 0;

    // The window's own controls, and every control by name.
    MainControls ui;

  protected:
    // The unload handler.
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Maximising may leave the size as it was, yet the grip must go.
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Clicks on the information panel close it.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::vector<Frame*> MakeFrames();
    // Every frame but shown goes out of sight below the window.
    void ParkFramesBehind(int shown);
    // Ctrl+1, Ctrl+2, ... bring the frames forward, F1 shows the help of the frame in front, Esc
    // closes the help panel and Ctrl+Q the window.
    void ConnectKeys();
    void FocusFirstControl(QWidget& frame);
    // Tab visits the navigation bar and then the controls of the frame in front in the order
    // they are read on the screen.
    void ChainTabStops();
    void ConnectControls();
    // The navigation bar's menu (right click, or the menu key on one of its buttons) and
    // Ctrl+Shift+P publish the statistics as a web site.
    void ConnectPublishing();
    void ConnectFrame(Frame& frame);
    void ShowWait(bool shown);
    void ShowWaitProgress(const QString& text);
    void CloseAnimation();
    // Lays the window out again when its outer size changed without a resize.
    void FollowFrameMargins();
    // The window's outer size in twips.
    int OuterWidth() const;
    int OuterHeight() const;

    std::vector<Frame*> mFrames;
    FrameSlide* mSlide = nullptr;
    std::optional<StoredDatabase> mStoredDatabase;
    // Esc closing the help panel.
    QShortcut* mEscape = nullptr;
    SitePublishing* mPublishing = nullptr;
    WindowPrinting* mPrinting = nullptr;  // Ctrl+P and Export as PDF of the window in front
    QMenu* mBarMenu = nullptr;

    // The last layout, in exact twips; controls that nobody moved since keep these values. (A
    // shared pointer, so that this header need not know the layout's types.)
    std::shared_ptr<const ControlGeometry> mGeometry;
    // The outer size (pixels) the last layout was made for.
    QSize mLaidOutSize;
};
