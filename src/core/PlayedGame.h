#pragma once

#include <string>

#include "db/DbValue.h"

// One game of table scores as the game lists show it, read once and shared by the lists that
// show it (a player's home or away games, a pair's games).
struct PlayedGame {
    DbValue id;
    std::string teamA;
    std::string teamB;
    DbValue a;  // Team A's goals; null when not entered
    DbValue b;
    std::string tournament;
};
