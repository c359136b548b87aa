// The Find Pair comparison on a DUZEDO whose records were counted by hand.

#include <gtest/gtest.h>

#include "headtohead/PairComparison.h"
#include "headtohead/PairDuzedo.h"
#include "support/ConnectedDuzedo.h"
#include "support/FixedDraws.h"

namespace {

class PairComparisonTest : public ConnectedSuite<WritePairDuzedo> {
  protected:
    PairComparison Compare(const std::string& p1, const std::string& p2) {
        return ComparePair(p1, p2, draws);
    }
    FixedDraws draws{std::vector<double>{}};
};

TEST_F(PairComparisonTest, WorkedExampleHomeWinAndAwayDefeat) {
    const PairComparison c = Compare("Aris", "Bodo");
    EXPECT_FALSE(c.joke);
    EXPECT_EQ(c.view.text("lblPair"), "Aris (#3) vs Bodo (#12) ");
    const Texts one = c.view.list("lstPairResults_0");
    const Texts two = c.view.list("lstPairResults_1");
    ASSERT_EQ(one.size(), 22U);
    EXPECT_EQ(one[1], "Wins: 1 (50.%)");
    EXPECT_EQ(one[4], "Goals for: 3 (1.5)");
    EXPECT_EQ(one[21], "Goals against: 2 (2.)");
    // Player two's averages have no leading zero: a lone point for 0.
    EXPECT_EQ(two[13], "Goals against: 0 (.)");
    EXPECT_EQ(two[19], "Losses: 1 (100.%)");
    EXPECT_EQ(two[21], "Goals against: 3 (3.)");
    // In id order, whoever was Team A; id 1 is stored after id 2.
    EXPECT_EQ(c.view.grid("grdPairGames")[1], (Texts{"1", "Bodo", "Aris", "2", "0", "Autumn Cup"}));
}

TEST_F(PairComparisonTest, GamesInOneRoleOnly) {
    // Cleo was Team A both times: his Team B block and Dara's Team A block have no figures.
    const PairComparison home = Compare("Cleo", "Dara");
    EXPECT_EQ(home.view.text("lblPair"), "Cleo vs Dara (#5) ");
    EXPECT_EQ(home.view.list("lstPairResults_0").back(), "Games: 0");
    const Texts dara = home.view.list("lstPairResults_1");
    EXPECT_EQ(dara[4], "Goals for: 1 (.5)");
    EXPECT_EQ(dara[8], "Games: 0");
    EXPECT_EQ(dara.back(), "Goals against: 3 (1.5)");
    // The other way round, player two's list ends with its Team B heading.
    const PairComparison away = Compare("Dara", "Cleo");
    EXPECT_EQ(away.view.text("lblPair"), "Dara (#5) vs Cleo");
    EXPECT_EQ(away.view.list("lstPairResults_1").back(), "As Team B");
}

TEST_F(PairComparisonTest, SamePlayerGetsAJokeAndNoFigures) {
    // Unranked: one blank before the asterisk. Letter case counts for the sameness.
    draws = FixedDraws({0.0});
    EXPECT_EQ(Compare("Cleo", "Cleo").view.text("lblPair"), "Cleo vs Cleo * personality crisis *");
    EXPECT_EQ(draws.reseeds, 1);
    EXPECT_FALSE(Compare("Cleo", "cleo").joke);
}

TEST(PairJokes, EveryDrawPicksOneOfTheSix) {
    const auto jokes = PairJokes("Vezuv L");
    EXPECT_NE(jokes[3].text.find("Vezuv L would beat Vezuv L"), std::string::npos);
    for (const auto& [draw, index] : {std::pair(0.0, 0), {0.1666, 0}, {0.17, 1}, {0.999999, 5}}) {
        FixedDraws random({draw});
        EXPECT_EQ(ChooseJoke("Vezuv L", random), jokes[static_cast<std::size_t>(index)]) << draw;
    }
}

TEST_F(PairComparisonTest, RankingNumberOnlyWhereThereIsOne) {
    // Eryk has no rankings row; the apostrophe is quoted safely.
    EXPECT_EQ(Compare("Eryk", "Aris").view.text("lblPair"), "Eryk vs Aris (#3) ");
    const PairComparison oneil = Compare("O'Neil", "Aris");
    EXPECT_EQ(oneil.view.text("lblPair"), "O'Neil (#7) vs Aris (#3) ");
    EXPECT_EQ(oneil.view.list("lstPairResults_1")[1], "Wins: 1 (100.%)");
}

}  // namespace
