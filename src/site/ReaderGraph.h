#pragma once

#include <optional>
#include <string>
#include <vector>

// A line graph drawn for the site's readers rather than painted as the window paints it: axes
// named with their units, labels of at least 12 px wherever the page shows it (thinned so that
// they never overlap), a gap where a point has no value, and each point's value on hovering.
struct ReaderGraph {
    struct Point {
        std::string label = {};            // on the x axis, where there is room for it ("2003")
        std::optional<double> value = {};  // none: a gap in the line
        std::string tip = {};              // shown on hovering ("May 2003: 1250 points")
    };
    std::string title = {};        // the picture's <title>
    std::string description = {};  // its <desc>
    std::string xAxis = {};        // the axes' names with their units
    std::string yAxis = {};
    std::vector<Point> points = {};
    bool downwards = false;  // smaller values higher up (a place: 1 at the top)
};

// The picture's size in its own units; the page shows it at least this wide on a 390 px phone.
inline constexpr int kReaderGraphWidth = 340;
inline constexpr int kReaderGraphHeight = 220;

// The graph as a standalone SVG document (UTF-8), light or dark as the reader's system is.
std::string ReaderGraphSvg(const ReaderGraph& graph);
