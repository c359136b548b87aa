#include "site/PlayerGraphs.h"

#include "core/Twips.h"
#include "rankings/RankingColumn.h"
#include "rankings/RankingProgress.h"
#include "site/GraphSvg.h"

namespace {

struct GraphSection {
    std::string id;       // the graph's name in the window, with the graph's kind
    std::string heading;  // on the page, and the picture's title
    std::string alt;      // what the picture shows, and where its numbers are
};

TemplateData GraphData(PageContent& page, std::string_view path, const GraphSection& section,
                       const Graph& graph, const std::string& note) {
    TemplateData data;
    data.set("id", section.id);
    data.set("heading", section.heading);
    if (!note.empty()) data.set("graphNote", WebText(note));
    if (graph.empty()) return data;
    const std::string_view stem = path.substr(0, path.rfind('.'));
    const std::string file = std::string(stem) + "." + section.id + ".svg";
    page.files.emplace_back(file, GraphSvg(graph, section.heading, section.alt));
    TemplateData picture;
    picture.set("src", file.substr(file.rfind('/') + 1));
    picture.set("alt", section.alt);
    picture.set("width", std::to_string(TwipsToPixels(graph.width)));
    picture.set("height", std::to_string(TwipsToPixels(graph.height)));
    data.set("picture", std::move(picture));
    return data;
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
    graphs.push_back(GraphData(page, path,
                               {"picGraph-positions", "Tournament positions of " + name,
                                "Graph of the finishing positions; the table above gives them"},
                               positions.graph("picGraph"), positions.text("lblNote")));

    const std::vector<RankedMonth> months = PlayerRankingMonths(player);
    const ViewTexts progress = ProgressView(player, months, kSiteGraphWidth, kSiteGraphHeight);
    const GraphSection section{"picGraph-progress", "Ranking progress of " + name,
                               "Graph of the ranking points month by month; the table below "
                               "gives them"};
    TemplateData data =
        GraphData(page, path, section, progress.graph("picGraph"), progress.text("lblNote"));
    if (!progress.graph("picGraph").empty()) {
        data.set("numbers", AddTable(page, path,
                                     {"picGraph-progress-numbers", "Ranking points",
                                      ProgressNumbers(months)}));
    }
    graphs.push_back(std::move(data));
    return graphs;
}
