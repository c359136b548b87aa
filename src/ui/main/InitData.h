#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/ViewTexts.h"

// What the main window's grids, lists and combo boxes are first filled with: fixed texts, and
// lists read from the database on gRs.

using Texts = std::vector<std::string>;

// Header rows.
inline const Texts kWinnersHeader = {"Tournament", "Winner"};
inline const Texts kGamesHeader = {"Team A", "Team B", "A", "B"};
inline const Texts kFantasyTableHeader = {"#", "Player", "W", "D", "L", "GF", "GA", "Pts"};
inline const Texts kTableHeader = {"Pos", "Player", "G", "W", "D", "L", "GF", "GA", "Pts"};
inline const Texts kBiggestWinsHeader = {"#", "Team A", "Team B", "A", "B", "Diff", "Tourn"};
inline const Texts kPairGamesHeader = {"#", "Team A", "Team B", "A", "B", "Tournament"};
// Column 4 is hidden and has no header.
inline const Texts kRankingsHeader = {"Pos", "Player", "Country", "Points", ""};

// Row labels of the label grids.
inline const Texts kGeneralStatsLabels = {"Games played", "Goals scored", "Team A wins", "Draws",
                                          "Team B wins",  "Team A goals", "Team B goals"};
inline const Texts kRecordCategories = {"Most games played",
                                        "Best attack avg",
                                        "Best defense avg",
                                        "Worst attack avg",
                                        "Worst defense avg",
                                        "Best Team A attack avg",
                                        "Best Team A defense avg",
                                        "Worst Team A attack avg",
                                        "Worst Team A defense avg",
                                        "Best Team B attack avg",
                                        "Best Team B defense avg",
                                        "Worst Team B attack avg",
                                        "Worst Team B defense avg",
                                        "Most goals scored",
                                        "Most goals conceeded",
                                        "Most wins",
                                        "Most draws",
                                        "Most losses",
                                        "Biggest win %",
                                        "Biggest draw %",
                                        "Biggest loss %",
                                        "Most tournaments won"};

// Fixed combo box items.
inline const Texts kWorldCups = {"World Cup I (Dartford)", "World Cup II (Athens)"};
inline const Texts kWorldCupPhases = {
    "Round 1 - Group A", "Round 1 - Group B", "Round 1 - Group C",
    "Round 1 - Group D", "Round 2 - Group E", "Round 2 - Group F",
    "Round 2 - Group G", "Round 2 - Group H", "All games (final results)"};

inline constexpr std::string_view kAllItem = "<all>";
inline constexpr std::string_view kNotSupportedItem = "<not supported>";

// "v0.9 - 18/5/2003".
std::string VersionText();

// "<all>", then every country of table rankings in the order the database returns them.
Texts RankingCountryItems();

struct PlayerLists {
    Texts items;  // what each player list shows: the name, with " (country)" when asked for
    Texts names;  // the bare names, item for item, and one empty element more (gPlayers)
};
PlayerLists ReadPlayerLists(bool showCountries);

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
