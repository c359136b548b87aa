#pragma once

#include <array>
#include <functional>
#include <string>

#include "tournaments/Tournament.h"
#include "widgets/Frame.h"

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
    // Captions, design, layout and navigation picture, for the main window.
    static const FrameDescription& Description();
    TournamentsFrame(int index, QWidget* parent);

    void InitControls(FrameInit& init) override;
    std::string HelpText() const override;
    // The winners box never stays open behind a frame switch.
    void Entered() override;
    std::string Chosen() const override { return SelectedTournament(); }
    void Choose(const std::string& tournament) override;

    // False when the database has no host countries to filter by.
    bool CountryFilterWorks() const;

    // The tournament list for the chosen country.
    void TournamentFilterClick();
    // The selected tournament's heading, table (or its stand-in), player filter and games.
    void TournamentClick();
    // The games of the selected tournament for the player chosen in the filter.
    void GamesFilterClick();
    // player: a name, or empty for every player.
    void FillTournamentGames(const std::string& player);
    // Lays the winners box over the middle of the frame with every winner.
    void ShowTournamentWinners();
    // The picture of a phase of the multi-phase tournament (0 to 4).
    void RoundsClick(int index);

  protected:
    // Esc closes the winners box.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Connect();
    void ShowTournament(const std::string& name);
    void ShowTable(const std::string& name, TournamentKind kind);
    void FillGamesFilter(const std::string& name);
    // The tournament selected in the list; empty when there is none.
    std::string SelectedTournament() const;
    // Database failures end in the status line, never out of an event handler; emptied then
    // clears what could not be read.
    template <typename F>
    void Guarded(F action, const std::function<void()>& emptied = {});

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
    // The list's current row was just moved by a mouse press, whose click follows.
    bool mSelectedByPress = false;
};
