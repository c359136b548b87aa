#pragma once

#include <array>

#include "ui/widgets/Frame.h"

class Button;
class GridControl;
class QLabel;
class QListWidget;

// The Find Pair frame: two players' games against each other and their records.
class PairFrame : public Frame {
    Q_OBJECT

  public:
    static constexpr int kIndex = 5;
    explicit PairFrame(QWidget* parent);

    void InitControls(FrameInit& init) override;

  private:
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
};
