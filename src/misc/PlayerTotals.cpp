#include "misc/PlayerTotals.h"

#include <tuple>
#include <unordered_map>
#include <utility>

#include "db/Database.h"
#include "db/JetText.h"
#include "players/PlayerLists.h"

namespace {

// Tournaments taken part in and won, by the fold key of the player's name.
std::unordered_map<std::string, std::pair<WideInt, WideInt>> ReadTournaments() {
    std::unordered_map<std::string, std::pair<WideInt, WideInt>> tournaments;
    const QueryResult rows =
        Query("select player, count(*), sum(iif(p=1,1,0)) from tables group by player");
    for (const Record row : rows) {
        if (row[0].isNull()) continue;
        auto& [played, won] = tournaments[JetFoldKey(row[0].toString())];
        played += NullToZero(row[1]);
        won += WideNullToZero(row[2]);
    }
    return tournaments;
}

}  // namespace

std::vector<PlayerTotals> ReadPlayerTotals(const std::vector<std::string>& players) {
    Tallies tallies;
    tallies.readPlayers();
    const auto tournaments = ReadTournaments();
    std::vector<PlayerTotals> result;
    result.reserve(players.size());
    for (const std::string& player : players) {
        const SideTallies games = tallies.player(player);
        PlayerTotals& t = result.emplace_back(PlayerTotals{games.asA, games.asB});
        if (const auto found = tournaments.find(JetFoldKey(player)); found != tournaments.end()) {
            std::tie(t.played, t.won) = found->second;
        }
    }
    return result;
}

std::vector<std::string> MiscPlayers() {
    return ReadPlayerLists(false).names;
}
