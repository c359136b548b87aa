// duzedo site on the sample: the tournaments' and the World Cups' pages show what duzedo report
// prints for the same views, and the games' player filter picks the rows the view does.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <regex>

#include "support/HtmlTableReader.h"
#include "support/SampleSite.h"

namespace {

// The texts of the list <ul id="id">, links' tags left out.
Texts ListTexts(const std::string& html, const std::string& id) {
    const std::size_t start = html.find("<ul id=\"" + id + "\"");
    const std::string list = html.substr(start, html.find("</ul>", start) - start);
    Texts texts;
    const std::regex item("<li>(?:<a [^>]*>)?([^<]*)");
    for (std::sregex_iterator at(list.begin(), list.end(), item), end; at != end; ++at) {
        texts.push_back(HtmlUnescaped((*at)[1].str()));
    }
    return texts;
}

class SiteTournaments : public SampleSite {};

TEST_F(SiteTournaments, PagesHoldTheReportsTables) {
    const Grid winners = JsonGrid(ReportJson("winners")["grdTournamentWinners"]);
    ASSERT_GT(winners.size(), 5U);
    const std::string tournament = winners[1][0];
    struct Shown {
        QString kind;
        std::string name;
        std::string view;
        ReportOptions options;
        std::vector<std::pair<std::string, std::string>> tables;  // page's id, report's grid
    };
    const std::vector<Shown> cases = {
        {"winners", "current", "winners", {}, {{"grdTournamentWinners", "grdTournamentWinners"}}},
        {"tournament",
         tournament,
         "tournament",
         {{"--name", tournament}},
         {{"grdTournamentTables", "grdTournamentTables"},
          {"grdTournamentGames", "grdTournamentGames"}}},
        {"tournament",
         "Dadidurez VII - League Round 2",
         "tournament",
         {{"--name", "Dadidurez VII League Round 2 - Lower Group"}},
         {{"phase-2", "grdTournamentGames"}}},
        {"worldcup",
         "World Cup II phase 5",
         "worldcup",
         {{"--wc", "1"}, {"--phase", "5"}},
         {{"grdWC_0", "grdWC_0"}, {"grdWC_1", "grdWC_1"}}},
        {"worldcup",
         "World Cup I phase 8",
         "worldcup",
         {{"--wc", "0"}, {"--phase", "8"}},
         {{"grdWC_0", "grdWC_0"}, {"grdWC_1", "grdWC_1"}}},
    };
    for (const Shown& shown : cases) {
        SCOPED_TRACE(shown.name);
        const std::string page = Page(PagePaths(shown.kind)[shown.name]);
        const QJsonObject report = ReportJson(shown.view, shown.options);
        for (const auto& [id, grid] : shown.tables) {
            EXPECT_GT(JsonGrid(report[QString::fromStdString(grid)]).size(), 1U) << grid;
            EXPECT_EQ(ReadHtmlTable(page, id), JsonGrid(report[QString::fromStdString(grid)]))
                << id;
        }
    }
    const std::string list = Page(PagePaths("tournaments")["current"]);
    const QJsonArray listed = ReportJson("tournaments")["lstTournaments"].toArray();
    EXPECT_EQ(ListTexts(list, "lstTournaments").size(), static_cast<std::size_t>(listed.size()));
    EXPECT_EQ(ListTexts(list, "lstTournaments").front(), listed[0].toString().toStdString());
}

// The row keys hold the filter's choice of rows: a player's games are those where either key is
// his, as the view picks them.
TEST_F(SiteTournaments, GamesFilterKeysPickThePlayersGames) {
    const std::string tournament = JsonGrid(ReportJson("winners")["grdTournamentWinners"])[2][0];
    const std::string page = Page(PagePaths("tournament")[tournament]);
    const Grid games = ReadHtmlTable(page, "grdTournamentGames");
    const std::vector<std::string> a = ReadRowAttribute(page, "grdTournamentGames", "data-f");
    const std::vector<std::string> b = ReadRowAttribute(page, "grdTournamentGames", "data-g");
    const std::string player = games.at(1).at(1);
    const std::string key = b.at(0);
    Grid picked = {games[0]};
    for (std::size_t row = 0; row < a.size(); ++row) {
        if (a[row] == key || b[row] == key) picked.push_back(games[row + 1]);
    }
    const QJsonObject report =
        ReportJson("tournament", {{"--name", tournament}, {"--player", player}});
    EXPECT_GT(picked.size(), 2U);
    EXPECT_LT(picked.size(), games.size());
    EXPECT_EQ(picked, JsonGrid(report["grdTournamentGames"]));
}

}  // namespace
