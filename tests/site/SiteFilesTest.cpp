// duzedo site on the sample: the files of the site, pages.json and sitemap.xml find every page,
// every link leads to a file, a player's graphs are SVG pictures with titles and their numbers,
// and the command leaves a folder of other files alone.

#include <gtest/gtest.h>

#include <QXmlStreamReader>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

#include "rankings/RankingColumn.h"
#include "rankings/RankingProgress.h"
#include "site/SiteFolder.h"
#include "support/ConnectedDuzedo.h"
#include "support/FileBytes.h"
#include "support/HtmlTableReader.h"
#include "support/SampleSite.h"

namespace {

namespace fs = std::filesystem;

// The files a page links to or loads: its links, style sheet and scripts.
std::vector<std::string> Hrefs(std::string_view html) {
    std::vector<std::string> hrefs;
    for (const std::string_view attribute : {"href=\"", " src=\"", " data=\""}) {
        for (std::size_t at = html.find(attribute); at != html.npos;
             at = html.find(attribute, at + 1)) {
            const std::size_t start = at + attribute.size();
            hrefs.push_back(HtmlUnescaped(html.substr(start, html.find('"', start) - start)));
        }
    }
    return hrefs;
}

// The text of the picture's <title>; empty when the file is not well-formed XML.
std::string SvgTitle(const std::string& svg) {
    QXmlStreamReader xml(QByteArray::fromStdString(svg));
    QString title;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"title" &&
            title.isEmpty()) {
            title = xml.readElementText();  // the picture's; the points' come after it
        }
    }
    return xml.hasError() ? std::string() : title.toStdString();
}

using SiteFiles = SampleSite;

TEST_F(SiteFiles, PagesJsonAndSitemapListEveryPageOnce) {
    const auto months = ReportJson("months")["cmbRankMonth"].toObject()["items"].toArray().size();
    EXPECT_EQ(PagePaths("rankings").size(), static_cast<std::size_t>(1 + 2 * months));
    EXPECT_GT(PagePaths("player").size(), 50U);
    EXPECT_GT(PagePaths("pair").size(), PagePaths("player").size());
    const std::string sitemap = Page("sitemap.xml");
    std::set<std::string> files;
    const QJsonArray pages = PagesJson();
    for (const QJsonValue& page : pages) {
        const std::string path = page["path"].toString().toStdString();
        EXPECT_TRUE(fs::is_regular_file(Site() / path)) << path;
        const std::string location = kBaseUrl + ("/" + path);
        EXPECT_NE(sitemap.find("<loc>" + location + "</loc><lastmod>"), std::string::npos) << path;
        EXPECT_NE(Page(path).find("<link rel=\"canonical\" href=\"" + location + "\">"),
                  std::string::npos)
            << path;
        files.insert(path);
    }
    EXPECT_EQ(files.size(), static_cast<std::size_t>(pages.size()));
    EXPECT_TRUE(fs::exists(Site() / kSiteMarker));
    EXPECT_LT(fs::file_size(Site() / "assets/site.css"), 15U * 1024);
    EXPECT_LT(fs::file_size(Site() / "assets/site.js"), 15U * 1024);
}

// A host that copies only changed files copies the start page alone, which says when it was made;
// a copy of the database, dated otherwise (June 2003 has its own ranking), changes nothing either.
TEST_F(SiteFiles, TheSameDataWritesTheSameFilesButTheStartPage) {
    const fs::path again = *dir_ / "again";
    const fs::path copy = *dir_ / "copied.sqlite";
    fs::copy_file(db_, copy);
    using namespace std::chrono;
    fs::last_write_time(copy, file_clock::from_sys(sys_seconds(sys_days{year{2003} / 6 / 15})));
    ASSERT_EQ(
        RunDuzedoTool({"site", copy.string(), "--out", again.string(), "--base-url", kBaseUrl}), 0);
    std::size_t files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(Site())) {
        if (!entry.is_regular_file()) continue;
        const fs::path path = fs::relative(entry.path(), Site());
        if (path == "index.html") continue;
        EXPECT_EQ(ReadBytes(entry.path().string()), ReadBytes((again / path).string())) << path;
        ++files;
    }
    EXPECT_GT(files, 1000U);
    EXPECT_EQ(Page("misc.html").find("Site made on"), std::string::npos);
    EXPECT_NE(Page("index.html").find("Site made on"), std::string::npos);
}

TEST_F(SiteFiles, TheCommandRefusesAFolderOfOtherFilesUnlessForced) {
    const fs::path mine = *dir_ / "mine";
    fs::create_directories(mine);
    std::ofstream(mine / "notes.txt") << "keep";
    const std::vector<std::string> command = {"site", db_, "--out", mine.string()};
    const auto with = [&](std::vector<std::string> more) {
        more.insert(more.begin(), command.begin(), command.end());
        return more;
    };
    EXPECT_EQ(RunDuzedoTool(command), 2);
    EXPECT_EQ(RunDuzedoTool(with({"--force", "--base-url", "javascript:alert(1)"})), 2);
    EXPECT_EQ(ReadBytes((mine / "notes.txt").string()), "keep");
    EXPECT_EQ(RunDuzedoTool(with({"--title", "Our <VPA>", "--force"})), 0);
    EXPECT_FALSE(fs::exists(mine / "notes.txt"));
    EXPECT_FALSE(fs::exists(mine / "sitemap.xml")) << "a sitemap takes absolute addresses only";
    EXPECT_NE(ReadBytes((mine / "index.html").string()).find("Our &lt;VPA&gt;"), std::string::npos);
    EXPECT_EQ(RunDuzedoTool({"site", (*dir_ / "none.sqlite").string(), "--out", mine.string()}), 2);
    EXPECT_TRUE(fs::exists(mine / "index.html"))
        << "a database that cannot be read changes nothing";
}

TEST_F(SiteFiles, EveryLinkLeadsToAFile) {
    std::size_t links = 0;
    for (const auto& entry : fs::recursive_directory_iterator(Site())) {
        if (entry.path().extension() != ".html") continue;
        for (std::string href : Hrefs(ReadBytes(entry.path().string()))) {
            href = href.substr(0, href.find('#'));
            if (href.empty() || href.starts_with("data:")) continue;  // a CSV in its link
            // The missing-page page's links, served at any depth, start from the site's address.
            const std::string base = kBaseUrl + std::string("/");
            const fs::path target = href.starts_with(base) ? Site() / href.substr(base.size())
                                                           : entry.path().parent_path() / href;
            EXPECT_TRUE(fs::is_regular_file(target)) << entry.path() << ": " << href;
            ++links;
        }
    }
    EXPECT_GT(links, 10000U);
}

TEST_F(SiteFiles, APlayersGraphsAreTitledPicturesWithTheirNumbers) {
    const std::string player = ReadHtmlTable(Page("index.html"), "grdRankings").at(1).at(1);
    const fs::path path = PagePaths("player")[player];
    const std::string page = Page(path.string());
    for (const std::string graph : {"positions", "progress"}) {
        const std::string file = path.stem().string() + ".picGraph-" + graph + ".svg";
        EXPECT_NE(page.find("<object data=\"" + file + "\""), std::string::npos) << graph;
        EXPECT_NE(SvgTitle(Page((path.parent_path() / file).string())).find(player),
                  std::string::npos)
            << graph;
    }

    const ConnectedDuzedo db("site-graphs", [](const std::string& at) { WriteSampleDb(at); });
    ASSERT_TRUE(db.connected()) << db.error();
    Grid numbers = {{"Month", "Points"}};
    for (const RankedMonth& month : PlayerRankingMonths(player)) {
        if (month.points) {
            numbers.push_back({RankingMonthText(month.column), std::to_string(*month.points)});
        }
    }
    EXPECT_GT(numbers.size(), 3U);
    EXPECT_EQ(ReadHtmlTable(page, "picGraph-progress-numbers"), numbers);
    // A point with its value per ranked month, and a line that breaks at each unranked run.
    const std::string svg =
        Page((path.parent_path() / (path.stem().string() + ".picGraph-progress.svg")).string());
    std::size_t runs = 0;
    bool inRun = false;
    for (const RankedMonth& month : PlayerRankingMonths(player)) {
        runs += month.points && !inRun;
        inRun = month.points.has_value();
    }
    const std::size_t at = svg.find("class=\"line\" d=\"");
    const std::string line = svg.substr(at, svg.find("\"/>", at) - at);
    EXPECT_EQ(std::ranges::count(line, 'M'), static_cast<std::ptrdiff_t>(runs));
    EXPECT_NE(svg.find(numbers.back()[0] + ": " + numbers.back()[1] + " points</title>"),
              std::string::npos);
}

TEST_F(SiteFiles, AbbreviatedHeadingsAreExplainedButTheCsvKeepsThemPlain) {
    const fs::path path = PagePaths("player").begin()->second;
    const std::string page = Page(path.string());
    EXPECT_NE(page.find("<abbr title=\"Position\">Pos</abbr>"), std::string::npos);
    EXPECT_NE(page.find("<abbr title=\"Goal difference\">Dif</abbr>"), std::string::npos);
    EXPECT_NE(page.find(">Tournament</th>"), std::string::npos) << "a heading in full stays";
    const std::string csv = TableCsvText(path.string(), "grdPos");
    EXPECT_TRUE(csv.starts_with("\xEF\xBB\xBFTournament,Pos,")) << csv.substr(0, 40);
}

}  // namespace
