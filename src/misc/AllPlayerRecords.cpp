#include "misc/AllPlayerRecords.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <optional>
#include <variant>

#include "core/DisplayFormat.h"
#include "core/DisplayLocale.h"

namespace {

// Which count a category shows in column 3, and which its limit looks at.
enum class Count { Games, TeamAGames, TeamBGames, Tournaments };

struct Category {
    const char* caption;
    const char* header;  // of column 2; empty for category 0
    Count count;
    bool limited;
    bool descending;
    std::function<RecordValue(const PlayerTotals&)> value;  // a ratio shows as "#0.00"
};

const std::array<Category, kRecordCategoryCount>& Categories() {
    using enum Count;
    using T = const PlayerTotals&;
    constexpr auto attack = &PlayerTotals::attack;
    constexpr auto defence = &PlayerTotals::defence;
    constexpr auto aAttack = &PlayerTotals::aAttack;
    constexpr auto aDefence = &PlayerTotals::aDefence;
    constexpr auto bAttack = &PlayerTotals::bAttack;
    constexpr auto bDefence = &PlayerTotals::bDefence;
    // Here the division comes first, then the times 100.
    const auto percent = [](WideInt count, WideInt games) {
        return PlayerTotals::Ratio(count, games) * 100;
    };
    static const std::array<Category, kRecordCategoryCount> categories = {{
        {"Most games played", "", Games, false, true, [](T t) { return t.games(); }},
        {"Attack Average", "Avg", Games, true, true, attack},
        {"Defense Average", "Avg", Games, true, false, defence},
        {"Attack Average", "Avg", Games, true, false, attack},
        {"Defense Average", "Avg", Games, true, true, defence},
        {"Team A Attack Average", "Avg", TeamAGames, true, true, aAttack},
        {"Team A Defense Average", "Avg", TeamAGames, true, false, aDefence},
        {"Team A Attack Average", "Avg", TeamAGames, true, false, aAttack},
        {"Team A Defense Average", "Avg", TeamAGames, true, true, aDefence},
        {"Team B Attack Average", "Avg", TeamBGames, true, true, bAttack},
        {"Team B Defense Average", "Avg", TeamBGames, true, false, bDefence},
        {"Team B Attack Average", "Avg", TeamBGames, true, false, bAttack},
        {"Team B Defense Average", "Avg", TeamBGames, true, true, bDefence},
        {"Goals scored", "Goals", Games, false, true, [](T t) { return t.goalsFor(); }},
        {"Goals conceeded", "Goals", Games, false, true, [](T t) { return t.goalsAgainst(); }},
        {"Wins", "Wins", Games, true, true, [](T t) { return t.wins(); }},
        {"Draws", "Draws", Games, true, true, [](T t) { return t.draws(); }},
        {"Losses", "Losses", Games, true, true, [](T t) { return t.losses(); }},
        {"Win Percentage", "Win %", Games, true, true,
         [=](T t) { return percent(t.wins(), t.games()); }},
        {"Draw Percentage", "Draw %", Games, true, true,
         [=](T t) { return percent(t.draws(), t.games()); }},
        {"Loss Percentage", "Loss %", Games, true, true,
         [=](T t) { return percent(t.losses(), t.games()); }},
        {"Tournaments Won", "Won", Tournaments, false, true, [](T t) { return t.won; }},
    }};
    return categories;
}

WideInt ShownCount(Count count, const PlayerTotals& t) {
    switch (count) {
        case Count::Games:
            return t.games();
        case Count::TeamAGames:
            return t.aGames;
        case Count::TeamBGames:
            return t.bGames;
        case Count::Tournaments:
            return t.played;
    }
    return 0;
}

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
Row ValueCell(const Category& category, const PlayerTotals& totals, WideInt count) {
    if (count == 0 && category.count != Count::Tournaments) return {{"0"}, WideInt{0}};
    const RecordValue value = category.value(totals);
    if (const auto* whole = std::get_if<WideInt>(&value)) return {{WideText(*whole)}, *whole};
    const std::string text = FormatNumber(std::get<double>(value), "#0.00");
    return {{text}, SortKey(text)};
}

}  // namespace

ViewTexts AllPlayerRecordsView(const std::vector<std::string>& players,
                               const std::vector<PlayerTotals>& totals, int statType, bool useLimit,
                               int minGames) {
    ViewTexts view;
    if (statType < 0 || statType >= kRecordCategoryCount) {
        view.set("Label1", std::string{});
        view.set("grdTop", Grid{{"#", "Player", "", "Games"}});
        view.set("chkLimit", CheckBoxState{std::nullopt, true});
        return view;
    }
    const Category& category = Categories()[statType];
    const double limit = !category.limited || !useLimit   ? 0
                         : category.count == Count::Games ? minGames
                                                          : minGames / 2.0;
    std::vector<Row> rows;
    for (std::size_t p = 0; p < players.size() && p < totals.size(); ++p) {
        const WideInt count = ShownCount(category.count, totals[p]);
        if (static_cast<double>(count) < limit) continue;
        Row value = ValueCell(category, totals[p], count);
        if (statType == 0) value.cells[0].clear();  // the count shows in its own column
        rows.push_back({{"", players[p], value.cells[0], WideText(count)}, value.key});
    }
    // Equal values keep their alphabetical order.
    std::stable_sort(rows.begin(), rows.end(), [&](const Row& a, const Row& b) {
        return category.descending ? Above(a.key, b.key) : Above(b.key, a.key);
    });
    Grid grid = {{"#", "Player", category.header, statType == 21 ? "Part." : "Games"}};
    for (Row& row : rows) {
        row.cells[0] = std::to_string(grid.size());
        grid.push_back(std::move(row.cells));
    }
    view.set("Label1", std::string(category.caption));
    view.set("grdTop", std::move(grid));
    view.set("chkLimit", CheckBoxState{std::nullopt, category.limited});
    return view;
}

ViewTexts AllPlayerRecordsView(const std::vector<std::string>& players, int statType, bool useLimit,
                               int minGames) {
    return AllPlayerRecordsView(players, ReadPlayerTotals(players), statType, useLimit, minGames);
}
