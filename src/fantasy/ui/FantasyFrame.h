#pragma once

#include <array>
#include <string>
#include <vector>

#include "headtohead/Random.h"
#include "widgets/Frame.h"

class Button;
class GridControl;
class QLabel;
class QListWidget;

// The Fantasy League frame: chosen players play a predicted double round robin.
class FantasyFrame : public Frame {
    Q_OBJECT

  public:
    // Captions, design, layout and navigation picture, for the main window.
    static const FrameDescription& Description();
    FantasyFrame(int index, QWidget* parent);

    void InitControls(FrameInit& init) override;
    std::string HelpText() const override;

    // The list buttons: 0 adds the player picked on the left, 1 removes the one picked on the
    // right, 2 removes all, 3 chooses all; then the start button follows the chosen list.
    void FantasyListClick(int index);
    // Plays the league among the chosen players and shows its games and table.
    void StartLeague();
    // True while a league is being played.
    bool Running() const { return mRunning; }

  private:
    void Connect();
    void AddPicked();
    void RemovePicked();
    void ChooseAll();
    // Start is enabled exactly when a player is chosen and no league is running.
    void ApplyStartRule();
    std::vector<std::string> ChosenPlayers() const;
    // Row k + 1 of the table for chosen player k, all counters 0.
    void PrepareTable(const std::vector<std::string>& players);
    void PlayAndShow(const std::vector<std::string>& players);

    struct Widgets {
        QListWidget* lstFantasyPlayers = nullptr;
        QListWidget* lstFantasySelected = nullptr;
        std::array<Button*, 4> chbFantasyLst{};
        Button* chbFantasyCalc = nullptr;
        QFrame* fraFantasyResults = nullptr;
        QLabel* lblFantasyResults = nullptr;
        GridControl* grdFantasyGames = nullptr;
        GridControl* grdFantasyTable = nullptr;
    } ui;
    ClockRandom mRandom;
    bool mRunning = false;
};
