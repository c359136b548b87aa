#include "tournaments/ui/TournamentsFrame.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>

#include "tournaments/TournamentLists.h"
#include "ui/widgets/Button.h"
#include "ui/widgets/Grid.h"
#include "ui/widgets/ViewToWidgets.h"

TournamentsFrame::TournamentsFrame(QWidget* parent) : Frame(kIndex, parent) {
    ControlBuilder b = Builder();
    ui.chbShowTournamentWinners = b.Btn(this, "chbShowTournamentWinners", "Tournament winners",
                                        "Click to see a list of all the tournament winners");
    ui.lstTournaments = b.List(this, "lstTournaments");
    ui.lblFilter[0] = b.Label(this, "lblFilter_0", "Filter:");
    ui.cmbTournamentFilter = b.Combo(this, "cmbTournamentFilter");
    for (int i = 0; i < 2; ++i)
        ui.fraTournaments[i] = b.Panel(this, ArrayName("fraTournaments", i));
    BuildPanels(b);
    BuildDadidurez(b);
    BuildWinners(b);
    connect(ui.chbClose, &QPushButton::clicked, ui.fraTournamentWinners, &QWidget::hide);
}

void TournamentsFrame::BuildPanels(ControlBuilder& b) {
    QFrame* table = ui.fraTournaments[0];
    ui.Label2_0 = b.Heading(table, "Label2_0", "Table");
    ui.lblTournamentDate = b.Label(table, "lblTournamentDate");
    // Behind the table grid: it shows only while a cup competition hides the grid.
    ui.lblTournamentCup =
        b.Label(table, "lblTournamentCup", "This tournament was a cup competition");
    ui.lblTournamentCup->setAlignment(Qt::AlignCenter);
    ui.grdTournamentTables = b.Grid(table, "grdTournamentTables");

    QFrame* games = ui.fraTournaments[1];
    ui.Label2_2 = b.Heading(games, "Label2_2", "Games");
    ui.grdTournamentGames = b.Grid(games, "grdTournamentGames");
    ui.cmbGamesFilter = b.Combo(games, "cmbGamesFilter");
    ui.lblFilter[1] = b.Label(games, "lblFilter_1", "Filter:");
}

void TournamentsFrame::BuildDadidurez(ControlBuilder& b) {
    QFrame* d = ui.fraDadidurez = b.Panel(this, "fraDadidurez");
    d->hide();
    ui.shpDadidurez = b.Shape(d, "shpDadidurez");
    ui.lblDadidurez = b.Label(
        d, "lblDadidurez",
        "Dadidurez VII had a not very often seen form, consisting of two rounds, playout and "
        "playoff matches and it also had a cup competition. Select the phase you want to see "
        "below:");
    ui.lblDadidurez->setWordWrap(true);
    const char* const phases[] = {"League Round 1", "League Round 2", "League Playouts",
                                  "League Playoffs", "Cup"};
    for (int i = 0; i < 5; ++i) ui.chbRounds[i] = b.Btn(d, ArrayName("chbRounds", i), phases[i]);
}

void TournamentsFrame::BuildWinners(ControlBuilder& b) {
    QFrame* w = ui.fraTournamentWinners = b.Panel(this, "fraTournamentWinners");
    w->setFrameStyle(QFrame::Panel | QFrame::Raised);
    w->setLineWidth(2);
    w->hide();
    ui.Label2_3 = b.Heading(w, "Label2_3", "Tournament Winners");
    ui.grdTournamentWinners = b.Grid(w, "grdTournamentWinners");
    ui.chbClose = b.Btn(w, "chbClose", "Close");
}

void TournamentsFrame::InitControls(FrameInit&) {
    ShowGridHeader(*ui.grdTournamentWinners, kWinnersHeader);
    ShowGridHeader(*ui.grdTournamentGames, kGamesHeader);
    ShowGridHeader(*ui.grdTournamentTables, kTableHeader);

    AddListItems(*ui.lstTournaments, ListedTournaments());

    const CountryFilter filter = TournamentCountryFilter();
    ShowComboItems(*ui.cmbTournamentFilter, filter.items);
    ui.cmbTournamentFilter->setCurrentIndex(0);
    ui.cmbTournamentFilter->setEnabled(filter.supported);
}

void TournamentsFrame::Entered() {
    ui.fraTournamentWinners->hide();
}

bool TournamentsFrame::CountryFilterWorks() const {
    return ui.cmbTournamentFilter->isEnabled();
}
