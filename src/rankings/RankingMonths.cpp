#include "rankings/RankingMonths.h"

#include "rankings/RankingColumn.h"

ComboList RankingMonthList() {
    ComboList list;
    for (const std::string& column : RankingColumns()) {
        list.items.push_back({RankingMonthText(column), RankingItemData(column)});
    }
    list.selected = static_cast<int>(list.items.size()) - 1;
    return list;
}

ViewTexts RankingMonthsView() {
    ViewTexts view;
    view.set("cmbRankMonth", RankingMonthList());
    return view;
}
