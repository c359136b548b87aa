#pragma once

#include <array>

#include "ui/widgets/Frame.h"

class Button;
class GridControl;
class QLabel;
class QListWidget;

// The Fantasy League frame: chosen players play a predicted double round robin.
class FantasyFrame : public Frame {
    Q_OBJECT

  public:
    static constexpr int kIndex = 7;
    explicit FantasyFrame(QWidget* parent);

    void InitControls(FrameInit& init) override;

  private:
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
};
