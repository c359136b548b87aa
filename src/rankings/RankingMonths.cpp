#include "rankings/RankingMonths.h"

#include "core/Settings.h"
#include "db/Database.h"
#include "rankings/RankingColumn.h"

ComboList RankingMonthList() {
    ComboList list;
    const std::vector<std::string> columns = RankingColumns();
    // The month the table first shows: the current period, or the latest month standing in.
    const std::string shown =
        ChooseRankingPeriod(FileModifiedTime(ConnectedDbPath()), columns).column;
    for (const std::string& column : columns) {
        if (column == shown) list.selected = static_cast<int>(list.items.size());
        list.items.push_back({RankingMonthText(column), RankingItemData(column)});
    }
    return list;
}

ViewTexts RankingMonthsView() {
    ViewTexts view;
    view.set("cmbRankMonth", RankingMonthList());
    return view;
}
