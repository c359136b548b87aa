#include "site/MiscPages.h"

#include <string>
#include <utility>

#include "db/DbValue.h"
#include "misc/AllPlayerRecords.h"
#include "misc/MiscStats.h"
#include "misc/MiscTexts.h"
#include "misc/PlayerTotals.h"
#include "site/NumberForms.h"
#include "site/Slug.h"

namespace {

constexpr std::string_view kMiscPath = "misc.html";
// The Options' games limit on a fresh start, as the window and duzedo report use it.
constexpr int kMinGames = 20;

// What the Misc Stats page and the 44 lists share: the players and their totals, read once.
struct MiscPlan {
    std::vector<std::string> players;
    std::vector<PlayerTotals> totals;
    bool readable = false;
};

std::string RecordsName(int category, bool limited) {
    return std::to_string(category) + (limited ? "" : " limit 0");
}

std::string RecordsPath(int category, bool limited) {
    return "records/" + SlugOf(RecordsName(category, limited)) + ".html";
}

MiscPlan ReadPlan() {
    MiscPlan plan;
    try {
        plan.players = MiscPlayers();
        plan.totals = ReadPlayerTotals(plan.players);
        plan.readable = true;
    } catch (const DbError&) {
        plan = MiscPlan{};  // each page says what is wrong
    }
    return plan;
}

// A record's value cell, "Name (figure)": the holder linked to his page when he has one.
void SetValue(TemplateData& row, const std::string& value, const PeoplePlan* people) {
    row.set("value", WebText(value));
    const std::size_t open = value.rfind(" (");
    if (people == nullptr || open == std::string::npos) return;
    if (const auto player = people->playerPath(value.substr(0, open))) {
        row.set("holderHref", SiteLink(kMiscPath, *player));
        row.set("holder", WebText(value.substr(0, open)));
        row.set("figure", WebText(value.substr(open)));
    }
}

// A table of the window without a header row: a label and its value on each row; with people,
// the values are records whose holders link to their pages.
TemplateData LabelTable(PageContent& page, const std::string& id, const std::string& heading,
                        const Grid& windowGrid, const std::vector<std::string>& hrefs = {},
                        const PeoplePlan* people = nullptr) {
    const Grid grid = ReaderNumbersInColumn(windowGrid, 1);
    const CsvLink csv = AddCsv(page, kMiscPath, id, grid);
    TemplateList rows;
    for (std::size_t r = 0; r < grid.size(); ++r) {
        TemplateData row;
        row.set("label", WebText(grid[r].at(0)));
        SetValue(row, grid[r].at(1), people);
        if (r < hrefs.size()) row.set("href", hrefs[r]);
        rows.push_back(std::move(row));
    }
    TemplateData data;
    data.set("id", id);
    data.set("heading", heading);
    data.set("csv", csv.href);
    data.set("csvName", csv.name);
    data.set("rows", std::move(rows));
    return data;
}

// The view's four grids: the two of labels first, as the window's VPA Stats panel shows them.
void AddMiscTables(PageContent& page, TemplateData& data, const MiscPlan& plan,
                   const PeoplePlan& people) {
    const ViewTexts view = MiscView(plan.players, plan.totals, kMinGames);
    std::vector<std::string> categories;
    for (int c = 0; c < kRecordCount; ++c) categories.push_back(RecordsPath(c, true));
    TemplateList labels;
    labels.push_back(LabelTable(page, "grdMisc_0", "General Stats", view.grid("grdMisc_0")));
    labels.push_back(LabelTable(page, "grdMisc_3", "Individual Records", view.grid("grdMisc_3"),
                                categories, &people));
    data.set("labels", std::move(labels));
    TemplateList tables;
    for (const auto& [id, heading] :
         {std::pair{"grdMisc_1", "Biggest Wins"}, std::pair{"grdMisc_2", "Most Goals Scored"}}) {
        const Grid& games = view.grid(id);
        tables.push_back(AddTable(
            page, kMiscPath,
            {id,
             heading,
             games,
             std::nullopt,
             {PlayerLinks(people, kMiscPath, games, 1), PlayerLinks(people, kMiscPath, games, 2),
              TournamentLinks(people, kMiscPath, games, 6)}}));
    }
    data.set("tables", std::move(tables));
}

PageContent MiscPage(Templates& templates, const MiscPlan& plan, const PeoplePlan& people) {
    PageContent page;
    page.title = "Misc Stats";
    page.description = "General figures, biggest wins, most goals and individual records";
    TemplateData data;
    data.set("note",
             "The minimum number of games for a player to be included in the individual "
             "record calculation is " +
                 std::to_string(kMinGames));
    bool shown = false;
    try {
        if (plan.readable) AddMiscTables(page, data, plan, people);
        shown = plan.readable;
    } catch (const DbError&) {
        // Only the view asks the database, before any table is added.
    }
    if (!shown) data.set("note", std::string("The misc statistics cannot be computed"));
    page.body = templates.render("misc", data);
    return page;
}

// Category 0's value column stays empty and the window hides it; so does the page.
Grid ShownGrid(Grid grid, int category) {
    if (category != 0) return grid;
    for (Texts& row : grid) {
        if (row.size() > 2) row.erase(row.begin() + 2);
    }
    return grid;
}

PageContent RecordsPage(Templates& templates, const MiscPlan& plan, const PeoplePlan& people,
                        int category, bool limited) {
    const std::string path = RecordsPath(category, limited);
    PageContent page;
    TemplateData data;
    data.set("misc", SiteLink(path, kMiscPath));
    data.set("category", std::string(RecordRows().at(category).label));
    // A list the game limit does not apply to is one page, with no toggle to itself.
    const bool toggles = RecordRows().at(category).limitsList;
    if (toggles) data.set("other", SiteLink(path, RecordsPath(category, !limited)));
    data.set("minGames", std::to_string(kMinGames));
    if (limited) data.set("limited", true);
    const ViewTexts view =
        AllPlayerRecordsView(plan.players, plan.totals, category, limited, kMinGames);
    const std::string caption = plan.readable ? view.text("Label1") : "The records cannot be read";
    data.set("caption", caption);
    if (view.checkBox("chkLimit").visible) data.set("checkBox", true);
    const Grid grid = ShownGrid(view.grid("grdTop"), category);
    TemplateList tables;
    tables.push_back(AddTable(page, path,
                              {"grdTop",
                               "All player records",
                               grid,
                               std::nullopt,
                               {PlayerLinks(people, path, grid, 1)}}));
    data.set("tables", std::move(tables));
    page.title = "All player records: " + std::string(RecordRows().at(category).label) +
                 (limited || !toggles ? "" : ", without the game limit");
    page.description = page.title + ": " + std::to_string(grid.size() - 1) + " players";
    page.body = templates.render("records", data);
    return page;
}

}  // namespace

std::vector<PlannedPage> MiscPages(const std::shared_ptr<const PeoplePlan>& people) {
    const auto plan = std::make_shared<const MiscPlan>(ReadPlan());
    std::vector<PlannedPage> pages;
    pages.push_back({{"misc", "Misc Stats", std::string(kMiscPath)},
                     [plan, people](Templates& t) { return MiscPage(t, *plan, *people); }});
    for (int category = 0; category < kRecordCount; ++category) {
        for (const bool limited : {true, false}) {
            if (!limited && !RecordRows().at(category).limitsList) continue;
            pages.push_back(
                {{"records", RecordsName(category, limited), RecordsPath(category, limited)},
                 [plan, people, category, limited](Templates& t) {
                     return RecordsPage(t, *plan, *people, category, limited);
                 }});
        }
    }
    return pages;
}
