#pragma once

#include <cstdint>

#include "db/DbFile.h"

// A realistic, invented DUZEDO: players with hidden strengths, three seasons (January 2001 to
// December 2003) of round-robin tournaments, cups, the multi-phase tournament Dadidurez VII, the
// two World Cups and a monthly ranking driven by the results.
//
// The same options give the same tables, row for row, on every machine: the generator uses its
// own random numbers and integer arithmetic only.
// Beyond this the ranking positions (60 players to a scale step) no longer fit the rankings
// table's 16-bit column.
inline constexpr int kMaxSampleScale = 500;

struct SampleOptions {
    std::uint64_t seed = 1;
    // Multiplies the players, the ordinary tournaments and cups, and so the games. At least 1.
    int scale = 1;  // 1 to kMaxSampleScale
};

// Hands the sample's tables to sink, in this order: scores, tables, tournament players, rankings,
// World Cup I Tables, World Cup II Tables. Throws std::invalid_argument for a scale outside 1 to
// kMaxSampleScale.
void WriteSampleDuzedo(const SampleOptions& options, TableSink& sink);
