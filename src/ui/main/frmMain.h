#pragma once

#include <QWidget>
#include <cstdint>
#include <memory>
#include <string>

#include "ui/main/MainControls.h"

class ControlGeometry;

// The main window: eight frames behind a navigation bar, a status line with a resize grip, an
// information panel and a wait box. Loading sets its limits, position and title and fills its
// controls; closing it ends the connection and shrinks it away.
class frmMain : public QWidget {
    Q_OBJECT

  public:
    explicit frmMain(QWidget* parent = nullptr);

    // The load handler: run once by start-up, before the window is shown.
    void Load();

    // Fills every grid, list and combo box once, while mInitialised is 0.
    void InitControls();
    // Brings frame mCurrentFrame forward and runs its entry action.
    void ShowFrame();
    // Places the frames and the controls of the frame in front for the window's size; does
    // nothing while mInitialised is 0 or the window is minimised.
    void Layout();

    // Navigation button i: shows frame i unless it is already in front.
    void BarClick(int i);
    // Help button k: the information panel with the help text of k.
    void HelpClick(int k);

    // Entry actions of the frames, completed by the features.
    void FillRankings(const std::string& column);
    void ComputeMiscStats();
    void LoadOptions();

    // World Rankings frame: a new country or month refills the table; a double-click on a player
    // shows his statistics.
    void RankingFilterClick();
    void RankMonthClick();
    void RankingsDoubleClick();

    // Player Stats frame. Go shows the statistics of the name in txtPlayer and makes him the
    // current player, whom the four buttons' windows show.
    void PlayerGo();
    // A list row only copies its player's name into txtPlayer.
    void PlayerListClick(int row);
    // The player of the last Go (txtPlayer's tag), whatever txtPlayer shows since.
    std::string CurrentPlayer() const;
    void ShowGames(int mode);
    void ShowPositions();
    void ShowRankGraph();

    // Index of the frame in front: 0 World Rankings ... 7 Fantasy League.
    std::int16_t mCurrentFrame = 0;
    // 0 while controls are being filled and once closing has begun; resizing does nothing then.
    std::int16_t mInitialised = 0;

    MainControls ui;

  protected:
    // The unload handler.
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Maximising may leave the size as it was, yet the grip must go.
    void changeEvent(QEvent* event) override;
    // Clicks on the information panel close it.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ConnectControls();
    void ConnectRankings();
    void ConnectPlayerStats();
    // Keeps the rankings note in the free space between the country and the month choices.
    void PlaceRankingsNote();
    void CloseAnimation();
    // The window's outer size in twips.
    int OuterWidth() const;
    int OuterHeight() const;

    // The last layout, in exact twips; controls that nobody moved since keep these values. (A
    // shared pointer, so that this header need not know the layout's types.)
    std::shared_ptr<const ControlGeometry> mGeometry;
    // Says which month the rankings show when the current one has no ranking.
    QLabel* mRankingsNote = nullptr;
};
