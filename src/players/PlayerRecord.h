#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "players/Tally.h"

// One player's career record. Home games are those he played as Team A, away games those as
// Team B. Counts are 64-bit, as the database holds them (goal totals of a real DUZEDO pass the
// 16-bit range); the tallies are wide.
struct PlayerRecord {
    std::string Name;  // as typed
    std::int64_t Tournaments = 0;
    std::int64_t WorldCups = 0;  // of the three World Cups, 0 to 3
    std::int64_t Games = 0;      // on either side; a game against himself once
    Tally Home;
    Tally Away;
    std::int64_t TournamentsWon = 0;
    std::int64_t RankingPoints = 0;         // in the ranking column; -1 when not ranked that month
    bool RankingPointsBeyondRange = false;  // the column holds more than 64 bits: no points
    std::int64_t RankingPosition = 0;       // 1-based; 0 when not in the ranking order

    friend bool operator==(const PlayerRecord&, const PlayerRecord&) = default;
};

// The record of the player called name, with the ranking of rankingColumn (none when it is
// empty). Names match in SQL without regard to letter case, but the ranking position only for
// the name exactly as the rankings spell it. A player without games gets only Name, Tournaments,
// WorldCups and Games; the other figures stay 0.
PlayerRecord ComputePlayerRecord(std::string_view name, std::string_view rankingColumn);
// The same with the current period's ranking (CurrentRankingPeriod).
PlayerRecord ComputePlayerRecord(std::string_view name);
