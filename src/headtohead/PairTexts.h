#pragma once

#include "core/ViewTexts.h"

// The fixed texts of the Find Pair frame.

inline const Texts kPairGamesHeader = {"#", "Team A", "Team B", "A", "B", "Tournament"};
