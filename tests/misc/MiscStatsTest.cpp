// Every player's totals read at once, against his own record, on purpose-built DUZEDOs.

#include <gtest/gtest.h>

#include "db/Database.h"
#include "misc/MiscStats.h"
#include "players/PlayerRecord.h"
#include "support/ConnectedDuzedo.h"
#include "support/HandMadeDuzedo.h"

namespace {

// n games of teamA at home to teamB in League, each a:b, numbered on from the last.
std::string Games(int n, const std::string& teamA, const std::string& teamB, int a, int b) {
    std::string games;
    for (int i = 0; i < n; ++i) {
        games += "INSERT INTO scores SELECT coalesce(max(id), 0) + 1, '" + teamA + "', '" + teamB +
                 "', " + std::to_string(a) + ", " + std::to_string(b) + ", 'League' FROM scores;";
    }
    return games;
}

// The misc DUZEDO (tests/data/Misc.sql) with the rows that sql adds, connected.
struct MiscDuzedo : ConnectedDuzedo {
    MiscDuzedo(const std::string& label, const std::string& sql)
        : ConnectedDuzedo(
              label, [&](const std::string& path) { WriteSqlDuzedo(path, "Misc.sql", sql); }) {}
};

// Every player's totals, read for all players at once, as his record (which asks the database
// for his name alone) counts them.
void ExpectTotalsMatchRecords(const std::vector<std::string>& players) {
    const std::vector<PlayerTotals> totals = ReadPlayerTotals(players);
    ASSERT_EQ(totals.size(), players.size());
    for (std::size_t i = 0; i < players.size(); ++i) {
        const PlayerRecord record = ComputePlayerRecord(players[i], "");
        EXPECT_TRUE(totals[i].asA == record.Home && totals[i].asB == record.Away) << players[i];
        EXPECT_EQ(totals[i].played, record.Tournaments) << players[i];
    }
}

TEST(GroupedTotals, CountEverySpellingOfANameAsJetDoes) {
    ConnectedDuzedo db("misc-hand", [](const std::string& path) { WriteHandMadeDuzedo(path); });
    ASSERT_TRUE(db.connected()) << db.error();
    std::vector<std::string> players = MiscPlayers();
    // Names the rankings do not spell as scores does, and one nobody plays as.
    players.insert(players.end(), {"vodad r", "VODAD R  ", "Nobody"});
    ExpectTotalsMatchRecords(players);
    const PlayerTotals vodad = ReadPlayerTotals({"Vodad R"})[0];
    EXPECT_GT(vodad.asA.goalsFor, 32767);  // beyond 16 bits
}

TEST(GroupedTotals, PlayersOnlyInTablesOrWithoutTeamBGames) {
    const MiscDuzedo db("misc-sides",
                        Games(3, "Home", "Away", 2, 0) + Games(1, "home", "AWAY", 1, 1) +
                            "INSERT INTO tables (tournament, player, p) VALUES ('Cup', 'Home', 1), "
                            "('Cup', 'Away', 2), ('Cup', 'Tabled', 1), ('Cup 2', 'TABLED', 1);"
                            "INSERT INTO rankings VALUES ('Away', 'Velmoor', 0, -1), "
                            "('Home', 'Velmoor', 0, -1), ('Tabled', 'Velmoor', 0, -1);");
    ASSERT_TRUE(db.connected()) << db.error();
    ExpectTotalsMatchRecords({"Away", "Home", "Tabled"});
    const auto totals = ReadPlayerTotals({"Home", "Tabled"});
    EXPECT_EQ(totals[0].asA.games, 4);
    EXPECT_EQ(totals[0].asB.games, 0);
    EXPECT_EQ(totals[0].asA.wins, 3);
    EXPECT_EQ(totals[0].all().draws, 1);
    EXPECT_EQ(totals[1].all().games, 0);
    EXPECT_EQ(totals[1].won, 2);
    EXPECT_EQ(RecordHolderTexts({"Home", "Tabled"}, totals, 20)[21], "Tabled (2)");
}

}  // namespace
