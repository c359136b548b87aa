#include "headtohead/PairComparison.h"

#include <algorithm>
#include <vector>

#include "core/DisplayFormat.h"
#include "db/Database.h"
#include "db/WideNumber.h"
#include "headtohead/PairTexts.h"
#include "headtohead/Random.h"

namespace {

// Player one's averages show a leading zero, player two's do not.
constexpr std::string_view kPercentPattern = "###.##";
constexpr std::string_view kPlayerOneAverage = "#0.##";
constexpr std::string_view kPlayerTwoAverage = "###.##";

std::string Percent(std::string_view label, WideInt x, WideInt m) {
    const double share = WideRatio(x, m) * 100;
    return std::string(label) + WideText(x) + " (" + FormatNumber(share, kPercentPattern) + "%)";
}

std::string Average(std::string_view label, WideInt x, WideInt m, std::string_view pattern) {
    const double average = WideRatio(x, m);
    return std::string(label) + WideText(x) + " (" + FormatNumber(average, pattern) + ")";
}

// Wins, draws, losses and goals of the tally, with their share or average of games.
void AddFigures(Texts& lines, const Tally& t, WideInt games, std::string_view averagePattern) {
    lines.push_back(Percent("Wins: ", t.wins, games));
    lines.push_back(Percent("Draws: ", t.draws, games));
    lines.push_back(Percent("Losses: ", t.losses, games));
    lines.push_back(Average("Goals for: ", t.goalsFor, games, averagePattern));
    lines.push_back(Average("Goals against: ", t.goalsAgainst, games, averagePattern));
}

// A role block: its heading, its games line (left out with showNoGames false when there are no
// games) and its figures when there are games. Its games are those with both scores.
void AddRole(Texts& lines, std::string_view heading, const Tally& t,
             std::string_view averagePattern, bool showNoGames = true) {
    const WideInt games = t.scored();
    lines.emplace_back();
    lines.emplace_back(heading);
    if (games == 0 && !showNoGames) return;
    lines.push_back("Games: " + WideText(games));
    if (games > 0) AddFigures(lines, t, games, averagePattern);
}

// One player's lines from his side of the n games.
Texts PlayerLines(std::int64_t n, const SideTallies& side, std::string_view averagePattern,
                  bool showNoTeamBGames) {
    Texts lines{"Games: " + std::to_string(n)};
    AddFigures(lines, side.both(), n, averagePattern);
    AddRole(lines, "As Team A", side.asA, averagePattern);
    AddRole(lines, "As Team B", side.asB, averagePattern, showNoTeamBGames);
    return lines;
}

// Games with a as Team A and b as Team B, as a condition.
std::string Roles(std::string_view a, std::string_view b) {
    return "([TEAM A]=" + SqlQuote(a) + " and [TEAM B]=" + SqlQuote(b) + ")";
}

std::int64_t RankingNumber(std::string_view player) {
    return ScalarQuery("select r from rankings where player=" + SqlQuote(player));
}

std::vector<PlayedGame> PairGames(std::string_view p1, std::string_view p2) {
    const QueryResult rows =
        Query("select [TEAM A], [TEAM B], A, B, scores.TOURNAMENT as tourn from scores where " +
              Roles(p1, p2) + " or " + Roles(p2, p1) + " order by scores.id");
    std::vector<PlayedGame> games;
    for (const Record& game : rows) {
        games.push_back({{},
                         game["TEAM A"].toString(),
                         game["TEAM B"].toString(),
                         game["A"],
                         game["B"],
                         game["TOURN"].toString()});
    }
    return games;
}

Grid GamesGrid(const std::vector<PlayedGame>& games) {
    Grid grid{kPairGamesHeader};
    for (const PlayedGame& game : games) {
        grid.push_back({std::to_string(grid.size()), game.teamA, game.teamB, game.a.toString(),
                        game.b.toString(), game.tournament});
    }
    return grid;
}

// The frame with its heading and names, its lists and games table empty.
ViewTexts EmptyPairView(const PairSides& sides) {
    ViewTexts view;
    view.set("lblPair", PairHeading(sides.p1, sides.r1, sides.p2, sides.r2));
    view.set("lblPairResults_0", std::string(sides.p1));
    view.set("lblPairResults_1", std::string(sides.p2));
    view.set("lstPairResults_0", Texts{});
    view.set("lstPairResults_1", Texts{});
    view.set("grdPairGames", Grid{kPairGamesHeader});
    return view;
}

// Why two players have no games together, for the status line.
std::string NoGamesNote(std::string_view p1, std::string_view p2) {
    std::vector<std::string> idle;
    for (const std::string_view player : {p1, p2}) {
        const std::string name = SqlQuote(player);
        if (ScalarQuery("select count(*) from scores where [TEAM A]=" + name +
                        " or [TEAM B]=" + name) == 0) {
            idle.push_back(std::string(player) + " has no games");
        }
    }
    if (idle.empty()) return std::string(p1) + " and " + std::string(p2) + " have never met";
    return idle.size() == 1 ? idle[0] : idle[0] + "; " + idle[1];
}

}  // namespace

std::string PairHeading(std::string_view p1, std::int64_t r1, std::string_view p2,
                        std::int64_t r2) {
    std::string heading(p1);
    if (r1 != 0) heading += " (#" + std::to_string(r1) + ")";
    heading += " vs ";
    heading += p2;
    if (r2 != 0) heading += " (#" + std::to_string(r2) + ") ";
    if (p1 == p2) heading += " * personality crisis *";
    return heading;
}

PairRecord ComputePairRecord(std::string_view p1, std::string_view p2, std::int64_t n) {
    return {n, ReadPairTally(p1, p2)};
}

Texts PairResultLines(const PairRecord& record, int player) {
    if (player == 0) return PlayerLines(record.n, record.one, kPlayerOneAverage, true);
    const SideTallies two{record.one.asB.reversed(), record.one.asA.reversed()};
    return PlayerLines(record.n, two, kPlayerTwoAverage, false);
}

std::array<Joke, 6> PairJokes(std::string_view name) {
    const std::string n(name);
    return {
        {{"Yeah, yeah, we know that the hardest opponent for " + n + " is only himself...",
          "Joking?"},
         {n + ", you only have to fear one man: yourself", "Chinese saying"},
         {n + ", there are other things to do when you are bored!", "Just an idea..."},
         {"Well, they never played together, but I guess " + n + " would beat " + n + " easilly",
          "The Oracle speaks"},
         {n + " is no match for " + n, "Easy guess"},
         {"Oh, the loneliness...", "Playing by himself..."}}};
}

Joke ChooseJoke(std::string_view name, RandomSource& random) {
    const std::array<Joke, 6> jokes = PairJokes(name);
    random.Reseed();
    const auto i = static_cast<std::size_t>(random.Draw() * static_cast<double>(jokes.size()));
    // A draw is below 1, so i is at most 5; the guard only keeps a faulty source in bounds.
    return jokes[std::min(i, jokes.size() - 1)];
}

ViewTexts PairView(const PairSides& sides, const PairRecord& record,
                   const std::vector<PlayedGame>& games) {
    ViewTexts view = EmptyPairView(sides);
    view.set("lstPairResults_0", PairResultLines(record, 0));
    view.set("lstPairResults_1", PairResultLines(record, 1));
    view.set("grdPairGames", GamesGrid(games));
    return view;
}

PairComparison ComparePair(std::string_view p1, std::string_view p2, RandomSource& random) {
    const PairSides sides{p1, RankingNumber(p1), p2, RankingNumber(p2)};
    PairComparison result;
    result.view = EmptyPairView(sides);
    if (p1 == p2) {
        result.joke = ChooseJoke(p1, random);
        return result;
    }
    const std::vector<PlayedGame> games = PairGames(p1, p2);
    if (games.empty()) {
        result.note = NoGamesNote(p1, p2);
        return result;
    }
    const auto n = static_cast<std::int64_t>(games.size());
    result.view = PairView(sides, ComputePairRecord(p1, p2, n), games);
    return result;
}
