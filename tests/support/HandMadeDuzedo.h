#pragma once

#include "support/TestData.h"

// A small DUZEDO made so that every query result can be worked out on paper; its traps are told
// in tests/data/HandMade.sql.
inline void WriteHandMadeDuzedo(const std::string& path) {
    WriteSqlDuzedo(path, "HandMade.sql");
}
