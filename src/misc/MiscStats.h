#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/ViewTexts.h"
#include "misc/PlayerTotals.h"
#include "misc/RecordTable.h"

// The Misc Stats frame: grdMisc_0 (general figures), grdMisc_1 (biggest wins), grdMisc_2 (most
// goals) and grdMisc_3 (individual records).

inline constexpr int kGeneralCount = 7;

// The value texts of grdMisc_0 and grdMisc_3: what the cache file keeps.
struct MiscFigures {
    Texts general;  // 7 texts, rows 0 to 6
    Texts records;  // 22 holder texts, empty where nobody holds the record
    friend bool operator==(const MiscFigures&, const MiscFigures&) = default;
};

// Games in table scores.
std::int64_t TotalGames();

// The 20 games with the largest goal difference ("Diff" is A - B, with its sign) and the 20 with
// the most goals, each with the games tied at the twentieth place; row 0 is the header.
Grid BiggestWinsGrid();
Grid MostGoalsGrid();

// The general figures: games, goals, Team A wins, draws, Team B wins (each with its share of the
// games), Team A goals and Team B goals (each with the goals per game). Empty texts when the
// database has no games.
Texts GeneralStatsTexts();

// The holder of each record among players (in this order; an earlier player keeps a record that
// a later one only equals), as "name (value)". minGames is the games a player needs, more than
// it, for the averages and percentages, and more than half of it for the Team A and Team B ones.
Texts RecordHolderTexts(const std::vector<std::string>& players,
                        const std::vector<PlayerTotals>& totals, int minGames);

// Both, computed afresh.
MiscFigures ComputeMiscFigures(const std::vector<std::string>& players, int minGames);

// The whole frame, computed afresh: labels and values down grdMisc_0 and grdMisc_3; no values
// when the database has no games.
ViewTexts MiscView(const std::vector<std::string>& players, int minGames);
// The same from totals already read (as ReadPlayerTotals(players) gives them).
ViewTexts MiscView(const std::vector<std::string>& players, const std::vector<PlayerTotals>& totals,
                   int minGames);
