#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/ViewTexts.h"

// What the World Rankings frame asks for.
struct RankingsChoice {
    std::string column;                  // a ranking column; empty for the current period
    std::optional<std::string> country;  // one country, or every country ("<all>")
    bool participationLimit = true;      // only players of two or more tournaments
};

// The query of the rankings table: the players ranked in column (value not -1), best first.
std::string RankingsQuery(std::string_view column, bool participationLimit,
                          const std::optional<std::string>& country);

// grdRankings: a header row "Pos", "Player", "Country", "Points", then one row per player with
// the positions 1, 2, 3... even for equal points. lblNote: what CurrentRankingPeriod() says when
// the current period was asked for, else empty.
ViewTexts RankingsView(const RankingsChoice& choice);

// Column 4 is hidden and has no header.
inline const Texts kRankingsHeader = {"Pos", "Player", "Country", "Points", ""};

// "<all>", then every country of table rankings in the order the database returns them.
Texts RankingCountryItems();
