#pragma once

#include <array>

#include "widgets/Frame.h"

class Button;
class GridControl;
class QComboBox;
class QLabel;

// The World Cups frame: a World Cup's group tables, games and play-off trees.
class WorldCupsFrame : public Frame {
    Q_OBJECT

  public:
    // Captions, design, layout and navigation picture, for the main window.
    static const FrameDescription& Description();
    WorldCupsFrame(int index, QWidget* parent);

    void InitControls(FrameInit& init) override;

    // Either combo box changed: the chosen phase's table and games.
    void WorldCupClick();
    // The playoff (0) or playout (1) tree of the chosen World Cup.
    void TreeClick(int index);

  private:
    struct Widgets {
        std::array<QComboBox*, 2> cmbWC{};
        std::array<Button*, 2> chbWC{};
        std::array<QFrame*, 2> fraWC{};
        std::array<GridControl*, 2> grdWC{};
        std::array<QLabel*, 2> lblWC{};
    } ui;
};
