#pragma once

#include <array>

#include "ui/widgets/Frame.h"

class Button;
class GridControl;
class QComboBox;
class QLabel;
class QListWidget;

// The Tournaments frame: the tournament list with its host-country filter, a tournament's final
// table and games, the Dadidurez VII phase chooser and the tournament winners box.
class TournamentsFrame : public Frame {
    Q_OBJECT

  public:
    static constexpr int kIndex = 2;
    explicit TournamentsFrame(QWidget* parent);

    void InitControls(FrameInit& init) override;
    // The winners box never stays open behind a frame switch.
    void Entered() override;

    // False when the database has no host countries to filter by.
    bool CountryFilterWorks() const;

  private:
    void BuildPanels(ControlBuilder& b);
    void BuildDadidurez(ControlBuilder& b);
    void BuildWinners(ControlBuilder& b);

    struct Widgets {
        QListWidget* lstTournaments = nullptr;
        std::array<QLabel*, 2> lblFilter{};
        QComboBox* cmbTournamentFilter = nullptr;
        Button* chbShowTournamentWinners = nullptr;
        std::array<QFrame*, 2> fraTournaments{};
        QLabel* Label2_0 = nullptr;
        QLabel* Label2_2 = nullptr;
        GridControl* grdTournamentTables = nullptr;
        QLabel* lblTournamentDate = nullptr;
        QLabel* lblTournamentCup = nullptr;
        GridControl* grdTournamentGames = nullptr;
        QComboBox* cmbGamesFilter = nullptr;
        QFrame* fraDadidurez = nullptr;
        QLabel* lblDadidurez = nullptr;
        QFrame* shpDadidurez = nullptr;
        std::array<Button*, 5> chbRounds{};
        QFrame* fraTournamentWinners = nullptr;
        QLabel* Label2_3 = nullptr;
        GridControl* grdTournamentWinners = nullptr;
        Button* chbClose = nullptr;
    } ui;
};
