#pragma once

#include <memory>
#include <vector>

#include "site/PeoplePages.h"
#include "site/SitePage.h"

// The Misc Stats page (misc.html) and, for each record category N of its individual records, the
// all-player list as the window opens it ("N", game limit in use) and with its check box the
// other way ("N limit 0"): records/N.html and records/N-limit-0.html. Players' names link to
// their pages where people has one.
std::vector<PlannedPage> MiscPages(const std::shared_ptr<const PeoplePlan>& people);
