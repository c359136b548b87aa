#pragma once

#include "support/TestData.h"

// A DUZEDO of a few rows for the main window's lists (tests/data/Lists.sql). withCountry false
// leaves out the host country column of [tournament players], as older databases do.
inline void WriteListsDuzedo(const std::string& path, bool withCountry) {
    WriteSqlDuzedo(path, "Lists.sql",
                   withCountry ? "" : R"(ALTER TABLE "tournament players" DROP COLUMN country;)");
}
