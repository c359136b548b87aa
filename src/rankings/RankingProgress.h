#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ViewTexts.h"

// The ranking progress window frmRankGraph: one player's ranking points month by month.

// One month of the player's rankings row; no points when he was not ranked (-1 or empty).
struct RankedMonth {
    std::string column;  // R0503
    std::optional<std::int64_t> points;
};

// The player's row of table rankings, oldest month first; empty when the table has no row for him.
std::vector<RankedMonth> PlayerRankingMonths(std::string_view player);

// The graph for a picture of width × height twips: axes, a dotted value grid labelled "0###",
// blue month ticks with dotted lines, vertical month labels (only so many as fit side by side), a
// circle per ranked month, thick red lines between ranked neighbours and a thin one from the value
// 1000 after a gap, each cut off where it leaves the area between the axes; each point
// tells its month and points on hovering ("May 2003: 1250 points"). Empty when no month is ranked.
Graph ProgressGraph(const std::vector<RankedMonth>& months, int width, int height);

// Label1: the player's name; picGraph; lblNote: says so when there is nothing to draw.
ViewTexts ProgressView(std::string_view player, int width, int height);
// The same from the player's months already read (PlayerRankingMonths).
ViewTexts ProgressView(std::string_view player, const std::vector<RankedMonth>& months, int width,
                       int height);
