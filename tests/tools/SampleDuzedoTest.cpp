#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "db/Connection.h"
#include "db/Database.h"
#include "db/DbFile.h"
#include "duzedo/SampleDuzedo.h"
#include "jetwriter/JetWriter.h"
#include "support/DuzedoTool.h"
#include "support/FileBytes.h"
#include "support/RecordingSink.h"
#include "support/SampleDb.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

// ----------------------------------------------------------------------------------------------
// Helpers.

bool StartsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

std::string Lower(std::string s) {
    for (char& c : s) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return s;
}

bool EndsWithCup(const std::string& name) {
    return name.size() >= 3 && Lower(name.substr(name.size() - 3)) == "cup";
}

RecordingSink Generate(std::uint64_t seed, int scale) {
    RecordingSink sink;
    WriteSampleDuzedo(SampleOptions{seed, scale}, sink);
    return sink;
}

bool SameTables(const RecordingSink& x, const RecordingSink& y) {
    if (x.tables.size() != y.tables.size()) return false;
    for (std::size_t i = 0; i < x.tables.size(); ++i) {
        const auto& a = x.tables[i];
        const auto& b = y.tables[i];
        if (a.name != b.name || a.rows != b.rows || a.columns.size() != b.columns.size()) {
            return false;
        }
        for (std::size_t c = 0; c < a.columns.size(); ++c) {
            if (a.columns[c].name != b.columns[c].name || a.columns[c].type != b.columns[c].type) {
                return false;
            }
        }
    }
    return true;
}

// ----------------------------------------------------------------------------------------------
// The sample as read back through the program's engine.

struct GameRow {
    std::int64_t id;
    std::string a, b;
    std::int64_t ga, gb;
    std::string tournament;
};

struct TournamentRow {
    std::string name;
    std::int64_t chrono;
    std::string country;
    std::string date;
    std::int64_t cup;
    std::int64_t players;
};

struct StandingRow {
    std::string tournament, player;
    std::int64_t p, g, w, d, l, gs, gc;
    std::optional<std::int64_t> pts;
    std::int64_t chrono;
};

struct Tally {
    std::int64_t g = 0, w = 0, d = 0, l = 0, gs = 0, gc = 0;
    std::int64_t pts() const { return 3 * w + d; }
};

struct QueryResult {
    std::vector<std::string> names;
    std::vector<std::vector<DbValue>> rows;
};

// Tallies per player over the games that pass keep.
template <typename Keep>
std::map<std::string, Tally> TallyGames(const std::vector<GameRow>& games, Keep keep) {
    std::map<std::string, Tally> out;
    for (const GameRow& g : games) {
        if (!keep(g)) continue;
        Tally& a = out[g.a];
        Tally& b = out[g.b];
        ++a.g;
        ++b.g;
        a.gs += g.ga;
        a.gc += g.gb;
        b.gs += g.gb;
        b.gc += g.ga;
        if (g.ga > g.gb) {
            ++a.w;
            ++b.l;
        } else if (g.ga < g.gb) {
            ++a.l;
            ++b.w;
        } else {
            ++a.d;
            ++b.d;
        }
    }
    return out;
}

void ExpectRowMatches(const StandingRow& row, const Tally& t) {
    SCOPED_TRACE(row.tournament + " / " + row.player);
    EXPECT_EQ(row.g, t.g);
    EXPECT_EQ(row.w, t.w);
    EXPECT_EQ(row.d, t.d);
    EXPECT_EQ(row.l, t.l);
    EXPECT_EQ(row.gs, t.gs);
    EXPECT_EQ(row.gc, t.gc);
    if (row.pts) {
        EXPECT_EQ(*row.pts, t.pts());
    }
}

// A league table agrees with its games: the same players, the same figures, and positions by
// points, then goal difference, then goals scored, equal rows sharing a position.
void ExpectLeagueTable(const std::vector<StandingRow>& rows,
                       const std::map<std::string, Tally>& tallies) {
    ASSERT_EQ(rows.size(), tallies.size()) << rows.front().tournament;
    std::int64_t previousP = 0;
    for (const StandingRow& row : rows) {
        const auto it = tallies.find(row.player);
        ASSERT_NE(it, tallies.end()) << row.tournament << " / " << row.player;
        ExpectRowMatches(row, it->second);
        const Tally& t = it->second;
        std::int64_t better = 0;
        for (const auto& [player, o] : tallies) {
            if (o.pts() != t.pts()           ? o.pts() > t.pts()
                : o.gs - o.gc != t.gs - t.gc ? o.gs - o.gc > t.gs - t.gc
                                             : o.gs > t.gs) {
                ++better;
            }
        }
        EXPECT_EQ(row.p, better + 1) << row.tournament << " / " << row.player;
        EXPECT_GE(row.p, previousP) << "rows in order of position: " << row.tournament;
        previousP = row.p;
    }
}

class SampleDuzedoTest : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        dir_ = std::make_unique<TempDir>("sample");
        const std::string file = (*dir_ / "duzedo.mdb").string();
        WriteSampleDb(file);
        conn_ = std::make_unique<Connection>();
        conn_->open(file, ConnectionString(file));

        for (const auto& r : Query("select * from scores").rows) {
            games_.push_back({r[0].toInt64(), r[1].toString(), r[2].toString(), r[3].toInt64(),
                              r[4].toInt64(), r[5].toString()});
        }
        for (const auto& r : Query("select * from [tournament players]").rows) {
            tournaments_.push_back({r[0].toString(), r[1].toInt64(), r[2].toString(),
                                    r[3].toString(), r[4].toInt64(), r[5].toInt64()});
        }
        standings_ = Standings("tables");
    }

    static void TearDownTestSuite() {
        conn_.reset();
        games_.clear();
        tournaments_.clear();
        standings_.clear();
        dir_.reset();
    }

    static QueryResult Query(const std::string& sql) {
        Recordset rs;
        rs.open(sql, *conn_);
        QueryResult out;
        for (int f = 0; f < rs.fieldCount(); ++f) out.names.push_back(rs.fieldName(f));
        for (; !rs.eof(); rs.moveNext()) {
            std::vector<DbValue> row;
            for (int f = 0; f < rs.fieldCount(); ++f) row.push_back(rs.fields(f));
            out.rows.push_back(row);
        }
        rs.close();
        return out;
    }

    static std::int64_t Scalar(const std::string& sql) {
        const QueryResult r = Query(sql);
        return r.rows.empty() ? 0 : r.rows[0][0].toInt64();
    }

    static std::vector<StandingRow> Standings(const std::string& table,
                                              const std::string& where = "") {
        std::vector<StandingRow> out;
        for (const auto& r : Query("select * from [" + table + "]" + where).rows) {
            StandingRow s{r[0].toString(), r[1].toString(), r[2].toInt64(), r[3].toInt64(),
                          r[4].toInt64(),  r[5].toInt64(),  r[6].toInt64(), r[7].toInt64(),
                          r[8].toInt64(),  std::nullopt,    r[10].toInt64()};
            if (!r[9].isNull()) s.pts = r[9].toInt64();
            out.push_back(s);
        }
        return out;
    }

    static std::vector<StandingRow> RowsOf(const std::vector<StandingRow>& rows,
                                           const std::string& tournament) {
        std::vector<StandingRow> out;
        for (const auto& r : rows) {
            if (r.tournament == tournament) out.push_back(r);
        }
        return out;
    }

    static bool IsOrdinary(const TournamentRow& t) {
        return t.cup == 0 && !StartsWith(Lower(t.name), "world cup") && t.name != "Dadidurez VII";
    }

    // The [tournament players] row a game belongs to.
    static const TournamentRow* OwnerOf(const GameRow& g) {
        // Otherwise the longest tournament name that begins the game's ("Dadidurez VII League
        // Round 1 - Group A" begins with "Dadidurez V" too); a World Cup by its prefix.
        const TournamentRow* best = nullptr;
        std::size_t bestLength = 0;
        for (const auto& t : tournaments_) {
            if (t.name == g.tournament) return &t;
            std::string prefix = t.name;
            if (StartsWith(t.name, "World Cup")) prefix = t.name.substr(0, t.name.find(" (")) + " ";
            if (StartsWith(g.tournament, prefix) && prefix.size() > bestLength) {
                best = &t;
                bestLength = prefix.size();
            }
        }
        return best;
    }

    static inline std::unique_ptr<TempDir> dir_;
    static inline std::unique_ptr<Connection> conn_;
    static inline std::vector<GameRow> games_;
    static inline std::vector<TournamentRow> tournaments_;
    static inline std::vector<StandingRow> standings_;
};

// ----------------------------------------------------------------------------------------------
// Determinism and scale.

TEST(SampleDuzedo, SameSeedGivesTheSameFileAndAnotherSeedAnother) {
    const TempDir dir("determinism");
    WriteSampleDb((dir / "a.mdb").string(), {.seed = 1});
    WriteSampleDb((dir / "b.mdb").string(), {.seed = 1});
    WriteSampleDb((dir / "c.mdb").string(), {.seed = 2});
    const std::string a = ReadBytes(dir / "a.mdb");
    EXPECT_GT(a.size(), 10000u);
    EXPECT_TRUE(a == ReadBytes(dir / "b.mdb"));
    EXPECT_FALSE(a == ReadBytes(dir / "c.mdb"));

    EXPECT_TRUE(SameTables(Generate(7, 1), Generate(7, 1)));
    EXPECT_FALSE(SameTables(Generate(7, 1), Generate(8, 1)));
}

TEST(SampleDuzedo, ScaleMultipliesPlayersTournamentsAndGames) {
    const RecordingSink one = Generate(1, 1);
    const RecordingSink two = Generate(1, 2);
    auto ratio = [&](const char* table) {
        return static_cast<double>(two.table(table).rows.size()) /
               static_cast<double>(one.table(table).rows.size());
    };
    EXPECT_GE(one.table("rankings").rows.size(), 50u);
    EXPECT_LE(one.table("rankings").rows.size(), 70u);
    EXPECT_GE(one.table("tournament players").rows.size(), 30u);
    EXPECT_LE(one.table("tournament players").rows.size(), 40u);
    EXPECT_NEAR(ratio("rankings"), 2.0, 0.2);
    EXPECT_NEAR(ratio("tournament players"), 2.0, 0.25);
    EXPECT_NEAR(ratio("scores"), 2.0, 0.4);
    EXPECT_THROW(Generate(1, 0), std::invalid_argument);
}

TEST(SampleDuzedo, TotalGoalsExceedSixteenBitsAtScaleTen) {
    const RecordingSink big = Generate(1, 10);
    const std::size_t a = big.columnOf("scores", "A");
    const std::size_t b = big.columnOf("scores", "B");
    std::int64_t goals = 0;
    for (const auto& row : big.table("scores").rows) goals += row[a].toInt64() + row[b].toInt64();
    EXPECT_GT(goals, 32767);
}

// ----------------------------------------------------------------------------------------------
// Schema.

TEST_F(SampleDuzedoTest, TablesAndColumnsAreThoseThePartsRead) {
    const std::vector<std::string> tables = {"scores",
                                             "tables",
                                             "tournament players",
                                             "rankings",
                                             "World Cup I Tables",
                                             "World Cup II Tables"};
    EXPECT_EQ(conn_->tableNames(), tables);
    using V = std::vector<std::string>;
    EXPECT_EQ(Query("select * from scores where id=0").names,
              (V{"id", "TEAM A", "TEAM B", "A", "B", "TOURNAMENT"}));
    const V standings = {"tournament", "player", "p",  "g",   "w",     "d",
                         "l",          "gs",     "gc", "pts", "chrono"};
    EXPECT_EQ(Query("select * from tables where p=0").names, standings);
    EXPECT_EQ(Query("select * from [World Cup I Tables] where p=0").names, standings);
    EXPECT_EQ(Query("select * from [World Cup II Tables] where p=0").names, standings);
    EXPECT_EQ(Query("select * from [tournament players] where chrono=0").names,
              (V{"tournament", "chrono", "country", "date", "Cup?", "players"}));
}

TEST_F(SampleDuzedoTest, RankingColumnsAreConsecutiveMonthsOldestFirst) {
    const QueryResult r = Query("select * from rankings where player='0'");
    EXPECT_TRUE(r.rows.empty());
    ASSERT_GE(r.names.size(), 33u);
    EXPECT_EQ(r.names[0], "player");
    EXPECT_EQ(r.names[1], "country");
    EXPECT_EQ(r.names[2], "r");
    int previous = -1;
    for (std::size_t i = 3; i < r.names.size(); ++i) {
        const std::string& n = r.names[i];
        ASSERT_EQ(n.size(), 5u) << n;
        ASSERT_EQ(n[0], 'R') << n;
        ASSERT_TRUE(std::all_of(n.begin() + 1, n.end(), [](char c) {
            return c >= '0' && c <= '9';
        })) << n;
        const int month = std::stoi(n.substr(1, 2));
        const int year = std::stoi(n.substr(3, 2));
        ASSERT_GE(month, 1) << n;
        ASSERT_LE(month, 12) << n;
        const int index = year * 12 + month - 1;
        if (previous >= 0) {
            EXPECT_EQ(index, previous + 1) << n;
        }
        previous = index;
    }
    EXPECT_GE(r.names.size() - 3, 30u);
}

// ----------------------------------------------------------------------------------------------
// Games and tournaments.

TEST_F(SampleDuzedoTest, GamesAreNumberedInChronologicalOrder) {
    ASSERT_GT(games_.size(), 1000u);
    std::int64_t chrono = 0;
    for (std::size_t i = 0; i < games_.size(); ++i) {
        const GameRow& g = games_[i];
        ASSERT_EQ(g.id, static_cast<std::int64_t>(i) + 1);
        EXPECT_NE(g.a, g.b);
        EXPECT_GE(g.ga, 0);
        EXPECT_LE(g.ga, 9);
        EXPECT_GE(g.gb, 0);
        EXPECT_LE(g.gb, 9);
        const TournamentRow* owner = OwnerOf(g);
        ASSERT_NE(owner, nullptr) << g.tournament;
        EXPECT_GE(owner->chrono, chrono) << g.tournament;
        chrono = owner->chrono;
    }
    // Home advantage and draws, as in real football.
    const auto home = Scalar("select count(*) from scores where a>b");
    const auto away = Scalar("select count(*) from scores where a<b");
    const auto draws = Scalar("select count(*) from scores where a=b");
    EXPECT_GT(home, away);
    EXPECT_GT(draws * 20, static_cast<std::int64_t>(games_.size()));
}

TEST_F(SampleDuzedoTest, TournamentsAreInDateOrderWithTheirPlayerCounts) {
    static const std::vector<std::string> months = {
        "January", "February", "March",     "April",   "May",      "June",
        "July",    "August",   "September", "October", "November", "December"};
    std::set<std::string> names;
    int previousDate = 0;
    std::int64_t previousChrono = 0;
    for (const TournamentRow& t : tournaments_) {
        EXPECT_TRUE(names.insert(Lower(t.name)).second) << t.name;
        EXPECT_GT(t.chrono, previousChrono) << t.name;
        previousChrono = t.chrono;
        std::istringstream date(t.date);
        int day = 0;
        int year = 0;
        std::string month;
        date >> day >> month >> year;
        const auto m = std::find(months.begin(), months.end(), month) - months.begin();
        ASSERT_LT(m, 12) << t.date;
        ASSERT_GE(year, 2001) << t.date;
        ASSERT_LE(year, 2003) << t.date;
        const int key = (year * 12 + static_cast<int>(m)) * 32 + day;
        EXPECT_GE(key, previousDate) << t.name << " " << t.date;
        previousDate = key;
        EXPECT_FALSE(t.country.empty());

        std::set<std::string> players;
        for (const GameRow& g : games_) {
            if (OwnerOf(g) == &t) {
                players.insert(g.a);
                players.insert(g.b);
            }
        }
        EXPECT_EQ(t.players, static_cast<std::int64_t>(players.size())) << t.name;
    }
    EXPECT_GE(tournaments_.size(), 30u);
}

TEST_F(SampleDuzedoTest, OrdinaryTablesAgreeWithTheirGames) {
    std::size_t checked = 0;
    std::set<std::int64_t> roundRobinKinds;  // games per player over field size - 1
    for (const TournamentRow& t : tournaments_) {
        if (!IsOrdinary(t)) continue;
        SCOPED_TRACE(t.name);
        const auto tallies =
            TallyGames(games_, [&](const GameRow& g) { return g.tournament == t.name; });
        const auto rows = RowsOf(standings_, t.name);
        ASSERT_FALSE(rows.empty());
        EXPECT_GE(rows.size(), 6u);
        EXPECT_LE(rows.size(), 12u);
        ExpectLeagueTable(rows, tallies);
        for (const auto& r : rows) {
            EXPECT_EQ(r.chrono, t.chrono);
            EXPECT_EQ(r.g % static_cast<std::int64_t>(rows.size() - 1), 0);
            roundRobinKinds.insert(r.g / static_cast<std::int64_t>(rows.size() - 1));
        }
        ++checked;
    }
    EXPECT_GE(checked, 25u);
    EXPECT_EQ(roundRobinKinds, (std::set<std::int64_t>{1, 2}));  // single and double
}

TEST_F(SampleDuzedoTest, TablesAreInChronologicalOrderWithSomeNullPoints) {
    std::int64_t chrono = 0;
    int nulls = 0;
    for (const auto& r : standings_) {
        EXPECT_GE(r.chrono, chrono) << r.tournament;
        chrono = r.chrono;
        if (!r.pts) ++nulls;
    }
    EXPECT_GE(nulls, 1);
    EXPECT_LE(nulls, 2);
    // Every tournament has its winner; the winners list finds them oldest first,
    // one row per winner, so a shared first place gives two rows.
    const QueryResult winners =
        Query("select tournament, player from tables where p=1 order by chrono");
    std::map<std::string, int> wins;
    for (const auto& row : winners.rows) ++wins[row[0].toString()];
    std::size_t tournamentsWithTables = 0;
    for (const TournamentRow& t : tournaments_) {
        if (t.cup == 0) ++tournamentsWithTables;
    }
    EXPECT_EQ(wins.size(), tournamentsWithTables);  // World Cups under their prefix
    EXPECT_GE(std::count_if(wins.begin(), wins.end(), [](const auto& w) { return w.second == 2; }),
              1);
}

TEST_F(SampleDuzedoTest, CupsHaveGamesUnderTheirNameButNoTable) {
    int cups = 0;
    bool lowerCaseCup = false;
    for (const TournamentRow& t : tournaments_) {
        EXPECT_EQ(t.cup == -1, EndsWithCup(t.name)) << t.name;
        if (t.cup != -1) continue;
        ++cups;
        lowerCaseCup = lowerCaseCup || t.name.substr(t.name.size() - 3) == "cup";
        EXPECT_TRUE(RowsOf(standings_, t.name).empty()) << t.name;
        EXPECT_EQ(
            Scalar("select count(*) from tables where tournament like " + SqlQuote(t.name + "%")),
            0)
            << t.name;
        int finals = 0;
        int games = 0;
        for (const GameRow& g : games_) {
            if (!StartsWith(g.tournament, t.name)) continue;
            ++games;
            EXPECT_TRUE(StartsWith(g.tournament, t.name + " ")) << g.tournament;
            EXPECT_NE(g.ga, g.gb) << "a knock-out game is decided: " << g.tournament;
            if (g.tournament == t.name + " Final") ++finals;
        }
        EXPECT_EQ(finals, 1) << t.name;
        EXPECT_EQ(games, t.players - 1) << t.name;  // one game per player knocked out
        EXPECT_EQ(
            Scalar("select [Cup?] from [tournament players] where tournament =" + SqlQuote(t.name)),
            -1);
    }
    EXPECT_GE(cups, 4);
    EXPECT_TRUE(lowerCaseCup);
}

TEST_F(SampleDuzedoTest, DadidurezSevenHasPhasesAndAFinalTable) {
    const auto it = std::find_if(tournaments_.begin(), tournaments_.end(),
                                 [](const TournamentRow& t) { return t.name == "Dadidurez VII"; });
    ASSERT_NE(it, tournaments_.end());
    EXPECT_EQ(it->cup, 0);
    std::set<std::string> phases;
    for (const GameRow& g : games_) {
        if (StartsWith(g.tournament, "Dadidurez VII")) {
            EXPECT_TRUE(StartsWith(g.tournament, "Dadidurez VII ")) << g.tournament;
            phases.insert(g.tournament);
        }
    }
    EXPECT_GE(phases.size(), 5u);
    // The games list finds them with the prefix form.
    EXPECT_EQ(
        Query("select * from scores where tournament like 'Dadidurez VII%' order by id")
            .rows.size(),
        static_cast<std::size_t>(std::count_if(games_.begin(), games_.end(), [](const GameRow& g) {
            return StartsWith(g.tournament, "Dadidurez VII ");
        })));

    const auto tallies = TallyGames(
        games_, [](const GameRow& g) { return StartsWith(g.tournament, "Dadidurez VII "); });
    const auto rows = RowsOf(standings_, "Dadidurez VII");
    ASSERT_EQ(rows.size(), tallies.size());
    EXPECT_EQ(static_cast<std::int64_t>(rows.size()), it->players);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].p, static_cast<std::int64_t>(i) + 1);
        ASSERT_TRUE(tallies.count(rows[i].player)) << rows[i].player;
        ExpectRowMatches(rows[i], tallies.at(rows[i].player));
    }
}

TEST_F(SampleDuzedoTest, WorldCupsAnswerEveryQueryOfTheirView) {
    const std::vector<std::string> names = {"World Cup I (Dartford)", "World Cup II (Athens)"};
    const std::vector<std::string> prefixes = {"World Cup I ", "World Cup II "};
    const std::vector<std::string> phases = {
        "Round 1 - Group A", "Round 1 - Group B", "Round 1 - Group C", "Round 1 - Group D",
        "Round 2 - Group E", "Round 2 - Group F", "Round 2 - Group G", "Round 2 - Group H"};
    for (std::size_t w = 0; w < 2; ++w) {
        const std::string& P = prefixes[w];
        SCOPED_TRACE(P);
        const auto t = std::find_if(tournaments_.begin(), tournaments_.end(),
                                    [&](const TournamentRow& x) { return x.name == names[w]; });
        ASSERT_NE(t, tournaments_.end());
        EXPECT_EQ(t->country, "WC");
        EXPECT_EQ(t->cup, 0);

        for (const std::string& T : phases) {
            const std::string G = T.substr(T.size() - 7);
            const auto games = Query("select * from scores where tournament = '" + P + T + "'");
            EXPECT_FALSE(games.rows.empty()) << T;
            const auto rows = Standings(P + "Tables", " where tournament='" + G + "'");
            ASSERT_FALSE(rows.empty()) << T;
            for (const auto& r : rows) EXPECT_EQ(r.chrono, t->chrono);
            ExpectLeagueTable(
                rows, TallyGames(games_, [&](const GameRow& g) { return g.tournament == P + T; }));
        }
        const auto all = Query("select * from scores where tournament like '" + P + "%'");
        for (const auto& r : all.rows) {
            EXPECT_TRUE(StartsWith(r[5].toString(), P)) << r[5].toString();
            EXPECT_FALSE(w == 0 && StartsWith(r[5].toString(), "World Cup II")) << r[5].toString();
        }
        const auto tallies =
            TallyGames(games_, [&](const GameRow& g) { return StartsWith(g.tournament, P); });
        EXPECT_EQ(all.rows.size(), static_cast<std::size_t>(std::count_if(
                                       games_.begin(), games_.end(), [&](const GameRow& g) {
                                           return StartsWith(g.tournament, P);
                                       })));
        // The final table, stored under the prefix itself, trailing blank included.
        const auto finalTable = Query("select * from tables where tournament='" + P + "'");
        ASSERT_EQ(finalTable.rows.size(), tallies.size());
        const auto rows = RowsOf(standings_, P);
        ASSERT_EQ(rows.size(), tallies.size());
        EXPECT_EQ(static_cast<std::int64_t>(rows.size()), t->players);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(rows[i].p, static_cast<std::int64_t>(i) + 1);
            ExpectRowMatches(rows[i], tallies.at(rows[i].player));
        }
    }
    // Only World Cup II had play-outs (its "PlayOut Tree").
    EXPECT_GT(Scalar("select count(*) from scores where tournament like 'World Cup II Playouts%'"),
              0);
    EXPECT_EQ(Scalar("select count(*) from scores where tournament like 'World Cup I Playouts%'"),
              0);
}

// ----------------------------------------------------------------------------------------------
// Players and rankings.

TEST_F(SampleDuzedoTest, NamesWithQuotesAndAccentsArePresent) {
    for (const char* name : {"O'Neil S", "Müller K", "Ñandú P", "Érsek L"}) {
        EXPECT_EQ(Scalar("select count(*) from rankings where player=" + SqlQuote(name)), 1)
            << name;
        EXPECT_GT(Scalar("select count(*) from scores where [TEAM A]=" + SqlQuote(name) +
                         " or [TEAM B]=" + SqlQuote(name)),
                  0)
            << name;
    }
    EXPECT_GT(Scalar("select count(*) from rankings where country='Curaçao'"), 0);
    EXPECT_EQ(Scalar("select count(*) from [tournament players] where tournament=" +
                     SqlQuote("King's Trophy 2002")),
              1);
    EXPECT_GE(Scalar("select count(*) from [tournament players] where country='Curaçao'"), 1);
}

TEST_F(SampleDuzedoTest, RankingsFollowResults) {
    const QueryResult r = Query("select * from rankings");
    const std::size_t last = r.names.size() - 1;
    std::set<std::string> players;
    std::vector<std::pair<std::int64_t, std::string>> ranked;  // (r, player)
    int neverRanked = 0;
    int droppedOut = 0;
    for (const auto& row : r.rows) {
        const std::string player = row[0].toString();
        EXPECT_TRUE(players.insert(player).second) << player;
        EXPECT_FALSE(row[1].toString().empty()) << player;
        bool everRanked = false;
        for (std::size_t c = 3; c <= last; ++c) {
            const std::int64_t v = row[c].toInt64();
            if (v == -1) continue;
            everRanked = true;
            EXPECT_GE(v, 600) << player << " " << r.names[c];
            EXPECT_LE(v, 2200) << player << " " << r.names[c];
        }
        const std::int64_t current = row[last].toInt64();
        if (current == -1) {
            EXPECT_EQ(row[2].toInt64(), 0) << player;
            if (everRanked) ++droppedOut;
        } else {
            ranked.emplace_back(row[2].toInt64(), player);
        }
        if (!everRanked) ++neverRanked;
    }
    EXPECT_GE(neverRanked, 1);
    EXPECT_GE(droppedOut, 1);
    // r numbers the ranked players 1..n by their current points.
    std::sort(ranked.begin(), ranked.end());
    ASSERT_GE(ranked.size(), 30u);
    std::int64_t previousPoints = 1 << 30;
    for (std::size_t i = 0; i < ranked.size(); ++i) {
        EXPECT_EQ(ranked[i].first, static_cast<std::int64_t>(i) + 1);
        const std::int64_t points =
            Scalar("select " + r.names[last] +
                   " from rankings where player=" + SqlQuote(ranked[i].second));
        EXPECT_LE(points, previousPoints);
        previousPoints = points;
    }
    // Everybody who played is in the rankings table.
    for (const GameRow& g : games_) {
        EXPECT_TRUE(players.count(g.a)) << g.a;
        EXPECT_TRUE(players.count(g.b)) << g.b;
    }
    // The top third of the ranking wins clearly more often than the bottom third.
    auto winRate = [](const std::vector<std::pair<std::int64_t, std::string>>& group) {
        double sum = 0;
        for (const auto& [r, p] : group) {
            const auto q = SqlQuote(p);
            const double won =
                static_cast<double>(Scalar("select count(*) from scores where ([TEAM A]=" + q +
                                           " and a>b) or ([TEAM B]=" + q + " and b>a)"));
            const double played = static_cast<double>(
                Scalar("select count(*) from scores where [TEAM A]=" + q + " or [TEAM B]=" + q));
            sum += played > 0 ? won / played : 0;
        }
        return sum / static_cast<double>(group.size());
    };
    const std::size_t third = ranked.size() / 3;
    const std::vector<std::pair<std::int64_t, std::string>> top(ranked.begin(),
                                                                ranked.begin() + third);
    const std::vector<std::pair<std::int64_t, std::string>> bottom(ranked.end() - third,
                                                                   ranked.end());
    EXPECT_GT(winRate(top), winRate(bottom) + 0.15);
}

// ----------------------------------------------------------------------------------------------
// The tool, when it has been built beside the tests.

TEST(DuzedoTool, WritesTheSampleAndFailsWithStatusTwo) {
    if (!fs::exists(DuzedoToolPath())) GTEST_SKIP() << "duzedo is not built beside the tests";
    const TempDir dir("tool");
    const std::string out = "'" + (dir / "out").string() + "'";

    EXPECT_EQ(RunDuzedoTool("--help"), 0);
    EXPECT_EQ(RunDuzedoTool("sample --seed 1 --out " + out), 0);
    WriteSampleDb((dir / "library.sqlite").string(), {.seed = 1});
    {
        JetFileWriter jet((dir / "library.mdb").string());
        WriteSampleDuzedo(SampleOptions{1, 1}, jet);
        jet.finish();
    }
    EXPECT_TRUE(ReadBytes(dir / "out" / "duzedo.mdb") == ReadBytes(dir / "library.mdb"));
    EXPECT_TRUE(ReadBytes(dir / "out" / "duzedo.sqlite") == ReadBytes(dir / "library.sqlite"));
    EXPECT_EQ(RunDuzedoTool("sql " + out + "/duzedo.mdb 'select count(*) from scores' --json"), 0);
    EXPECT_EQ(
        RunDuzedoTool("to-sqlite " + out + "/duzedo.mdb '" + (dir / "copy.sqlite").string() + "'"),
        0);
    EXPECT_TRUE(fs::exists(dir / "copy.sqlite"));

    EXPECT_EQ(RunDuzedoTool(""), 2);
    EXPECT_EQ(RunDuzedoTool("frobnicate"), 2);
    EXPECT_EQ(RunDuzedoTool("sample --seed"), 2);
    EXPECT_EQ(RunDuzedoTool("sample --seed 1"), 2);
    EXPECT_EQ(RunDuzedoTool("sample --seed one --out " + out), 2);
    EXPECT_EQ(RunDuzedoTool("sample --seed 1 --scale 0 --out " + out), 2);
    // Refused at once, not after minutes of work, where the positions would not fit.
    EXPECT_EQ(RunDuzedoTool("sample --seed 1 --scale 501 --out " + out), 2);
    EXPECT_EQ(RunDuzedoTool("sample --seed 1 --out " + out + " --colour"), 2);
    EXPECT_EQ(RunDuzedoTool("sql " + out + "/duzedo.mdb"), 2);
    EXPECT_EQ(RunDuzedoTool("sql '" + (dir / "missing.mdb").string() + "' 'select 1'"), 2);
    EXPECT_EQ(RunDuzedoTool("sql " + out + "/duzedo.mdb 'select * from nowhere'"), 2);
    std::ofstream(dir / "junk.mdb") << "not a database";
    EXPECT_EQ(RunDuzedoTool("sql '" + (dir / "junk.mdb").string() + "' 'select 1'"), 2);
    EXPECT_EQ(RunDuzedoTool("to-sqlite '" + (dir / "junk.mdb").string() + "' '" +
                            (dir / "junk.sqlite").string() + "'"),
              2);
    EXPECT_FALSE(fs::exists(dir / "junk.sqlite"));
}

}  // namespace
