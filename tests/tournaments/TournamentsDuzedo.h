#pragma once

#include "support/TestData.h"

// A small DUZEDO for the Tournaments and World Cups frames; its traps are told in
// tests/data/Tournaments.sql.
inline void WriteTournamentsDuzedo(const std::string& path) {
    WriteSqlDuzedo(path, "Tournaments.sql");
}
