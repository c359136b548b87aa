// The Tournaments and World Cups views on a purpose-built DUZEDO, and the diagram pictures drawn
// from the database: finding each phase's games by their names, the drawing data, the files and
// the command that writes them.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "db/Database.h"
#include "support/ConnectedDuzedo.h"
#include "support/DuzedoTool.h"
#include "support/TempDir.h"
#include "tournaments/DiagramFiles.h"
#include "tournaments/DiagramPhases.h"
#include "tournaments/Diagrams.h"
#include "tournaments/Tournament.h"
#include "tournaments/TournamentsDuzedo.h"
#include "tournaments/WorldCup.h"

namespace {

namespace fs = std::filesystem;

using TournamentViews = ConnectedSuite<WriteTournamentsDuzedo>;

Texts Column(const Grid& grid, std::size_t col) {
    Texts values;
    for (std::size_t r = 1; r < grid.size(); ++r) values.push_back(grid[r][col]);
    return values;
}

Texts FilterNames(const ViewTexts& view) {
    Texts names;
    for (const ComboItem& item : view.combo("cmbGamesFilter").items) names.push_back(item.text);
    return names;
}

TEST_F(TournamentViews, ListLeavesOutWorldCupsInAnyCaseAndFiltersByCountry) {
    EXPECT_EQ(TournamentNames(std::nullopt),
              (Texts{"Velmoor Open", "O'Hara Cup", "dadidurez vii", "Autumn League",
                     "Worldcup Open", "Spring cup"}));
    EXPECT_EQ(TournamentNames("O'Land"), Texts{"Autumn League"});
    EXPECT_EQ(TournamentNames("WC"), Texts{});
}

TEST_F(TournamentViews, OrdinaryTournamentShowsItsTableFilterAndGames) {
    const ViewTexts view = TournamentView("Velmoor Open", "");
    EXPECT_EQ(view.text("lblTournamentDate"), "Velmoor Open - held in Velmoor on 18/05/2003");
    EXPECT_FALSE(view.visible("fraDadidurez"));
    // In the stored order, not by position.
    EXPECT_EQ(view.grid("grdTournamentTables")[1],
              (Texts{"2", "Bob", "3", "1", "1", "1", "4", "4", "4"}));
    EXPECT_EQ(Column(view.grid("grdTournamentTables"), 1), (Texts{"Bob", "Ann"}));
    // Team A players in stored order, then Dan, who only played as Team B; Ann once.
    EXPECT_EQ(FilterNames(view), (Texts{"<all players>", "Ann", "Bob", "Cid", "Dan"}));
    EXPECT_EQ(view.combo("cmbGamesFilter").selected, 0);
    const Grid games = view.grid("grdTournamentGames");
    EXPECT_EQ(Column(games, 0), (Texts{"Bob", "Cid", "Ann", "Cid"}));
    EXPECT_EQ(games[2], (Texts{"Cid", "Ann", "0", "3"}));
    // One player's games, as Team A or Team B.
    EXPECT_EQ(Column(TournamentGames("Velmoor Open", "Ann", GameTournamentNames()), 1),
              (Texts{"Ann", "Bob"}));
    EXPECT_EQ(TournamentView("Velmoor Open", "Dan").combo("cmbGamesFilter").selected, 4);
    EXPECT_EQ(TournamentGames("Worldcup Open", "", GameTournamentNames()),
              (Grid{{"Team A", "Team B", "A", "B"}}));
}

TEST_F(TournamentViews, CupsPhasesAndNamesEndingInCup) {
    const ViewTexts cup = TournamentView("O'Hara Cup", "");
    EXPECT_EQ(cup.text("lblTournamentCup"), "This tournament was a cup competition");
    EXPECT_FALSE(cup.visible("grdTournamentTables"));
    EXPECT_EQ(FilterNames(cup).size(), 5U);  // Eve, Gus; then Fay, Hal
    EXPECT_EQ(Column(cup.grid("grdTournamentGames"), 0), (Texts{"Eve", "Gus", "Eve"}));

    // The filter looks only at the tournament's own name, the games at every phase.
    const ViewTexts phases = TournamentView("dadidurez vii", "");
    EXPECT_TRUE(phases.visible("fraDadidurez"));
    EXPECT_FALSE(phases.visible("grdTournamentTables"));
    EXPECT_EQ(FilterNames(phases).size(), 1U);
    EXPECT_EQ(Column(phases.grid("grdTournamentGames"), 0), (Texts{"Ann", "Cid"}));

    const ViewTexts spring = TournamentView("Spring cup", "");
    EXPECT_EQ(spring.grid("grdTournamentTables").size(), 3U);
    EXPECT_EQ(FilterNames(spring).size(), 4U);  // Eve, Gus; then Fay
    EXPECT_EQ(spring.grid("grdTournamentGames").size(), 3U);
    // A null pts is an empty cell.
    EXPECT_EQ(TournamentTable("Autumn League")[1][8], "");
}

TEST_F(TournamentViews, WinnersInChronologicalOrderWithSharedFirstPlace) {
    const Grid winners = WinnersView().grid("grdTournamentWinners");
    EXPECT_EQ(Column(winners, 0),
              (Texts{"Velmoor Open", "World Cup I ", "Autumn League", "Spring cup", "Spring cup",
                     "World Cup II ", "World Cup III "}));
    const Texts spring = {winners[4][1], winners[5][1]};
    EXPECT_TRUE(spring == (Texts{"Eve", "Fay"}) || spring == (Texts{"Fay", "Eve"}));
}

TEST_F(TournamentViews, WorldCupGroupsAndFinalResults) {
    ViewTexts view = WorldCupView(0, 0);
    EXPECT_EQ(view.text("lblWC_0"), "Round 1 - Group A table");
    EXPECT_EQ(Column(view.grid("grdWC_0"), 1), (Texts{"Bob", "Ann"}));
    EXPECT_EQ(Column(view.grid("grdWC_1"), 0), Texts{"Ann"});
    EXPECT_FALSE(view.enabled("chbWC_1"));

    view = WorldCupView(0, 1);
    EXPECT_EQ(view.grid("grdWC_0").size(), 1U);

    // "World Cup I " never takes World Cup II's or III's table or games.
    view = WorldCupView(0, kAllGamesPhase);
    EXPECT_EQ(Column(view.grid("grdWC_0"), 1), (Texts{"Ann", "Bob"}));
    EXPECT_EQ(Column(view.grid("grdWC_1"), 0), (Texts{"Ann", "Ann"}));

    EXPECT_TRUE(WorldCupView(1, kAllGamesPhase).enabled("chbWC_1"));
    EXPECT_EQ(Column(WorldCupView(1, 0).grid("grdWC_0"), 1), Texts{"Cid"});
}

bool Phase(const char* base, const char* tournament, PhaseKind kind) {
    return IsPhaseOf(PhaseWords(base, tournament), kind);
}

bool Draws(const Graph& graph, const std::string& text) {
    return std::any_of(graph.texts.begin(), graph.texts.end(),
                       [&](const GraphText& t) { return t.text == text; });
}

const GraphText* Find(const Graph& graph, const std::string& text) {
    for (const GraphText& t : graph.texts) {
        if (t.text == text) return &t;
    }
    return nullptr;
}

// The texts drawn on one line, left to right.
Texts Row(const Graph& graph, int y) {
    std::vector<const GraphText*> row;
    for (const GraphText& t : graph.texts) {
        if (t.y == y) row.push_back(&t);
    }
    std::sort(row.begin(), row.end(), [](auto* a, auto* b) { return a->x < b->x; });
    Texts texts;
    for (const GraphText* t : row) texts.push_back(t->text);
    return texts;
}

TEST(DiagramPhases, NamesAreReadWithOrWithoutHyphensInAnyCase) {
    using enum PhaseKind;
    const char* dd = "Dadidurez VII";
    EXPECT_TRUE(Phase(dd, "Dadidurez VII League Round 1 - Group A", RoundOne));
    EXPECT_FALSE(Phase(dd, "Dadidurez VII League Round 2 - Upper Group", RoundOne));
    EXPECT_TRUE(Phase(dd, "Dadidurez VII League Play-outs - Final", Playouts));
    EXPECT_FALSE(Phase(dd, "Dadidurez VII League Play-outs - Final", Playoffs));
    EXPECT_TRUE(Phase(dd, "dadidurez vii playoff semi-final", Playoffs));
    EXPECT_TRUE(Phase(dd, "DADIDUREZ VII Cup - Quarter-finals", Cup));
    EXPECT_FALSE(Phase(dd, "Dadidurez VII", Cup));
    EXPECT_FALSE(Phase(dd, "Dadidurez VIII Cup", Cup));

    // A World Cup's plain knock-out stages are its playoffs; never another World Cup's.
    EXPECT_TRUE(Phase("World Cup I", "World Cup I Semi-finals", Playoffs));
    EXPECT_FALSE(Phase("World Cup I", "World Cup II Playoffs - Final", Playoffs));
    EXPECT_FALSE(Phase("World Cup I", "World Cup I Round 2 - Group E", Playoffs));
    EXPECT_TRUE(IsThirdPlace(PhaseWords("World Cup I", "World Cup I Playoffs - 3rd place")));
}

PhaseGroup Stage(const char* label, std::vector<PhaseGame> games) {
    return {std::string("Cup ") + label, label, std::move(games)};
}

TEST(Diagrams, BracketTakesEachWinnerOnAndPutsTheThirdPlaceApart) {
    const DiagramPlan plan{"x.bmp", "Cup", "Cup", PhaseKind::Cup};
    const std::vector<PhaseGroup> stages = {
        Stage("Semi-finals",
              {{1, "Ann", "Bob", 2, 0}, {2, "Cid", "Dan", 1, 1}, {3, "Dan", "Cid", 2, 0}}),
        Stage("Third place", {{4, "Bob", "Cid", 0, 1}}),
        Stage("Final", {{5, "Dan", "Ann", 1, 3}}),
    };
    const Graph graph = BracketDiagram(plan, stages);
    // Dan goes on over two legs (3 - 1).
    ASSERT_TRUE(Find(graph, "Ann  2 - 0  Bob") && Find(graph, "Dan  2 - 0  Cid"));
    const GraphText& final = *Find(graph, "Dan  1 - 3  Ann");
    const GraphText& first = *Find(graph, "Ann  2 - 0  Bob");
    const GraphText& second = *Find(graph, "Cid  1 - 1  Dan");
    EXPECT_GT(final.x, first.x);
    EXPECT_GT(final.y, first.y);
    EXPECT_LT(final.y, second.y + kDiagramLine);
    EXPECT_TRUE(Draws(graph, "Winner: Ann"));
    EXPECT_EQ(graph.lines.size(), 6U);  // two winners, three strokes each
    const GraphText& third = *Find(graph, "Bob  0 - 1  Cid");
    EXPECT_GT(third.y, second.y + kDiagramLine);
    for (const GraphText& t : graph.texts) {
        EXPECT_LT(t.x, graph.width);
        EXPECT_LT(t.y, graph.height);
    }
}

TEST(Diagrams, LeagueShowsEachGroupsTableAndGames) {
    const DiagramPlan plan{"x.bmp", "League", "L", PhaseKind::RoundOne};
    const Graph graph = LeagueDiagram(
        plan, {{"L Round 1 - Group A",
                "Round 1 - Group A",
                {{1, "Ann", "Bob", 2, 0}, {2, "Bob", "Cid", 1, 1}, {3, "Cid", "ann", 0, 1}}}});
    EXPECT_TRUE(Draws(graph, "Bob  1 - 1  Cid"));
    // Ann and "ann" are one player: two games, six points, first; Cid's goal difference is
    // better than Bob's on the same points.
    const GraphText& ann = *Find(graph, "Ann");
    EXPECT_LT(ann.y, Find(graph, "Cid")->y);
    EXPECT_LT(Find(graph, "Cid")->y, Find(graph, "Bob")->y);
    // Played, won, drawn, lost, for, against, points.
    EXPECT_EQ(Row(graph, ann.y), (Texts{"Ann", "2", "2", "0", "0", "3", "0", "6"}));
}

using DiagramsOfADuzedo = ConnectedSuite<WriteTournamentsDuzedo>;

TEST_F(DiagramsOfADuzedo, EachPictureFindsItsPhaseOrSaysWhatItLookedFor) {
    const std::vector<DiagramPlan> plans = DiagramPlans();
    ASSERT_EQ(plans.size(), 9U);

    EXPECT_TRUE(Draws(DiagramOf(plans[0]), "Ann  1 - 1  Bob"));
    const Graph cup = DiagramOf(plans[4]);
    EXPECT_TRUE(Draws(cup, "Cid  0 - 2  Ann"));
    EXPECT_TRUE(Draws(cup, "Winner: Ann"));
    EXPECT_TRUE(Draws(DiagramOf(plans[5]), "Ann  3 - 2  Cid"));  // wc1ploff

    const Graph none = DiagramOf(plans[7]);  // wc2ploff
    EXPECT_TRUE(Draws(none, "No games found."));
    EXPECT_NE(LookedFor(plans[7]).find("\"World Cup II\""), std::string::npos);
}

TEST_F(DiagramsOfADuzedo, DrawnOnceIntoThePicturesFolder) {
    TempDir dir("drawn");
    FileLocations places;
    places.programFolder = (dir / "program/").string();  // not written to
    places.pictures = (dir / "cache/").string();
    const std::string drawn = DiagramPicture("Gr7Cup.bmp", places);
    ASSERT_EQ(drawn, places.pictures + "Gr7Cup.bmp");
    const auto time = fs::last_write_time(drawn);
    EXPECT_EQ(DiagramPicture("Gr7Cup.bmp", places), drawn);
    EXPECT_EQ(fs::last_write_time(drawn), time);
}

// The command writes every picture, or none into a folder it cannot make.
TEST(DiagramsTool, WritesEveryPictureOrFailsWithStatusTwo) {
    if (!fs::exists(DuzedoToolPath())) GTEST_SKIP() << "duzedo is not built beside the tests";
    TempDir dir("picturestool");
    const std::string db = (dir / "duzedo.sqlite").string();
    WriteTournamentsDuzedo(db);
    const std::string out = (dir / "out").string();
    EXPECT_EQ(RunDuzedoTool("pictures '" + db + "' --out '" + out + "'"), 0);
    EXPECT_EQ(std::distance(fs::directory_iterator(out), {}), 9);
    EXPECT_EQ(RunDuzedoTool("pictures '" + db + "' --out '" + out + "/wc2plout.bmp'"), 2);
}

}  // namespace
