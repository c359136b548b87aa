// duzedo report pair, predict and fantasy: the same texts as the frames, and repeatable draws.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <sstream>

#include "duzedo/Report.h"
#include "headtohead/PairDuzedo.h"
#include "support/ReportSuite.h"

namespace {

class HeadToHeadReport : public ReportSuite<WritePairDuzedo> {};

TEST_F(HeadToHeadReport, PairListsItsControlsAndTheJoke) {
    const std::string pair = Run("pair", {{"--p1", "Cleo"}, {"--p2", "Dara"}});
    EXPECT_NE(pair.find("\"lblPair\": \"Cleo vs Dara (#5) \""), std::string::npos) << pair;
    EXPECT_EQ(pair.find("message"), std::string::npos);

    const std::string self = Run("pair", {{"--p1", "Aris"}, {"--p2", "Aris"}, {"--seed", "3"}});
    const auto message = self.find(",\n  \"message\": {\"title\": \"");
    ASSERT_NE(message, std::string::npos) << self;
    EXPECT_EQ(self, Run("pair", {{"--p1", "Aris"}, {"--p2", "Aris"}, {"--seed", "3"}}));
}

TEST_F(HeadToHeadReport, PredictDrawsOneGameAfterAnother) {
    const ReportOptions seeded = {
        {"--home", "Hugo"}, {"--away", "Ivan"}, {"--seed", "5"}, {"--count", "30"}};
    const std::string games = Run("predict", seeded);
    EXPECT_EQ(games, Run("predict", seeded));
    EXPECT_EQ(std::count(games.begin(), games.end(), '['), 31);
    // Hugo's expectation is 3.875 before a reduction of under 2: never below 2 nor above 4.
    for (std::size_t at = games.find("[[") + 1; at != std::string::npos;
         at = games.find('[', at + 1)) {
        const int home = games[at + 1] - '0';
        EXPECT_TRUE(home >= 2 && home <= 4) << games.substr(at, 6);
    }
    EXPECT_THROW(Run("predict", {{"--home", "Hugo"}, {"--away", "Ivan"}, {"--count", "0"}}),
                 std::runtime_error);
}

TEST_F(HeadToHeadReport, FantasyTakesNamesBetweenSemicolons) {
    // A name given twice counts once.
    const ReportOptions options = {{"--players", "Hugo;Ivan;;O'Neil;Hugo"}, {"--seed", "9"}};
    const std::string league = Run("fantasy", options);
    EXPECT_EQ(league, Run("fantasy", options));
    EXPECT_NE(league.find("[\"Hugo\", \"Ivan\", \""), std::string::npos);
    EXPECT_NE(league.find("[\"O'Neil\", \"Ivan\", \""), std::string::npos);
    EXPECT_EQ(league.find("[\"Hugo\", \"Hugo\", \""), std::string::npos);
    EXPECT_NE(
        league.find("\"note\": \"Too few games for a full prediction: 3 players\\nHugo (no "
                    "game as Team B), Ivan (no game as Team A), O'Neil (no game as Team B)\""),
        std::string::npos);
    EXPECT_THROW(Run("fantasy", {{"--players", "Hugo"}, {"--seed", "x"}}), std::runtime_error);
}

}  // namespace
