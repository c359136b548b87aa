#pragma once

#include <string>

#include "site/PeoplePages.h"

// The players' names and pages for the search box, as a script that sets window.siteNames to
// [name, slug, country, position, name, ...] in the players' order, each page being
// players/SLUG.html, position his place on the start page's rankings or empty: pages
// opened from file:// may load a script but not fetch a data file. Written as JSON with <, >, &
// and the line separators escaped too, so no name can end the script or the string it is in.
std::string NamesScript(const PeoplePlan& plan);
