#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ViewTexts.h"

// The finishing positions window frmPositions: a table of the player's tournaments in date order
// and a graph of his positions scaled by each field's size, so that a win is always on the top
// margin.

// One row of the table: the texts as the database gives them.
struct TournamentPosition {
    std::string tournament;
    std::string position;
    std::string players;  // the field size
};

std::vector<TournamentPosition> TournamentPositions(std::string_view player);

inline constexpr int kPositionsMargin = 120;
inline constexpr int kPositionsPointRadius = 80;

// The graph for a picture of width × height twips: a circle per tournament, red lines between
// neighbours, and a yellow disc over the point of table row selectedRow (1-based) when given.
// Tournaments with no field size (0 or missing) or no position have no point; the others are
// spread evenly from the left margin. Each point names its tournament and place on hovering
// ("Spring Cup\nPlace 3 of 16") and picks its table row when clicked.
Graph PositionsGraph(const std::vector<TournamentPosition>& rows, int width, int height,
                     std::optional<int> selectedRow = std::nullopt);

// frmPositions: "<player>: Tournament positions"; grdPos: the header row "Tournament", "Pos" and
// two unnamed columns, then per tournament "3 / 16", the position and the field size; picGraph;
// lblNote: says so when the player has no tournament to draw.
ViewTexts PositionsView(std::string_view player, int width, int height,
                        std::optional<int> selectedRow = std::nullopt);
// The same from the player's rows already read (TournamentPositions).
ViewTexts PositionsView(std::string_view player, const std::vector<TournamentPosition>& rows,
                        int width, int height, std::optional<int> selectedRow = std::nullopt);
