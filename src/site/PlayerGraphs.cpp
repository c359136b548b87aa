#include "site/PlayerGraphs.h"

#include <charconv>

#include "rankings/RankingColumn.h"
#include "rankings/RankingProgress.h"
#include "site/ReaderGraph.h"

namespace {

struct GraphSection {
    std::string id;       // the graph's name in the window, with the graph's kind
    std::string heading;  // on the page, and the picture's title
    std::string alt;      // what the picture shows, and where its numbers are
};

TemplateData GraphData(PageContent& page, std::string_view path, const GraphSection& section,
                       ReaderGraph graph, const std::string& note) {
    TemplateData data;
    data.set("id", section.id);
    data.set("heading", section.heading);
    if (!note.empty()) data.set("graphNote", WebText(note));
    if (graph.points.empty()) return data;
    const std::string_view stem = path.substr(0, path.rfind('.'));
    const std::string file = std::string(stem) + "." + section.id + ".svg";
    graph.title = section.heading;
    graph.description = section.alt;
    page.files.emplace_back(file, ReaderGraphSvg(graph));
    TemplateData picture;
    picture.set("src", file.substr(file.rfind('/') + 1));
    picture.set("alt", section.alt);
    picture.set("width", std::to_string(kReaderGraphWidth));
    picture.set("height", std::to_string(kReaderGraphHeight));
    data.set("picture", std::move(picture));
    return data;
}

std::optional<double> WholeNumber(const std::string& text) {
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end) return std::nullopt;
    return static_cast<double>(value);
}

// The finishing positions, tournament by tournament as the table above lists them (the window's
// grid: tournament, "3 / 16", place, field size); one without a place or a field is a gap.
ReaderGraph PositionsGraph(const Grid& grid) {
    ReaderGraph graph{
        .xAxis = "Tournaments, oldest first (number)", .yAxis = "Place", .downwards = true};
    for (std::size_t row = 1; row < grid.size(); ++row) {
        const auto& cells = grid[row];
        const auto place = cells.size() > 3 ? WholeNumber(cells[2]) : std::nullopt;
        const auto field = cells.size() > 3 ? WholeNumber(cells[3]) : std::nullopt;
        const bool drawn = place && field && *field > 0 && *place > 0;
        graph.points.push_back(
            {std::to_string(row), drawn ? place : std::nullopt,
             WebText(cells.front()) + ": place " + (cells.size() > 1 ? WebText(cells[1]) : "")});
    }
    return graph;
}

// The ranking points month by month, each year named at its first month; a month without a
// ranking is a gap.
ReaderGraph ProgressGraph(const std::vector<RankedMonth>& months) {
    ReaderGraph graph{.xAxis = "Month (year)", .yAxis = "Ranking points"};
    std::string year;
    for (const RankedMonth& month : months) {
        const std::string text = RankingMonthText(month.column);
        const std::string thisYear = text.substr(text.rfind(' ') + 1);
        const std::string label = thisYear != year ? thisYear : "";
        year = thisYear;
        if (!month.points) {
            graph.points.push_back({label, std::nullopt, text + ": not ranked"});
            continue;
        }
        graph.points.push_back({label, static_cast<double>(*month.points),
                                text + ": " + std::to_string(*month.points) + " points"});
    }
    return graph;
}

// The progress graph's numbers: the months the player was ranked in, oldest first.
Grid ProgressNumbers(const std::vector<RankedMonth>& months) {
    Grid grid = {{"Month", "Points"}};
    for (const RankedMonth& month : months) {
        if (month.points)
            grid.push_back({RankingMonthText(month.column), std::to_string(*month.points)});
    }
    return grid;
}

}  // namespace

TemplateList PlayerGraphs(PageContent& page, std::string_view path, std::string_view player,
                          const ViewTexts& positions) {
    const std::string name = WebText(player);
    TemplateList graphs;
    const bool placed = !positions.graph("picGraph").empty();
    graphs.push_back(GraphData(page, path,
                               {"picGraph-positions", "Tournament positions of " + name,
                                "Graph of the finishing positions; the table above gives them"},
                               placed ? PositionsGraph(positions.grid("grdPos")) : ReaderGraph{},
                               positions.text("lblNote")));

    const std::vector<RankedMonth> months = PlayerRankingMonths(player);
    const ViewTexts progress = ProgressView(player, months, kSiteGraphWidth, kSiteGraphHeight);
    const bool ranked = !progress.graph("picGraph").empty();
    const GraphSection section{"picGraph-progress", "Ranking progress of " + name,
                               "Graph of the ranking points month by month; the table below "
                               "gives them"};
    TemplateData data =
        GraphData(page, path, section, ranked ? ProgressGraph(months) : ReaderGraph{},
                  progress.text("lblNote"));
    if (ranked) {
        data.set("numbers", AddTable(page, path,
                                     {"picGraph-progress-numbers", "Ranking points",
                                      ProgressNumbers(months)}));
    }
    graphs.push_back(std::move(data));
    return graphs;
}
