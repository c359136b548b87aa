#include "players/PlayerRecord.h"

#include <optional>

#include "db/Database.h"
#include "rankings/RankingColumn.h"

namespace {

std::int64_t CountWorldCups(const std::string& quoted) {
    std::int64_t count = 0;
    // The blank before % keeps "World Cup I %" from matching the later World Cups.
    for (const char* cup : {"World Cup I %", "World Cup II %", "World Cup III %"}) {
        if (!Query("select distinct tournament from scores where ([TEAM A]=" + quoted +
                   " or [TEAM B]=" + quoted + ") and tournament like '" + cup + "'")
                 .empty()) {
            ++count;
        }
    }
    return count;
}

std::optional<std::int64_t> RankingPoints(const std::string& quoted, const std::string& column) {
    const QueryResult rows =
        Query("select " + column + ", player from rankings where player=" + quoted + " ");
    if (rows.empty()) return 0;
    if (BeyondInt64(rows[0][0])) return std::nullopt;
    return NullToZero(rows[0][0]);
}

// The place in the order of the players of two or more tournaments, compared exactly.
std::int64_t RankingPosition(std::string_view name, const std::string& column) {
    const QueryResult ranked = Query(
        "select player from rankings where (select count(player) from tables where "
        "player=rankings.player) > 1 order by " +
        column + " desc");
    for (std::size_t row = 0; row < ranked.size(); ++row) {
        if (ranked[row]["PLAYER"].toString() == name) return static_cast<std::int64_t>(row) + 1;
    }
    return 0;
}

}  // namespace

PlayerRecord ComputePlayerRecord(std::string_view name, std::string_view rankingColumn) {
    PlayerRecord r;
    r.Name = name;
    const std::string n = SqlQuote(name);
    r.Tournaments = ScalarQuery("select count(*) from tables where player=" + n);
    r.WorldCups = CountWorldCups(n);
    r.Games = ScalarQuery("select count(*) from scores where ([TEAM A]=" + n + " or [TEAM B]=" + n +
                          ") ");
    if (r.Games == 0) return r;

    const SideTallies tally = ReadPlayerTally(name);
    r.Home = tally.asA;
    r.Away = tally.asB;

    if (!rankingColumn.empty()) {
        const std::string column(rankingColumn);
        const std::optional<std::int64_t> points = RankingPoints(n, column);
        r.RankingPoints = points.value_or(0);
        r.RankingPointsBeyondRange = !points;
        r.RankingPosition = RankingPosition(name, column);
    }
    r.TournamentsWon = ScalarQuery("select count(*) from tables where player=" + n + " and p=1");

    return r;
}

PlayerRecord ComputePlayerRecord(std::string_view name) {
    return ComputePlayerRecord(name, CurrentRankingPeriod().column);
}
