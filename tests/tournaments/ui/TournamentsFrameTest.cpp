// The Tournaments and World Cups frames of the main window, and the diagrams they open.

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>
#include <filesystem>
#include <tuple>

#include "shell/StatusLine.h"
#include "support/DuzedoTool.h"
#include "support/ServicedMainWindow.h"
#include "support/SqliteEdit.h"
#include "tournaments/DiagramImage.h"
#include "tournaments/Diagrams.h"
#include "tournaments/Tournament.h"
#include "tournaments/TournamentLists.h"
#include "tournaments/TournamentsDuzedo.h"
#include "tournaments/WorldCup.h"
#include "widgets/Button.h"

namespace {

namespace fs = std::filesystem;

class TournamentsWindow : public ServicedMainWindow {
  protected:
    explicit TournamentsWindow(
        const std::function<void(const std::string&)>& write = WriteTournamentsDuzedo)
        : ServicedMainWindow("tournaments", write) {}

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

TEST_F(TournamentsWindow, SelectionShowsTheTableOrItsStandIns) {
    window.BarClick(2);
    Select("Velmoor Open");
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
    filter->setCurrentIndex(0);  // "<all players>"
    EXPECT_EQ(CellTexts(*games), TournamentGames("Velmoor Open", "", GameTournamentNames()));
    filter->setCurrentIndex(filter->findText(QStringLiteral("Dan")));
    EXPECT_EQ(CellTexts(*games), TournamentGames("Velmoor Open", "Dan", GameTournamentNames()));

    auto* countries = Ctl<QComboBox>(window, "cmbTournamentFilter");
    countries->setCurrentIndex(countries->findText(QStringLiteral("O'Land")));
    auto* list = Ctl<QListWidget>(window, "lstTournaments");
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), "Autumn League");
    // No tournament selected any more: a filter change leaves the games as they are.
    filter->setCurrentIndex(0);
    EXPECT_EQ(CellTexts(*games), TournamentGames("Velmoor Open", "Dan", GameTournamentNames()));
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
    // Esc closes it, the focus on the button that opened it or in the box.
    for (QWidget* focus : std::initializer_list<QWidget*>{show, grid}) {
        show->click();
        QTest::keyClick(focus, Qt::Key_Escape);
        EXPECT_FALSE(Shown("fraTournamentWinners")) << focus->objectName().toStdString();
    }
}

TEST_F(TournamentsWindow, PhaseButtonsOpenTheirPicturesOrSayWhichIsMissing) {
    window.BarClick(2);
    Select("dadidurez vii");
    fs::create_directory(appDir / "Gr7Cup.bmp");  // where the picture cannot be drawn
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

    // A tree that cannot be drawn is named with its folder; one that is missing is drawn.
    const fs::path tree = appDir / "wc2ploff.bmp";
    fs::create_directory(tree);
    Ctl<Button>(window, "chbWC_0")->click();
    ASSERT_EQ(services->messages.size(), 1U);
    EXPECT_EQ(services->messages[0].text, "The picture file " + tree.string() + " was not found");
    EXPECT_TRUE(window.ui.picStatus->message().startsWith("The diagram cannot be drawn"));

    fs::remove(tree);
    bool opened = false;
    WhenModal(window, [&](QDialog& viewer) {
        opened = true;
        EXPECT_EQ(viewer.windowTitle(), "World Cup 2: Playoff tree");
    });
    Ctl<Button>(window, "chbWC_0")->click();
    EXPECT_TRUE(opened);
    EXPECT_TRUE(fs::exists(tree));
}

// A DUZEDO without host countries and without World Cup II's group tables.
void WriteOlderTournamentsDuzedo(const std::string& path) {
    WriteTournamentsDuzedo(path);
    const SqliteHandle db = OpenForWriting(path);
    Exec(db.get(), "alter table [tournament players] drop column country");
    Exec(db.get(), "drop table [World Cup II Tables]");
}

class OlderTournamentsWindow : public TournamentsWindow {
  protected:
    OlderTournamentsWindow() : TournamentsWindow(WriteOlderTournamentsDuzedo) {}
};

TEST_F(OlderTournamentsWindow, WhatCannotBeReadIsLeftOutAndTheRestShown) {
    window.BarClick(2);
    Select("Velmoor Open");
    EXPECT_EQ(Ctl<QLabel>(window, "lblTournamentDate")->text(),
              "Velmoor Open - held on 18/05/2003");
    EXPECT_EQ(CellTexts(*Ctl<GridControl>(window, "grdTournamentTables")),
              TournamentTable("Velmoor Open"));
    EXPECT_EQ(Ctl<QComboBox>(window, "cmbGamesFilter")->count(), 5);
    EXPECT_EQ(CellTexts(*Ctl<GridControl>(window, "grdTournamentGames")),
              TournamentGames("Velmoor Open", "", GameTournamentNames()));

    // World Cup II has no group tables: its games show under an empty table, and the status
    // line says why.
    window.BarClick(3);
    Ctl<QComboBox>(window, "cmbWC_0")->setCurrentIndex(1);
    EXPECT_EQ(CellTexts(*Ctl<GridControl>(window, "grdWC_0")), Grid{kTableHeader});
    EXPECT_EQ(CellTexts(*Ctl<GridControl>(window, "grdWC_1")), WorldCupGames(1, 0));
    EXPECT_EQ(WorldCupGames(1, 0).size(), 2U);
    EXPECT_TRUE(window.ui.picStatus->message().contains("World Cup II Tables"));
}

// Started on another DUZEDO than the one the pictures beside the program were drawn from.
class SecondDuzedoWindow : public TournamentsWindow {
  protected:
    SecondDuzedoWindow()
        : TournamentsWindow([](const std::string& path) { WriteSampleDb(path, {.seed = 2}); }) {}
};

TEST_F(SecondDuzedoWindow, DiagramsAreDrawnAfreshFromTheOpenDuzedo) {
    if (!fs::exists(DuzedoToolPath())) GTEST_SKIP() << "duzedo is not built beside the tests";
    TempDir sample("first-sample");
    const std::string first = (sample / "duzedo.sqlite").string();
    WriteSampleDb(first);
    ASSERT_EQ(RunDuzedoTool("pictures '" + first + "' --out '" + appDir.path().string() + "'"), 0);
    const QImage firstPicture(QString::fromStdString((appDir / "Gr7R1.bmp").string()));

    window.BarClick(2);
    Select("Dadidurez VII");
    QImage shown;
    WhenModal(window, [&](QDialog& viewer) {
        shown = viewer.findChild<QLabel*>("Picture1")->pixmap().toImage();
    });
    Ctl<Button>(window, "chbRounds_0")->click();
    // The open DUZEDO's own players, as a fresh drawing of its games shows them.
    const QImage fresh = DiagramImage(DiagramOf(DiagramPlans()[0]));
    EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32), fresh);
    EXPECT_NE(shown.convertToFormat(QImage::Format_RGB32),
              firstPicture.convertToFormat(QImage::Format_RGB32));
}

}  // namespace
