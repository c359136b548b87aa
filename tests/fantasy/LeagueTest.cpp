// The fantasy league's table, with scripted scores; and one league on the pair DUZEDO through
// the real prediction.

#include <gtest/gtest.h>

#include <map>
#include <numeric>

#include "fantasy/League.h"
#include "headtohead/PairDuzedo.h"
#include "headtohead/Random.h"
#include "support/ConnectedDuzedo.h"

namespace {

using Scores = std::map<std::pair<std::string, std::string>, std::pair<int, int>>;

// Scores by (home, away) among players; a game not scripted ends 0-0.
Predictor Scripted(const std::vector<std::string>& players, Scores scores) {
    return [players, scores = std::move(scores)](std::size_t home, std::size_t away) {
        const auto it = scores.find({players[home], players[away]});
        const auto [h, a] = it == scores.end() ? std::pair(0, 0) : it->second;
        return Prediction{.home = h, .away = a};
    };
}

TEST(League, TableByPointsThenGoalDifference) {
    // A and D end level on 8 points; D, listed later, has the better goal difference.
    const Scores scores = {{{"A", "B"}, {1, 0}}, {{"B", "A"}, {5, 0}}, {{"A", "C"}, {1, 0}},
                           {{"C", "A"}, {0, 0}}, {{"B", "C"}, {0, 1}}, {{"C", "B"}, {0, 1}},
                           {{"A", "D"}, {0, 1}}, {{"D", "A"}, {0, 0}}, {{"B", "D"}, {2, 0}},
                           {{"D", "B"}, {0, 0}}, {{"C", "D"}, {1, 0}}, {{"D", "C"}, {1, 0}}};
    const std::vector<std::string> players = {"A", "B", "C", "D"};
    const League league = *PlayLeague(players, Scripted(players, scores));
    EXPECT_EQ(league.table, (std::vector<LeagueRow>{{"B", 3, 1, 2, 8, 2, 10},
                                                    {"D", 2, 2, 2, 2, 3, 8},
                                                    {"A", 2, 2, 2, 2, 6, 8},
                                                    {"C", 2, 1, 3, 2, 3, 7}}));
    // The table view numbers the rows from 1, best first.
    EXPECT_EQ(LeagueView(league).grid("grdFantasyTable")[1],
              (std::vector<std::string>{"1", "B", "3", "1", "2", "8", "2", "10"}));
}

TEST(League, RowsEqualInPointsAndDifferenceKeepTheirOrder) {
    const auto row = [](const char* player, std::int64_t pts, std::int64_t gf, std::int64_t ga) {
        return LeagueRow{.player = player, .gf = gf, .ga = ga, .pts = pts};
    };
    std::vector<LeagueRow> table = {row("A", 6, 1, 2), row("B", 6, 5, 2), row("C", 9, 0, 0),
                                    row("D", 3, 2, 1), row("E", 3, 4, 3), row("F", 6, 3, 0)};
    OrderTable(table);
    std::string order;
    for (const LeagueRow& r : table) order += r.player;
    EXPECT_EQ(order, "CBFADE");
}

TEST(League, NoteNamesPlayersWithoutTheirOwnGames) {
    const std::vector<std::string> players = {"Ruth", "Aris", "Solo", "Nemo"};
    const Predictor predict = [&](std::size_t home, std::size_t away) {
        const std::string& h = players[home];
        const std::string& a = players[away];
        return Prediction{.homeHasForm = h != "Solo" && h != "Nemo",
                          .awayHasForm = a != "Ruth" && a != "Nemo"};
    };
    const League league = *PlayLeague(players, predict);
    // The count first; every name on the next line, for the status line's tooltip.
    EXPECT_EQ(LeagueNote(league),
              "Too few games for a full prediction: 3 players\nRuth (no game as Team B), "
              "Solo (no game as Team A), Nemo (no games)");
    EXPECT_EQ(LeagueNote(*PlayLeague({"Aris", "Bodo"}, Scripted({"Aris", "Bodo"}, {}))), "");
    // A player alone plays nobody but still has his row.
    const League alone = *PlayLeague({"Solo"}, Scripted({"Solo"}, {}));
    EXPECT_TRUE(alone.games.empty());
    EXPECT_EQ(alone.table, std::vector<LeagueRow>{{.player = "Solo"}});
}

class LeagueOnPairDuzedo : public ConnectedSuite<WritePairDuzedo> {};

TEST_F(LeagueOnPairDuzedo, PredictedLeagueAddsUpAndReplaysFromItsSeed) {
    const std::vector<std::string> players = {"Aris", "Bodo", "Hugo", "Ivan", "Solo", "O'Neil"};
    SeededRandom random(11);
    const ViewTexts view = FantasyView(players, random);
    const Grid& games = view.grid("grdFantasyGames");
    const Grid& table = view.grid("grdFantasyTable");
    ASSERT_EQ(games.size(), 1 + players.size() * (players.size() - 1));
    ASSERT_EQ(table.size(), 1 + players.size());
    std::int64_t goalsFor = 0, goals = 0;
    for (std::size_t row = 1; row < table.size(); ++row) {
        const auto n = [&](int col) { return std::stoll(table[row][col]); };
        EXPECT_EQ(n(2) + n(3) + n(4), 2 * std::int64_t(players.size() - 1)) << table[row][1];
        goalsFor += n(5);
    }
    for (std::size_t row = 1; row < games.size(); ++row) {
        goals += std::stoll(games[row][2]) + std::stoll(games[row][3]);
    }
    EXPECT_EQ(goalsFor, goals);

    SeededRandom again(11);
    EXPECT_EQ(FantasyView(players, again).grid("grdFantasyGames"), games);
}

}  // namespace
