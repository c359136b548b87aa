#include "site/PeoplePages.h"

#include <algorithm>

#include "db/DbValue.h"
#include "db/JetText.h"
#include "players/Games.h"
#include "players/PlayerStats.h"
#include "players/Positions.h"
#include "site/NumberForms.h"
#include "site/PlayerGraphs.h"
#include "site/Slug.h"
#include "site/TournamentPages.h"
#include "site/WorldCupPages.h"

namespace {

// How many of a player's latest games his form shows.
constexpr std::size_t kFormGames = 10;

TemplateData StatsTable(PageContent& page, std::string_view path, const Grid& grid) {
    const Grid shown = ReaderNumbersInColumn(grid, 1);
    const CsvLink csv = AddCsv(page, path, "grdPlayerStats", shown);
    TemplateList rows;
    for (const std::vector<std::string>& cells : shown) {
        TemplateData row;
        row.set("label", WebText(cells.at(0)));
        row.set("value", WebText(cells.at(1)));
        rows.push_back(std::move(row));
    }
    TemplateData data;
    data.set("rows", std::move(rows));
    data.set("csv", csv.href);
    data.set("csvName", csv.name);
    return data;
}

TemplateData Fact(std::string label, std::string value) {
    TemplateData fact;
    fact.set("label", std::move(label));
    fact.set("value", WebText(value));
    return fact;
}

// His country and his place in the current rankings, or plainly that he has none.
TemplateList Facts(const SiteFigures& figures, const PlayerRecord& record,
                   std::string_view player) {
    TemplateList facts;
    if (const std::string country = figures.country(player); !country.empty()) {
        facts.push_back(Fact("Country", country));
    }
    if (record.RankingPosition == 0) {
        facts.push_back(Fact("World ranking", "Not ranked"));
    } else {
        const std::string points = record.RankingPointsBeyondRange
                                       ? ""
                                       : ", " + std::to_string(record.RankingPoints) + " pts";
        facts.push_back(
            Fact("World ranking", "#" + std::to_string(record.RankingPosition) + points));
    }
    return facts;
}

// His games against each opponent he has met, from his side, linked to the pair's page.
TemplateData OpponentsTable(PageContent& page, const PeoplePlan& plan, std::string_view path,
                            std::string_view player) {
    Grid grid = {{"Opponent", "Games", "Won", "Drawn", "Lost", "Record"}};
    SiteTable::Links links{0, {}};
    for (const std::size_t index : plan.figures.pairsOf(player)) {
        const SiteFigures::Pair& pair = plan.figures.pairs()[index];
        const bool first = JetEqual(pair.p1, player);
        const PairRecord record = plan.figures.pairRecord(pair);
        const Tally t = first ? record.one.both() : record.one.both().reversed();
        grid.push_back(
            {first ? pair.p2 : pair.p1, std::to_string(record.n), WideText(t.wins),
             WideText(t.draws), WideText(t.losses),
             WideText(t.wins) + "\u2013" + WideText(t.draws) + "\u2013" + WideText(t.losses)});
        links.hrefs.push_back(SiteLink(path, plan.pairPaths[index]));
    }
    return AddTable(page, path, {"opponents", "Head to head", grid, std::nullopt, {links}});
}

// W, D or L from the player's side; empty when a score is missing.
std::string Result(const PlayedGame& game, bool home) {
    if (game.a.isNull() || game.b.isNull()) return "";
    const double mine = (home ? game.a : game.b).toDouble();
    const double theirs = (home ? game.b : game.a).toDouble();
    return mine > theirs ? "W" : mine < theirs ? "L" : "D";
}

// His latest games, the latest first, with their dates (their tournaments') and results.
TemplateData FormTable(PageContent& page, const PeoplePlan& plan, std::string_view path,
                       std::string_view player) {
    Grid grid = {{"Date", "Opponent", "Score", "Result", "Tournament"}};
    for (const PlayedGame& game : plan.figures.latestGames(player, kFormGames)) {
        const bool home = JetEqual(game.teamA, player);
        const std::string score = game.a.toString() + "\u2013" + game.b.toString();
        grid.push_back({plan.figures.dateOf(game.tournament), home ? game.teamB : game.teamA,
                        home ? score : game.b.toString() + "\u2013" + game.a.toString(),
                        Result(game, home), game.tournament});
    }
    return AddTable(page, path,
                    {"form",
                     "Form: his latest games",
                     grid,
                     std::nullopt,
                     {PlayerLinks(plan, path, grid, 1), TournamentLinks(plan, path, grid, 4)}});
}

// The games tables (home and away) and the positions, with their tournaments linked.
TemplateList PlayerTables(PageContent& page, const PeoplePlan& plan, const std::string& path,
                          const std::string& player, const ViewTexts& positions, bool hasGames) {
    TemplateList tables;
    for (const int mode : hasGames ? std::vector{kHomeGames, kAwayGames} : std::vector<int>{}) {
        const ViewTexts games = GamesView(player, mode, plan.figures.games(player, mode));
        const std::string id = mode == kHomeGames ? "grdGames-home" : "grdGames-away";
        const Grid& grid = games.grid("grdGames");
        const auto tournament =
            std::ranges::find(grid.front(), "Tournament") - grid.front().begin();
        // The opponent: Team B in his home games, Team A away.
        const std::size_t opponent = mode == kHomeGames ? 2 : 1;
        tables.push_back(AddTable(page, path,
                                  {id,
                                   games.text("frmGames"),
                                   grid,
                                   std::nullopt,
                                   {TournamentLinks(plan, path, grid, tournament),
                                    PlayerLinks(plan, path, grid, opponent)}}));
    }
    Grid grid = positions.grid("grdPos");
    if (grid.size() > 1) {
        // The window leaves the position's and the field's columns untitled.
        if (grid.front().size() == 4)
            grid.front() = {grid.front()[0], grid.front()[1], "Position", "Players"};
        tables.push_back(AddTable(page, path,
                                  {"grdPos",
                                   positions.text("frmPositions"),
                                   grid,
                                   std::nullopt,
                                   {TournamentLinks(plan, path, grid, 0)}}));
    }
    return tables;
}

PageContent PlayerPage(Templates& templates, const PeoplePlan& plan, const std::string& path,
                       const std::string& player) {
    const SiteFigures& figures = plan.figures;
    PageContent page;
    page.title = WebText(player);
    page.description = "Statistics of " + page.title + ": record, games and positions";
    TemplateData data;
    try {
        PlayerRecord record = figures.record(player);
        // Points below 0 mark a player the current ranking leaves out.
        if (record.RankingPoints < 0 && !record.RankingPointsBeyondRange)
            record.RankingPosition = 0;
        const bool hasGames = record.Games > 0;
        data.set("heading", WebText(hasGames ? PlayerHeading(record) : player));
        TemplateData facts;
        facts.set("items", Facts(figures, record, player));
        data.set("facts", std::move(facts));
        if (hasGames) {
            const ViewTexts stats = PlayerStatsView(record, figures.rankingNote());
            if (!stats.text("lblNote").empty()) data.set("note", WebText(stats.text("lblNote")));
            data.set("form", FormTable(page, plan, path, player));
            data.set("stats", StatsTable(page, path, stats.grid("grdPlayerStats")));
            data.set("opponents", OpponentsTable(page, plan, path, player));
        } else {
            data.set("note", std::string("No games in this database"));
        }
        const ViewTexts positions =
            PositionsView(player, figures.positions(player), kSiteGraphWidth, kSiteGraphHeight);
        data.set("tables", PlayerTables(page, plan, path, player, positions, hasGames));
        // A player without games or positions has no graph to show, only its notes.
        if (hasGames || positions.grid("grdPos").size() > 1) {
            data.set("graphs", PlayerGraphs(page, path, player, positions));
        }
    } catch (const DbError&) {
        data.set("heading", WebText(player));
        data.set("note", std::string("The player's figures cannot be read"));
    }
    page.body = templates.render("player", data);
    return page;
}

}  // namespace

std::string PairName(const SiteFigures::Pair& pair) {
    return pair.p1 + " / " + pair.p2;
}

std::optional<std::string> PeoplePlan::playerPath(std::string_view name) const {
    const auto found = playerPaths.find(name);
    if (found == playerPaths.end()) return std::nullopt;
    return found->second;
}

std::optional<std::string> PeoplePlan::tournamentPath(std::string_view gameTournament) const {
    const auto found = FindGameTournament(tournamentPaths, gameTournament);
    if (found == tournamentPaths.end()) return std::nullopt;
    return found->second;
}

namespace {

// The link of each row's cell in column to the page pathOf finds for it; none where it finds none.
template <typename PathOf>
SiteTable::Links ColumnLinks(std::string_view path, const Grid& grid, std::size_t column,
                             PathOf pathOf) {
    SiteTable::Links links{column, {}};
    for (std::size_t row = 1; row < grid.size(); ++row) {
        const auto target = column < grid[row].size() ? pathOf(grid[row][column]) : std::nullopt;
        links.hrefs.push_back(target ? SiteLink(path, *target) : std::string());
    }
    return links;
}

}  // namespace

SiteTable::Links PlayerLinks(const PeoplePlan& people, std::string_view path, const Grid& grid,
                             std::size_t column) {
    return ColumnLinks(path, grid, column,
                       [&](const std::string& name) { return people.playerPath(name); });
}

SiteTable::Links TournamentLinks(const PeoplePlan& people, std::string_view path, const Grid& grid,
                                 std::size_t column) {
    return ColumnLinks(path, grid, column,
                       [&](const std::string& name) { return people.tournamentPath(name); });
}

std::shared_ptr<const PeoplePlan> PlanPeople() {
    auto plan = std::make_shared<PeoplePlan>();
    try {
        plan->tournamentPaths = TournamentPaths();
        plan->tournamentPaths.merge(WorldCupGamePaths());
    } catch (const DbError&) {
        // The games' tournaments go without links.
    }
    try {
        plan->figures = SiteFigures::Read();
    } catch (const DbError& error) {
        plan->unreadable = error.what();
        return plan;
    }
    SlugSet players;
    for (const std::string& player : plan->figures.players()) {
        plan->playerPaths[player] = "players/" + players.add(player) + ".html";
    }
    SlugSet pairs;
    for (const SiteFigures::Pair& pair : plan->figures.pairs()) {
        plan->pairPaths.push_back("pairs/" + pairs.add(PairName(pair)) + ".html");
    }
    return plan;
}

std::vector<PlannedPage> PlayerPages(const std::shared_ptr<const PeoplePlan>& plan) {
    std::vector<PlannedPage> pages;
    for (const std::string& player : plan->figures.players()) {
        const std::string& path = plan->playerPaths.at(player);
        pages.push_back({{"player", player, path}, [plan, path, player](Templates& t) {
                             return PlayerPage(t, *plan, path, player);
                         }});
    }
    return pages;
}
