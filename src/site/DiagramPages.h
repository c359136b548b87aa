#pragma once

#include <memory>
#include <string>
#include <vector>

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

// The page of diagram: kind as pages.json lists it, the plan's title as its name.
PlannedPage DiagramPage(const std::string& kind, const SiteDiagram& diagram,
                        const std::shared_ptr<const PeoplePlan>& people);
