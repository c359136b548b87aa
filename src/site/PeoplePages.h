#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "site/SiteFigures.h"
#include "site/SitePage.h"
#include "site/SiteTable.h"

// The pages of players and of the pairs who have met, and where each is, so that other pages can
// link to them.
struct PeoplePlan {
    SiteFigures figures;
    std::map<std::string, std::string, std::less<>> playerPaths;      // by the name as written
    std::vector<std::string> pairPaths;                               // as figures.pairs()
    std::map<std::string, std::string, std::less<>> tournamentPaths;  // for the games' column
    std::string unreadable;  // why the database gave no players' figures; empty when it did

    std::optional<std::string> playerPath(std::string_view name) const;
    // The page of the tournament a game's tournament name belongs to: its own, or that of the
    // longest listed name it begins with (a cup's rounds carry the cup's name).
    std::optional<std::string> tournamentPath(std::string_view gameTournament) const;
};

// A pair's name in pages.json: "A / B".
std::string PairName(const SiteFigures::Pair& pair);

// The figures read and the pages' paths chosen; without players, and the reason, when the
// database cannot give them.
std::shared_ptr<const PeoplePlan> PlanPeople();

// Links from the page at path to the pages of the players named in a column of the grid's body
// rows; none where a player has no page.
SiteTable::Links PlayerLinks(const PeoplePlan& people, std::string_view path, const Grid& grid,
                             std::size_t column);

// Links from the page at path to the pages of the tournaments named in a column of the grid's
// body rows (tournamentPath).
SiteTable::Links TournamentLinks(const PeoplePlan& people, std::string_view path, const Grid& grid,
                                 std::size_t column);

std::vector<PlannedPage> PlayerPages(const std::shared_ptr<const PeoplePlan>& plan);
std::vector<PlannedPage> PairPages(const std::shared_ptr<const PeoplePlan>& plan);
