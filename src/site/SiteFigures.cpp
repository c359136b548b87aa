#include "site/SiteFigures.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <set>

#include "db/Database.h"
#include "db/JetText.h"
#include "players/Games.h"
#include "players/PlayerLists.h"
#include "rankings/RankingColumn.h"
#include "tournaments/Tournament.h"

namespace {

// Ids of games in the order of their ids, as "order by scores.id" sorts them: nulls first,
// then numbers, then texts.
bool IdBefore(const DbValue& x, const DbValue& y) {
    const auto rank = [](const DbValue& v) {
        switch (v.kind()) {
            case DbValue::Kind::Null:
                return 0;
            case DbValue::Kind::Integer:
            case DbValue::Kind::Real:
                return 1;
            default:
                return 2;
        }
    };
    if (rank(x) != rank(y)) return rank(x) < rank(y);
    if (rank(x) == 1) return x.toDouble() < y.toDouble();
    return x.toString() < y.toString();
}

}  // namespace

SiteFigures SiteFigures::Read() {
    SiteFigures figures;
    const Texts names = ReadPlayerLists(false).names;
    std::set<std::string, std::less<>> seen;  // a name written twice is one player's page
    for (const std::string& name : names) {
        if (seen.insert(name).second) figures.players_.push_back(name);
        figures.idOf(name);
    }
    figures.readGames();
    figures.tallies_.readPlayers();
    figures.tallies_.readPairs();
    figures.readTables();
    figures.readRankings();
    figures.makePairs();
    figures.readDates();
    return figures;
}

SiteFigures::Id SiteFigures::idOf(std::string_view name) {
    const auto [at, added] = ids_.try_emplace(JetFoldKey(name), static_cast<Id>(byId_.size()));
    if (added) {
        byId_.emplace_back();
        shownNames_.emplace_back(name);
    }
    return at->second;
}

const SiteFigures::Player* SiteFigures::find(std::string_view name) const {
    const auto at = ids_.find(JetFoldKey(name));
    return at == ids_.end() ? nullptr : &byId_[at->second];
}

void SiteFigures::readGames() {
    const QueryResult rows = Query("select id, [TEAM A], [TEAM B], A, B, tournament from scores");
    games_.reserve(rows.size());
    constexpr const char* kCups[] = {"World Cup I %", "World Cup II %", "World Cup III %"};
    std::vector<std::array<bool, 3>> inCup;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const std::vector<DbValue>& v = rows.values(row);
        const auto index = static_cast<std::uint32_t>(games_.size());
        games_.push_back({v[0], v[1].toString(), v[2].toString(), v[3], v[4], v[5].toString()});
        const Id a = v[1].isNull() ? kNobody : idOf(v[1].toString());
        const Id b = v[2].isNull() ? kNobody : idOf(v[2].toString());
        inCup.resize(byId_.size());
        for (std::size_t cup = 0; cup < 3; ++cup) {
            if (v[5].isNull() || !JetLike(games_.back().tournament, kCups[cup])) continue;
            if (a != kNobody) inCup[a][cup] = true;
            if (b != kNobody) inCup[b][cup] = true;
        }
        if (a != kNobody) byId_[a].home.push_back(index);
        if (b != kNobody) byId_[b].away.push_back(index);
        if (a != kNobody && a == b) ++byId_[a].selfGames;
        if (a != kNobody && b != kNobody && a != b) met_[std::minmax(a, b)].push_back(index);
    }
    inCup.resize(byId_.size());
    for (Id id = 0; id < byId_.size(); ++id) {
        byId_[id].worldCups = std::count(inCup[id].begin(), inCup[id].end(), true);
    }
    for (auto& [pair, games] : met_) {
        std::stable_sort(games.begin(), games.end(), [this](std::uint32_t x, std::uint32_t y) {
            return IdBefore(games_[x].id, games_[y].id);
        });
    }
}

void SiteFigures::readTables() {
    const QueryResult counts =
        Query("select player, count(*), sum(p=1) from tables group by player");
    for (std::size_t row = 0; row < counts.size(); ++row) {
        const std::vector<DbValue>& v = counts.values(row);
        if (v[0].isNull()) continue;
        Player& player = byId_[idOf(v[0].toString())];
        player.tournaments += NullToZero(v[1]);
        player.tournamentsWon += NullToZero(v[2]);
    }
    const QueryResult positions = Query(
        "select tables.p, tables.tournament, [tournament players].players, tables.player from "
        "tables, [tournament players] where tables.tournament=[tournament players].tournament "
        "order by [tournament players].chrono");
    for (std::size_t row = 0; row < positions.size(); ++row) {
        const std::vector<DbValue>& v = positions.values(row);
        if (v[3].isNull()) continue;
        byId_[idOf(v[3].toString())].positions.push_back(
            {v[1].toString(), v[0].toString(), v[2].toString()});
    }
}

// The first row of each player, as "where player=" finds it.
void SiteFigures::readRankings() {
    // The newest month, as the start page: not the month of the file's date, which would make a
    // copied database's site different and say that month's ranking is missing.
    const std::vector<std::string> columns = RankingColumns();
    const RankingPeriod period =
        columns.empty() ? CurrentRankingPeriod() : RankingPeriod{columns.back(), ""};
    rankingNote_ = period.note;
    hasRankingColumn_ = !period.column.empty();
    const auto firstRows = [this](const std::string& column, DbValue Player::*field) {
        const QueryResult rows = Query("select player, " + column + " from rankings");
        std::vector<bool> seen;
        for (std::size_t row = 0; row < rows.size(); ++row) {
            const std::vector<DbValue>& v = rows.values(row);
            if (v[0].isNull()) continue;
            const Id id = idOf(v[0].toString());
            seen.resize(byId_.size());
            if (seen[id]) continue;
            seen[id] = true;
            byId_[id].*field = v[1];
        }
    };
    firstRows("r", &Player::rankingNumber);
    firstRows("country", &Player::country);
    if (!hasRankingColumn_) return;
    firstRows(period.column, &Player::rankingPoints);
    const QueryResult ranked = Query(
        "select player from rankings where (select count(player) from tables where "
        "player=rankings.player) > 1 order by " +
        period.column + " desc");
    for (std::size_t row = 0; row < ranked.size(); ++row) {
        rankingPositions_.try_emplace(ranked.values(row)[0].toString(),
                                      static_cast<std::int64_t>(row) + 1);
    }
}

void SiteFigures::makePairs() {
    pairsById_.resize(byId_.size());
    for (const auto& [ids, games] : met_) {
        std::string p1 = shownNames_[ids.first];
        std::string p2 = shownNames_[ids.second];
        if (JetCompare(p2, p1) < 0 || (JetCompare(p2, p1) == 0 && p2 < p1)) std::swap(p1, p2);
        pairsById_[ids.first].push_back(pairs_.size());
        pairsById_[ids.second].push_back(pairs_.size());
        pairs_.push_back({std::move(p1), std::move(p2)});
    }
    for (Id id = 0; id < pairsById_.size(); ++id) {
        const auto other = [&](std::size_t pair) {
            return JetEqual(pairs_[pair].p1, shownNames_[id]) ? pairs_[pair].p2 : pairs_[pair].p1;
        };
        std::stable_sort(
            pairsById_[id].begin(), pairsById_[id].end(),
            [&](std::size_t x, std::size_t y) { return JetCompare(other(x), other(y)) < 0; });
    }
}

std::vector<std::size_t> SiteFigures::pairsOf(std::string_view player) const {
    const auto at = ids_.find(JetFoldKey(player));
    return at == ids_.end() ? std::vector<std::size_t>{} : pairsById_[at->second];
}

PlayerRecord SiteFigures::record(std::string_view name) const {
    PlayerRecord r;
    r.Name = name;
    const Player* p = find(name);
    if (p == nullptr) return r;
    r.Tournaments = p->tournaments;
    r.WorldCups = p->worldCups;
    r.Games = static_cast<std::int64_t>(p->home.size() + p->away.size()) - p->selfGames;
    if (r.Games == 0) return r;
    const SideTallies tally = tallies_.player(name);
    r.Home = tally.asA;
    r.Away = tally.asB;
    if (hasRankingColumn_) {
        // As the window: points past 64 bits are left out of the heading, with its note.
        r.RankingPointsBeyondRange = BeyondInt64(p->rankingPoints);
        if (!r.RankingPointsBeyondRange) r.RankingPoints = NullToZero(p->rankingPoints);
        const auto position = rankingPositions_.find(name);
        r.RankingPosition = position == rankingPositions_.end() ? 0 : position->second;
    }
    r.TournamentsWon = p->tournamentsWon;
    return r;
}

std::vector<PlayedGame> SiteFigures::games(std::string_view player, int mode) const {
    std::vector<PlayedGame> games;
    if (const Player* p = find(player)) {
        for (const std::uint32_t index : mode == kHomeGames ? p->home : p->away) {
            games.push_back(games_[index]);
        }
    }
    return games;
}

std::vector<TournamentPosition> SiteFigures::positions(std::string_view player) const {
    const Player* p = find(player);
    return p == nullptr ? std::vector<TournamentPosition>{} : p->positions;
}

ViewTexts SiteFigures::pairView(const Pair& pair) const {
    const Id one = ids_.at(JetFoldKey(pair.p1));
    const Id two = ids_.at(JetFoldKey(pair.p2));
    const std::vector<std::uint32_t>& indexes = met_.at(std::minmax(one, two));
    const PairRecord record{static_cast<std::int64_t>(indexes.size()),
                            tallies_.pair(pair.p1, pair.p2)};
    std::vector<PlayedGame> games;
    for (const std::uint32_t index : indexes) games.push_back(games_[index]);
    const PairSides sides{pair.p1, NullToZero(byId_[one].rankingNumber), pair.p2,
                          NullToZero(byId_[two].rankingNumber)};
    return PairView(sides, record, games);
}

PairRecord SiteFigures::pairRecord(const Pair& pair) const {
    const Id one = ids_.at(JetFoldKey(pair.p1));
    const Id two = ids_.at(JetFoldKey(pair.p2));
    const auto games = static_cast<std::int64_t>(met_.at(std::minmax(one, two)).size());
    return {games, tallies_.pair(pair.p1, pair.p2)};
}

std::string SiteFigures::country(std::string_view player) const {
    const Player* p = find(player);
    return p == nullptr || p->country.isNull() ? std::string() : p->country.toString();
}

std::vector<PlayedGame> SiteFigures::latestGames(std::string_view player, std::size_t count) const {
    const Player* p = find(player);
    if (p == nullptr) return {};
    // Both lists are in reading order: their union holds a game against himself once.
    std::vector<std::uint32_t> all;
    std::ranges::set_union(p->home, p->away, std::back_inserter(all));
    const auto end = all.begin() + static_cast<std::ptrdiff_t>(std::min(count, all.size()));
    std::ranges::partial_sort(all, end, [this](std::uint32_t x, std::uint32_t y) {
        return IdBefore(games_[y].id, games_[x].id) ||
               (!IdBefore(games_[x].id, games_[y].id) && x > y);
    });
    std::vector<PlayedGame> games;
    for (auto at = all.begin(); at != end; ++at) games.push_back(games_[*at]);
    return games;
}

// Without them the games go undated: a damaged table costs no page.
void SiteFigures::readDates() try {
    const QueryResult rows = Query("select tournament, [date] from [tournament players]");
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const std::vector<DbValue>& v = rows.values(row);
        if (!v[0].isNull() && !v[1].isNull())
            dates_.try_emplace(v[0].toString(), TournamentDateText(v[1]));
    }
} catch (const DbError&) {
    dates_.clear();
}

std::string SiteFigures::dateOf(std::string_view gameTournament) const {
    const auto found = FindGameTournament(dates_, gameTournament);
    return found == dates_.end() ? std::string() : found->second;
}
