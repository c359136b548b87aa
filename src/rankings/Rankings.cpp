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
        gRs->open(RankingsQuery(period.column, choice.participationLimit, choice.country), *gConn,
                  adOpenForwardOnly, adLockReadOnly);
        for (; !gRs->eof(); gRs->moveNext()) {
            grid.push_back({std::to_string(grid.size()), gRs->fields("player").toString(),
                            gRs->fields("country").toString(),
                            gRs->fields(period.column).toString()});
        }
        gRs->close();
    }
    ViewTexts view;
    view.set("grdRankings", std::move(grid));
    view.set("lblNote", period.note);
    return view;
}

Texts RankingCountryItems() {
    Texts items{std::string(kAllItem)};
    gRs->open("select distinct country from rankings", *gConn, adOpenForwardOnly, adLockReadOnly);
    for (; !gRs->eof(); gRs->moveNext()) items.push_back(gRs->fields(0).toString());
    gRs->close();
    return items;
}
