// duzedo site on the sample: the rankings pages hold the very tables duzedo report prints, and
// pages.json and sitemap.xml find every page.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "site/SiteFolder.h"
#include "support/HtmlTableReader.h"
#include "support/SampleSite.h"

namespace {

namespace fs = std::filesystem;

class SiteOnSample : public SampleSite {
  protected:
    static std::map<std::string, std::string> RankingPagePaths() { return PagePaths("rankings"); }
};

TEST_F(SiteOnSample, RankingPagesHoldTheReportsTablesAndCsv) {
    const std::map<std::string, std::string> paths = RankingPagePaths();
    const QJsonArray months = ReportJson("months")["cmbRankMonth"].toObject()["items"].toArray();
    ASSERT_GE(months.size(), 2);
    const auto digits = [](const QJsonValue& month) {
        const std::string number = std::to_string(month["data"].toInteger());
        return std::string(4 - number.size(), '0') + number;
    };
    const std::string first = digits(months.first());
    const std::string last = digits(months.last());
    const std::vector<std::pair<std::string, ReportOptions>> checks = {
        {"current", {}},
        {first, {{"--month", first}}},
        {last + " limit 0", {{"--month", last}, {"--limit", "0"}}},
    };
    for (const auto& [name, options] : checks) {
        SCOPED_TRACE(name);
        ASSERT_EQ(paths.count(name), 1U);
        const Grid shown = ReadHtmlTable(Page(paths.at(name)), "grdRankings");
        const Grid reported = JsonGrid(ReportJson("rankings", options)["grdRankings"]);
        ASSERT_GT(reported.size(), 10U);
        EXPECT_EQ(shown, reported);

        ReportOptions csv = options;
        csv["--format"] = "csv";
        std::string expected = "\xEF\xBB\xBF" + ReportText("rankings", csv);
        for (std::size_t at = 0; (at = expected.find('\n', at)) != expected.npos; at += 2) {
            expected.insert(at, "\r");
        }
        EXPECT_EQ(TableCsvText(paths.at(name), "grdRankings"), expected);
    }
    EXPECT_EQ(paths.at("current"), "index.html");
}

// The rows and positions the filter shows, from the rows' keys and numbers.
TEST_F(SiteOnSample, TheCountryFilterShowsTheReportsRowsAndPositions) {
    const std::string html = Page("index.html");
    const Grid shown = ReadHtmlTable(html, "grdRankings");
    const std::vector<std::string> keys = ReadRowAttribute(html, "grdRankings", "data-f");
    const std::vector<std::string> numbers = ReadRowAttribute(html, "grdRankings", "data-fp");
    ASSERT_EQ(keys.size(), shown.size() - 1);
    ASSERT_EQ(numbers.size(), keys.size());
    for (const std::size_t pick : {std::size_t{1}, shown.size() - 1}) {
        const std::string country = shown[pick][2];
        const std::string key = keys[pick - 1];
        EXPECT_NE(html.find("<option value=\"" + key + "\">" + country + "</option>"),
                  std::string::npos);
        Grid filtered = {shown[0]};
        for (std::size_t row = 1; row < shown.size(); ++row) {
            if (keys[row - 1] != key) continue;
            filtered.push_back(shown[row]);
            filtered.back()[0] = numbers[row - 1];
        }
        const Grid reported =
            JsonGrid(ReportJson("rankings", {{"--country", country}})["grdRankings"]);
        EXPECT_EQ(filtered, reported) << country;
    }
}

TEST_F(SiteOnSample, PagesJsonAndSitemapListEveryPageOnce) {
    const auto months = ReportJson("months")["cmbRankMonth"].toObject()["items"].toArray().size();
    EXPECT_EQ(RankingPagePaths().size(), static_cast<std::size_t>(1 + 2 * months));
    EXPECT_GT(PagePaths("player").size(), 50U);
    EXPECT_GT(PagePaths("pair").size(), PagePaths("player").size());
    const std::string sitemap = Page("sitemap.xml");
    std::set<std::string> files;
    const QJsonArray pages = PagesJson();
    for (const QJsonValue& page : pages) {
        const std::string path = page["path"].toString().toStdString();
        EXPECT_TRUE(fs::is_regular_file(Site() / path)) << path;
        const std::string location = kBaseUrl + ("/" + path);
        EXPECT_NE(sitemap.find("<loc>" + location + "</loc>"), std::string::npos) << path;
        files.insert(path);
    }
    EXPECT_EQ(files.size(), static_cast<std::size_t>(pages.size()));
    EXPECT_TRUE(fs::exists(Site() / kSiteMarker));
    EXPECT_LT(fs::file_size(Site() / "assets/site.css"), 15U * 1024);
    EXPECT_LT(fs::file_size(Site() / "assets/site.js"), 15U * 1024);
}

TEST_F(SiteOnSample, TheCommandRefusesAFolderOfOtherFilesUnlessForced) {
    const fs::path mine = *dir_ / "mine";
    fs::create_directories(mine);
    std::ofstream(mine / "notes.txt") << "keep";
    const std::string command = "site '" + db_ + "' --out '" + mine.string() + "'";
    EXPECT_EQ(RunDuzedoTool(command), 2);
    EXPECT_EQ(RunDuzedoTool(command + " --force --base-url 'javascript:alert(1)'"), 2);
    EXPECT_EQ(FileText((mine / "notes.txt").string()), "keep");
    EXPECT_EQ(RunDuzedoTool(command + " --title 'Our <VPA>' --force"), 0);
    EXPECT_FALSE(fs::exists(mine / "notes.txt"));
    EXPECT_NE(FileText((mine / "index.html").string()).find("Our &lt;VPA&gt;"), std::string::npos);
    EXPECT_EQ(RunDuzedoTool("site '" + (*dir_ / "none.sqlite").string() + "' --out '" +
                            mine.string() + "'"),
              2);
    EXPECT_TRUE(fs::exists(mine / "index.html"))
        << "a database that cannot be read changes nothing";
}

}  // namespace
