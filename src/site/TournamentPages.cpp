#include "site/TournamentPages.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>

#include "db/DbValue.h"
#include "site/DiagramPages.h"
#include "site/Slug.h"
#include "site/TournamentIndex.h"
#include "site/WorldCupPages.h"
#include "tournaments/Tournament.h"
#include "tournaments/TournamentLists.h"

namespace {

constexpr std::string_view kListPath = "tournaments.html";
constexpr std::string_view kWinnersPath = "winners.html";

// What the list, the winners and every tournament's page share: the names and their pages.
struct TournamentsPlan {
    Texts names;  // as the frame lists them at start
    Texts hosts;  // the host filter's items: every country, then each; none without countries
    std::optional<TournamentIndex> index;
    std::map<std::string, std::string, std::less<>> paths;  // by the name as written
    std::vector<SiteDiagram> phases;                        // of the multi-phase tournament
    std::string note;                                       // why there is no list
    std::optional<Texts> gameTournaments;  // read once for every page; none when unreadable

    std::optional<std::string> path(std::string_view name) const {
        const auto found = paths.find(name);
        if (found == paths.end()) return std::nullopt;
        return found->second;
    }
};

TournamentsPlan MakePlan() {
    TournamentsPlan plan;
    plan.paths = TournamentPaths();
    try {
        plan.gameTournaments = GameTournamentNames();
    } catch (const DbError&) {
        // Each page then asks on its own, and says what it cannot show.
    }
    std::set<std::string, std::less<>> listed;
    for (std::string& name : ListedTournaments()) {
        if (listed.insert(name).second) plan.names.push_back(std::move(name));
    }
    if (const CountryFilter filter = TournamentCountryFilter(); filter.supported) {
        plan.hosts = filter.items;
    }
    try {
        plan.index = ReadTournamentIndex(plan.gameTournaments.value_or(GameTournamentNames()));
    } catch (const DbError&) {
        // The table then has the names alone.
    }
    if (std::ranges::any_of(plan.names, IsMultiPhase)) {
        SlugSet slugs;
        for (const DiagramPlan& diagram : OfferedDiagrams()) {
            if (IsWorldCup(diagram.base)) continue;
            plan.phases.push_back(
                {diagram, "tournaments/phases/" + slugs.add(diagram.title) + ".html"});
        }
    }
    return plan;
}

// A link per body row from the page at from to the page of the row's cell in column, if it has one.
template <typename PathOf>
std::vector<std::string> Links(std::string_view from, const Grid& grid, std::size_t column,
                               const PathOf& pathOf) {
    std::vector<std::string> links;
    for (std::size_t row = 1; row < grid.size(); ++row) {
        const auto to = column < grid[row].size() ? pathOf(grid[row][column]) : std::nullopt;
        links.push_back(to ? SiteLink(from, *to) : std::string());
    }
    return links;
}

// The dates sort as the tournaments were held, not as their words would.
std::vector<std::size_t> HeldOrder(const TournamentsPlan& plan) {
    std::vector<std::size_t> keys;
    for (const std::string& name : plan.names) {
        const TournamentFacts* facts = plan.index ? plan.index->find(name) : nullptr;
        keys.push_back(facts ? static_cast<std::size_t>(std::max<std::int64_t>(facts->chrono, 0))
                             : 0);
    }
    return keys;
}

PageContent ListPage(Templates& templates, const TournamentsPlan& plan, const PeoplePlan& people) {
    PageContent page;
    page.title = "Tournaments";
    page.description = "The tournaments, " + std::to_string(plan.names.size()) +
                       " in all: when and where they were held and who won them";
    TemplateData data;
    if (!plan.note.empty()) data.set("note", WebText(plan.note));
    const Grid grid = TournamentIndexGrid(plan.index.value_or(TournamentIndex{}), plan.names);
    const auto tournament = [&](const std::string& cell) { return plan.path(cell); };
    SiteTable table{"tournamentIndex",
                    "All tournaments",
                    grid,
                    std::nullopt,
                    {SiteTable::Links{0, Links(kListPath, grid, 0, tournament)},
                     PlayerLinks(people, kListPath, grid, 3)},
                    SiteTable::Order{1, HeldOrder(plan)}};
    if (!plan.hosts.empty()) table.filter = SiteTable::Filter{"Host:", 2, plan.hosts, std::nullopt};
    TemplateList tables;
    tables.push_back(AddTable(page, kListPath, table));
    data.set("tables", std::move(tables));
    data.set("winners", std::string(kWinnersPath));
    data.set("worldCups", std::string(WorldCupsPath()));
    page.body = templates.render("tournaments", data);
    return page;
}

// The grid the view shows under name; none where it hides it (a cup, the multi-phase tournament).
const Grid* ShownGrid(const ViewTexts& view, std::string_view name) {
    for (const ViewTexts::Control& control : view.controls()) {
        if (control.name == name) return std::get_if<Grid>(&control.content);
    }
    return nullptr;
}

SiteTable GamesTable(const ViewTexts& view, const PeoplePlan& people, std::string_view path) {
    Texts players;
    for (const ComboItem& item : view.combo("cmbGamesFilter").items) players.push_back(item.text);
    const Grid& games = view.grid("grdTournamentGames");
    return {"grdTournamentGames",
            "Games",
            games,
            SiteTable::Filter{"Filter:", 0, std::move(players), std::nullopt, 1},
            {PlayerLinks(people, path, games, 0), PlayerLinks(people, path, games, 1)}};
}

void AddMultiPhase(TemplateData& data, const TournamentsPlan& plan, std::string_view path) {
    data.set("phasesNote", WebText(kMultiPhaseNote));
    TemplateList links;
    for (const SiteDiagram& phase : plan.phases) {
        TemplateData link;
        link.set("text", WebText(phase.plan.title));
        link.set("href", SiteLink(path, phase.path));
        links.push_back(std::move(link));
    }
    data.set("phases", std::move(links));
}

PageContent TournamentPage(Templates& templates, const TournamentsPlan& plan,
                           const PeoplePlan& people, const std::string& path,
                           const std::string& name) {
    PageContent page;
    page.title = WebText(name);
    page.description = page.title + ": the final table and the games";
    TemplateData data;
    try {
        const ViewTexts view = plan.gameTournaments
                                   ? TournamentView(name, "", *plan.gameTournaments)
                                   : TournamentView(name, "");
        data.set("heading", WebText(view.text("lblTournamentDate")));
        TemplateList tables;
        const bool multiPhase = view.visible("fraDadidurez");
        if (multiPhase) AddMultiPhase(data, plan, path);
        if (const Grid* grid = ShownGrid(view, "grdTournamentTables")) {
            tables.push_back(AddTable(page, path,
                                      {"grdTournamentTables",
                                       view.text("Label2_0"),
                                       *grid,
                                       std::nullopt,
                                       {PlayerLinks(people, path, *grid, 1)}}));
        } else if (!multiPhase) {
            data.set("cupHeading", WebText(view.text("Label2_0")));
            data.set("cupNote", WebText(view.text("lblTournamentCup")));
        }
        tables.push_back(AddTable(page, path, GamesTable(view, people, path)));
        data.set("tables", std::move(tables));
    } catch (const DbError&) {
        data.set("heading", page.title);
        data.set("note", std::string("The tournament cannot be read"));
    }
    page.body = templates.render("tournament", data);
    return page;
}

PageContent WinnersPage(Templates& templates, const TournamentsPlan& plan,
                        const PeoplePlan& people) {
    PageContent page;
    page.title = "Tournament Winners";
    page.description = "The winner of every tournament";
    TemplateData data;
    try {
        const Grid grid = WinnersView().grid("grdTournamentWinners");
        const auto tournament = [&](const std::string& cell) { return plan.path(cell); };
        const SiteTable table{"grdTournamentWinners",
                              "Tournament Winners",
                              grid,
                              std::nullopt,
                              {SiteTable::Links{0, Links(kWinnersPath, grid, 0, tournament)},
                               PlayerLinks(people, kWinnersPath, grid, 1)}};
        TemplateList tables;
        tables.push_back(AddTable(page, kWinnersPath, table));
        data.set("tables", std::move(tables));
    } catch (const DbError&) {
        data.set("note", std::string("The tournament winners cannot be read"));
    }
    page.body = templates.render("winners", data);
    return page;
}

}  // namespace

std::map<std::string, std::string, std::less<>> TournamentPaths() {
    std::map<std::string, std::string, std::less<>> paths;
    SlugSet slugs;
    for (const std::string& name : ListedTournaments()) {
        paths.try_emplace(name, "tournaments/" + slugs.add(name) + ".html");
    }
    return paths;
}

std::vector<PlannedPage> TournamentPages(const std::shared_ptr<const PeoplePlan>& people) {
    auto plan = std::make_shared<TournamentsPlan>();
    try {
        *plan = MakePlan();
    } catch (const DbError&) {
        plan = std::make_shared<TournamentsPlan>();
        plan->note = "The tournaments cannot be read";
    }
    std::vector<PlannedPage> pages;
    pages.push_back({{"tournaments", "current", std::string(kListPath)},
                     [plan, people](Templates& t) { return ListPage(t, *plan, *people); }});
    for (const std::string& name : plan->names) {
        const std::string& path = plan->paths.at(name);
        pages.push_back({{"tournament", name, path}, [plan, people, path, name](Templates& t) {
                             return TournamentPage(t, *plan, *people, path, name);
                         }});
    }
    PageFamily phases;
    for (const std::string& name : plan->names) {
        if (IsMultiPhase(name)) phases.parent = {WebText(name), plan->paths.at(name)};
    }
    for (const SiteDiagram& phase : plan->phases) {
        phases.members.push_back({WebText(phase.plan.title), phase.path});
    }
    for (const SiteDiagram& phase : plan->phases) {
        pages.push_back(DiagramPage("tournament", phase, people, phases));
    }
    pages.push_back({{"winners", "current", std::string(kWinnersPath)},
                     [plan, people](Templates& t) { return WinnersPage(t, *plan, *people); }});
    return pages;
}
