#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/ViewTexts.h"
#include "headtohead/Prediction.h"

class RandomSource;

// One predicted game, compactly: the players as indexes into the league's players.
struct LeagueGame {
    std::uint32_t home = 0;
    std::uint32_t away = 0;
    std::int16_t homeGoals = 0;
    std::int16_t awayGoals = 0;
    friend bool operator==(const LeagueGame&, const LeagueGame&) = default;
};

// A player's line of the league table.
struct LeagueRow {
    std::string player{};
    std::int64_t w = 0, d = 0, l = 0, gf = 0, ga = 0, pts = 0;

    std::int64_t goalDifference() const { return gf - ga; }
    friend bool operator==(const LeagueRow&, const LeagueRow&) = default;
};

struct League {
    // The players in the order of the chosen list.
    std::vector<std::string> players{};
    // Every pair (i, j) with i < j, i ascending and then j ascending: i at home, then j at home.
    std::vector<LeagueGame> games{};
    // Best first: by points, then by goal difference; rows equal in both keep the list's order.
    std::vector<LeagueRow> table{};
    // Players whose predictions lacked their own games as Team A or as Team B, in list order.
    std::vector<std::string> withoutHomeGames{};
    std::vector<std::string> withoutAwayGames{};
};

// The predicted score of the players at these indexes, home against away.
using Predictor = std::function<Prediction(std::size_t home, std::size_t away)>;

// What a long league run tells the window on its way, and whether it is to go on.
struct LeagueProgress {
    // Before the two games of the pair (first, second); pairsDone of pairsTotal are played.
    // Returning false stops the league there.
    std::function<bool(std::size_t first, std::size_t second, std::size_t pairsDone,
                       std::size_t pairsTotal)>
        nextPair{};
};

// Records one game in the table: goals for and against, the result and its points (3, 1, 0).
void RecordGame(std::vector<LeagueRow>& table, std::size_t home, std::size_t away, int homeGoals,
                int awayGoals);
// Orders the table best first: points, then goal difference, both highest first.
void OrderTable(std::vector<LeagueRow>& table);

// Plays the double round robin among players, every game predicted by predict; none when the
// progress stopped it.
std::optional<League> PlayLeague(const std::vector<std::string>& players, const Predictor& predict,
                                 const LeagueProgress& progress = {});

// The texts of the games list's row for game: home, away and the goals.
Texts GameTexts(const League& league, std::size_t game);
// The texts of the table's row for its line at place (from 0), numbered from 1.
Texts TableTexts(const League& league, std::size_t place);

// What a league among n players costs: its games, the program's memory at the league's peak and
// about how long it takes from Start to the table.
struct LeagueCost {
    std::uint64_t games = 0;
    std::uint64_t bytes = 0;
    double seconds = 0;
    // What the league adds to the memory the program held before it started.
    std::uint64_t addedBytes = 0;
    // Worth asking the user before going on.
    bool large() const;
};

// The first pairs of a league as the machine played them: the time from the start to the first
// pair (its inputs read) and on to now, and the program's resident memory at the start, at the
// first pair and now (0 where the system does not tell).
struct LeagueTrial {
    std::uint64_t pairsDone = 0;
    std::uint64_t pairsTotal = 0;
    double secondsToFirstPair = 0;
    double secondsSinceFirstPair = 0;
    std::uint64_t bytesAtStart = 0;
    std::uint64_t bytesAtFirstPair = 0;
    std::uint64_t bytesNow = 0;
};
// The whole league's cost, its pairs still to play taking what the first ones took each.
LeagueCost EstimateLeague(const LeagueTrial& trial);

// Names the players whose predictions rested on the other side's games alone; empty when none.
std::string LeagueNote(const League& league);

// What the frame shows: grdFantasyGames, grdFantasyTable (numbered from 1) and note.
ViewTexts LeagueView(const League& league);
// A league among players predicted with the current ranking period, its inputs read once before
// the first game; none when the progress stopped it. Throws DbError.
std::optional<League> PlayFantasyLeague(const std::vector<std::string>& players,
                                        RandomSource& random, const LeagueProgress& progress = {});
// Its texts.
ViewTexts FantasyView(const std::vector<std::string>& players, RandomSource& random);
