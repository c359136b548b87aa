#pragma once

#include <array>
#include <map>
#include <string>

class Button;
class GridControl;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QWidget;
class ResizeGrip;
class StatusLine;

// Every control of the main window under its name; members of a control array sit at their
// index (chbBar[3] is the widget named "chbBar_3"). Widgets are owned by the window.
struct MainControls {
    // The window.
    QFrame* Picture1 = nullptr;  // navigation bar
    std::array<Button*, 8> chbBar{};
    std::array<QFrame*, 8> fraFrame{};
    std::array<QLabel*, 8> lblTitle{};
    std::array<Button*, 6> chbPlayerHelp{};
    QFrame* picInfo = nullptr;
    std::array<QLabel*, 2> lblInfo{};
    StatusLine* picStatus = nullptr;
    ResizeGrip* picResize = nullptr;
    QFrame* fraWait = nullptr;
    QLineEdit* txtWait = nullptr;
    QLabel* Label1 = nullptr;
    std::array<QLabel*, 4> Label2{};  // sub-frame headings of frames 1 and 2

    // Frame 0: World Rankings.
    QComboBox* cmbRankMonth = nullptr;
    QComboBox* cmbRankingFilter = nullptr;
    GridControl* grdRankings = nullptr;
    QLabel* lblRankMonth = nullptr;
    QLabel* lblRankingFilter = nullptr;

    // Frame 1: Player Stats.
    QListWidget* lstPlayers = nullptr;
    QLineEdit* txtPlayer = nullptr;
    Button* chbPlayerGo = nullptr;
    QFrame* fraPlayerStats = nullptr;
    GridControl* grdPlayerStats = nullptr;
    Button* chbPlayerHome = nullptr;
    Button* chbPlayerAway = nullptr;
    Button* chbPlayerPositions = nullptr;
    Button* chbPlayerRankGraph = nullptr;

    // Frame 2: Tournaments.
    QListWidget* lstTournaments = nullptr;
    std::array<QLabel*, 2> lblFilter{};
    QComboBox* cmbTournamentFilter = nullptr;
    Button* chbShowTournamentWinners = nullptr;
    std::array<QFrame*, 2> fraTournaments{};
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
    GridControl* grdTournamentWinners = nullptr;
    Button* chbClose = nullptr;

    // Frame 3: World Cups.
    std::array<QComboBox*, 2> cmbWC{};
    std::array<Button*, 2> chbWC{};
    std::array<QFrame*, 2> fraWC{};
    std::array<GridControl*, 2> grdWC{};
    std::array<QLabel*, 2> lblWC{};

    // Frame 4: Misc Stats.
    Button* chbMiscRecalc = nullptr;
    std::array<QFrame*, 3> fraMisc{};
    std::array<QLabel*, 5> lblMisc{};
    std::array<GridControl*, 4> grdMisc{};
    Button* chbMiscTop = nullptr;

    // Frame 5: Find Pair.
    std::array<QListWidget*, 2> lstPair{};
    QLabel* lblVS = nullptr;
    Button* chbPair = nullptr;
    QFrame* fraPair = nullptr;
    QLabel* lblPair = nullptr;
    GridControl* grdPairGames = nullptr;
    std::array<QListWidget*, 2> lstPairResults{};
    std::array<QLabel*, 2> lblPairResults{};

    // Frame 6: Options.
    std::array<QCheckBox*, 4> chkOpt{};
    QLineEdit* txtOptGames = nullptr;
    Button* chbApplyOptions = nullptr;
    QLabel* lblOptInfo = nullptr;
    QFrame* shpOpt = nullptr;
    std::array<QLabel*, 5> lblOpt{};

    // Frame 7: Fantasy League.
    QListWidget* lstFantasyPlayers = nullptr;
    QListWidget* lstFantasySelected = nullptr;
    std::array<Button*, 4> chbFantasyLst{};
    Button* chbFantasyCalc = nullptr;
    QFrame* fraFantasyResults = nullptr;
    QLabel* lblFantasyResults = nullptr;
    GridControl* grdFantasyGames = nullptr;
    GridControl* grdFantasyTable = nullptr;

    // Every control above by its object name.
    std::map<std::string, QWidget*> byName;
};

// Builds the control tree on window at its design places for an 800 x 600 window, frames and
// panels hidden.
MainControls BuildMainControls(QWidget& window);

// Docks the navigation bar along the top and the status line along the bottom of a client area
// of the given size (twips).
void DockBars(MainControls& ui, int clientWidth, int clientHeight);
