#include "site/RankingPages.h"

#include <map>
#include <memory>
#include <optional>

#include "db/DbValue.h"
#include "rankings/RankingColumn.h"
#include "rankings/RankingMonths.h"
#include "rankings/Rankings.h"
#include "site/Slug.h"

namespace {

constexpr std::string_view kStartPath = "index.html";

struct Month {
    std::string column;  // R0503
    std::string text;    // May 2003, as the month box shows it
};

// A month's number (503), the same however its column's name is spelt.
std::int64_t MonthNumber(std::string_view column) {
    return column.empty() ? -1 : RankingItemData(column);
}

// What every rankings page shows besides its own table: the months and where their pages are.
struct RankingsPlan {
    std::vector<Month> months;
    Texts countries;
    std::map<std::pair<std::int64_t, bool>, std::string> paths;  // (month number, limited)

    std::optional<std::string> path(std::string_view column, bool limited) const {
        const auto found = paths.find({MonthNumber(column), limited});
        if (found == paths.end()) return std::nullopt;
        return found->second;
    }
};

std::string PageName(const std::string& column, bool limited) {
    const std::string monthDigits = column.substr(1);  // R0503: 0503
    return limited ? monthDigits : monthDigits + " limit 0";
}

RankingsPlan MakePlan() {
    RankingsPlan plan;
    for (const ComboItem& item : RankingMonthList().items) {
        plan.months.push_back({RankingColumnFromItemData(item.data), item.text});
    }
    plan.countries = RankingCountryItems();
    SlugSet slugs;
    for (const Month& month : plan.months) {
        for (const bool limited : {true, false}) {
            const std::string& slug = slugs.add(PageName(month.column, limited));
            plan.paths[{MonthNumber(month.column), limited}] = "rankings/" + slug + ".html";
        }
    }
    return plan;
}

TemplateList MonthLinks(const RankingsPlan& plan, std::string_view from, const std::string& shown,
                        bool limited) {
    TemplateList links;
    for (const Month& month : plan.months) {
        TemplateData link;
        link.set("text", WebText(month.text));
        link.set("href", SiteLink(from, *plan.path(month.column, limited)));
        if (MonthNumber(month.column) == MonthNumber(shown)) link.set("current", true);
        links.push_back(link);
    }
    return links;
}

struct ShownRankings {
    Grid grid;
    std::string note;
    std::string column;  // the month shown
};

// The view's table and note; a table that cannot be read shows empty and says so, as the frame.
ShownRankings RankingsTable(const RankingsChoice& choice) {
    try {
        const ViewTexts view = RankingsView(choice);
        const std::string column =
            choice.column.empty() ? CurrentRankingPeriod().column : choice.column;
        return {view.grid("grdRankings"), view.text("lblNote"), column};
    } catch (const DbError&) {
        return {{{"Pos", "Player", "Country", "Points"}}, "The rankings table cannot be read", ""};
    }
}

PageContent MakePage(Templates& templates, const RankingsPlan& plan, const PeoplePlan& people,
                     std::string_view path, const RankingsChoice& choice) {
    const auto [grid, note, column] = RankingsTable(choice);
    std::string monthText;
    for (const Month& month : plan.months) {
        if (MonthNumber(month.column) == MonthNumber(column)) monthText = month.text;
    }
    PageContent page;
    // No two pages share a title: the start page and the month's own page show the same table.
    page.title = std::string(path == kStartPath ? "World Rankings, latest" : "World Rankings") +
                 (monthText.empty() ? "" : ", " + WebText(monthText)) +
                 (choice.participationLimit ? "" : ", all players");
    page.description = page.title + ": " + std::to_string(grid.size() - 1) + " players";
    const SiteTable table{"grdRankings",
                          "Rankings",
                          grid,
                          SiteTable::Filter{"Country Filter:", 2, plan.countries, 0},
                          {PlayerLinks(people, path, grid, 1)}};
    TemplateData data;
    data.set("month", WebText(monthText));
    if (!note.empty()) data.set("note", WebText(note));
    data.set("months", MonthLinks(plan, path, column, choice.participationLimit));
    if (!plan.months.empty()) data.set("hasMonths", true);
    if (choice.participationLimit) data.set("limited", true);
    if (const auto other = plan.path(column, !choice.participationLimit)) {
        data.set("other", SiteLink(path, *other));
    }
    TemplateList tables;
    tables.push_back(AddTable(page, path, table));
    data.set("tables", std::move(tables));
    page.body = templates.render("rankings", data);
    return page;
}

}  // namespace

std::vector<PlannedPage> RankingPages(const std::shared_ptr<const PeoplePlan>& people) {
    auto plan = std::make_shared<RankingsPlan>();
    try {
        *plan = MakePlan();
    } catch (const DbError&) {
        plan = std::make_shared<RankingsPlan>();  // the start page alone says what is wrong
    }
    // The start page shows the newest month rather than the one the file's date would choose:
    // the site is then the same whenever it is written, and never says that a month is missing.
    RankingsChoice newest;
    if (!plan->months.empty()) newest.column = plan->months.back().column;
    std::vector<PlannedPage> pages;
    pages.push_back(
        {{"rankings", "current", std::string(kStartPath)}, [plan, people, newest](Templates& t) {
             return MakePage(t, *plan, *people, kStartPath, newest);
         }});
    for (const Month& month : plan->months) {
        for (const bool limited : {true, false}) {
            const std::string path = *plan->path(month.column, limited);
            const RankingsChoice choice{month.column, std::nullopt, limited};
            pages.push_back({{"rankings", PageName(month.column, limited), path},
                             [plan, people, path, choice](Templates& t) {
                                 return MakePage(t, *plan, *people, path, choice);
                             }});
        }
    }
    return pages;
}
