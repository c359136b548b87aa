#pragma once

#include <vector>

#include "site/SitePage.h"

// The World Rankings pages: the start page index.html, as the rankings frame shows at start, and
// for each ranking month a page with the ranking limit of the options ("0503") and one without
// ("0503 limit 0"), in rankings/. A rankings table that cannot be read leaves the start page
// alone, with an empty table that says so.
std::vector<PlannedPage> RankingPages();
