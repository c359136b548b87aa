// duzedo site on the sample: the Misc Stats page and the all-player records pages hold what
// duzedo report prints for the same views, and link to each other.

#include <gtest/gtest.h>

#include "support/HtmlTableReader.h"
#include "support/SampleSite.h"

namespace {

bool Links(const std::string& html, const std::string& href) {
    return html.find("href=\"" + href + "\"") != std::string::npos;
}

using SiteMisc = SampleSite;

TEST_F(SiteMisc, MiscStatsPageHoldsTheReportsTables) {
    const std::string page = Page("misc.html");
    const QJsonObject misc = ReportJson("misc", {});
    for (const char* id : {"grdMisc_0", "grdMisc_1", "grdMisc_2", "grdMisc_3"}) {
        EXPECT_GT(misc[id].toArray().size(), 5) << id;
        EXPECT_EQ(ReadHtmlTable(page, id), JsonGrid(misc[id])) << id;
    }
    // Each individual record leads to its category's list as the window first shows it.
    const auto records = PagePaths("records");
    for (int category = 0; category < 22; ++category) {
        EXPECT_TRUE(Links(page, records.at(std::to_string(category)))) << category;
    }
}

TEST_F(SiteMisc, RecordsPagesHoldTheReportsLists) {
    const auto records = PagePaths("records");
    EXPECT_EQ(records.size(), 44U);
    for (int category = 0; category < 22; ++category) {
        const std::string name = std::to_string(category);
        EXPECT_TRUE(records.contains(name) && records.contains(name + " limit 0")) << name;
    }
    // A count, a ratio with the limit, a ratio without it.
    const std::vector<std::pair<std::string, ReportOptions>> cases = {
        {"13", {{"--stat", "13"}}},
        {"2", {{"--stat", "2"}}},
        {"18 limit 0", {{"--stat", "18"}, {"--limit", "0"}}}};
    for (const auto& [name, options] : cases) {
        SCOPED_TRACE(name);
        const std::string& path = records.at(name);
        const std::string page = Page(path);
        const QJsonObject report = ReportJson("records", options);
        const Grid expected = JsonGrid(report["grdTop"]);
        EXPECT_GT(expected.size(), 3U);
        EXPECT_EQ(ReadHtmlTable(page, "grdTop"), expected);
        EXPECT_NE(
            page.find("<h1 id=\"Label1\">" + report["Label1"].toString().toStdString() + "</h1>"),
            std::string::npos);
        EXPECT_TRUE(Links(page, "../misc.html"));
        const std::string other =
            name.ends_with(" limit 0") ? name.substr(0, name.find(' ')) : name + " limit 0";
        EXPECT_TRUE(Links(page, "../" + records.at(other)));
        EXPECT_NE(page.find("<a href=\"../players/"), std::string::npos) << "a link to a player";
    }
}

}  // namespace
