#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/ViewTexts.h"
#include "headtohead/Prediction.h"

class RandomSource;

struct LeagueGame {
    std::string home{};
    std::string away{};
    int homeGoals = 0;
    int awayGoals = 0;
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

// The predicted score of home against away.
using Predictor = std::function<Prediction(const std::string& home, const std::string& away)>;

// What a long league run tells the window on its way.
struct LeagueProgress {
    // Before the games of each first home player.
    std::function<void()> nextHomePlayer{};
    // Before the two games of a pair.
    std::function<void(const std::string& first, const std::string& second)> nextPair{};
};

// Records one game in the table: goals for and against, the result and its points (3, 1, 0).
void RecordGame(std::vector<LeagueRow>& table, std::size_t home, std::size_t away, int homeGoals,
                int awayGoals);
// Orders the table best first: points, then goal difference, both highest first.
void OrderTable(std::vector<LeagueRow>& table);

// Plays the double round robin among players, every game predicted by predict.
League PlayLeague(const std::vector<std::string>& players, const Predictor& predict,
                  const LeagueProgress& progress = {});

// Names the players whose predictions rested on the other side's games alone; empty when none.
std::string LeagueNote(const League& league);

// What the frame shows: grdFantasyGames, grdFantasyTable (numbered from 1) and note.
ViewTexts LeagueView(const League& league);
// A league among players predicted with the current ranking period.
ViewTexts FantasyView(const std::vector<std::string>& players, RandomSource& random,
                      const LeagueProgress& progress = {});
