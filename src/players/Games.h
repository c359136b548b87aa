#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/PlayedGame.h"
#include "core/ViewTexts.h"

// The home and away games window frmGames: one player's games as Team A (home, mode 1) or as
// Team B (away, any other mode), in one of six orders.

inline constexpr std::array<std::string_view, 6> kGameOrders = {
    "Chronological by tournament", "Alphabetical by tournament",
    "Alphabetical by opponent",    "By goals scored",
    "By goals conceeded",          "By goal difference"};

inline constexpr int kHomeGames = 1;
inline constexpr int kAwayGames = 2;

// "Vodad R:  home games" (two blanks after the colon).
std::string GamesCaption(std::string_view player, int mode);
// The query of order 0 to 5 (kGameOrders); throws std::out_of_range for another order.
std::string GamesQuery(std::string_view player, int mode, int order);

// frmGames: the caption; grdGames: the header row "#", "Team A", "Team B", "A", "B", "Dif",
// "Tournament", then one row per game numbered from 1. "Dif" is always Team A's goals minus
// Team B's, in both modes.
ViewTexts GamesView(std::string_view player, int mode, int order);
// The same from games already read, in the order they are to show: one player's games of one
// mode, as the query of GamesQuery gives them.
ViewTexts GamesView(std::string_view player, int mode, const std::vector<PlayedGame>& games);
