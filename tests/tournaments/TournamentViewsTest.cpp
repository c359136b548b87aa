// The diagram pictures drawn from the database: finding each phase's games by their names, the
// drawing data, the files and the command that writes them. (The Tournaments and World Cups views
// are checked by the view cases of the report tests.)

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
#include "tournaments/TournamentsDuzedo.h"

namespace {

namespace fs = std::filesystem;

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
    EXPECT_EQ(RunDuzedoTool({"pictures", db, "--out", out}), 0);
    EXPECT_EQ(std::distance(fs::directory_iterator(out), {}), 9);
    EXPECT_EQ(RunDuzedoTool({"pictures", db, "--out", out + "/wc2plout.bmp"}), 2);
}

}  // namespace
