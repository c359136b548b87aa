// duzedo site on the sample: every kind of page shows what duzedo report prints for the same
// view, its tables, headings, lists and CSV, and its filters pick the rows the view does.

#include <gtest/gtest.h>

#include <QMap>
#include <array>
#include <filesystem>
#include <regex>
#include <sstream>

#include "site/NumberForms.h"
#include "support/HtmlTableReader.h"
#include "support/SampleSite.h"
#include "support/TestData.h"

namespace {

namespace fs = std::filesystem;

// The text between the first open and the close after it, tags left in.
std::string Between(std::string_view html, std::string_view open, std::string_view close) {
    const std::size_t start = html.find(open);
    if (start == html.npos) return {};
    const std::size_t end = html.find(close, start + open.size());
    return std::string(html.substr(start + open.size(), end - start - open.size()));
}

// The texts of the list <ul id="id">, links' tags left out.
Texts ListTexts(const std::string& html, const std::string& id) {
    const std::string list = Between(html, "<ul id=\"" + id + "\"", "</ul>");
    Texts texts;
    const std::regex item("<li[^>]*>(?:<a [^>]*>)?([^<]*)");
    for (std::sregex_iterator at(list.begin(), list.end(), item), end; at != end; ++at) {
        texts.push_back(HtmlUnescaped((*at)[1].str()));
    }
    return texts;
}

// What a page shows of a report's grid: its figures in the reader's forms, and the window's
// untitled columns named as the page names them.
Grid AsShown(Grid grid, const Grid& page) {
    for (std::size_t column = 0; !grid.empty() && column < grid[0].size(); ++column) {
        grid = ReaderNumbersInColumn(std::move(grid), column);
        if (grid[0][column].empty() && !page.empty() && column < page[0].size()) {
            grid[0][column] = page[0][column];
        }
    }
    return grid;
}

// A report's list as a page shows it: the reader's number forms, no blank lines.
Texts AsShown(const Texts& lines) {
    Texts shown;
    for (const std::string& line : lines) {
        if (!line.empty()) shown.push_back(ReaderNumbers(line));
    }
    return shown;
}

bool Links(const std::string& html, const std::string& href) {
    return html.find("href=\"" + href + "\"") != std::string::npos;
}

class SiteReports : public SampleSite {
  protected:
    // The first and the last ranking month, as --month takes them.
    static std::pair<std::string, std::string> FirstAndLastMonth() {
        const QJsonArray months =
            ReportJson("months")["cmbRankMonth"].toObject()["items"].toArray();
        const auto digits = [](const QJsonValue& month) {
            const std::string number = std::to_string(month["data"].toInteger());
            return std::string(4 - number.size(), '0') + number;
        };
        return {digits(months.first()), digits(months.last())};
    }
    // The player at the top of the start page's rankings.
    static std::string TopPlayer() {
        return ReadHtmlTable(Page("index.html"), "grdRankings").at(1).at(1);
    }
};

// The cases are in tests/data/SitePages.json.
TEST_F(SiteReports, PagesHoldTheReportsTables) {
    const auto [first, last] = FirstAndLastMonth();
    QMap<QString, QString> names = {{"{first}", QString::fromStdString(first)},
                                    {"{last}", QString::fromStdString(last)},
                                    {"{player}", QString::fromStdString(TopPlayer())}};
    names["{tournament}"] =
        QString::fromStdString(JsonGrid(ReportJson("winners")["grdTournamentWinners"])[1][0]);
    for (const QJsonValue& c : TestJson("SitePages.json")["cases"].toArray()) {
        std::array<std::string, 3> texts;
        for (std::size_t i = 0; i < texts.size(); ++i) {
            QString text = c[static_cast<qsizetype>(i)].toString();
            for (auto n = names.cbegin(); n != names.cend(); ++n) text.replace(n.key(), n.value());
            texts[i] = text.toStdString();
        }
        const auto& [name, command, tables] = texts;
        SCOPED_TRACE(name + ": " + command);
        const std::size_t slash = name.find('/');
        const std::string page =
            Page(PagePaths(QString::fromStdString(name.substr(0, slash)))[name.substr(slash + 1)]);
        // The view, then an option's name and its value after each " --".
        ReportOptions options;
        for (std::size_t at = command.find(" --"); at != command.npos;) {
            const std::size_t value = command.find(' ', at + 3);
            const std::size_t next = command.find(" --", value);
            options[command.substr(at + 1, value - at - 1)] =
                command.substr(value + 1, next - value - 1);
            at = next;
        }
        const QJsonObject report = ReportJson(command.substr(0, command.find(' ')), options);
        std::istringstream ids(tables);
        for (std::string table; ids >> table;) {
            const std::size_t is = table.find('=');
            const Grid grid = JsonGrid(report[QString::fromStdString(table.substr(is + 1))]);
            EXPECT_GT(grid.size(), 2U) << table;
            const Grid shown = ReadHtmlTable(page, table.substr(0, is));
            EXPECT_EQ(shown, AsShown(grid, shown)) << table;
        }
    }
}

TEST_F(SiteReports, RankingPagesOfferTheReportsCsv) {
    const auto [first, last] = FirstAndLastMonth();
    const std::map<std::string, std::string> paths = PagePaths("rankings");
    EXPECT_EQ(paths.at("current"), "index.html");
    for (const auto& [name, options] : std::vector<std::pair<std::string, ReportOptions>>{
             {"current", {}}, {last + " limit 0", {{"--month", last}, {"--limit", "0"}}}}) {
        ReportOptions csv = options;
        csv["--format"] = "csv";
        std::string expected = "\xEF\xBB\xBF" + ReportText("rankings", csv);
        for (std::size_t at = 0; (at = expected.find('\n', at)) != expected.npos; at += 2) {
            expected.insert(at, "\r");
        }
        EXPECT_EQ(TableCsvText(paths.at(name), "grdRankings"), expected) << name;
    }
}

// The rows and positions the filter shows, from the rows' keys and numbers.
TEST_F(SiteReports, TheCountryFilterShowsTheReportsRowsAndPositions) {
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

// The row keys hold the filter's choice of rows: a player's games are those where either key is
// his, as the view picks them.
TEST_F(SiteReports, GamesFilterKeysPickThePlayersGames) {
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

// The top of the start page's rankings, reached by its link, and his first opponent's pair page.
TEST_F(SiteReports, APlayersAndAPairsPagesHoldTheReportsTexts) {
    const std::string start = Page("index.html");
    const std::string player = TopPlayer();
    const std::string path = PagePaths("player")[player];
    ASSERT_FALSE(path.empty());
    EXPECT_TRUE(Links(start, path));
    const std::string page = Page(path);
    EXPECT_EQ(HtmlUnescaped(Between(page, "<h1>", "</h1>")),
              ReportJson("player", {{"--name", player}})["Label2_1"].toString().toStdString());

    // Every game of a player's form is dated, a World Cup's too.
    for (const auto& [name, playerPath] : PagePaths("player")) {
        const Grid form = ReadHtmlTable(Page(playerPath), "form");
        for (std::size_t row = 1; row < form.size(); ++row) {
            EXPECT_FALSE(form[row][0].empty()) << name << ": " << form[row][4];
        }
    }

    const std::string opponents = Between(page, "<table id=\"opponents\"", "</table>");
    const std::string pairPath =
        (fs::path(path).parent_path() / Between(opponents, "href=\"", "\""))
            .lexically_normal()
            .generic_string();
    std::string name;
    for (const QJsonValue& entry : PagesJson()) {
        if (entry["path"] == QString::fromStdString(pairPath)) {
            name = entry["name"].toString().toStdString();
        }
    }
    const std::string p1 = name.substr(0, name.find(" / "));
    const std::string p2 = name.substr(name.find(" / ") + 3);
    EXPECT_TRUE(p1 == player || p2 == player) << p1 << " / " << p2;
    const std::string pair = Page(pairPath);
    const QJsonObject compared = ReportJson("pair", {{"--p1", p1}, {"--p2", p2}, {"--seed", "1"}});
    EXPECT_EQ(HtmlUnescaped(Between(pair, "<h1>", "</h1>")),
              compared["lblPair"].toString().toStdString());
    for (const char* id : {"lstPairResults_0", "lstPairResults_1"}) {
        EXPECT_EQ(ListTexts(pair, id), AsShown(JsonTexts(compared[id]))) << id;
    }
    EXPECT_EQ(ReadHtmlTable(pair, "grdPairGames"), JsonGrid(compared["grdPairGames"]));
    EXPECT_NE(pair.find(">" + p1 + "</a></h2>"), std::string::npos) << "a link to the player";

    const Grid index = ReadHtmlTable(Page(PagePaths("tournaments")["current"]), "tournamentIndex");
    const QJsonArray listed = ReportJson("tournaments")["lstTournaments"].toArray();
    ASSERT_EQ(index.size(), static_cast<std::size_t>(listed.size()) + 1);
    const std::string first = listed[0].toString().toStdString();
    EXPECT_EQ(index[1][0], first);
    EXPECT_EQ(index[1][3], JsonGrid(ReportJson("winners")["grdTournamentWinners"])[1][1]);
    EXPECT_NE(ReportJson("tournament", {{"--name", first}})["lblTournamentDate"]
                  .toString()
                  .toStdString()
                  .find(index[1][1]),
              std::string::npos);
}

// Each individual record leads to its category's list as the window first shows it, and that
// list back to the Misc Stats and to its list without the limit or with it.
TEST_F(SiteReports, RecordsPagesAndTheMiscStatsPageLinkToEachOther) {
    const auto records = PagePaths("records");
    const std::string misc = Page("misc.html");
    std::size_t toggled = 0;
    for (int category = 0; category < 22; ++category) {
        const std::string name = std::to_string(category);
        ASSERT_TRUE(records.contains(name)) << name;
        EXPECT_TRUE(Links(misc, records.at(name))) << name;
        // The other state is a page of its own only where the game limit changes the list.
        const bool toggles = Page(records.at(name)).find("-limit-0.html") != std::string::npos;
        EXPECT_EQ(records.contains(name + " limit 0"), toggles) << name;
        toggled += toggles;
    }
    EXPECT_EQ(records.size(), 22 + toggled);
    EXPECT_GT(toggled, 10U);
    for (const auto& [name, other, stat] :
         {std::tuple{"12", "12 limit 0", "12"}, {"18 limit 0", "18", "18"}}) {
        const std::string page = Page(records.at(name));
        ReportOptions options = {{"--stat", stat}};
        if (std::string(name).ends_with(" limit 0")) options["--limit"] = "0";
        const std::string heading =
            ReportJson("records", options)["Label1"].toString().toStdString();
        EXPECT_NE(page.find("<h1 id=\"Label1\">" + heading + "</h1>"), std::string::npos) << name;
        EXPECT_TRUE(Links(page, "../misc.html")) << name;
        EXPECT_TRUE(Links(page, "../" + records.at(other))) << name;
        EXPECT_NE(page.find("<a href=\"../players/"), std::string::npos) << "a link to a player";
    }
}

}  // namespace
