#pragma once

#include <array>

#include "ui/widgets/Frame.h"

class Button;
class GridControl;
class QLabel;

// The Misc Stats frame: the database's general figures, its biggest wins and highest scores,
// and the individual records.
class MiscFrame : public Frame {
    Q_OBJECT

  public:
    static constexpr int kIndex = 4;
    explicit MiscFrame(QWidget* parent);

    void InitControls(FrameInit& init) override;
    // The figures are computed on the first visit only.
    void Entered() override;

    void ComputeMiscStats();

  private:
    struct Widgets {
        Button* chbMiscRecalc = nullptr;
        std::array<QFrame*, 3> fraMisc{};
        std::array<QLabel*, 5> lblMisc{};
        std::array<GridControl*, 4> grdMisc{};
        Button* chbMiscTop = nullptr;
    } ui;
};
