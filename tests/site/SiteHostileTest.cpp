// Names meant to break a page, and damaged DUZEDOs: the site shows every text as written and
// never as markup, and always has its start page.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QXmlStreamReader>
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "site/Site.h"
#include "support/ConnectedDuzedo.h"
#include "support/FileBytes.h"
#include "support/HostileDuzedos.h"
#include "support/HtmlTableReader.h"
#include "support/SampleDb.h"
#include "support/SqliteEdit.h"
#include "support/TempDir.h"
#include "support/TestData.h"

namespace {

namespace fs = std::filesystem;

// The sample with every player renamed, some tournaments and countries too.
void WriteHostileSample(const std::string& path) {
    WriteSampleDb(path);
    Exec(OpenForWriting(path).get(), TestData("HostileNames.sql"));
}

// The texts of an XML document, each on a line; fails the test where it is not XML.
std::string XmlTexts(const std::string& xml) {
    QXmlStreamReader reader(QByteArray::fromStdString(xml));
    std::string texts;
    while (reader.readNext() != QXmlStreamReader::Invalid && !reader.atEnd()) {
        if (reader.isCharacters()) texts += "\n" + reader.text().toString().toStdString();
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    return texts;
}

std::vector<fs::path> Files(const fs::path& site, const std::string& extension) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(site)) {
        if (entry.path().extension() == extension) files.push_back(entry.path());
    }
    return files;
}

TEST(SiteHostile, NamesShowAsWrittenAndNeverAsMarkup) {
    const ConnectedDuzedo db("site-hostile", WriteHostileSample);
    ASSERT_TRUE(db.connected()) << db.error();
    const TempDir out("site-hostile-out");
    WriteSite(out / "site", {});

    // Players of one tournament are ranked only on the pages without the ranking limit.
    std::set<std::string> players;
    std::set<std::string> headings;  // of the players' and the pairs' pages
    std::set<std::string> paths;     // in lower case
    for (const fs::path& page : Files(out / "site", ".html")) {
        const std::string html = ReadBytes(page);
        std::string path = fs::relative(page, out / "site").generic_string();
        std::ranges::transform(path, path.begin(), [](unsigned char c) { return std::tolower(c); });
        EXPECT_TRUE(paths.insert(path).second) << path;
        if (path.starts_with("players/") || path.starts_with("pairs/") ||
            path.starts_with("tournaments/")) {
            const std::size_t start = html.find("<h1>") + 4;
            headings.insert(HtmlUnescaped(html.substr(start, html.find("</h1>") - start)));
        }
        EXPECT_EQ(html.find("<img src=x"), std::string::npos) << page;
        EXPECT_EQ(html.find("<img src=t"), std::string::npos) << page;
        EXPECT_EQ(html.find("<script>x()"), std::string::npos) << page;
        EXPECT_EQ(html.find("<b x"), std::string::npos) << page;
        EXPECT_EQ(html.find('\0'), std::string::npos) << page;
        for (const auto& row : ReadHtmlTable(html, "grdRankings")) {
            ASSERT_EQ(row.size(), 4U);
            players.insert(row[1].substr(0, row[1].find_last_not_of("0123456789") + 1));
        }
    }
    std::vector<std::string> names;
    for (const QJsonValue& name : TestJson("SiteHostileNames.json")["players"].toArray()) {
        names.push_back(JsonText(name));
    }
    names.push_back(std::string(300, 'W'));
    for (const std::string& name : names) {
        EXPECT_TRUE(players.contains(name)) << name;
        const auto player = [&](const std::string& heading) { return heading.starts_with(name); };
        EXPECT_TRUE(std::ranges::any_of(headings, player)) << name;
        const auto pair = [&](const std::string& heading) {
            return heading.find(" vs " + name) != std::string::npos;
        };
        EXPECT_TRUE(std::ranges::any_of(headings, pair)) << name;
    }
    for (const std::string name : {"<img src=t>\"&", "Case T1", "CASE T1"}) {
        const auto tournament = [&](const std::string& h) { return h.starts_with(name); };
        EXPECT_TRUE(std::ranges::any_of(headings, tournament)) << name;
    }
    std::string trees;  // the World Cups' trees' texts, with their players' names
    for (const fs::path& tree : Files(out / "site/worldcups", ".svg")) {
        const std::string svg = ReadBytes(tree);
        EXPECT_EQ(svg.find("<script>"), std::string::npos) << tree;
        trees += XmlTexts(svg);
    }
    // A drawing sets no line separator; the rest of the name is there as written.
    EXPECT_NE(trees.find(names[1].substr(0, names[1].rfind("\u2028"))), std::string::npos);
    // The search box's index: no name ends the script or its string, and each reads back whole.
    const std::string script = ReadBytes(out / "site/assets/names.js");
    for (const std::string_view unsafe : {"<", ">", "&", "\u2028"}) {
        EXPECT_EQ(script.find(unsafe), std::string::npos) << unsafe;
    }
    const std::string json =
        script.substr(script.find('['), script.rfind(']') - script.find('[') + 1);
    const QJsonArray index = QJsonDocument::fromJson(QByteArray::fromStdString(json)).array();
    std::set<std::string> indexed;
    for (qsizetype i = 0; i < index.size(); i += 2)
        indexed.insert(index[i].toString().toStdString());
    for (const std::string& name : names) {
        const auto named = [&](const std::string& entry) { return entry.starts_with(name); };
        EXPECT_TRUE(std::ranges::any_of(indexed, named)) << name;
    }

    std::string csv;  // every CSV, in files and in the pages' links
    for (const fs::path& file : Files(out / "site", ".csv")) csv += ReadBytes(file);
    for (const fs::path& file : Files(out / "site", ".html")) {
        const std::string html = ReadBytes(file);
        for (std::size_t at = 0; (at = html.find("\"data:text/csv;", at)) != html.npos; ++at) {
            const QByteArray link =
                QByteArray::fromStdString(html.substr(at, html.find('"', at + 1) - at));
            csv += QByteArray::fromPercentEncoding(link).toStdString();
        }
    }
    EXPECT_EQ(csv.find(",=cmd"), std::string::npos);
    EXPECT_NE(csv.find(",'=cmd"), std::string::npos);
}

TEST(SiteHostile, StoppingARunLeavesTheOldSiteWhole) {
    const ConnectedDuzedo db("site-stopped", [](const std::string& path) { WriteSampleDb(path); });
    ASSERT_TRUE(db.connected()) << db.error();
    const TempDir out("site-stopped-out");
    const SiteSummary first = WriteSite(out / "site", {});
    EXPECT_GT(first.pages, 3U);
    const std::string before = ReadBytes(out / "site/index.html");

    std::size_t calls = 0;
    const auto stopAtThird = [&](std::size_t written, std::size_t total) {
        EXPECT_EQ(written, ++calls);
        EXPECT_EQ(total, first.pages);
        return written < 3;
    };
    SiteOptions retitled;
    retitled.title = "Another title";
    EXPECT_THROW(WriteSite(out / "site", retitled, stopAtThird), SiteStopped);
    EXPECT_EQ(calls, 3U);
    EXPECT_EQ(ReadBytes(out / "site/index.html"), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(out.path()), {}), 1);
}

// Goals past the 64-bit range once cost the site every player and pair page, without a word.
TEST(SiteHostile, GoalsPastTheRangeKeepThePlayersPages) {
    const ConnectedDuzedo db("site-huge-goals", [](const std::string& path) {
        WriteSampleDb(path);
        Exec(OpenForWriting(path).get(), "UPDATE scores SET A = 9223372036854775807");
    });
    ASSERT_TRUE(db.connected()) << db.error();
    const TempDir out("site-huge-out");
    WriteSite(out / "site", {});
    const std::vector<fs::path> players = Files(out / "site/players", ".html");
    ASSERT_FALSE(players.empty());
    const Grid stats = ReadHtmlTable(ReadBytes(players.front()), "grdPlayerStats");
    const auto goals = std::find_if(stats.begin(), stats.end(), [](const auto& row) {
        return !row.empty() && row[0] == "Goals for";
    });
    ASSERT_NE(goals, stats.end());
    EXPECT_GT(goals->at(1).size(), 19U) << goals->at(1);  // more digits than 64 bits hold
}

// Every damaged DUZEDO gets a site with its start page; pages it cannot have are named.
TEST(SiteHostile, EveryHostileDuzedoGetsItsStartPage) {
    for (const HostileEdit& edit : HostileEdits()) {
        SCOPED_TRACE(edit.name);
        const ConnectedDuzedo db(edit.name, [&](const std::string& path) {
            WriteSampleDb(path);
            Exec(OpenForWriting(path).get(), edit.sql);
        });
        if (!db.connected()) continue;
        const TempDir out("site-damaged");
        SiteSummary site;
        EXPECT_NO_THROW(site = WriteSite(out / "site", {}));
        // Pages left out are named, never dropped without a word.
        EXPECT_EQ(site.omissions.empty(), edit.name != std::string("columns-missing"));
        if (!site.omissions.empty()) {
            EXPECT_FALSE(fs::exists(out / "site/players"));
        }
        const Grid table = ReadHtmlTable(ReadBytes(out / "site/index.html"), "grdRankings");
        ASSERT_FALSE(table.empty());
        EXPECT_EQ(table[0], (std::vector<std::string>{"Pos", "Player", "Country", "Points"}));
    }
}

}  // namespace
