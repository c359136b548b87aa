#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/ViewTexts.h"
#include "players/PlayerRecord.h"

// The Player Stats frame: the heading Label2_1, the grid grdPlayerStats (19 rows of a label and a
// value), the four buttons that open the player's windows, and lblNote.

inline constexpr std::array<std::string_view, 19> kPlayerStatsLabels = {
    "Tournaments played", "World cups participations",
    "Tournaments won",    "Games played",
    "Games won",          "Games drawn",
    "Games lost",         "Goals for",
    "Goals against",      "Home wins",
    "Home draws",         "Home defeats",
    "Home goals for",     "Home goals against",
    "Away wins",          "Away draws",
    "Away defeats",       "Away goals for",
    "Away goals against"};

inline constexpr std::string_view kNoPlayerHeading = "< no player selected >";
inline constexpr std::string_view kNoPlayerCell = "<no player>";
// The buttons enabled only while a player is shown.
inline constexpr std::array<std::string_view, 4> kPlayerButtons = {
    "chbPlayerHome", "chbPlayerAway", "chbPlayerPositions", "chbPlayerRankGraph"};

// The name, then " ( #3 - 1540 pts )" when the player has a ranking position.
std::string PlayerHeading(const PlayerRecord& record);
// The value cells of rows 0 to 18: counts, with the share of the group's games in per cent or
// the goals per game in brackets ("5 (63%)", "0 (%)", "7 (1.75)", "1 (.33)").
std::array<std::string, 19> PlayerStatsCells(const PlayerRecord& record);

// What the frame shows for record: its figures, or the "< no player selected >" look with the
// buttons disabled when the player has no game (an unknown or empty name included).
ViewTexts PlayerStatsView(const PlayerRecord& record, std::string note = {});
// The frame before any player is shown.
ViewTexts NoPlayerView();
// Go: the record of name with the current period's ranking, and the period's note.
ViewTexts PlayerStatsView(std::string_view name);
