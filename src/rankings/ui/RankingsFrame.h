#pragma once

#include <string>

#include "widgets/Frame.h"

class GridControl;
class QComboBox;
class QLabel;

// The World Rankings frame: the ranking table of a month, all countries or one.
class RankingsFrame : public Frame {
    Q_OBJECT

  public:
    // Captions, design, layout and navigation picture, for the main window.
    static const FrameDescription& Description();
    RankingsFrame(int index, QWidget* parent);

    void InitControls(FrameInit& init) override;
    std::string HelpText() const override;
    // Coming forward refills the table for the chosen month.
    void Entered() override { RankMonthClick(); }
    // A new participation limit refills the table for the chosen month.
    void OptionsChanged(const OptionValues& before) override;

    // The table of the given ranking column; empty: the current period (or the latest month
    // when the current one has none).
    void FillRankings(const std::string& column);
    // A new country or month refills the table for the month the month box shows; a double-click
    // on a player asks for his statistics.
    void RankingFilterClick();
    void RankMonthClick();
    void RankingsDoubleClick();

    // Says which month the table shows when it is not the one asked for; empty otherwise.
    const std::string& Note() const { return mNote; }

  private:
    void SetNote(const std::string& note, const std::string& detail);
    // Keeps the note in the free space between the country and the month choices.
    void PlaceRankingsNote();

    struct Widgets {
        QComboBox* cmbRankMonth = nullptr;
        QComboBox* cmbRankingFilter = nullptr;
        GridControl* grdRankings = nullptr;
        QLabel* lblRankMonth = nullptr;
        QLabel* lblRankingFilter = nullptr;
    } ui;
    QLabel* mRankingsNote = nullptr;
    std::string mNote;
};
