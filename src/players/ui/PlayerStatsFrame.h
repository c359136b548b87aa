#pragma once

#include <array>
#include <string>

#include "widgets/Frame.h"

class Button;
class GridControl;
class QLabel;
class QLineEdit;
class QListWidget;

// The Player Stats frame: a player's career record, and the windows of his games, finishing
// positions and ranking progress.
class PlayerStatsFrame : public Frame {
    Q_OBJECT

  public:
    // Captions, design, layout and navigation picture, for the main window.
    static const FrameDescription& Description();
    PlayerStatsFrame(int index, QWidget* parent);

    void InitControls(FrameInit& init) override;
    std::string HelpText() const override;
    // Puts the name into txtPlayer, comes forward and shows the player's statistics.
    bool ShowPlayer(const QString& name) override;
    std::string Chosen() const override { return mCurrentPlayer; }
    void Choose(const std::string& player) override;

    // Shows the statistics of the name in txtPlayer and makes him the current player, whom the
    // four buttons' windows show.
    void PlayerGo();
    // Puts a name into txtPlayer, as typing it would.
    void SetPlayerText(const QString& name);
    // A list row only copies its player's name into txtPlayer.
    void PlayerListClick(int row);
    // The player of the last Go, whatever txtPlayer shows since.
    const std::string& CurrentPlayer() const { return mCurrentPlayer; }

    void ShowGames(int mode);
    void ShowPositions();
    void ShowRankGraph();

  private:
    void Connect();
    // Makes the player's row of the list current, without copying it into txtPlayer.
    void SelectInList(const std::string& name);
    template <typename Window, typename... Args>
    void OpenWindow(Args... args);

    struct Widgets {
        QListWidget* lstPlayers = nullptr;
        QLineEdit* txtPlayer = nullptr;
        Button* chbPlayerGo = nullptr;
        QFrame* fraPlayerStats = nullptr;
        QLabel* Label2_1 = nullptr;
        GridControl* grdPlayerStats = nullptr;
        Button* chbPlayerHome = nullptr;
        Button* chbPlayerAway = nullptr;
        Button* chbPlayerPositions = nullptr;
        Button* chbPlayerRankGraph = nullptr;
    } ui;
    std::string mCurrentPlayer;
    // The status line shows this frame's note on a name without statistics.
    bool mNoted = false;
};
