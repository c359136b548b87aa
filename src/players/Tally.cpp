#include "players/Tally.h"

#include "db/Database.h"
#include "db/JetText.h"

Tally& Tally::operator+=(const Tally& other) {
    games += other.games;
    wins += other.wins;
    draws += other.draws;
    losses += other.losses;
    goalsFor += other.goalsFor;
    goalsAgainst += other.goalsAgainst;
    return *this;
}

void Tallies::readPlayers(std::string_view condition) {
    read(true, false, condition);
    read(false, true, condition);
}

void Tallies::readPairs(std::string_view condition) {
    read(true, true, condition);
}

// The engine groups spellings that compare equal, but one spelling may still stand for a group;
// the fold keys bring every spelling of a name to one entry.
void Tallies::read(bool byTeamA, bool byTeamB, std::string_view condition) {
    const std::string columns = byTeamA && byTeamB ? "[TEAM A], [TEAM B]"
                                : byTeamA          ? "[TEAM A]"
                                                   : "[TEAM B]";
    const std::string where = condition.empty() ? "" : " where " + std::string(condition);
    const QueryResult rows = Query("select " + columns +
                                   ", count(*), sum(iif(a>b,1,0)), sum(iif(a=b,1,0)), "
                                   "sum(iif(a<b,1,0)), sum(a), sum(b) from scores" +
                                   where + " group by " + columns);
    const int names = byTeamA && byTeamB ? 2 : 1;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const std::vector<DbValue>& v = rows.values(row);
        Key key;
        if (byTeamA) {
            if (v[0].isNull()) continue;
            key.first = JetFoldKey(v[0].toString());
        }
        if (byTeamB) {
            if (v[names - 1].isNull()) continue;
            key.second = JetFoldKey(v[names - 1].toString());
        }
        Tally figures;
        WideInt* const fields[] = {&figures.games,  &figures.wins,     &figures.draws,
                                   &figures.losses, &figures.goalsFor, &figures.goalsAgainst};
        for (int i = 0; i < 6; ++i) *fields[i] = WideNullToZero(v[names + i]);
        fromTeamA_[key] += figures;
    }
}

Tally Tallies::fromTeamA(const Key& key) const {
    const auto found = fromTeamA_.find(key);
    return found == fromTeamA_.end() ? Tally{} : found->second;
}

SideTallies Tallies::player(std::string_view name) const {
    const std::string key = JetFoldKey(name);
    return {fromTeamA({key, std::nullopt}), fromTeamA({std::nullopt, key}).reversed()};
}

SideTallies Tallies::pair(std::string_view p1, std::string_view p2) const {
    const std::string one = JetFoldKey(p1);
    const std::string two = JetFoldKey(p2);
    return {fromTeamA({one, two}), fromTeamA({two, one}).reversed()};
}

SideTallies ReadPlayerTally(std::string_view player) {
    const std::string n = SqlQuote(player);
    Tallies tallies;
    tallies.readPlayers("[TEAM A]=" + n + " or [TEAM B]=" + n);
    return tallies.player(player);
}

SideTallies ReadPairTally(std::string_view p1, std::string_view p2) {
    const std::string one = SqlQuote(p1);
    const std::string two = SqlQuote(p2);
    Tallies tallies;
    tallies.readPairs("([TEAM A]=" + one + " and [TEAM B]=" + two + ") or ([TEAM A]=" + two +
                      " and [TEAM B]=" + one + ")");
    return tallies.pair(p1, p2);
}
