#include "site/DiagramPages.h"

#include <algorithm>

#include "db/DbValue.h"
#include "tournaments/DiagramImage.h"
#include "tournaments/Diagrams.h"
#include "tournaments/TournamentLists.h"
#include "tournaments/WorldCup.h"

namespace {

// The World Cups' trees the window's buttons offer: both playoff trees, the playout tree of
// World Cup II only.
bool Offered(const DiagramPlan& plan) {
    if (IsWorldCup(plan.base)) {
        return plan.file == WorldCupTreeName(0, 0) || plan.file == WorldCupTreeName(1, 0) ||
               plan.file == WorldCupTreeName(1, 1);
    }
    return true;
}

// Texts as a page may carry them: an SVG document takes no control characters either.
Graph WebGraph(Graph graph) {
    for (GraphText& text : graph.texts) text.text = WebText(text.text);
    return graph;
}

Grid GamesGrid(const PhaseGroup& group) {
    Grid grid = {kGamesHeader};
    for (const PhaseGame& game : group.games) {
        grid.push_back(
            {game.teamA, game.teamB, std::to_string(game.goalsA), std::to_string(game.goalsB)});
    }
    return grid;
}

PageContent MakePage(Templates& templates, const PeoplePlan& people, const SiteDiagram& diagram) {
    const std::string& path = diagram.path;
    PageContent page;
    page.title = WebText(diagram.plan.title);
    page.description = page.title + ": the diagram and its games";
    TemplateData data;
    data.set("heading", page.title);
    try {
        const std::vector<PhaseGroup> groups = FindPhaseGames(diagram.plan);
        const Graph graph = DrawDiagram(diagram.plan, groups);
        const std::string svg = path.substr(0, path.rfind('.')) + ".svg";
        page.files.emplace_back(svg, DiagramSvg(WebGraph(graph), diagram.plan.title));
        const QSize size = DiagramSize(graph);
        data.set("svg", svg.substr(svg.rfind('/') + 1));
        data.set("width", std::to_string(size.width()));
        data.set("height", std::to_string(size.height()));
        TemplateList tables;
        for (std::size_t index = 0; index < groups.size(); ++index) {
            const Grid grid = GamesGrid(groups[index]);
            const SiteTable table{
                "phase-" + std::to_string(index + 1),
                groups[index].label,
                grid,
                std::nullopt,
                {PlayerLinks(people, path, grid, 0), PlayerLinks(people, path, grid, 1)}};
            tables.push_back(AddTable(page, path, table));
        }
        if (groups.empty()) data.set("note", WebText(LookedFor(diagram.plan)));
        data.set("tables", std::move(tables));
    } catch (const DbError&) {
        data.set("note", std::string("The diagram's games cannot be read"));
    }
    page.body = templates.render("diagram", data);
    return page;
}

}  // namespace

std::vector<DiagramPlan> OfferedDiagrams() {
    try {
        std::vector<DiagramPlan> plans = DiagramPlans();
        std::erase_if(plans, [](const DiagramPlan& plan) { return !Offered(plan); });
        return plans;
    } catch (const DbError&) {
        return {};
    }
}

PlannedPage DiagramPage(const std::string& kind, const SiteDiagram& diagram,
                        const std::shared_ptr<const PeoplePlan>& people) {
    return {{kind, diagram.plan.title, diagram.path},
            [diagram, people](Templates& t) { return MakePage(t, *people, diagram); }};
}
