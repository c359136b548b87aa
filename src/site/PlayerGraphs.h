#pragma once

#include <string_view>

#include "core/ViewTexts.h"
#include "site/SitePage.h"

// The graph windows' picture size at design, in twips: the site draws the graphs at this size.
inline constexpr int kSiteGraphWidth = 9135;
inline constexpr int kSiteGraphHeight = 5295;

// The graphs of a player's page, each an SVG file beside the page with a text alternative: the
// finishing positions (positions: PositionsView at the site's graph size; its table, on the page
// already, gives the graph's numbers) and the ranking progress with a table of its months and
// points. A graph with nothing to draw leaves its view's note instead.
TemplateList PlayerGraphs(PageContent& page, std::string_view path, std::string_view player,
                          const ViewTexts& positions);
