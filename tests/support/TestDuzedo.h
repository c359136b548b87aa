#pragma once

#include <string>

// What a damaged copy of the tiny DUZEDO lacks or holds wrongly.
struct TestDuzedoDamage {
    bool rankingsWithoutCountry = false;  // table rankings has no country column
    bool goalAsText = false;              // game 2's B goals are the text "two"
};

// Writes a tiny DUZEDO at path, replacing any file there: three players, one three-game league
// and two ranking months (R0403, R0503), in the four tables the program reads.
void WriteTestDuzedo(const std::string& path, TestDuzedoDamage damage = {});
