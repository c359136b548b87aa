#pragma once

#include <vector>

#include "site/PeoplePages.h"
#include "site/SitePage.h"

// The World Rankings pages: the start page index.html, as the rankings frame shows at start, and
// for each ranking month a page with the ranking limit of the options ("0503") and one without
// ("0503 limit 0"), in rankings/. A rankings table that cannot be read leaves the start page
// alone, with an empty table that says so. Players' names link to their pages.
std::vector<PlannedPage> RankingPages(const std::shared_ptr<const PeoplePlan>& people);
