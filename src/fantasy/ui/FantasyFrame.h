#pragma once

#include <QElapsedTimer>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "headtohead/Random.h"
#include "widgets/Frame.h"

class Button;
class ModelGrid;
struct League;
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
    // Stops the league being played (Cancel on the wait box, or Esc); the grids keep the last
    // complete league, and the note says so.
    void CancelWait() override;
    // Asked once the first pairs of a league have been played for a while, when the whole would
    // take long or much memory, with what it would cost; the league goes on only on true. A
    // question box by default.
    void SetLargeLeagueQuestion(std::function<bool(const std::string& cost)> ask);
    // How often the window is served while a league is played (milliseconds).
    void SetServiceInterval(int milliseconds) { mServiceInterval = milliseconds; }

  private:
    void Connect();
    void AddPicked();
    void RemovePicked();
    void ChooseAll();
    // Start is enabled exactly when a player is chosen and no league is running; the count of
    // the chosen follows the list.
    void ApplyStartRule();
    std::vector<std::string> ChosenPlayers() const;
    // After the trial's time, the cost of the whole league from its first pairs, asked about
    // when large; false when the user declines.
    bool GoOnAfterTrial(std::size_t players, std::size_t done, std::size_t total);
    void PlayAndShow(const std::vector<std::string>& players);
    // Tells the wait box of the pair and how far the league is, served now and then; false once
    // the user has cancelled.
    bool NextPair(const std::vector<std::string>& players, std::size_t first, std::size_t second,
                  std::size_t done, std::size_t total);
    void ShowLeague(std::shared_ptr<const League> league);
    void ShowNote(const std::string& note);

  protected:
    void hideEvent(QHideEvent* event) override;

  private:
    struct Widgets {
        QListWidget* lstFantasyPlayers = nullptr;
        QListWidget* lstFantasySelected = nullptr;
        std::array<Button*, 4> chbFantasyLst{};
        Button* chbFantasyCalc = nullptr;
        QFrame* fraFantasyResults = nullptr;
        QLabel* lblFantasyResults = nullptr;
        ModelGrid* grdFantasyGames = nullptr;
        ModelGrid* grdFantasyTable = nullptr;
        QLabel* lblFantasyChosen = nullptr;
        QLabel* lblFantasyNote = nullptr;
    } ui;
    // The first pairs of the league being played, timed and weighed for its cost.
    struct Trial {
        QElapsedTimer sinceStart;
        QElapsedTimer sinceFirstPair;
        double secondsToFirstPair = 0;
        std::uint64_t bytesAtStart = 0;
        std::uint64_t bytesAtFirstPair = 0;
        bool pending = false;
    };
    ClockRandom mRandom;
    bool mRunning = false;
    bool mCancelled = false;
    bool mNoteShown = false;
    // The grids show a league (none before the first, nor after one of no players).
    bool mLeagueShown = false;
    Trial mTrial;
    int mServiceInterval = 50;
    QElapsedTimer mSinceServed;
    std::function<bool(const std::string&)> mAskLarge;
};
