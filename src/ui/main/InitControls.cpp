#include <QComboBox>
#include <QLabel>
#include <QListWidget>

#include "app/Players.h"
#include "app/Settings.h"
#include "players/PlayerStats.h"
#include "rankings/RankingMonths.h"
#include "ui/main/Button.h"
#include "ui/main/Grid.h"
#include "ui/main/InitData.h"
#include "ui/main/frmMain.h"

namespace {

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A data grid with only its header row, in bold.
void SetHeader(GridControl& grid, const Texts& header) {
    grid.setFixedRows(1);
    grid.setCols(static_cast<int>(header.size()));
    grid.setRows(1);
    for (std::size_t col = 0; col < header.size(); ++col) {
        grid.setTextMatrix(0, static_cast<int>(col), header[col]);
    }
    grid.setRow(0);
    grid.setCol(0);
    grid.setColSel(grid.cols() - 1);
    grid.setCellFontBold(true);
}

// A label grid: the labels down column 0, values beside them.
void SetLabels(GridControl& grid, const Texts& labels) {
    grid.setFixedRows(0);
    grid.setCols(2);
    grid.setRows(static_cast<int>(labels.size()));
    for (std::size_t row = 0; row < labels.size(); ++row) {
        grid.setTextMatrix(static_cast<int>(row), 0, labels[row]);
    }
}

void SetItems(QComboBox& combo, const Texts& items) {
    combo.clear();
    for (const std::string& item : items) combo.addItem(Q(item));
}

void AddToLists(std::initializer_list<QListWidget*> lists, const Texts& items) {
    QStringList texts;
    for (const std::string& item : items) texts << Q(item);
    for (QListWidget* list : lists) list->addItems(texts);
}

}  // namespace

void frmMain::InitControls() {
    ui.lblOpt[2]->setText(Q(VersionText()));
    SetItems(*ui.cmbWC[0], kWorldCups);
    SetHeader(*ui.grdTournamentWinners, kWinnersHeader);
    SetItems(*ui.cmbWC[1], kWorldCupPhases);
    SetHeader(*ui.grdFantasyGames, kGamesHeader);
    SetHeader(*ui.grdFantasyTable, kFantasyTableHeader);
    SetHeader(*ui.grdWC[1], kGamesHeader);
    SetHeader(*ui.grdWC[0], kTableHeader);
    ui.cmbWC[0]->setCurrentIndex(0);
    ui.cmbWC[1]->setCurrentIndex(0);

    SetLabels(*ui.grdMisc[0], kGeneralStatsLabels);
    SetLabels(*ui.grdMisc[3], kRecordCategories);
    ui.grdMisc[3]->setRow(0);
    ui.grdMisc[3]->setCol(0);
    ui.grdMisc[3]->setColSel(1);
    for (int i = 1; i <= 2; ++i) SetHeader(*ui.grdMisc[i], kBiggestWinsHeader);
    ui.grdMisc[2]->setTextMatrix(0, 5, "Gls");

    SetHeader(*ui.grdPairGames, kPairGamesHeader);
    SetHeader(*ui.grdTournamentGames, kGamesHeader);
    SetHeader(*ui.grdTournamentTables, kTableHeader);
    SetHeader(*ui.grdRankings, kRankingsHeader);
    ui.grdRankings->setColSel(0);

    SetItems(*ui.cmbRankingFilter, RankingCountryItems());
    ui.cmbRankingFilter->setCurrentIndex(0);

    ui.cmbRankMonth->clear();
    for (const ComboItem& month : RankingMonthList().items) {
        ui.cmbRankMonth->addItem(Q(month.text), QVariant::fromValue<qint64>(month.data));
    }
    ui.cmbRankMonth->setCurrentIndex(ui.cmbRankMonth->count() - 1);

    const ViewTexts noPlayer = NoPlayerView();
    GridControl& stats = *ui.grdPlayerStats;
    const Grid& labels = noPlayer.grid("grdPlayerStats");
    stats.setFixedRows(0);
    stats.setCols(2);
    stats.setRows(static_cast<int>(labels.size()));
    for (std::size_t row = 0; row < labels.size(); ++row) {
        for (std::size_t col = 0; col < 2; ++col) {
            stats.setTextMatrix(static_cast<int>(row), static_cast<int>(col), labels[row][col]);
        }
    }
    stats.setRow(0);
    stats.setCol(0);
    stats.setRowSel(stats.rows() - 1);
    stats.setCellFontBold(true);
    stats.setRow(0);
    for (Button* button :
         {ui.chbPlayerHome, ui.chbPlayerAway, ui.chbPlayerPositions, ui.chbPlayerRankGraph}) {
        button->setEnabled(false);
    }

    PlayerLists players = ReadPlayerLists(gOptShowCountries == 1);
    AddToLists({ui.lstPlayers, ui.lstPair[0], ui.lstPair[1], ui.lstFantasyPlayers}, players.items);
    gPlayers = std::move(players.names);

    AddToLists({ui.lstTournaments}, ListedTournaments());

    const CountryFilter filter = TournamentCountryFilter();
    SetItems(*ui.cmbTournamentFilter, filter.items);
    ui.cmbTournamentFilter->setCurrentIndex(0);
    ui.cmbTournamentFilter->setEnabled(filter.supported);

    ui.Label2[1]->setText(Q(noPlayer.text("Label2_1")));
}
