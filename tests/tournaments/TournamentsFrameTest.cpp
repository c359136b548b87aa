// The Tournaments and World Cups frames of the main window, and the diagrams they open.

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <tuple>

#include "support/ServicedMainWindow.h"
#include "tournaments/Tournament.h"
#include "tournaments/TournamentsDuzedo.h"
#include "tournaments/WorldCup.h"
#include "widgets/Button.h"

namespace {

class TournamentsWindow : public ServicedMainWindow {
  protected:
    TournamentsWindow() : ServicedMainWindow("tournaments", WriteTournamentsDuzedo) {}

    void Select(const char* tournament) {
        auto* list = Ctl<QListWidget>(window, "lstTournaments");
        const auto found = list->findItems(QString::fromUtf8(tournament), Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << tournament;
        list->setCurrentItem(found[0]);
    }
    bool Shown(const char* name) const {
        return Ctl<QWidget>(window, name)->isVisibleTo(window.ui.fraFrame[2]);
    }
    void WritePicture(const char* name, int width, int height) const {
        QImage picture(width, height, QImage::Format_RGB32);
        picture.fill(Qt::white);
        ASSERT_TRUE(picture.save(QString::fromStdString((appDir / name).string())));
    }
};

TEST_F(TournamentsWindow, SelectionShowsTableOrItsStandInsAndTheGames) {
    window.BarClick(2);
    Select("Velmoor Open");
    EXPECT_EQ(Ctl<QLabel>(window, "lblTournamentDate")->text(),
              "Velmoor Open - held in Velmoor on 18/05/2003");
    auto* table = Ctl<GridControl>(window, "grdTournamentTables");
    EXPECT_EQ(CellTexts(*table), TournamentTable("Velmoor Open"));
    EXPECT_EQ(CellTexts(*Ctl<GridControl>(window, "grdTournamentGames")),
              TournamentGames("Velmoor Open", ""));

    // Each kind shows its own parts and hides the last one's.
    const std::vector<std::tuple<const char*, bool, bool, bool>> kinds = {
        // tournament, table, table frame, phase buttons
        {"O'Hara Cup", false, true, false},
        {"dadidurez vii", false, false, true},
        {"Spring cup", true, true, false},
    };
    for (const auto& [tournament, table, tableFrame, phases] : kinds) {
        SCOPED_TRACE(tournament);
        Select(tournament);
        EXPECT_EQ(Shown("grdTournamentTables"), table);
        EXPECT_EQ(Shown("fraTournaments_0"), tableFrame);
        EXPECT_EQ(Shown("fraDadidurez"), phases);
    }
}

TEST_F(TournamentsWindow, FiltersNarrowTheListAndTheGames) {
    window.BarClick(2);
    Select("Velmoor Open");
    auto* filter = Ctl<QComboBox>(window, "cmbGamesFilter");
    auto* games = Ctl<GridControl>(window, "grdTournamentGames");
    filter->setCurrentIndex(filter->findText(QStringLiteral("Dan")));
    EXPECT_EQ(CellTexts(*games), TournamentGames("Velmoor Open", "Dan"));
    filter->setCurrentIndex(0);  // "<all players>"
    EXPECT_EQ(CellTexts(*games), TournamentGames("Velmoor Open", ""));
    filter->setCurrentIndex(filter->findText(QStringLiteral("Dan")));

    auto* countries = Ctl<QComboBox>(window, "cmbTournamentFilter");
    countries->setCurrentIndex(countries->findText(QStringLiteral("O'Land")));
    auto* list = Ctl<QListWidget>(window, "lstTournaments");
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), "Autumn League");
    // No tournament selected any more: a filter change leaves the games as they are.
    filter->setCurrentIndex(0);
    EXPECT_EQ(CellTexts(*games), TournamentGames("Velmoor Open", "Dan"));
    EXPECT_EQ(Ctl<QLabel>(window, "lblTournamentDate")->text().left(12), "Velmoor Open");
}

TEST_F(TournamentsWindow, WinnersBoxOpensCentredAndCloses) {
    window.resize(900, 700);
    window.BarClick(2);
    auto* box = Ctl<QFrame>(window, "fraTournamentWinners");
    auto* grid = Ctl<GridControl>(window, "grdTournamentWinners");
    auto* show = Ctl<Button>(window, "chbShowTournamentWinners");
    show->click();
    show->click();
    EXPECT_EQ(CellTexts(*grid), WinnersView().grid("grdTournamentWinners"));
    EXPECT_TRUE(Shown("fraTournamentWinners"));
    const QSize room = window.ui.fraFrame[2]->size() - box->size();
    EXPECT_EQ(box->pos(), QPoint(room.width() / 2, room.height() / 2));

    Ctl<Button>(window, "chbClose")->click();
    EXPECT_FALSE(Shown("fraTournamentWinners"));
    // A click on the tournament already selected hides the box too.
    show->click();
    auto* list = Ctl<QListWidget>(window, "lstTournaments");
    ClickRow(*list, list->currentRow());
    EXPECT_FALSE(Shown("fraTournamentWinners"));
    show->click();
    window.BarClick(3);
    window.BarClick(2);
    EXPECT_FALSE(Shown("fraTournamentWinners"));
}

TEST_F(TournamentsWindow, PhaseButtonsOpenTheirPicturesOrSayWhichIsMissing) {
    window.BarClick(2);
    Select("dadidurez vii");
    Ctl<Button>(window, "chbRounds_4")->click();
    ASSERT_EQ(services->messages.size(), 1U);
    EXPECT_EQ(services->messages[0].text, "The picture file Gr7Cup.bmp was not found");

    // "League Playouts" shows Gr7Off.bmp.
    WritePicture("Gr7Off.bmp", 40, 30);
    bool opened = false;
    WhenModal(window, [&](QDialog& viewer) {
        opened = true;
        EXPECT_EQ(viewer.windowTitle(), "Dadidurez Cup");
        EXPECT_EQ(viewer.findChild<QLabel*>("Picture1")->size(), QSize(40, 30));
    });
    Ctl<Button>(window, "chbRounds_2")->click();
    EXPECT_TRUE(opened);
    EXPECT_EQ(services->messages.size(), 1U);
}

TEST_F(TournamentsWindow, WorldCupChoicesRefillAndTreesOpen) {
    window.BarClick(3);
    auto* table = Ctl<GridControl>(window, "grdWC_0");
    // Filled at loading, before the window was ready.
    EXPECT_EQ(CellTexts(*table), WorldCupView(0, 0).grid("grdWC_0"));
    auto* playout = Ctl<Button>(window, "chbWC_1");
    EXPECT_FALSE(playout->isEnabled());

    Ctl<QComboBox>(window, "cmbWC_0")->setCurrentIndex(1);
    EXPECT_TRUE(playout->isEnabled());
    Ctl<QComboBox>(window, "cmbWC_1")->setCurrentIndex(kAllGamesPhase);
    EXPECT_EQ(CellTexts(*table), WorldCupView(1, kAllGamesPhase).grid("grdWC_0"));
    EXPECT_EQ(Ctl<QLabel>(window, "lblWC_0")->text(), "All games (final results) table");

    const std::string tree = (appDir / "wc2ploff.bmp").string();
    Ctl<Button>(window, "chbWC_0")->click();
    ASSERT_EQ(services->messages.size(), 1U);
    EXPECT_EQ(services->messages[0].text, "The picture file " + tree + " was not found");

    WritePicture("wc2ploff.bmp", 20, 20);
    bool opened = false;
    WhenModal(window, [&](QDialog& viewer) {
        opened = true;
        EXPECT_EQ(viewer.windowTitle(), "World Cup 2: Playoff tree");
    });
    Ctl<Button>(window, "chbWC_0")->click();
    EXPECT_TRUE(opened);
}

}  // namespace
