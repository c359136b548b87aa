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

// One block of figures from one player's side: games, wins, draws, losses and goals. Wide, as
// the two roles' goals are added up.
struct Figures {
    WideInt games, wins, draws, losses, goalsFor, goalsAgainst;
};

void AddFigures(Texts& lines, const Figures& f, std::string_view averagePattern) {
    lines.push_back(Percent("Wins: ", f.wins, f.games));
    lines.push_back(Percent("Draws: ", f.draws, f.games));
    lines.push_back(Percent("Losses: ", f.losses, f.games));
    lines.push_back(Average("Goals for: ", f.goalsFor, f.games, averagePattern));
    lines.push_back(Average("Goals against: ", f.goalsAgainst, f.games, averagePattern));
}

// A role block: its heading, its games line (left out with showNoGames false when there are no
// games) and its figures when there are games.
void AddRole(Texts& lines, std::string_view heading, const Figures& f,
             std::string_view averagePattern, bool showNoGames = true) {
    lines.emplace_back();
    lines.emplace_back(heading);
    if (f.games == 0 && !showNoGames) return;
    lines.push_back("Games: " + WideText(f.games));
    if (f.games > 0) AddFigures(lines, f, averagePattern);
}

Texts PlayerOneLines(const PairRecord& r) {
    Texts lines{"Games: " + std::to_string(r.n)};
    AddFigures(lines,
               {r.n, WideInt{r.hw} + r.aw, WideInt{r.hd} + r.ad, WideInt{r.hl} + r.al, r.hf + r.af,
                r.ha + r.aa},
               kPlayerOneAverage);
    AddRole(lines, "As Team A", {r.hg(), r.hw, r.hd, r.hl, r.hf, r.ha}, kPlayerOneAverage);
    AddRole(lines, "As Team B", {r.ag(), r.aw, r.ad, r.al, r.af, r.aa}, kPlayerOneAverage);
    return lines;
}

Texts PlayerTwoLines(const PairRecord& r) {
    Texts lines{"Games: " + std::to_string(r.n)};
    AddFigures(lines,
               {r.n, WideInt{r.hl} + r.al, WideInt{r.hd} + r.ad, WideInt{r.hw} + r.aw, r.ha + r.aa,
                r.hf + r.af},
               kPlayerTwoAverage);
    AddRole(lines, "As Team A", {r.ag(), r.al, r.ad, r.aw, r.aa, r.af}, kPlayerTwoAverage);
    AddRole(lines, "As Team B", {r.hg(), r.hl, r.hd, r.hw, r.ha, r.hf}, kPlayerTwoAverage, false);
    return lines;
}

// Games with a as Team A and b as Team B, as a condition.
std::string Roles(std::string_view a, std::string_view b) {
    return "([TEAM A]=" + SqlQuote(a) + " and [TEAM B]=" + SqlQuote(b) + ")";
}

std::int64_t Count(const std::string& roles, std::string_view condition) {
    return ScalarQuery("select count (*) from scores where " + roles + " and " +
                       std::string(condition));
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
    const std::string home = Roles(p1, p2);
    const std::string away = Roles(p2, p1);
    PairRecord r{.n = n};
    r.hw = Count(home, "a>b");
    r.hd = Count(home, "a=b");
    r.hl = Count(home, "a<b");
    r.aw = Count(away, "b>a");
    r.ad = Count(away, "a=b");
    r.al = Count(away, "b<a");
    const QueryResult homeGoals = Query("select sum (a), sum (b) from scores where " + home);
    r.hf = WideNullToZero(homeGoals[0][0]);
    r.ha = WideNullToZero(homeGoals[0][1]);
    const QueryResult awayGoals = Query("select sum (b), sum (a) from scores where " + away);
    r.af = WideNullToZero(awayGoals[0][0]);
    r.aa = WideNullToZero(awayGoals[0][1]);
    return r;
}

Texts PairResultLines(const PairRecord& record, int player) {
    return player == 0 ? PlayerOneLines(record) : PlayerTwoLines(record);
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
