#pragma once

#include <memory>
#include <string>
#include <vector>

#include "site/PageFamily.h"
#include "site/PeoplePages.h"
#include "site/SitePage.h"
#include "tournaments/DiagramPhases.h"

// The diagram pictures as pages: the multi-phase tournament's phases and the World Cups' trees.
// Each shows its picture as an SVG file beside the page, drawn by the same painting as the
// bitmap pictures, and as its text alternative the same games as tables, a table per group or
// stage of the picture.

struct SiteDiagram {
    DiagramPlan plan;
    std::string path;  // of its page
};

// The plans of the pictures the windows offer, in their order; none when the database cannot
// say which there are.
std::vector<DiagramPlan> OfferedDiagrams();

// The page of diagram: kind as pages.json lists it, the plan's title as its name; it links to
// the pages of its family (its tournament or World Cup and their other phases). Each group or
// stage has its standings too: the database's table of it, or one counted from its games.
PlannedPage DiagramPage(const std::string& kind, const SiteDiagram& diagram,
                        const std::shared_ptr<const PeoplePlan>& people, PageFamily family);

// Standings counted from games, under the tables' header: a win 3 points, a draw 1, ordered by
// points, goal difference and goals scored, then as the players first appear.
Grid CountedStandings(const std::vector<PhaseGame>& games);
