#pragma once

#include <string>
#include <vector>

#include "core/ViewTexts.h"
#include "misc/PlayerTotals.h"
#include "misc/RecordTable.h"

// The all-player records window (frmTop) for one record category, 0 to 21 as in grdMisc_3:
// Label1 (the category's caption), grdTop (header "#", "Player", the value's header, "Games" or
// "Part."; then one row per listed player, ranked, numbered 1, 2, 3...) and chkLimit (hidden for
// categories 0, 13, 14 and 21, which list every player whatever his games).

// With useLimit, only players with at least minGames games are listed (half of it, as a real
// number, for the Team A and Team B categories). A listed player without games gets "0" instead
// of a ratio. Column 2 of category 0 is empty (the window hides it). A category outside 0 to 21
// gives the header row only.
ViewTexts AllPlayerRecordsView(const std::vector<std::string>& players,
                               const std::vector<PlayerTotals>& totals, int statType, bool useLimit,
                               int minGames);
// The same, reading the totals.
ViewTexts AllPlayerRecordsView(const std::vector<std::string>& players, int statType, bool useLimit,
                               int minGames);
