#pragma once

#include "support/TestData.h"

// A DUZEDO for the head-to-head and prediction tests, every figure worked out by hand: see
// tests/data/Pair.sql. The ranking month in force is R0203 (the file's own month has none).
inline void WritePairDuzedo(const std::string& path) {
    WriteSqlDuzedo(path, "Pair.sql");
}
// The same with Zeno, a ranked player without a game.
inline void WritePairDuzedoWithAnIdlePlayer(const std::string& path) {
    WriteSqlDuzedo(path, "Pair.sql",
                   "INSERT INTO rankings VALUES ('Zeno', 'Velmoor', 30, 600, 600);");
}
