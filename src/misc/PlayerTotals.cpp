#include "misc/PlayerTotals.h"

#include <array>
#include <unordered_map>

#include "core/PlayerNames.h"
#include "db/Database.h"
#include "db/JetText.h"
#include "players/PlayerLists.h"

namespace {

using TotalsByKey = std::unordered_map<std::string, PlayerTotals>;

// Games of one side, per player of that side: count, goals for and against, wins, draws and
// losses as that side sees them.
void AddSide(TotalsByKey& totals, bool teamA) {
    const std::string side = teamA ? "[TEAM A]" : "[TEAM B]";
    const std::string own = teamA ? "a" : "b";
    const std::string other = teamA ? "b" : "a";
    const QueryResult rows =
        Query("select " + side + ", count(*), sum(" + own + "), sum(" + other + "), sum(iif(" +
              own + ">" + other + ",1,0)), sum(iif(a=b,1,0)), " + "sum(iif(" + own + "<" + other +
              ",1,0)) from scores group by " + side);
    for (const Record row : rows) {
        if (row[0].isNull()) continue;
        PlayerTotals& t = totals[JetFoldKey(row[0].toString())];
        const std::array<WideInt*, 6> fields =
            teamA ? std::array{&t.aGames, &t.aFor, &t.aAgainst, &t.aWins, &t.aDraws, &t.aLosses}
                  : std::array{&t.bGames, &t.bFor, &t.bAgainst, &t.bWins, &t.bDraws, &t.bLosses};
        for (std::size_t i = 0; i < fields.size(); ++i) {
            *fields[i] += WideNullToZero(row[static_cast<int>(i) + 1]);
        }
    }
}

void AddTournaments(TotalsByKey& totals) {
    const QueryResult rows =
        Query("select player, count(*), sum(iif(p=1,1,0)) from tables group by player");
    for (const Record row : rows) {
        if (row[0].isNull()) continue;
        PlayerTotals& t = totals[JetFoldKey(row[0].toString())];
        t.played += NullToZero(row[1]);
        t.won += WideNullToZero(row[2]);
    }
}

}  // namespace

std::vector<PlayerTotals> ReadPlayerTotals(const std::vector<std::string>& players) {
    // The engine groups spellings that compare equal, but one spelling may still stand for a
    // group; the fold key brings every spelling of a name to one entry.
    TotalsByKey totals;
    AddSide(totals, true);
    AddSide(totals, false);
    AddTournaments(totals);
    std::vector<PlayerTotals> result;
    result.reserve(players.size());
    for (const std::string& player : players) {
        const auto it = totals.find(JetFoldKey(player));
        result.push_back(it == totals.end() ? PlayerTotals{} : it->second);
    }
    return result;
}

PlayerTotals ReadPlayerTotalsOneByOne(std::string_view player) {
    const std::string n = SqlQuote(player);
    const std::string a = "select count (*) from scores where [TEAM A]=" + n;
    const std::string b = "select count (*) from scores where [TEAM B]=" + n;
    PlayerTotals t;
    t.aWins = ScalarQuery(a + " and a>b");
    t.aDraws = ScalarQuery(a + " and a=b");
    t.aLosses = ScalarQuery(a + " and a<b");
    t.bWins = ScalarQuery(b + " and a<b");
    t.bDraws = ScalarQuery(b + " and a=b");
    t.bLosses = ScalarQuery(b + " and a>b");
    t.won = ScalarQuery("select count(*) from tables where player=" + n + " and p=1");
    t.played = ScalarQuery("select count(*) from tables where player=" + n);
    t.aGames = ScalarQuery(a);
    t.bGames = ScalarQuery(b);
    const QueryResult aSums = Query("select sum(a), sum(b) from scores where [TEAM A]=" + n);
    t.aFor = WideNullToZero(aSums[0][0]);
    t.aAgainst = WideNullToZero(aSums[0][1]);
    const QueryResult bSums = Query("select sum(a), sum(b) from scores where [TEAM B]=" + n);
    t.bFor = WideNullToZero(bSums[0][1]);
    t.bAgainst = WideNullToZero(bSums[0][0]);
    return t;
}

std::vector<std::string> MiscPlayers() {
    std::vector<std::string> names = ReadPlayerLists(false).names;
    names.pop_back();  // the empty element after the last player
    return names;
}

std::vector<std::string> ListedPlayers() {
    if (gPlayers.empty()) return MiscPlayers();
    return {gPlayers.begin(), gPlayers.end() - 1};
}
