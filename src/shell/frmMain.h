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
class QFileSystemWatcher;
class QMenu;
class QMenuBar;
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
    ~frmMain() override;
    frmMain(const frmMain&) = delete;
    frmMain& operator=(const frmMain&) = delete;

    // This run works on a database other than stored, the one the settings name. Set before Load.
    void SetStoredDatabase(const StoredDatabase& stored) { mStoredDatabase = stored; }
    const std::optional<StoredDatabase>& StoredDatabaseOfRun() const { return mStoredDatabase; }
    // Whether a calculation behind the wait box is running.
    bool Busy() const;
    // The window's place, size and frame, and the file open, for the next run.
    void Remember() const;

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
    // Frame i comes forward with the keyboard in it (its key, or the View menu).
    void BringForward(int i);
    // The help of the frame in front (F1); every frame has one.
    void ShowHelpOfFrameInFront();
    // Asks for a DUZEDO to open instead of this one (File > Open).
    void AskForDuzedo();

    // What the user has chosen: the frame in front and, where the frame keeps one, the player or
    // tournament it shows. A window loaded afresh takes it back where it still exists.
    struct Choice {
        int frame = 0;
        std::vector<std::string> chosen;  // each frame's, by index
    };
    Choice CurrentChoice() const;
    void Restore(const Choice& choice);
    // The height of the menu bar above the client area, in pixels.
    int MenuHeight() const;

    // Index of the frame in front, its place in FrameKinds().
    std::int16_t mCurrentFrame = 0;
    // 0 while controls are being filled and once closing has begun; resizing does nothing then.
    std::int16_t mInitialised = 0;

    // The window's own controls, and every control by name.
    MainControls ui;

  signals:
    // Another DUZEDO is to be opened in the place of this one (the menu, a recent file, a drop).
    void openRequested(const QString& path);
    // This DUZEDO is to be read again (F5), keeping what the user has chosen.
    void reloadRequested();

  protected:
    // The unload handler.
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Maximising may leave the size as it was, yet the grip must go.
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // A file dropped on the window is opened.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // Clicks on the information panel close it.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::vector<Frame*> MakeFrames();
    // Every frame but shown goes out of sight below the window.
    void ParkFramesBehind(int shown);
    // Esc closes the help panel (the menu holds the other keys).
    void ConnectKeys();
    // The status line says when the open DUZEDO changes on disk, and how to read it again.
    void WatchDuzedo();
    void TakeRememberedPlace();
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

    // Above the client area, which holds every control of the window and its frames.
    QMenuBar* mMenuBar = nullptr;
    QWidget* mClient = nullptr;
    QFileSystemWatcher* mWatcher = nullptr;
    // The frame whose note the status line shows; -1 for the window's own.
    int mStatusOwner = -1;
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
