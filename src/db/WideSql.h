#pragma once

struct sqlite3;

// Replaces the engine's sum() and abs() on db with ones that never fail on 64-bit figures.
//
// sum() adds whole numbers in 128 bits, where the engine's own raises "integer overflow" once a
// total passes the 64-bit range: the result is an integer where 64 bits hold it, else its exact
// decimal text (ParseWide reads it back). As the engine's, it skips NULLs, gives NULL for no
// values and a real number as soon as any value is not a whole one.
//
// abs() of the most negative 64-bit number, which has no 64-bit magnitude and fails in the engine,
// gives that magnitude as a real number; every other value as the engine's.
void RegisterWideSql(sqlite3* db);
