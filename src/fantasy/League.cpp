#include "fantasy/League.h"

#include <algorithm>

#include "fantasy/FantasyTexts.h"
#include "rankings/RankingColumn.h"
#include "tournaments/TournamentLists.h"

namespace {

constexpr std::int64_t kWinPoints = 3;
constexpr std::int64_t kDrawPoints = 1;

// A league estimated beyond either limit is worth a question first.
constexpr double kQuickSeconds = 3;
constexpr std::uint64_t kSmallBytes = 1ULL << 30;

// Whose predictions lacked their own games as Team A or as Team B, by list index.
struct MissingForm {
    std::vector<bool> home, away;
};

// Plays one game and records it; notes a side whose own games were missing.
void Play(League& league, MissingForm& missing, std::size_t home, std::size_t away,
          const Predictor& predict) {
    const Prediction p = predict(home, away);
    league.games.push_back({static_cast<std::uint32_t>(home), static_cast<std::uint32_t>(away),
                            static_cast<std::int16_t>(p.home), static_cast<std::int16_t>(p.away)});
    RecordGame(league.table, home, away, p.home, p.away);
    if (!p.homeHasForm) missing.home[home] = true;
    if (!p.awayHasForm) missing.away[away] = true;
}

std::vector<std::string> Marked(const std::vector<std::string>& players,
                                const std::vector<bool>& marks) {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < players.size(); ++i) {
        if (marks[i]) names.push_back(players[i]);
    }
    return names;
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

std::optional<League> PlayLeague(const std::vector<std::string>& players, const Predictor& predict,
                                 const LeagueProgress& progress) {
    League league;
    league.players = players;
    for (const std::string& player : players) league.table.push_back({.player = player});
    const std::size_t n = players.size();
    league.games.reserve(n * (n > 0 ? n - 1 : 0));
    MissingForm missing{std::vector<bool>(n), std::vector<bool>(n)};
    const std::size_t pairs = n * (n > 0 ? n - 1 : 0) / 2;
    std::size_t done = 0;
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = i + 1; j < n; ++j, ++done) {
            if (progress.nextPair && !progress.nextPair(i, j, done, pairs)) return std::nullopt;
            Play(league, missing, i, j, predict);
            Play(league, missing, j, i, predict);
        }
    }
    league.withoutHomeGames = Marked(players, missing.home);
    league.withoutAwayGames = Marked(players, missing.away);
    OrderTable(league.table);
    return league;
}

Texts GameTexts(const League& league, std::size_t game) {
    const LeagueGame& g = league.games.at(game);
    return {league.players[g.home], league.players[g.away], std::to_string(g.homeGoals),
            std::to_string(g.awayGoals)};
}

Texts TableTexts(const League& league, std::size_t place) {
    const LeagueRow& r = league.table.at(place);
    return {std::to_string(place + 1), r.player,
            std::to_string(r.w),       std::to_string(r.d),
            std::to_string(r.l),       std::to_string(r.gf),
            std::to_string(r.ga),      std::to_string(r.pts)};
}

bool LeagueCost::large() const {
    return seconds > kQuickSeconds || addedBytes > kSmallBytes;
}

LeagueCost EstimateLeague(const LeagueTrial& trial) {
    const std::uint64_t done = std::max<std::uint64_t>(trial.pairsDone, 1);
    const std::uint64_t rest = trial.pairsTotal > done ? trial.pairsTotal - done : 0;
    const double perPair = trial.secondsSinceFirstPair / static_cast<double>(done);
    // Where the system tells no memory, a pair holds at least its two games.
    const std::uint64_t grown = trial.bytesNow > trial.bytesAtFirstPair
                                    ? trial.bytesNow - trial.bytesAtFirstPair
                                    : 2 * sizeof(LeagueGame) * done;
    const std::uint64_t peak = trial.bytesNow + grown * rest / done;
    LeagueCost cost;
    cost.games = 2 * trial.pairsTotal;
    cost.bytes = std::max(peak, 2 * sizeof(LeagueGame) * trial.pairsTotal);
    cost.addedBytes = peak > trial.bytesAtStart ? peak - trial.bytesAtStart : cost.bytes;
    cost.seconds = trial.secondsToFirstPair + perPair * static_cast<double>(trial.pairsTotal);
    return cost;
}

std::string LeagueNote(const League& league) {
    std::string names;
    std::size_t count = 0;
    for (const std::string& player : league.players) {
        const bool home = Contains(league.withoutHomeGames, player);
        const bool away = Contains(league.withoutAwayGames, player);
        if (!home && !away) continue;
        ++count;
        names += names.empty() ? "" : ", ";
        names += player + (home && away ? " (no games)"
                           : home       ? " (no game as Team A)"
                                        : " (no game as Team B)");
    }
    if (count == 0) return {};
    // The count on the first line, every name on the second.
    return "Too few games for a full prediction: " + std::to_string(count) +
           (count == 1 ? " player\n" : " players\n") + names;
}

ViewTexts LeagueView(const League& league) {
    Grid games{kGamesHeader};
    games.reserve(league.games.size() + 1);
    for (std::size_t g = 0; g < league.games.size(); ++g) games.push_back(GameTexts(league, g));
    Grid table{kFantasyTableHeader};
    for (std::size_t r = 0; r < league.table.size(); ++r) table.push_back(TableTexts(league, r));
    ViewTexts view;
    view.set("grdFantasyGames", std::move(games));
    view.set("grdFantasyTable", std::move(table));
    view.set("note", LeagueNote(league));
    return view;
}

std::optional<League> PlayFantasyLeague(const std::vector<std::string>& players,
                                        RandomSource& random, const LeagueProgress& progress) {
    const PredictionInputs inputs(players, CurrentRankingPeriod().column);
    const auto predict = [&](std::size_t home, std::size_t away) {
        return inputs.Predict(home, away, random);
    };
    return PlayLeague(players, predict, progress);
}

ViewTexts FantasyView(const std::vector<std::string>& players, RandomSource& random) {
    return LeagueView(*PlayFantasyLeague(players, random));
}
