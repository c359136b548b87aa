// duzedo site on the sample: a player's page and a pair's page show what duzedo report prints
// for the same views, and every link of the site leads to a file.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <filesystem>
#include <memory>
#include <sstream>

#include "support/HtmlTableReader.h"
#include "support/SampleSite.h"

namespace {

namespace fs = std::filesystem;

// The text between the first open and the close after it, tags left in.
std::string Between(std::string_view html, std::string_view open, std::string_view close) {
    const std::size_t start = html.find(open);
    if (start == html.npos) return {};
    const std::size_t end = html.find(close, start + open.size());
    return std::string(html.substr(start + open.size(), end - start - open.size()));
}

// The items of the list <ul id="id">, as written.
Texts ListItems(std::string_view html, const std::string& id) {
    const std::string list = Between(html, "<ul id=\"" + id + "\"", "</ul>");
    Texts items;
    for (std::size_t at = list.find("<li>"); at != list.npos; at = list.find("<li>", at + 1)) {
        items.push_back(HtmlUnescaped(Between(list.substr(at), "<li>", "</li>")));
    }
    return items;
}

// The files a page links to or loads: its links, style sheet and scripts.
std::vector<std::string> Hrefs(std::string_view html) {
    std::vector<std::string> hrefs;
    for (const std::string_view attribute : {"href=\"", " src=\""}) {
        for (std::size_t at = html.find(attribute); at != html.npos;
             at = html.find(attribute, at + 1)) {
            hrefs.push_back(HtmlUnescaped(Between(html.substr(at), attribute, "\"")));
        }
    }
    return hrefs;
}

class SitePeople : public SampleSite {
  protected:
    // The page of pages.json of that kind and name; empty when there is none.
    static std::string PathOf(const QString& kind, const QString& name) {
        return PagePaths(kind)[name.toStdString()];
    }

    // The name pages.json gives the page at path.
    static std::string NameOf(const std::string& path) {
        for (const QJsonValue& page : PagesJson()) {
            if (page["path"] == QString::fromStdString(path)) {
                return page["name"].toString().toStdString();
            }
        }
        return {};
    }
};

// The top of the start page's rankings, reached by its link, and his first opponent's pair page.
TEST_F(SitePeople, APlayersAndAPairsPagesHoldTheReportsTexts) {
    const std::string start = Page("index.html");
    const std::string player = ReadHtmlTable(start, "grdRankings").at(1).at(1);
    const std::string path = PathOf("player", QString::fromStdString(player));
    ASSERT_FALSE(path.empty());
    EXPECT_NE(start.find("<a href=\"" + path + "\">"), std::string::npos);

    const std::string page = Page(path);
    const QJsonObject stats = ReportJson("player", {{"--name", player}});
    EXPECT_EQ(HtmlUnescaped(Between(page, "<h1>", "</h1>")),
              stats["Label2_1"].toString().toStdString());
    EXPECT_EQ(ReadHtmlTable(page, "grdPlayerStats"), JsonGrid(stats["grdPlayerStats"]));
    for (const auto& [mode, id] : {std::pair{"1", "grdGames-home"}, {"2", "grdGames-away"}}) {
        const QJsonObject games =
            ReportJson("games", {{"--player", player}, {"--mode", mode}, {"--order", "0"}});
        EXPECT_GT(games["grdGames"].toArray().size(), 2);
        EXPECT_EQ(ReadHtmlTable(page, id), JsonGrid(games["grdGames"])) << id;
    }
    const QJsonObject positions = ReportJson("positions", {{"--player", player}});
    EXPECT_EQ(ReadHtmlTable(page, "grdPos"), JsonGrid(positions["grdPos"]));

    const std::string opponents = Between(page, "<ul class=\"links\">", "</ul>");
    const std::string pairPath = fs::path(path).parent_path() / Between(opponents, "href=\"", "\"");
    const std::string pair = Page(fs::path(pairPath).lexically_normal().string());
    ASSERT_FALSE(pair.empty()) << pairPath;
    const std::string name = NameOf(fs::path(pairPath).lexically_normal().string());
    const std::string p1 = name.substr(0, name.find(" / "));
    const std::string p2 = name.substr(name.find(" / ") + 3);
    EXPECT_TRUE(p1 == player || p2 == player) << p1 << " / " << p2;
    const QJsonObject compared = ReportJson("pair", {{"--p1", p1}, {"--p2", p2}, {"--seed", "1"}});
    EXPECT_EQ(HtmlUnescaped(Between(pair, "<h1>", "</h1>")),
              compared["lblPair"].toString().toStdString());
    EXPECT_EQ(ListItems(pair, "lstPairResults_0"), JsonTexts(compared["lstPairResults_0"]));
    EXPECT_EQ(ListItems(pair, "lstPairResults_1"), JsonTexts(compared["lstPairResults_1"]));
    EXPECT_EQ(ReadHtmlTable(pair, "grdPairGames"), JsonGrid(compared["grdPairGames"]));
    EXPECT_NE(pair.find(">" + p1 + "</a></h2>"), std::string::npos) << "a link to the player";
}

TEST_F(SitePeople, EveryLinkLeadsToAFile) {
    std::size_t links = 0;
    for (const auto& entry : fs::recursive_directory_iterator(Site())) {
        if (entry.path().extension() != ".html") continue;
        for (std::string href : Hrefs(FileText(entry.path().string()))) {
            href = href.substr(0, href.find('#'));
            if (href.empty() || href.starts_with("data:")) continue;  // the empty icon
            EXPECT_TRUE(fs::is_regular_file(entry.path().parent_path() / href))
                << entry.path() << ": " << href;
            ++links;
        }
    }
    EXPECT_GT(links, 10000U);
}

}  // namespace
