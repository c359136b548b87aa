#include "site/PeoplePages.h"

#include <algorithm>

#include "db/DbValue.h"
#include "db/JetText.h"
#include "players/Games.h"
#include "players/PlayerStats.h"
#include "players/Positions.h"
#include "site/PlayerGraphs.h"
#include "site/Slug.h"
#include "site/TournamentPages.h"

namespace {

std::string PairName(const SiteFigures::Pair& pair) {
    return pair.p1 + " / " + pair.p2;
}

TemplateData StatsTable(PageContent& page, std::string_view path, const Grid& grid) {
    const CsvLink csv = AddCsv(page, path, "grdPlayerStats", grid);
    TemplateList rows;
    for (const std::vector<std::string>& cells : grid) {
        TemplateData row;
        row.set("label", WebText(cells.at(0)));
        row.set("value", WebText(cells.at(1)));
        rows.push_back(std::move(row));
    }
    TemplateData data;
    data.set("rows", std::move(rows));
    data.set("csv", csv.href);
    data.set("csvName", csv.name);
    return data;
}

TemplateList Opponents(const PeoplePlan& plan, std::string_view path, std::string_view player) {
    TemplateList links;
    for (const std::size_t index : plan.figures.pairsOf(player)) {
        const SiteFigures::Pair& pair = plan.figures.pairs()[index];
        TemplateData link;
        link.set("name", WebText(JetEqual(pair.p1, player) ? pair.p2 : pair.p1));
        link.set("href", SiteLink(path, plan.pairPaths[index]));
        links.push_back(std::move(link));
    }
    return links;
}

// The games' tournaments linked to their pages.
SiteTable::Links TournamentLinks(const PeoplePlan& plan, std::string_view path, const Grid& grid) {
    const auto column = std::ranges::find(grid.front(), "Tournament") - grid.front().begin();
    SiteTable::Links links{static_cast<std::size_t>(column), {}};
    for (std::size_t row = 1; row < grid.size(); ++row) {
        const auto found = column < std::ssize(grid[row])
                               ? plan.tournamentPaths.find(grid[row][links.column])
                               : plan.tournamentPaths.end();
        links.hrefs.push_back(found == plan.tournamentPaths.end() ? std::string()
                                                                  : SiteLink(path, found->second));
    }
    return links;
}

PageContent PlayerPage(Templates& templates, const PeoplePlan& plan, const std::string& path,
                       const std::string& player) {
    const SiteFigures& figures = plan.figures;
    PageContent page;
    page.title = WebText(player);
    page.description = "Statistics of " + page.title + ": record, games and positions";
    TemplateData data;
    try {
        const ViewTexts stats = PlayerStatsView(figures.record(player), figures.rankingNote());
        data.set("heading", WebText(stats.text("Label2_1")));
        if (!stats.text("lblNote").empty()) data.set("note", WebText(stats.text("lblNote")));
        data.set("stats", StatsTable(page, path, stats.grid("grdPlayerStats")));
        TemplateList tables;
        for (const int mode : {kHomeGames, kAwayGames}) {
            const ViewTexts games = GamesView(player, mode, figures.games(player, mode));
            const std::string id = mode == kHomeGames ? "grdGames-home" : "grdGames-away";
            const Grid& grid = games.grid("grdGames");
            // The opponent: Team B in his home games, Team A away.
            const std::size_t opponent = mode == kHomeGames ? 2 : 1;
            tables.push_back(AddTable(
                page, path,
                {id,
                 games.text("frmGames"),
                 grid,
                 std::nullopt,
                 {TournamentLinks(plan, path, grid), PlayerLinks(plan, path, grid, opponent)}}));
        }
        const ViewTexts positions =
            PositionsView(player, figures.positions(player), kSiteGraphWidth, kSiteGraphHeight);
        tables.push_back(AddTable(
            page, path, {"grdPos", positions.text("frmPositions"), positions.grid("grdPos")}));
        data.set("tables", std::move(tables));
        data.set("graphs", PlayerGraphs(page, path, player, positions));
    } catch (const DbError&) {
        data.set("heading", WebText(player));
        data.set("note", std::string("The player's figures cannot be read"));
    }
    data.set("opponents", Opponents(plan, path, player));
    page.body = templates.render("player", data);
    return page;
}

TemplateData Side(const PeoplePlan& plan, std::string_view path, const ViewTexts& view, int side) {
    const std::string suffix = "_" + std::to_string(side);
    const std::string& name = view.text("lblPairResults" + suffix);
    TemplateData data;
    data.set("name", WebText(name));
    if (const auto player = plan.playerPath(name)) data.set("href", SiteLink(path, *player));
    TemplateList lines;
    for (const std::string& line : view.list("lstPairResults" + suffix)) {
        TemplateData item;
        item.set("t", WebText(line));
        lines.push_back(std::move(item));
    }
    data.set("id", "lstPairResults" + suffix);
    data.set("lines", std::move(lines));
    return data;
}

PageContent PairPage(Templates& templates, const PeoplePlan& plan, const std::string& path,
                     std::size_t index) {
    const SiteFigures::Pair& pair = plan.figures.pairs()[index];
    PageContent page;
    page.title = WebText(pair.p1) + " vs " + WebText(pair.p2);
    page.description = "Head to head: " + page.title;
    TemplateData data;
    try {
        const ViewTexts view = plan.figures.pairView(pair);
        data.set("heading", WebText(view.text("lblPair")));
        data.set("sides", TemplateList{Side(plan, path, view, 0), Side(plan, path, view, 1)});
        TemplateList tables;
        tables.push_back(
            AddTable(page, path, {"grdPairGames", "Games", view.grid("grdPairGames")}));
        data.set("tables", std::move(tables));
    } catch (const DbError&) {
        data.set("heading", page.title);
        data.set("note", std::string("The pair's figures cannot be read"));
    }
    page.body = templates.render("pair", data);
    return page;
}

}  // namespace

std::optional<std::string> PeoplePlan::playerPath(std::string_view name) const {
    const auto found = playerPaths.find(name);
    if (found == playerPaths.end()) return std::nullopt;
    return found->second;
}

SiteTable::Links PlayerLinks(const PeoplePlan& people, std::string_view path, const Grid& grid,
                             std::size_t column) {
    SiteTable::Links links{column, {}};
    for (std::size_t row = 1; row < grid.size(); ++row) {
        const auto player =
            column < grid[row].size() ? people.playerPath(grid[row][column]) : std::nullopt;
        links.hrefs.push_back(player ? SiteLink(path, *player) : std::string());
    }
    return links;
}

std::shared_ptr<const PeoplePlan> PlanPeople() {
    auto plan = std::make_shared<PeoplePlan>();
    try {
        plan->tournamentPaths = TournamentPaths();
    } catch (const DbError&) {
        // The games' tournaments go without links.
    }
    try {
        plan->figures = SiteFigures::Read();
    } catch (const DbError& error) {
        plan->unreadable = error.what();
        return plan;
    }
    SlugSet players;
    for (const std::string& player : plan->figures.players()) {
        plan->playerPaths[player] = "players/" + players.add(player) + ".html";
    }
    SlugSet pairs;
    for (const SiteFigures::Pair& pair : plan->figures.pairs()) {
        plan->pairPaths.push_back("pairs/" + pairs.add(PairName(pair)) + ".html");
    }
    return plan;
}

std::vector<PlannedPage> PlayerPages(const std::shared_ptr<const PeoplePlan>& plan) {
    std::vector<PlannedPage> pages;
    for (const std::string& player : plan->figures.players()) {
        const std::string& path = plan->playerPaths.at(player);
        pages.push_back({{"player", player, path}, [plan, path, player](Templates& t) {
                             return PlayerPage(t, *plan, path, player);
                         }});
    }
    return pages;
}

std::vector<PlannedPage> PairPages(const std::shared_ptr<const PeoplePlan>& plan) {
    std::vector<PlannedPage> pages;
    const std::vector<SiteFigures::Pair>& pairs = plan->figures.pairs();
    for (std::size_t index = 0; index < pairs.size(); ++index) {
        const std::string& path = plan->pairPaths[index];
        pages.push_back({{"pair", PairName(pairs[index]), path}, [plan, path, index](Templates& t) {
                             return PairPage(t, *plan, path, index);
                         }});
    }
    return pages;
}
