#include "site/TournamentPages.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>

#include "db/DbValue.h"
#include "site/DiagramPages.h"
#include "site/Slug.h"
#include "tournaments/Tournament.h"
#include "tournaments/TournamentLists.h"

namespace {

constexpr std::string_view kListPath = "tournaments.html";
constexpr std::string_view kWinnersPath = "winners.html";

struct HostCountry {
    std::string country;
    Texts tournaments;
};

// What the list, the winners and every tournament's page share: the names and their pages.
struct TournamentsPlan {
    Texts names;  // as the frame lists them at start
    std::vector<HostCountry> countries;
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
    const CountryFilter filter = TournamentCountryFilter();
    for (std::size_t item = 1; filter.supported && item < filter.items.size(); ++item) {
        plan.countries.push_back({filter.items[item], TournamentNames(filter.items[item])});
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

TemplateList NameLinks(const TournamentsPlan& plan, std::string_view from, const Texts& names) {
    TemplateList links;
    for (const std::string& name : names) {
        TemplateData link;
        link.set("text", WebText(name));
        if (const auto path = plan.path(name)) link.set("href", SiteLink(from, *path));
        links.push_back(std::move(link));
    }
    return links;
}

PageContent ListPage(Templates& templates, const TournamentsPlan& plan) {
    PageContent page;
    page.title = "Tournaments";
    page.description = "The tournaments, " + std::to_string(plan.names.size()) + " in all";
    TemplateData data;
    if (!plan.note.empty()) data.set("note", WebText(plan.note));
    data.set("all", NameLinks(plan, kListPath, plan.names));
    TemplateList countries;
    for (std::size_t index = 0; index < plan.countries.size(); ++index) {
        TemplateData country;
        country.set("country", WebText(plan.countries[index].country));
        country.set("id", "country-" + std::to_string(index + 1));
        country.set("links", NameLinks(plan, kListPath, plan.countries[index].tournaments));
        countries.push_back(std::move(country));
    }
    data.set("countries", std::move(countries));
    data.set("winners", std::string(kWinnersPath));
    page.body = templates.render("tournaments", data);
    return page;
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
                     [plan](Templates& t) { return ListPage(t, *plan); }});
    for (const std::string& name : plan->names) {
        const std::string& path = plan->paths.at(name);
        pages.push_back({{"tournament", name, path}, [plan, people, path, name](Templates& t) {
                             return TournamentPage(t, *plan, *people, path, name);
                         }});
    }
    for (const SiteDiagram& phase : plan->phases) {
        pages.push_back(DiagramPage("tournament", phase, people));
    }
    pages.push_back({{"winners", "current", std::string(kWinnersPath)},
                     [plan, people](Templates& t) { return WinnersPage(t, *plan, *people); }});
    return pages;
}
