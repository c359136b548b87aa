#pragma once

#include <array>
#include <variant>

#include "core/ViewTexts.h"
#include "misc/PlayerTotals.h"

// The individual records: row r of the Misc Stats records grid (grdMisc_3), whose holders it
// finds, and category r of the all-player records window, which ranks every player by it.

inline constexpr int kRecordCount = 22;

// The games a record counts: those its minimum looks at and the list shows beside the value.
enum class RecordGames { All, TeamA, TeamB, Tournaments };
// What its value is: a count, goals a game, or a share of the games in per cent.
enum class RecordKind { Count, Average, Percent };

struct RecordRow {
    const char* label;    // in grdMisc_3
    const char* caption;  // of the all-player records window
    const char* header;   // of its value column; empty for row 0, which shows the count alone
    RecordGames games;
    RecordKind kind;
    bool higherIsBetter;
    bool limitsList;     // the list leaves out players below the minimum of games
    bool limitsHolders;  // only players above the minimum may hold the record
    WideInt (*figure)(const PlayerTotals&);  // the count, or what is divided by the games
};

const std::array<RecordRow, kRecordCount>& RecordRows();

// The labels of grdMisc_3, row by row.
Texts RecordLabels();

// The games row counts for a player.
WideInt RecordGamesOf(RecordGames games, const PlayerTotals& t);

// A record's value: a count, kept exact whatever its size, or a ratio. The values of one record
// are all of one kind.
using RecordValue = std::variant<WideInt, double>;

// The row's value for the player (a ratio needs games). A share is the figure times 100 over the
// games, or with hundredLast the figure over the games times 100: the records grid and the
// all-player list work it in these two orders, which can differ in the last digit.
RecordValue RecordValueOf(const RecordRow& row, const PlayerTotals& t, bool hundredLast);
