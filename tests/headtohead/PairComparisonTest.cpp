// The Find Pair comparison on a DUZEDO whose records were counted by hand.

#include <gtest/gtest.h>

#include "headtohead/PairComparison.h"
#include "headtohead/PairDuzedo.h"
#include "support/ConnectedDuzedo.h"
#include "support/FixedDraws.h"

namespace {

const Grid kHeaderOnly = {{"#", "Team A", "Team B", "A", "B", "Tournament"}};

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
    EXPECT_EQ(c.view.text("lblPairResults_0"), "Aris");
    EXPECT_EQ(c.view.text("lblPairResults_1"), "Bodo");
    EXPECT_EQ(c.view.list("lstPairResults_0"), (Texts{"Games: 2",
                                                      "Wins: 1 (50.%)",
                                                      "Draws: 0 (.%)",
                                                      "Losses: 1 (50.%)",
                                                      "Goals for: 3 (1.5)",
                                                      "Goals against: 3 (1.5)",
                                                      "",
                                                      "As Team A",
                                                      "Games: 1",
                                                      "Wins: 1 (100.%)",
                                                      "Draws: 0 (.%)",
                                                      "Losses: 0 (.%)",
                                                      "Goals for: 3 (3.)",
                                                      "Goals against: 1 (1.)",
                                                      "",
                                                      "As Team B",
                                                      "Games: 1",
                                                      "Wins: 0 (.%)",
                                                      "Draws: 0 (.%)",
                                                      "Losses: 1 (100.%)",
                                                      "Goals for: 0 (0.)",
                                                      "Goals against: 2 (2.)"}));
    // Player two's averages have no leading zero: a lone point for 0.
    EXPECT_EQ(c.view.list("lstPairResults_1"), (Texts{"Games: 2",
                                                      "Wins: 1 (50.%)",
                                                      "Draws: 0 (.%)",
                                                      "Losses: 1 (50.%)",
                                                      "Goals for: 3 (1.5)",
                                                      "Goals against: 3 (1.5)",
                                                      "",
                                                      "As Team A",
                                                      "Games: 1",
                                                      "Wins: 1 (100.%)",
                                                      "Draws: 0 (.%)",
                                                      "Losses: 0 (.%)",
                                                      "Goals for: 2 (2.)",
                                                      "Goals against: 0 (.)",
                                                      "",
                                                      "As Team B",
                                                      "Games: 1",
                                                      "Wins: 0 (.%)",
                                                      "Draws: 0 (.%)",
                                                      "Losses: 1 (100.%)",
                                                      "Goals for: 1 (1.)",
                                                      "Goals against: 3 (3.)"}));
    // In id order, whoever was Team A; id 1 is stored after id 2.
    EXPECT_EQ(c.view.grid("grdPairGames"),
              (Grid{kHeaderOnly[0],
                    {"1", "Bodo", "Aris", "2", "0", "Autumn Cup"},
                    {"2", "Aris", "Bodo", "3", "1", "Spring League"}}));
}

TEST_F(PairComparisonTest, RecordCountsFromPlayerOnesSide) {
    const PairRecord r = ComputePairRecord("Aris", "Bodo", 2);
    EXPECT_EQ(r, (PairRecord{.n = 2, .hw = 1, .al = 1, .hf = 3, .ha = 1, .af = 0, .aa = 2}));
    EXPECT_EQ(r.hg(), 1);
    EXPECT_EQ(r.ag(), 1);
}

TEST_F(PairComparisonTest, GamesInOneRoleOnly) {
    // Cleo was Team A both times: his Team B block and Dara's Team A block have no figures.
    const PairComparison home = Compare("Cleo", "Dara");
    EXPECT_EQ(home.view.text("lblPair"), "Cleo vs Dara (#5) ");
    EXPECT_EQ(home.view.list("lstPairResults_0"),
              (Texts{"Games: 2", "Wins: 1 (50.%)", "Draws: 1 (50.%)", "Losses: 0 (.%)",
                     "Goals for: 3 (1.5)", "Goals against: 1 (0.5)", "", "As Team A", "Games: 2",
                     "Wins: 1 (50.%)", "Draws: 1 (50.%)", "Losses: 0 (.%)", "Goals for: 3 (1.5)",
                     "Goals against: 1 (0.5)", "", "As Team B", "Games: 0"}));
    EXPECT_EQ(home.view.list("lstPairResults_1"),
              (Texts{"Games: 2", "Wins: 0 (.%)", "Draws: 1 (50.%)", "Losses: 1 (50.%)",
                     "Goals for: 1 (.5)", "Goals against: 3 (1.5)", "", "As Team A", "Games: 0", "",
                     "As Team B", "Games: 2", "Wins: 0 (.%)", "Draws: 1 (50.%)", "Losses: 1 (50.%)",
                     "Goals for: 1 (.5)", "Goals against: 3 (1.5)"}));

    // The other way round, player two's list ends with its Team B heading.
    const PairComparison away = Compare("Dara", "Cleo");
    EXPECT_EQ(away.view.text("lblPair"), "Dara (#5) vs Cleo");
    const Texts& second = away.view.list("lstPairResults_1");
    ASSERT_FALSE(second.empty());
    EXPECT_EQ(second.back(), "As Team B");
    EXPECT_EQ(second.size(), 16U);
    const Texts& first = away.view.list("lstPairResults_0");
    EXPECT_EQ(Texts(first.begin() + 7, first.begin() + 10), (Texts{"As Team A", "Games: 0", ""}));
}

TEST_F(PairComparisonTest, PlayersWhoNeverMetGetHeadingAndNamesOnly) {
    const PairComparison c = Compare("Aris", "Cleo");
    EXPECT_FALSE(c.joke);
    EXPECT_EQ(c.view.text("lblPair"), "Aris (#3) vs Cleo");
    EXPECT_EQ(c.view.text("lblPairResults_1"), "Cleo");
    EXPECT_TRUE(c.view.list("lstPairResults_0").empty());
    EXPECT_TRUE(c.view.list("lstPairResults_1").empty());
    EXPECT_EQ(c.view.grid("grdPairGames"), kHeaderOnly);
    EXPECT_EQ(draws.reseeds, 0);
}

TEST_F(PairComparisonTest, SamePlayerGetsAJokeAndNoFigures) {
    draws = FixedDraws({0.5});
    const PairComparison c = Compare("Aris", "Aris");
    EXPECT_EQ(c.view.text("lblPair"), "Aris (#3) vs Aris (#3)  * personality crisis *");
    ASSERT_TRUE(c.joke);
    EXPECT_EQ(*c.joke, (Joke{"Well, they never played together, but I guess Aris would beat Aris "
                             "easilly",
                             "The Oracle speaks"}));
    EXPECT_EQ(draws.reseeds, 1);
    EXPECT_TRUE(c.view.list("lstPairResults_0").empty());
    EXPECT_EQ(c.view.grid("grdPairGames"), kHeaderOnly);

    // Unranked: one blank before the asterisk. Letter case counts for the sameness.
    draws = FixedDraws({0.0});
    EXPECT_EQ(Compare("Cleo", "Cleo").view.text("lblPair"), "Cleo vs Cleo * personality crisis *");
    draws = FixedDraws({});
    EXPECT_FALSE(Compare("Cleo", "cleo").joke);
}

TEST(PairJokes, EveryDrawPicksOneOfTheSix) {
    const auto jokes = PairJokes("Vezuv L");
    EXPECT_EQ(jokes[0].text,
              "Yeah, yeah, we know that the hardest opponent for Vezuv L is only "
              "himself...");
    EXPECT_EQ(jokes[4].text, "Vezuv L is no match for Vezuv L");
    EXPECT_EQ(jokes[5], (Joke{"Oh, the loneliness...", "Playing by himself..."}));
    const std::vector<std::pair<double, std::size_t>> cases = {
        {0.0, 0}, {0.1666, 0}, {0.17, 1}, {0.5, 3}, {0.8334, 5}, {0.999999, 5}};
    for (const auto& [draw, index] : cases) {
        FixedDraws random({draw});
        EXPECT_EQ(ChooseJoke("Vezuv L", random), jokes[index]) << draw;
    }
}

TEST_F(PairComparisonTest, RankingNumberOnlyWhereThereIsOne) {
    // Eryk has no rankings row, Cleo an r of 0; the apostrophe is quoted safely.
    EXPECT_EQ(Compare("Eryk", "Aris").view.text("lblPair"), "Eryk vs Aris (#3) ");
    const PairComparison oneil = Compare("O'Neil", "Aris");
    EXPECT_EQ(oneil.view.text("lblPair"), "O'Neil (#7) vs Aris (#3) ");
    EXPECT_EQ(oneil.view.list("lstPairResults_1")[1], "Wins: 1 (100.%)");
    EXPECT_EQ(PairHeading("A", 0, "B", 0), "A vs B");
}

}  // namespace
