#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "site/PeoplePages.h"
#include "site/SitePage.h"

// The World Cups frame's pages: an overview of both World Cups (worldcups.html), and in
// worldcups/ for each World Cup every phase of its phase box ("World Cup I phase 3", numbered as
// the box's items from 0), its table and its games; and the trees its buttons offer as diagram
// pages. Every page links to the overview, to all the others and to the one before and after it.
std::vector<PlannedPage> WorldCupPages(const std::shared_ptr<const PeoplePlan>& people);

// The World Cups' overview (kind "worldcups"), where the navigation's section leads.
std::string_view WorldCupsPath();

// The World Cup pages by the tournament names of the World Cups' games and positions: a group's
// games lead to its phase, the others ("World Cup I ", its knockout games) to all its games.
std::map<std::string, std::string, std::less<>> WorldCupGamePaths();
