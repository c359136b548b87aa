#pragma once

#include <string>
#include <vector>

#include "db/WideNumber.h"
#include "players/Tally.h"

// One player's games as Team A and as Team B, and his tournaments. Wide: each adds up the figures
// of every spelling of his name.
struct PlayerTotals {
    Tally asA, asB;
    WideInt played = 0;  // rows in tables: tournaments taken part in
    WideInt won = 0;     // of them with p = 1

    Tally all() const { return asA + asB; }
    friend bool operator==(const PlayerTotals&, const PlayerTotals&) = default;
};

// The totals of each of players, in their order, from a few grouped queries. Names match as the
// database compares them (letter case and trailing blanks do not count), so every spelling of a
// name in scores and tables adds to the player.
std::vector<PlayerTotals> ReadPlayerTotals(const std::vector<std::string>& players);

// Every player of table rankings, in name order: the players of the main window's lists.
std::vector<std::string> MiscPlayers();
