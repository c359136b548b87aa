#include "site/WorldCupPages.h"

#include <optional>
#include <utility>

#include "db/DbValue.h"
#include "site/DiagramPages.h"
#include "site/PageFamily.h"
#include "site/Slug.h"
#include "site/TournamentIndex.h"
#include "tournaments/Tournament.h"
#include "tournaments/TournamentLists.h"
#include "tournaments/WorldCup.h"

namespace {

constexpr int kWorldCupCount = 2;
constexpr int kPhaseCount = kAllGamesPhase + 1;

std::string PhasePageName(int worldCup, int phase) {
    return std::string(worldCup == 0 ? "World Cup I" : "World Cup II") + " phase " +
           std::to_string(phase);
}

// Fixed names in lower case; the trees' slugs are hashed ones, which always hold "--".
std::string PhasePath(int worldCup, int phase) {
    return std::string("worldcups/world-cup-") + (worldCup == 0 ? "i" : "ii") + "-phase-" +
           std::to_string(phase) + ".html";
}

constexpr std::string_view kOverviewPath = "worldcups.html";

struct WorldCupsPlan {
    std::vector<std::pair<int, SiteDiagram>> trees;  // by World Cup
    std::vector<PageFamily> families;                // each World Cup's phases, then its trees
};

// The World Cup whose tree the diagram is; none for another diagram.
std::optional<int> TreeOf(const DiagramPlan& diagram) {
    for (int worldCup = 0; worldCup < kWorldCupCount; ++worldCup) {
        for (const int tree : {0, 1}) {
            if (diagram.file == WorldCupTreeName(worldCup, tree)) return worldCup;
        }
    }
    return std::nullopt;
}

// Every World Cup page's links to all of them, by World Cup.
TemplateList CupLinks(const WorldCupsPlan& plan, std::string_view from) {
    TemplateList cups;
    for (const PageFamily& family : plan.families) {
        TemplateData cup = FamilyData(family, from);
        cup.set("name", WebText(family.parent.text));
        cups.push_back(std::move(cup));
    }
    return cups;
}

PageFamily CupFamily(const WorldCupsPlan& plan, int worldCup) {
    const std::string anchor = "#worldCup-" + std::to_string(worldCup + 1);
    PageFamily family{
        {kWorldCups.at(static_cast<std::size_t>(worldCup)), std::string(kOverviewPath) + anchor},
        {}};
    for (int phase = 0; phase < kPhaseCount; ++phase) {
        family.members.push_back(
            {kWorldCupPhases.at(static_cast<std::size_t>(phase)), PhasePath(worldCup, phase)});
    }
    for (const auto& [cup, tree] : plan.trees) {
        if (cup == worldCup) family.members.push_back({WebText(tree.plan.title), tree.path});
    }
    return family;
}

PageContent PhasePage(Templates& templates, const WorldCupsPlan& plan, const PeoplePlan& people,
                      int worldCup, int phase) {
    const std::string path = PhasePath(worldCup, phase);
    const std::string& cupName = kWorldCups.at(static_cast<std::size_t>(worldCup));
    const std::string& phaseName = kWorldCupPhases.at(static_cast<std::size_t>(phase));
    PageContent page;
    page.title = WebText(cupName + ", " + phaseName);
    page.description = page.title + ": table and games";
    TemplateData data;
    data.set("cup", WebText(cupName));
    data.set("phase", WebText(phaseName));
    data.set("cups", CupLinks(plan, path));
    data.set("kin", FamilyData(plan.families.at(static_cast<std::size_t>(worldCup)), path, false));
    // Each grid is read on its own, as the frame does: one that cannot be read shows empty.
    const auto read = [&](Grid (*view)(int, int), const Texts& header, std::string& note) {
        try {
            return view(worldCup, phase);
        } catch (const DbError&) {
            note = "The World Cup cannot be read";
            return Grid{header};
        }
    };
    std::string note;
    const Grid table = read(WorldCupTable, kTableHeader, note);
    const Grid games = read(WorldCupGames, kGamesHeader, note);
    if (!note.empty()) data.set("note", note);
    TemplateList tables;
    tables.push_back(AddTable(page, path,
                              {"grdWC_0",
                               WorldCupTableCaption(phase),
                               table,
                               std::nullopt,
                               {PlayerLinks(people, path, table, 1)}}));
    tables.push_back(
        AddTable(page, path,
                 {"grdWC_1",
                  "Games",
                  games,
                  std::nullopt,
                  {PlayerLinks(people, path, games, 0), PlayerLinks(people, path, games, 1)}}));
    data.set("tables", std::move(tables));
    page.body = templates.render("worldcup", data);
    return page;
}

// The phase's winner: the top of its table; the final's for a tree.
std::string PhaseWinner(const WorldCupsPlan& plan, int worldCup, std::size_t member,
                        const Texts& gameTournaments) {
    if (member < static_cast<std::size_t>(kPhaseCount)) {
        const Grid table = WorldCupTable(worldCup, static_cast<int>(member));
        return table.size() > 1 && table[1].size() > 1 ? table[1][1] : std::string();
    }
    std::size_t at = kPhaseCount;
    for (const auto& [cup, tree] : plan.trees) {
        if (cup != worldCup) continue;
        const bool playout = tree.plan.file == WorldCupTreeName(worldCup, 1);
        if (at++ == member) {
            return FinalWinner(tree.plan.base, gameTournaments, playout ? "playoffs" : "playouts");
        }
    }
    return {};
}

// The World Cup's table: its phases and trees, linked, and who won each.
SiteTable CupTable(const WorldCupsPlan& plan, const PeoplePlan& people, int worldCup,
                   const Texts& gameTournaments) {
    const PageFamily& family = plan.families.at(static_cast<std::size_t>(worldCup));
    Grid grid = {{"Phase", "Winner"}};
    std::vector<std::string> links;
    for (std::size_t member = 0; member < family.members.size(); ++member) {
        grid.push_back(
            {family.members[member].text, PhaseWinner(plan, worldCup, member, gameTournaments)});
        links.push_back(SiteLink(kOverviewPath, family.members[member].path));
    }
    SiteTable::Links players = PlayerLinks(people, kOverviewPath, grid, 1);
    return {"worldCup-" + std::to_string(worldCup + 1),
            family.parent.text,
            std::move(grid),
            std::nullopt,
            {SiteTable::Links{0, std::move(links)}, std::move(players)}};
}

// Both World Cups with their winners (their playoff finals'), then a table of each.
PageContent OverviewPage(Templates& templates, const WorldCupsPlan& plan,
                         const PeoplePlan& people) {
    PageContent page;
    page.title = "World Cups";
    page.description = "Both World Cups, their phases and their winners";
    TemplateData data;
    TemplateList tables;
    TemplateList cups;
    try {
        const Texts gameTournaments = GameTournamentNames();
        for (int worldCup = 0; worldCup < kWorldCupCount; ++worldCup) {
            const SiteTable table = CupTable(plan, people, worldCup, gameTournaments);
            TemplateData cup;
            cup.set("name", WebText(table.heading));
            cup.set("anchor", "#" + table.id);
            for (const auto& [cupOf, tree] : plan.trees) {
                if (cupOf != worldCup || tree.plan.file != WorldCupTreeName(worldCup, 0)) continue;
                for (std::size_t row = 1; row < table.grid.size(); ++row) {
                    if (table.grid[row][0] != tree.plan.title) continue;
                    cup.set("winner", WebText(table.grid[row][1]));
                    cup.set("href", table.links[1].hrefs.at(row - 1));
                }
            }
            cups.push_back(std::move(cup));
            tables.push_back(AddTable(page, kOverviewPath, table));
        }
    } catch (const DbError&) {
        data.set("note", std::string("The World Cups cannot be read"));
    }
    data.set("cups", std::move(cups));
    data.set("tables", std::move(tables));
    page.body = templates.render("worldcups", data);
    return page;
}

}  // namespace

std::string_view WorldCupsPath() {
    return kOverviewPath;
}

std::vector<PlannedPage> WorldCupPages(const std::shared_ptr<const PeoplePlan>& people) {
    auto plan = std::make_shared<WorldCupsPlan>();
    SlugSet slugs;
    for (const DiagramPlan& diagram : OfferedDiagrams()) {
        if (const auto worldCup = TreeOf(diagram)) {
            plan->trees.push_back(
                {*worldCup, {diagram, "worldcups/" + slugs.add(diagram.title) + ".html"}});
        }
    }
    for (int worldCup = 0; worldCup < kWorldCupCount; ++worldCup) {
        plan->families.push_back(CupFamily(*plan, worldCup));
    }
    std::vector<PlannedPage> pages;
    pages.push_back({{"worldcups", "current", std::string(kOverviewPath)},
                     [plan, people](Templates& t) { return OverviewPage(t, *plan, *people); }});
    for (int worldCup = 0; worldCup < kWorldCupCount; ++worldCup) {
        for (int phase = 0; phase < kPhaseCount; ++phase) {
            pages.push_back(
                {{"worldcup", PhasePageName(worldCup, phase), PhasePath(worldCup, phase)},
                 [plan, people, worldCup, phase](Templates& t) {
                     return PhasePage(t, *plan, *people, worldCup, phase);
                 }});
        }
    }
    for (const auto& [worldCup, tree] : plan->trees) {
        pages.push_back(DiagramPage("worldcup", tree, people,
                                    plan->families.at(static_cast<std::size_t>(worldCup))));
    }
    return pages;
}

std::map<std::string, std::string, std::less<>> WorldCupGamePaths() {
    std::map<std::string, std::string, std::less<>> paths;
    for (int worldCup = 0; worldCup < kWorldCupCount; ++worldCup) {
        for (int phase = 0; phase < kAllGamesPhase; ++phase) {
            paths.emplace(
                WorldCupPrefix(worldCup) + kWorldCupPhases.at(static_cast<std::size_t>(phase)),
                PhasePath(worldCup, phase));
        }
        paths.emplace(WorldCupPrefix(worldCup), PhasePath(worldCup, kAllGamesPhase));
    }
    return paths;
}
