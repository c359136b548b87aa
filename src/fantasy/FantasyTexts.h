#pragma once

#include "core/ViewTexts.h"

// The fixed texts of the Fantasy League frame.

inline const Texts kFantasyTableHeader = {"#", "Player", "W", "D", "L", "GF", "GA", "Pts"};
