#pragma once

#include "support/TestData.h"

// What a damaged copy of the tiny DUZEDO lacks or holds wrongly.
struct TestDuzedoDamage {
    bool rankingsWithoutCountry = false;  // table rankings has no country column
    bool goalAsText = false;              // game 2's B goals are the text "two"
};

// Writes the tiny DUZEDO of tests/data/Tiny.sql at path, replacing any file there: three players,
// one three-game league and two ranking months (R0403, R0503).
inline void WriteTestDuzedo(const std::string& path, TestDuzedoDamage damage = {}) {
    std::string more;
    if (damage.goalAsText) {
        more += R"(CREATE TABLE s ("id" INTEGER, "TEAM A" TEXT, "TEAM B" TEXT, "A" SMALLINT,
                                   "B" TEXT, "TOURNAMENT" TEXT);
                   INSERT INTO s SELECT * FROM scores; DROP TABLE scores;
                   ALTER TABLE s RENAME TO scores; UPDATE scores SET B = 'two' WHERE id = 2;)";
    }
    if (damage.rankingsWithoutCountry)
        more += "ALTER TABLE rankings RENAME COLUMN country TO land;";
    WriteSqlDuzedo(path, "Tiny.sql", more);
}
