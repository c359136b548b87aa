#pragma once

#include <string>

// Writes a tiny DUZEDO at path, replacing any file there: three players, one three-game league
// and two ranking months (R0403, R0503), in the four tables the program reads.
void WriteTestDuzedo(const std::string& path);
