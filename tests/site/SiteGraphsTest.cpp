// duzedo site on the sample: a player's graphs are SVG pictures with titles, the progress graph's
// table holds his ranking months, and abbreviated column headings are explained on the page only.

#include <gtest/gtest.h>

#include <QXmlStreamReader>
#include <filesystem>

#include "rankings/RankingColumn.h"
#include "rankings/RankingProgress.h"
#include "support/ConnectedDuzedo.h"
#include "support/HtmlTableReader.h"
#include "support/SampleSite.h"

namespace {

namespace fs = std::filesystem;

// The text of the picture's <title>; empty when the file is not well-formed XML.
std::string SvgTitle(const std::string& svg) {
    QXmlStreamReader xml(QByteArray::fromStdString(svg));
    QString title;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"title") {
            title = xml.readElementText();
        }
    }
    return xml.hasError() ? std::string() : title.toStdString();
}

class SiteGraphs : public SampleSite {};

TEST_F(SiteGraphs, APlayersGraphsAreTitledPicturesWithTheirNumbers) {
    const std::string player = ReadHtmlTable(Page("index.html"), "grdRankings").at(1).at(1);
    const fs::path path = PagePaths("player")[player];
    const std::string page = Page(path.string());
    for (const std::string graph : {"positions", "progress"}) {
        const std::string file = path.stem().string() + ".picGraph-" + graph + ".svg";
        EXPECT_NE(page.find("<img src=\"" + file + "\""), std::string::npos) << graph;
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
}

TEST_F(SiteGraphs, AbbreviatedHeadingsAreExplainedButTheCsvKeepsThemPlain) {
    const fs::path path = PagePaths("player").begin()->second;
    const std::string page = Page(path.string());
    EXPECT_NE(page.find("<abbr title=\"Position\">Pos</abbr>"), std::string::npos);
    EXPECT_NE(page.find("<abbr title=\"Goal difference\">Dif</abbr>"), std::string::npos);
    EXPECT_NE(page.find(">Tournament</th>"), std::string::npos) << "a heading in full stays";
    const std::string csv = TableCsvText(path.string(), "grdPos");
    EXPECT_TRUE(csv.starts_with("\xEF\xBB\xBFTournament,Pos,")) << csv.substr(0, 40);
}

}  // namespace
