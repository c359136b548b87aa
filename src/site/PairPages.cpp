// A head-to-head page: the two players' record side by side at a glance, Find Pair's lists in
// the reader's number forms, and their games.

#include <string>
#include <vector>

#include "core/DisplayFormat.h"
#include "db/WideNumber.h"
#include "headtohead/PairComparison.h"
#include "site/NumberForms.h"
#include "site/PeoplePages.h"

namespace {

constexpr std::string_view kDash = "\u2013";

TemplateData SummaryRow(std::string label, std::string one, std::string two) {
    TemplateData row;
    row.set("label", std::move(label));
    row.set("one", std::move(one));
    row.set("two", std::move(two));
    return row;
}

std::string PerGame(WideInt goals, WideInt games) {
    return games > 0 ? FormatNumber(WideRatio(goals, games), "0.00") : std::string(kDash);
}

// Each player's wins, draws, losses and goals in the games with both scores, and the score line
// of those games from the first player's side: his wins, the draws, the second's wins.
TemplateData Summary(const PairRecord& record) {
    const Tally one = record.one.both();
    const Tally two = one.reversed();
    TemplateList rows;
    rows.push_back(SummaryRow("Won", WideText(one.wins), WideText(two.wins)));
    rows.push_back(SummaryRow("Drawn", WideText(one.draws), WideText(two.draws)));
    rows.push_back(SummaryRow("Lost", WideText(one.losses), WideText(two.losses)));
    rows.push_back(SummaryRow("Goals", WideText(one.goalsFor), WideText(two.goalsFor)));
    rows.push_back(SummaryRow("Goals a game", PerGame(one.goalsFor, one.scored()),
                              PerGame(two.goalsFor, one.scored())));
    TemplateData data;
    data.set("rows", std::move(rows));
    data.set("score", WideText(one.wins) + std::string(kDash) + WideText(one.draws) +
                          std::string(kDash) + WideText(two.wins));
    data.set("games", std::to_string(record.n));
    return data;
}

// One player's list of Find Pair, without its blank separator lines; the lines that head a block
// ("As Team A") marked as such.
TemplateData Side(const PeoplePlan& plan, std::string_view path, const ViewTexts& view, int side) {
    const std::string suffix = "_" + std::to_string(side);
    const std::string& name = view.text("lblPairResults" + suffix);
    TemplateData data;
    data.set("name", WebText(name));
    if (const auto player = plan.playerPath(name)) data.set("href", SiteLink(path, *player));
    TemplateList lines;
    for (const std::string& line : view.list("lstPairResults" + suffix)) {
        if (line.empty()) continue;
        TemplateData item;
        item.set("t", WebText(ReaderNumbers(line)));
        if (line.find(':') == std::string::npos) item.set("role", true);
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
        TemplateData summary = Summary(plan.figures.pairRecord(pair));
        summary.set("p1", WebText(pair.p1));
        summary.set("p2", WebText(pair.p2));
        // The summary's heading row takes the sides' names from the page's data.
        data.set("summary", std::move(summary));
        data.set("sides", TemplateList{Side(plan, path, view, 0), Side(plan, path, view, 1)});
        const Grid& games = view.grid("grdPairGames");
        TemplateList tables;
        tables.push_back(
            AddTable(page, path,
                     {"grdPairGames",
                      "Games",
                      games,
                      std::nullopt,
                      {PlayerLinks(plan, path, games, 1), PlayerLinks(plan, path, games, 2),
                       TournamentLinks(plan, path, games, 5)}}));
        data.set("tables", std::move(tables));
    } catch (const DbError&) {
        data.set("heading", page.title);
        data.set("note", std::string("The pair's figures cannot be read"));
    }
    page.body = templates.render("pair", data);
    return page;
}

}  // namespace

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
