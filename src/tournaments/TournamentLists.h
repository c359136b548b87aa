#pragma once

#include <string_view>

#include "core/ViewTexts.h"

// The tournament list and its host-country filter, and the fixed texts of the Tournaments and
// World Cups frames.

inline const Texts kWinnersHeader = {"Tournament", "Winner"};
inline const Texts kGamesHeader = {"Team A", "Team B", "A", "B"};
inline const Texts kTableHeader = {"Pos", "Player", "G", "W", "D", "L", "GF", "GA", "Pts"};

inline const Texts kWorldCups = {"World Cup I (Dartford)", "World Cup II (Athens)"};
inline const Texts kWorldCupPhases = {
    "Round 1 - Group A", "Round 1 - Group B", "Round 1 - Group C",
    "Round 1 - Group D", "Round 2 - Group E", "Round 2 - Group F",
    "Round 2 - Group G", "Round 2 - Group H", "All games (final results)"};

inline constexpr std::string_view kNotSupportedItem = "<not supported>";

// True for a World Cup, whose name begins with "world cup" in any letter case.
bool IsWorldCup(std::string_view tournament);
// Every tournament but the World Cups, in chronological order.
Texts ListedTournaments();

struct CountryFilter {
    Texts items;  // "<all>" and the host countries; or only "<not supported>"
    bool supported = true;
};
// The host countries of [tournament players] in ascending order, without the World Cups' "WC";
// unsupported when the table has no country column.
CountryFilter TournamentCountryFilter();
