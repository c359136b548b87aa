#pragma once

#include "core/ViewTexts.h"

// The fixed texts of the Misc Stats frame.

inline const Texts kBiggestWinsHeader = {"#", "Team A", "Team B", "A", "B", "Diff", "Tourn"};
inline const Texts kGeneralStatsLabels = {"Games played", "Goals scored", "Team A wins", "Draws",
                                          "Team B wins",  "Team A goals", "Team B goals"};
