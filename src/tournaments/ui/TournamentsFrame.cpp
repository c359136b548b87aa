#include "tournaments/ui/TournamentsFrame.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <optional>
#include <utility>

#include "db/Database.h"
#include "tournaments/PictureViewer.h"
#include "tournaments/Tournament.h"
#include "tournaments/TournamentLists.h"
#include "tournaments/ui/frmShowPic.h"
#include "widgets/Accessible.h"
#include "widgets/Button.h"
#include "widgets/Grid.h"
#include "widgets/TextsToWidgets.h"

namespace {

// The header's first cell current, the selection across the header row.
void SelectHeader(GridControl& grid) {
    grid.setRow(0);
    grid.setCol(0);
    grid.setColSel(grid.cols() - 1);
}

}  // namespace

TournamentsFrame::TournamentsFrame(int index, QWidget* parent) : Frame(index, parent) {
    ControlBuilder b = Builder();
    ui.chbShowTournamentWinners = b.Btn(this, "chbShowTournamentWinners", "Tournament winners",
                                        "Click to see a list of all the tournament winners");
    ui.lstTournaments = b.List(this, "lstTournaments");
    ui.lblFilter[0] = b.Label(this, "lblFilter_0", "Filter:");
    ui.cmbTournamentFilter = b.Combo(this, "cmbTournamentFilter");
    SetAccessibleName(*ui.lstTournaments, "Tournaments");
    LabelControl(*ui.lblFilter[0], *ui.cmbTournamentFilter, "Tournament country filter");
    for (int i = 0; i < 2; ++i)
        ui.fraTournaments[i] = b.Panel(this, ArrayName("fraTournaments", i));
    BuildPanels(b);
    BuildDadidurez(b);
    BuildWinners(b);
    Connect();
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
    LabelControl(*ui.lblFilter[1], *ui.cmbGamesFilter, "Games player filter");
    SetAccessibleName(*ui.grdTournamentTables, "Tournament table");
    SetAccessibleName(*ui.grdTournamentGames, "Tournament games");
}

void TournamentsFrame::BuildDadidurez(ControlBuilder& b) {
    QFrame* d = ui.fraDadidurez = b.Panel(this, "fraDadidurez");
    d->hide();
    ui.shpDadidurez = b.Shape(d, "shpDadidurez");
    ui.lblDadidurez = b.Label(d, "lblDadidurez", std::string(kMultiPhaseNote).c_str());
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
    SetAccessibleName(*ui.grdTournamentWinners, "Tournament winners");
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

void TournamentsFrame::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && !ui.fraTournamentWinners->isHidden()) {
        ui.fraTournamentWinners->hide();
        return;
    }
    Frame::keyPressEvent(event);
}

bool TournamentsFrame::CountryFilterWorks() const {
    return ui.cmbTournamentFilter->isEnabled();
}

void TournamentsFrame::Connect() {
    connect(ui.chbClose, &QPushButton::clicked, ui.fraTournamentWinners, &QWidget::hide);
    connect(ui.cmbTournamentFilter, &QComboBox::currentIndexChanged, this,
            [this] { TournamentFilterClick(); });
    // A click on the tournament already selected shows it again, like a click on another; the
    // press that selects another one has shown it already.
    connect(ui.lstTournaments, &QListWidget::currentRowChanged, this, [this] {
        mSelectedByPress = QApplication::mouseButtons() != Qt::NoButton;
        TournamentClick();
    });
    connect(ui.lstTournaments, &QListWidget::itemClicked, this, [this] {
        if (!std::exchange(mSelectedByPress, false)) TournamentClick();
    });
    connect(ui.cmbGamesFilter, &QComboBox::currentIndexChanged, this,
            [this] { GamesFilterClick(); });
    connect(ui.chbShowTournamentWinners, &QPushButton::clicked, this,
            [this] { ShowTournamentWinners(); });
    for (int i = 0; i < 5; ++i) {
        connect(ui.chbRounds[i], &QPushButton::clicked, this, [this, i] { RoundsClick(i); });
    }
}

template <typename F>
void TournamentsFrame::Guarded(F action, const std::function<void()>& emptied) {
    try {
        action();
    } catch (const DbError& error) {
        if (emptied) emptied();
        emit statusText(QStringLiteral("The tournaments cannot be read: ") +
                        ToQString(error.what()));
    }
}

void TournamentsFrame::TournamentFilterClick() {
    if (!Ready()) return;
    const int index = ui.cmbTournamentFilter->currentIndex();
    if (index < 0) return;
    std::optional<std::string> country;
    if (index > 0) country = ToUtf8(ui.cmbTournamentFilter->currentText());
    Guarded([&] {
        const Texts names = TournamentNames(country);
        ui.lstTournaments->clear();
        AddListItems(*ui.lstTournaments, names);
    });
}

std::string TournamentsFrame::SelectedTournament() const {
    const QListWidgetItem* item = ui.lstTournaments->currentItem();
    return item == nullptr ? std::string() : ToUtf8(item->text());
}

void TournamentsFrame::TournamentClick() {
    if (!Ready()) return;
    const std::string name = SelectedTournament();
    if (name.empty()) return;
    ui.fraTournamentWinners->hide();
    ShowTournament(name);
}

void TournamentsFrame::ShowTournament(const std::string& name) {
    // Each part is read on its own: one that cannot be read leaves the others whole.
    Guarded([&] { ui.lblTournamentDate->setText(ToQString(TournamentHeading(name))); },
            [&] { ui.lblTournamentDate->setText(ToQString(name)); });
    Guarded([&] { ShowTable(name, KindOf(name)); },
            [&] { ShowGridTexts(*ui.grdTournamentTables, {kTableHeader}); });
    Guarded([&] { FillGamesFilter(name); },
            [&] { ShowGridTexts(*ui.grdTournamentGames, {kGamesHeader}); });
}

void TournamentsFrame::ShowTable(const std::string& name, TournamentKind kind) {
    if (kind == TournamentKind::MultiPhase) {
        ui.fraTournaments[0]->hide();
        ui.fraDadidurez->show();
        return;
    }
    ui.fraDadidurez->hide();
    ui.fraTournaments[0]->show();
    if (kind == TournamentKind::Cup) {
        ui.Label2_0->setText(QStringLiteral("No table available"));
        ui.lblTournamentCup->setText(QStringLiteral("This tournament was a cup competition"));
        ui.grdTournamentTables->hide();
        return;
    }
    GridControl& grid = *ui.grdTournamentTables;
    ui.Label2_0->setText(QStringLiteral("Table"));
    grid.show();
    ShowGridTexts(grid, TournamentTable(name));
    SelectHeader(grid);
}

void TournamentsFrame::FillGamesFilter(const std::string& name) {
    const Texts items = GamesFilterItems(name, GameTournamentNames());
    {
        // The one fill of the games follows below, for all players.
        const QSignalBlocker quiet(ui.cmbGamesFilter);
        ShowComboItems(*ui.cmbGamesFilter, items);
        ui.cmbGamesFilter->setCurrentIndex(0);
    }
    FillTournamentGames("");
}

void TournamentsFrame::GamesFilterClick() {
    const int index = ui.cmbGamesFilter->currentIndex();
    if (ui.cmbGamesFilter->count() == 0 || index < 0) return;
    Guarded([&] {
        FillTournamentGames(index == 0 ? std::string() : ToUtf8(ui.cmbGamesFilter->currentText()));
    });
}

void TournamentsFrame::FillTournamentGames(const std::string& player) {
    // The list was rebuilt by its country filter: no tournament to show games of.
    const std::string name = SelectedTournament();
    if (name.empty()) return;
    GridControl& grid = *ui.grdTournamentGames;
    ShowGridTexts(grid, TournamentGames(name, player, GameTournamentNames()));
    SelectHeader(grid);
}

void TournamentsFrame::ShowTournamentWinners() {
    QFrame& panel = *ui.fraTournamentWinners;
    panel.move((width() - panel.width()) / 2, (height() - panel.height()) / 2);
    panel.raise();
    panel.show();
    Guarded([&] {
        ShowGridTexts(*ui.grdTournamentWinners, WinnersView().grid("grdTournamentWinners"));
    });
}

void TournamentsFrame::RoundsClick(int index) {
    const std::string file(kPhasePictureFiles.at(static_cast<std::size_t>(index)));
    const std::string failure = ShowDiagram(*this, file, std::string(kPhasePictureCaption), file);
    if (!failure.empty()) emit statusText(ToQString("The diagram cannot be drawn: " + failure));
}

std::string TournamentsFrame::HelpText() const {
    // The country filter is mentioned only while it works.
    return std::string(
               "Select a tournament from the list to view the final table and the "
               "results. ") +
           (CountryFilterWorks() ? "Use the filter to limit the tournaments displayed" : "");
}

void TournamentsFrame::Choose(const std::string& tournament) {
    const QList<QListWidgetItem*> found =
        ui.lstTournaments->findItems(QString::fromStdString(tournament), Qt::MatchExactly);
    if (found.isEmpty()) return;
    // Making it current shows it, as a click would.
    ui.lstTournaments->setCurrentItem(found.front());
}
