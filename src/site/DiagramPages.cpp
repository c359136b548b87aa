#include "site/DiagramPages.h"

#include <algorithm>
#include <tuple>

#include "db/DbValue.h"
#include "db/WideNumber.h"
#include "tournaments/DiagramImage.h"
#include "tournaments/Diagrams.h"
#include "tournaments/Tournament.h"
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

// The group's table as the database holds it, else counted from its games.
Grid Standings(const PhaseGroup& group) {
    Grid table = TournamentTable(group.tournament);
    return table.size() > 1 ? table : CountedStandings(group.games);
}

PageContent MakePage(Templates& templates, const PeoplePlan& people, const SiteDiagram& diagram,
                     const PageFamily& family) {
    const std::string& path = diagram.path;
    PageContent page;
    page.title = WebText(diagram.plan.title);
    page.description = page.title + ": the diagram and its games";
    TemplateData data;
    data.set("heading", page.title);
    data.set("kin", FamilyData(family, path));
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
            const std::string id = "phase-" + std::to_string(index + 1);
            const Grid standings = Standings(groups[index]);
            tables.push_back(AddTable(page, path,
                                      {id + "-table",
                                       groups[index].label + ": standings",
                                       standings,
                                       std::nullopt,
                                       {PlayerLinks(people, path, standings, 1)}}));
            const SiteTable table{
                id,
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
                        const std::shared_ptr<const PeoplePlan>& people, PageFamily family) {
    return {{kind, diagram.plan.title, diagram.path},
            [diagram, people, family = std::move(family)](Templates& t) {
                return MakePage(t, *people, diagram, family);
            }};
}

Grid CountedStandings(const std::vector<PhaseGame>& games) {
    struct Line {
        std::string player;
        std::int64_t g = 0, w = 0, d = 0, l = 0;
        // Goals of a hostile file reach the 64-bit limits: their sums are counted wider.
        WideInt gf = 0, ga = 0;
        std::int64_t points() const { return 3 * w + d; }
    };
    std::vector<Line> lines;
    const auto line = [&](const std::string& player) -> Line& {
        const auto found = std::ranges::find(lines, player, &Line::player);
        return found != lines.end() ? *found : lines.emplace_back(Line{player});
    };
    for (const PhaseGame& game : games) {
        for (const auto& [player, goals, against] :
             {std::tuple{game.teamA, game.goalsA, game.goalsB},
              std::tuple{game.teamB, game.goalsB, game.goalsA}}) {
            Line& l = line(player);
            ++l.g;
            l.gf += goals;
            l.ga += against;
            ++(goals > against ? l.w : goals < against ? l.l : l.d);
        }
    }
    std::ranges::stable_sort(lines, [](const Line& x, const Line& y) {
        return std::tuple(y.points(), y.gf - y.ga, y.gf) <
               std::tuple(x.points(), x.gf - x.ga, x.gf);
    });
    Grid grid = {kTableHeader};
    for (std::size_t at = 0; at < lines.size(); ++at) {
        const Line& l = lines[at];
        grid.push_back({std::to_string(at + 1), l.player, std::to_string(l.g), std::to_string(l.w),
                        std::to_string(l.d), std::to_string(l.l), WideText(l.gf), WideText(l.ga),
                        std::to_string(l.points())});
    }
    return grid;
}
