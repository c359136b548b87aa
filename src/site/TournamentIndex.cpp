#include "site/TournamentIndex.h"

#include <algorithm>
#include <map>

#include "db/Database.h"
#include "site/SiteDates.h"
#include "tournaments/DiagramPhases.h"

namespace {

// Older databases lack some columns (the host country): the table leaves them empty.
bool HasField(const QueryResult& result, std::string_view name) {
    try {
        result.fieldIndex(name);
        return true;
    } catch (const DbError&) {
        return false;
    }
}

// The first places of every tournament with a final table, shared ones joined.
std::map<std::string, std::string, std::less<>> FirstPlaces() {
    std::map<std::string, std::string, std::less<>> winners;
    for (const Record row : Query("select tournament, player from tables where p=1 order by "
                                  "chrono, tournament, player")) {
        std::string& winner = winners[row[0].toString()];
        winner += (winner.empty() ? "" : " / ") + row[1].toString();
    }
    return winners;
}

bool IsFinal(const std::vector<std::string>& words, std::string_view skip) {
    const auto has = [&](std::string_view word) {
        return std::ranges::find(words, word) != words.end();
    };
    return has("final") && !IsThirdPlace(words) && (skip.empty() || !has(skip));
}

}  // namespace

const TournamentFacts* TournamentIndex::find(std::string_view name) const {
    const auto found = std::ranges::find(rows, name, [](const auto& row) { return row.first; });
    return found == rows.end() ? nullptr : &found->second;
}

std::string FinalWinner(std::string_view base, const Texts& gameTournaments,
                        std::string_view skip) {
    for (const std::string& name : gameTournaments) {
        if (!IsFinal(PhaseWords(base, name), skip)) continue;
        const QueryResult games = Query(
            "select [TEAM A], [TEAM B], A, B from scores where "
            "tournament=" +
            SqlQuote(name) + " order by id");
        if (games.empty()) continue;
        const Record last = games[games.size() - 1];
        if (last[2].isNull() || last[3].isNull()) return {};
        const std::int64_t a = last[2].toInt64();
        const std::int64_t b = last[3].toInt64();
        if (a == b) return {};
        return a > b ? last[0].toString() : last[1].toString();
    }
    return {};
}

TournamentIndex ReadTournamentIndex(const Texts& gameTournaments) {
    const QueryResult held =
        Query("select * from [tournament players] order by chrono, tournament");
    const bool hosts = HasField(held, "country");
    const bool counts = HasField(held, "players");
    const auto firstPlaces = FirstPlaces();
    TournamentIndex index;
    for (const Record row : held) {
        TournamentFacts facts;
        const std::string name = row["tournament"].toString();
        facts.date = DayText(row["date"]);
        facts.chrono = row["chrono"].isNull() ? 0 : row["chrono"].toInt64();
        if (hosts) facts.host = row["country"].toString();
        if (counts) facts.players = row["players"].toString();
        const auto first = firstPlaces.find(name);
        facts.winner =
            first != firstPlaces.end() ? first->second : FinalWinner(name, gameTournaments);
        index.rows.emplace_back(name, std::move(facts));
    }
    return index;
}

Grid TournamentIndexGrid(const TournamentIndex& index, const Texts& names) {
    Grid grid = {{"Tournament", "Date", "Host", "Winner", "Players"}};
    for (const std::string& name : names) {
        const TournamentFacts* facts = index.find(name);
        const TournamentFacts none;
        const TournamentFacts& f = facts ? *facts : none;
        grid.push_back({name, f.date, f.host, f.winner, f.players});
    }
    return grid;
}
