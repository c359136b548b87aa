#include "misc/AllPlayerRecords.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <variant>

#include "core/DisplayFormat.h"
#include "core/DisplayLocale.h"

namespace {

// The number a numeric sort sees in a ratio's cell: the text as shown, so values that show alike
// rank alike.
double SortKey(const std::string& text) {
    const std::string separator = Utf8(CurrentLocale().decimalSeparator());
    const auto at = text.find(separator);
    const std::string number = at == std::string::npos
                                   ? text
                                   : text.substr(0, at) + "." + text.substr(at + separator.size());
    return std::strtod(number.c_str(), nullptr);
}

struct Row {
    Texts cells;
    RecordValue key;  // a count ranks exactly, a ratio as shown
};

// By number, whatever the kinds: a "0" of a player without games ranks among the ratios.
bool Above(const RecordValue& a, const RecordValue& b) {
    return std::visit([](auto x, auto y) { return x > y; }, a, b);
}

// The value's cell and its sort key. A player without games gets "0": nothing to divide.
Row ValueCell(const RecordRow& category, const PlayerTotals& totals, WideInt count) {
    if (count == 0 && category.games != RecordGames::Tournaments) return {{"0"}, WideInt{0}};
    // Here the division comes first, then the times 100.
    const RecordValue value = RecordValueOf(category, totals, true);
    if (const auto* whole = std::get_if<WideInt>(&value)) return {{WideText(*whole)}, *whole};
    const std::string text = FormatNumber(std::get<double>(value), "#0.00");
    return {{text}, SortKey(text)};
}

}  // namespace

ViewTexts AllPlayerRecordsView(const std::vector<std::string>& players,
                               const std::vector<PlayerTotals>& totals, int statType, bool useLimit,
                               int minGames) {
    ViewTexts view;
    if (statType < 0 || statType >= kRecordCount) {
        view.set("Label1", std::string{});
        view.set("grdTop", Grid{{"#", "Player", "", "Games"}});
        view.set("chkLimit", CheckBoxState{std::nullopt, true});
        return view;
    }
    const RecordRow& category = RecordRows()[statType];
    const double limit = !category.limitsList || !useLimit    ? 0
                         : category.games == RecordGames::All ? minGames
                                                              : minGames / 2.0;
    std::vector<Row> rows;
    for (std::size_t p = 0; p < players.size() && p < totals.size(); ++p) {
        const WideInt count = RecordGamesOf(category.games, totals[p]);
        if (static_cast<double>(count) < limit) continue;
        Row value = ValueCell(category, totals[p], count);
        if (statType == 0) value.cells[0].clear();  // the count shows in its own column
        rows.push_back({{"", players[p], value.cells[0], WideText(count)}, value.key});
    }
    // Equal values keep their alphabetical order.
    std::stable_sort(rows.begin(), rows.end(), [&](const Row& a, const Row& b) {
        return category.higherIsBetter ? Above(a.key, b.key) : Above(b.key, a.key);
    });
    Grid grid = {{"#", "Player", category.header, statType == 21 ? "Part." : "Games"}};
    for (Row& row : rows) {
        row.cells[0] = std::to_string(grid.size());
        grid.push_back(std::move(row.cells));
    }
    view.set("Label1", std::string(category.caption));
    view.set("grdTop", std::move(grid));
    view.set("chkLimit", CheckBoxState{std::nullopt, category.limitsList});
    return view;
}

ViewTexts AllPlayerRecordsView(const std::vector<std::string>& players, int statType, bool useLimit,
                               int minGames) {
    return AllPlayerRecordsView(players, ReadPlayerTotals(players), statType, useLimit, minGames);
}
