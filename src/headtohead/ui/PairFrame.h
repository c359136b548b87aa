#pragma once

#include <array>
#include <optional>
#include <string>

#include "headtohead/Random.h"
#include "widgets/Frame.h"

class Button;
class GridControl;
class QLabel;
class QListWidget;
class ViewTexts;

// The Find Pair frame: two players' games against each other and their records.
class PairFrame : public Frame {
    Q_OBJECT

  public:
    // Captions, design, layout and navigation picture, for the main window.
    static const FrameDescription& Description();
    PairFrame(int index, QWidget* parent);

    void InitControls(FrameInit& init) override;
    std::string HelpText() const override;

    // A player picked in either list: the button is enabled once both lists have one.
    void PairListClick();
    // Compares the players picked in the two lists; does nothing unless both have one.
    void FindPair();

  private:
    void Connect();
    void SetAccessibleNames();
    // The bare name of the player picked in lstPair element i.
    std::optional<std::string> PickedPlayer(int i) const;
    void ShowComparison(const ViewTexts& view);

    struct Widgets {
        std::array<QListWidget*, 2> lstPair{};
        QLabel* lblVS = nullptr;
        Button* chbPair = nullptr;
        QFrame* fraPair = nullptr;
        QLabel* lblPair = nullptr;
        GridControl* grdPairGames = nullptr;
        std::array<QListWidget*, 2> lstPairResults{};
        std::array<QLabel*, 2> lblPairResults{};
    } ui;
    ClockRandom mRandom;
    // The status line shows this frame's note on two players without games together.
    bool mNoted = false;
};
