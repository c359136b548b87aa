// The figures the player and pair pages share, read in a few passes, against the window's own
// questions asked player by player, where the two could part: names spelt in another letter case,
// goals not entered, a player against himself, a name spelt twice in the rankings.

#include <gtest/gtest.h>

#include <algorithm>

#include "db/JetText.h"
#include "headtohead/PairComparison.h"
#include "headtohead/Random.h"
#include "players/Games.h"
#include "players/PlayerStats.h"
#include "players/Positions.h"
#include "site/SiteFigures.h"
#include "support/ConnectedDuzedo.h"
#include "support/SampleDb.h"
#include "support/SqliteEdit.h"
#include "support/TestData.h"

namespace {

void WriteOddSample(const std::string& path) {
    WriteSampleDb(path);
    Exec(OpenForWriting(path).get(), TestData("OddGames.sql"));
}

using OddGames = ConnectedSuite<WriteOddSample>;

TEST_F(OddGames, PlayersFiguresAreTheWindowsOnes) {
    const SiteFigures figures = SiteFigures::Read();
    for (const std::string name : {"Liche K", "LICHE K", "O'Neil S", "Dresfoz A"}) {
        SCOPED_TRACE(name);
        const PlayerRecord shown = figures.record(name);
        const PlayerRecord window = ComputePlayerRecord(name);
        EXPECT_EQ(PlayerHeading(shown), PlayerHeading(window));
        EXPECT_EQ(PlayerStatsCells(shown), PlayerStatsCells(window));
        for (const int mode : {kHomeGames, kAwayGames}) {
            EXPECT_EQ(GamesView(name, mode, figures.games(name, mode)).grid("grdGames"),
                      GamesView(name, mode, 0).grid("grdGames"));
        }
        EXPECT_EQ(PositionsView(name, figures.positions(name), 6000, 3000).grid("grdPos"),
                  PositionsView(name, 6000, 3000).grid("grdPos"));
    }
}

TEST_F(OddGames, EveryPairIsFindPairsComparisonAndNoPlayerMeetsHimself) {
    const SiteFigures figures = SiteFigures::Read();
    ASSERT_GT(figures.pairs().size(), 100U);
    SeededRandom random(1);
    std::size_t lichesPairs = 0;
    for (const SiteFigures::Pair& pair : figures.pairs()) {
        ASSERT_FALSE(JetEqual(pair.p1, pair.p2)) << pair.p1;
        ASSERT_LT(JetCompare(pair.p1, pair.p2), 0) << pair.p1 << " / " << pair.p2;
        if (!JetEqual(pair.p1, "Liche K") && !JetEqual(pair.p2, "Liche K")) continue;
        ++lichesPairs;
        const PairComparison window = ComparePair(pair.p1, pair.p2, random);
        const ViewTexts page = figures.pairView(pair);
        for (const char* list : {"lstPairResults_0", "lstPairResults_1"}) {
            EXPECT_EQ(page.list(list), window.view.list(list)) << pair.p1 << " / " << pair.p2;
        }
        EXPECT_EQ(page.grid("grdPairGames"), window.view.grid("grdPairGames"));
        EXPECT_EQ(page.text("lblPair"), window.view.text("lblPair"));
    }
    EXPECT_EQ(figures.pairsOf("liche k").size(), lichesPairs);
    EXPECT_GT(lichesPairs, 5U);
}

TEST_F(OddGames, ANameWrittenTwiceIsOnePlayer) {
    const std::vector<std::string> players = SiteFigures::Read().players();
    EXPECT_EQ(std::ranges::count(players, "Liche K"), 1);
    EXPECT_EQ(std::ranges::count(players, "LICHE K"), 1);
}

}  // namespace
