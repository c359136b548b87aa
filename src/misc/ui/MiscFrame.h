#pragma once

#include <array>

#include "misc/MiscStats.h"
#include "widgets/Frame.h"

class Button;
class GridControl;
class QLabel;

// The Misc Stats frame: the database's general figures, its biggest wins and highest scores,
// and the individual records.
class MiscFrame : public Frame {
    Q_OBJECT

  public:
    // Captions, design, layout and navigation picture, for the main window.
    static const FrameDescription& Description();
    MiscFrame(int index, QWidget* parent);

    void InitControls(FrameInit& init) override;
    std::string HelpText() const override;
    // The figures are computed (or read from the cache) on the first visit only.
    void Entered() override;
    // A new minimum number of games makes the records out of date.
    void OptionsChanged(const OptionValues& before) override;

    // Mode 1 may take the general figures and the records from the cache file; any other mode
    // computes everything and rewrites the file. Does nothing while a computation runs.
    void ComputeMiscStats(int mode);
    // Opens the all-player list of the record category highlighted in grdMisc_3.
    void ShowAllPlayers();
    bool Computing() const { return mComputing; }

  private:
    void ComputeFigures(int mode);
    void ShowFigures(const MiscFigures& figures);
    // Keeps the whole row of the chosen category highlighted.
    void RecordCellChanged(int row, int col);

    struct Widgets {
        Button* chbMiscRecalc = nullptr;
        std::array<QFrame*, 3> fraMisc{};
        std::array<QLabel*, 5> lblMisc{};
        std::array<GridControl*, 4> grdMisc{};
        Button* chbMiscTop = nullptr;
    } ui;
    bool mComputing = false;
    // False while this run works on a database other than the one the settings name: the cache
    // holds that one's figures.
    bool mCacheUsed = true;
};
