#pragma once

#include <string>
#include <string_view>

#include "core/ViewTexts.h"

// A graph of a view as an SVG picture, painted by the graph windows' own painting code on a white
// ground with the picture box's border, its size graph.width × graph.height twips in pixels.
// title and description (UTF-8) are the picture's <title> and <desc>. Needs a QGuiApplication, as
// drawing text does; throws SiteError without one.
std::string GraphSvg(const Graph& graph, std::string_view title, std::string_view description);
