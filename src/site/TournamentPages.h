#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "site/PeoplePages.h"
#include "site/SitePage.h"

// The pages of the tournaments the frame lists, by their names as written, in tournaments/;
// throws DbError when the list cannot be read.
std::map<std::string, std::string, std::less<>> TournamentPaths();

// The Tournaments frame's pages: the list of tournaments (tournaments.html: all of them, then
// those of each host country), a page per tournament in tournaments/ (its heading, its table or
// the cup note, its games with the player filter), the multi-phase tournament's phases as
// diagram pages in tournaments/phases/ (kind "tournament", named as the pictures are titled) and
// the tournament winners (winners.html). A list that cannot be read leaves the list page alone,
// saying so.
std::vector<PlannedPage> TournamentPages(const std::shared_ptr<const PeoplePlan>& people);
