#include "fantasy/League.h"

#include <algorithm>

#include "fantasy/FantasyTexts.h"
#include "rankings/RankingColumn.h"
#include "tournaments/TournamentLists.h"

namespace {

constexpr std::int64_t kWinPoints = 3;
constexpr std::int64_t kDrawPoints = 1;

void AddOnce(std::vector<std::string>& names, const std::string& name) {
    if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
}

// Plays one game and records it; notes a side whose own games were missing.
void Play(League& league, const std::vector<std::string>& players, std::size_t home,
          std::size_t away, const Predictor& predict) {
    const Prediction p = predict(players[home], players[away]);
    league.games.push_back({players[home], players[away], p.home, p.away});
    RecordGame(league.table, home, away, p.home, p.away);
    if (!p.homeHasForm) AddOnce(league.withoutHomeGames, players[home]);
    if (!p.awayHasForm) AddOnce(league.withoutAwayGames, players[away]);
}

bool Contains(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

void RecordGame(std::vector<LeagueRow>& table, std::size_t home, std::size_t away, int homeGoals,
                int awayGoals) {
    LeagueRow& h = table.at(home);
    LeagueRow& a = table.at(away);
    h.gf += homeGoals, h.ga += awayGoals;
    a.gf += awayGoals, a.ga += homeGoals;
    if (homeGoals > awayGoals) {
        ++h.w, ++a.l;
        h.pts += kWinPoints;
    } else if (homeGoals == awayGoals) {
        ++h.d, ++a.d;
        h.pts += kDrawPoints, a.pts += kDrawPoints;
    } else {
        ++h.l, ++a.w;
        a.pts += kWinPoints;
    }
}

void OrderTable(std::vector<LeagueRow>& table) {
    // A stable sort by points whose ties are then bubbled by goal difference gives this order.
    std::stable_sort(table.begin(), table.end(), [](const LeagueRow& x, const LeagueRow& y) {
        if (x.pts != y.pts) return x.pts > y.pts;
        return x.goalDifference() > y.goalDifference();
    });
}

League PlayLeague(const std::vector<std::string>& players, const Predictor& predict,
                  const LeagueProgress& progress) {
    League league;
    league.players = players;
    for (const std::string& player : players) league.table.push_back({.player = player});
    for (std::size_t i = 0; i < players.size(); ++i) {
        if (progress.nextHomePlayer) progress.nextHomePlayer();
        for (std::size_t j = i + 1; j < players.size(); ++j) {
            if (progress.nextPair) progress.nextPair(players[i], players[j]);
            Play(league, players, i, j, predict);
            Play(league, players, j, i, predict);
        }
    }
    OrderTable(league.table);
    return league;
}

std::string LeagueNote(const League& league) {
    std::string names;
    for (const std::string& player : league.players) {
        const bool home = Contains(league.withoutHomeGames, player);
        const bool away = Contains(league.withoutAwayGames, player);
        if (!home && !away) continue;
        names += names.empty() ? "" : ", ";
        names += player + (home && away ? " (no games)"
                           : home       ? " (no game as Team A)"
                                        : " (no game as Team B)");
    }
    if (names.empty()) return {};
    return "Too few games for a full prediction: " + names;
}

ViewTexts LeagueView(const League& league) {
    Grid games{kGamesHeader};
    for (const LeagueGame& g : league.games) {
        games.push_back({g.home, g.away, std::to_string(g.homeGoals), std::to_string(g.awayGoals)});
    }
    Grid table{kFantasyTableHeader};
    for (const LeagueRow& r : league.table) {
        table.push_back({std::to_string(table.size()), r.player, std::to_string(r.w),
                         std::to_string(r.d), std::to_string(r.l), std::to_string(r.gf),
                         std::to_string(r.ga), std::to_string(r.pts)});
    }
    ViewTexts view;
    view.set("grdFantasyGames", std::move(games));
    view.set("grdFantasyTable", std::move(table));
    view.set("note", LeagueNote(league));
    return view;
}

ViewTexts FantasyView(const std::vector<std::string>& players, RandomSource& random,
                      const LeagueProgress& progress) {
    PredictionReader reader(CurrentRankingPeriod().column, true);
    const auto predict = [&](const std::string& home, const std::string& away) {
        return PredictGame(home, away, random, reader);
    };
    return LeagueView(PlayLeague(players, predict, progress));
}
