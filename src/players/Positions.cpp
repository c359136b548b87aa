#include "players/Positions.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/DisplayFormat.h"
#include "db/Database.h"

namespace {

std::optional<double> Number(const std::string& text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

}  // namespace

std::vector<TournamentPosition> TournamentPositions(std::string_view player) {
    const QueryResult tournaments = Query(
        "select tables.p, tables.tournament, [tournament players].players from tables, "
        "[tournament players] where tables.tournament=[tournament players].tournament and "
        "player=" +
        SqlQuote(player) + " order by [tournament players].chrono");
    std::vector<TournamentPosition> rows;
    for (const Record t : tournaments) {
        rows.push_back({t["tournament"].toString(), t["p"].toString(), t[2].toString()});
    }
    return rows;
}

Graph PositionsGraph(const std::vector<TournamentPosition>& rows, int width, int height,
                     std::optional<int> selectedRow) {
    struct Point {
        std::size_t row;
        double position;
        double players;
    };
    std::vector<Point> points;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto position = Number(rows[i].position);
        const auto players = Number(rows[i].players);
        // Infinities and NaN (the text "inf" reads as a number) have no place on the picture.
        if (position && players && std::isfinite(*position) && std::isfinite(*players) &&
            *players > 0) {
            points.push_back({i + 1, *position, *players});
        }
    }

    Graph graph{.width = width, .height = height};
    if (points.empty()) return graph;
    const double step = static_cast<double>(width) / static_cast<double>(points.size());
    graph.scale = {{"step", step}};
    for (std::size_t i = 0; i < points.size(); ++i) {
        const int x =
            static_cast<int>(RoundHalfEven(kPositionsMargin + step * static_cast<double>(i)));
        // A position far beyond the field (a damaged row) is drawn at the picture's edge.
        const double exact = (points[i].position - 1) * height / points[i].players;
        const int y = static_cast<int>(RoundHalfEven(
            std::clamp(exact, -static_cast<double>(kPositionsMargin), static_cast<double>(height)) +
            kPositionsMargin));
        graph.circles.push_back({.x = x, .y = y, .radius = kPositionsPointRadius});
        const TournamentPosition& row = rows[points[i].row - 1];
        graph.spots.push_back(
            {.x = x,
             .y = y,
             .radius = kPositionsPointRadius,
             .tip = row.tournament + "\nPlace " + row.position + " of " + row.players,
             .row = static_cast<int>(points[i].row)});
        if (i > 0) {
            const GraphCircle& before = graph.circles[graph.circles.size() - 2];
            graph.lines.push_back({before.x, before.y, x, y, kRed});
        }
    }
    // The highlight is the last circle, so it is painted over the point and its lines.
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (selectedRow && points[i].row == static_cast<std::size_t>(*selectedRow)) {
            const GraphCircle point = graph.circles[i];
            graph.circles.push_back(
                {point.x, point.y, kPositionsPointRadius, kYellow, 1, /*filled=*/true});
        }
    }
    return graph;
}

ViewTexts PositionsView(std::string_view player, int width, int height,
                        std::optional<int> selectedRow) {
    return PositionsView(player, TournamentPositions(player), width, height, selectedRow);
}

ViewTexts PositionsView(std::string_view player, const std::vector<TournamentPosition>& rows,
                        int width, int height, std::optional<int> selectedRow) {
    Grid grid = {{"Tournament", "Pos", "", ""}};
    for (const TournamentPosition& row : rows) {
        grid.push_back(
            {row.tournament, row.position + " / " + row.players, row.position, row.players});
    }
    const Graph graph = PositionsGraph(rows, width, height, selectedRow);

    ViewTexts view;
    view.set("frmPositions", std::string(player) + ": Tournament positions");
    view.set("grdPos", std::move(grid));
    view.set("picGraph", graph);
    view.set("lblNote", graph.empty() ? "No tournament positions to draw" : "");
    return view;
}
