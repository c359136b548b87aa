#include "site/WorldCupPages.h"

#include <optional>
#include <utility>

#include "db/DbValue.h"
#include "site/DiagramPages.h"
#include "site/Slug.h"
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

struct WorldCupsPlan {
    std::vector<std::pair<int, SiteDiagram>> trees;  // by World Cup
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
    for (int worldCup = 0; worldCup < kWorldCupCount; ++worldCup) {
        const std::string& cupName = kWorldCups.at(static_cast<std::size_t>(worldCup));
        TemplateList links;
        const auto add = [&](const std::string& text, const std::string& to) {
            TemplateData link;
            link.set("text", WebText(text));
            link.set("href", SiteLink(from, to));
            if (to == from) link.set("current", true);
            links.push_back(std::move(link));
        };
        for (int phase = 0; phase < kPhaseCount; ++phase) {
            add(kWorldCupPhases.at(static_cast<std::size_t>(phase)), PhasePath(worldCup, phase));
        }
        for (const auto& [cup, tree] : plan.trees) {
            if (cup == worldCup) add(tree.plan.title, tree.path);
        }
        TemplateData cup;
        cup.set("name", WebText(cupName));
        cup.set("links", std::move(links));
        cups.push_back(std::move(cup));
    }
    return cups;
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

}  // namespace

std::string_view FirstWorldCupPath() {
    static const std::string path = PhasePath(0, 0);
    return path;
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
    std::vector<PlannedPage> pages;
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
        pages.push_back(DiagramPage("worldcup", tree, people));
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
