#include "rankings/Rankings.h"

#include "db/Database.h"
#include "rankings/RankingColumn.h"

std::string RankingsQuery(std::string_view column, bool participationLimit,
                          const std::optional<std::string>& country) {
    const std::string c(column);
    std::string sql = "select player, " + c + ", country from rankings where " + c + " <>-1 ";
    if (participationLimit) {
        sql += " and (select count(player) from tables where player=rankings.player)  > 1 ";
    }
    if (country) sql += " and country=" + SqlQuote(*country);
    return sql + " order by " + c + " desc";
}

ViewTexts RankingsView(const RankingsChoice& choice) {
    RankingPeriod period{choice.column, ""};
    if (period.column.empty()) period = CurrentRankingPeriod();

    Grid grid = {{"Pos", "Player", "Country", "Points"}};
    if (!period.column.empty()) {
        const QueryResult ranked =
            Query(RankingsQuery(period.column, choice.participationLimit, choice.country));
        for (const Record player : ranked) {
            grid.push_back({std::to_string(grid.size()), player["player"].toString(),
                            player["country"].toString(), player[period.column].toString()});
        }
    }
    ViewTexts view;
    view.set("grdRankings", std::move(grid));
    view.set("lblNote", period.note);
    return view;
}

Texts RankingCountryItems() {
    Texts items{std::string(kAllItem)};
    for (const Record country : Query("select distinct country from rankings")) {
        items.push_back(country[0].toString());
    }
    return items;
}
