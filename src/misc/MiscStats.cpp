#include "misc/MiscStats.h"

#include <array>
#include <cstddef>
#include <functional>

#include "core/DisplayFormat.h"
#include "db/Database.h"
#include "misc/MiscTexts.h"

namespace {

// Who may hold a record: anyone, or only those with more games than the minimum (all games, or
// more than half the minimum as Team A or as Team B).
enum class Needs { Anyone, Games, TeamAGames, TeamBGames };

struct RecordRule {
    Needs needs;
    bool greaterWins;  // else the smaller value is the better one
    double start;      // a value must beat this to count at all
    bool whole;        // a count, written plainly; else "##0.0#"
    std::function<double(const PlayerTotals&)> value;
};

// Row r of grdMisc_3 is rule r.
const std::array<RecordRule, kRecordCount>& RecordRules() {
    using enum Needs;
    using T = const PlayerTotals&;
    constexpr auto attack = &PlayerTotals::attack;
    constexpr auto defence = &PlayerTotals::defence;
    constexpr auto aAttack = &PlayerTotals::aAttack;
    constexpr auto aDefence = &PlayerTotals::aDefence;
    constexpr auto bAttack = &PlayerTotals::bAttack;
    constexpr auto bDefence = &PlayerTotals::bDefence;
    // The count times 100 first, then the division.
    const auto percent = [](WideInt count, WideInt games) {
        return PlayerTotals::Ratio(count * 100, games);
    };
    static const std::array<RecordRule, kRecordCount> rules = {{
        {Anyone, true, 0, true, [](T t) { return double(t.games()); }},
        {Games, true, 0, false, attack},
        {Games, false, 10, false, defence},
        {Games, false, 10, false, attack},
        {Games, true, 0, false, defence},
        {TeamAGames, true, 0, false, aAttack},
        {TeamAGames, false, 10, false, aDefence},
        {TeamAGames, false, 10, false, aAttack},
        {TeamAGames, true, 0, false, aDefence},
        {TeamBGames, true, 0, false, bAttack},
        {TeamBGames, false, 10, false, bDefence},
        {TeamBGames, false, 10, false, bAttack},
        {TeamBGames, true, 0, false, bDefence},
        {Anyone, true, 0, true, [](T t) { return double(t.goalsFor()); }},
        {Anyone, true, 0, true, [](T t) { return double(t.goalsAgainst()); }},
        {Anyone, true, 0, true, [](T t) { return double(t.wins()); }},
        {Anyone, true, 0, true, [](T t) { return double(t.draws()); }},
        {Anyone, true, 0, true, [](T t) { return double(t.losses()); }},
        {Games, true, 0, false, [=](T t) { return percent(t.wins(), t.games()); }},
        {Games, true, 0, false, [=](T t) { return percent(t.draws(), t.games()); }},
        {Games, true, 0, false, [=](T t) { return percent(t.losses(), t.games()); }},
        {Anyone, true, 0, true, [](T t) { return double(t.won); }},
    }};
    return rules;
}

// Strictly more games than the minimum; half the minimum is a real number (21 gives 10.5). A
// negative minimum from a hand-edited settings file must not let a player without games divide
// by zero.
bool Qualifies(Needs needs, const PlayerTotals& t, int minGames) {
    const double half = minGames / 2.0;
    switch (needs) {
        case Needs::Anyone:
            return true;
        case Needs::Games:
            return t.games() > minGames && t.games() > 0;
        case Needs::TeamAGames:
            return t.aGames > half && t.aGames > 0;
        case Needs::TeamBGames:
            return t.bGames > half && t.bGames > 0;
    }
    return false;
}

std::string HolderText(const std::string& player, const RecordRule& rule, double value,
                       bool percent) {
    const std::string shown = rule.whole ? WholeText(value) : FormatNumber(value, "##0.0#");
    return player + " (" + shown + (percent ? "%)" : ")");
}

// "count (share%)" or "goals (per game)".
std::string ShareText(std::int64_t count, double share, bool percent) {
    return std::to_string(count) + " (" + FormatNumber(share, "###.##") + (percent ? "%)" : ")");
}

Grid TopGamesGrid(const std::string& sql, const char* valueHeader) {
    Texts header = kBiggestWinsHeader;
    header[5] = valueHeader;
    Grid grid = {header};
    for (const Record game : Query(sql)) {
        Texts row = {std::to_string(grid.size())};
        for (const char* field : {"TEAM A", "TEAM B", "A", "B", "expr", "TOURNAMENT"}) {
            row.push_back(game[field].toString());
        }
        grid.push_back(std::move(row));
    }
    return grid;
}

Grid LabelGrid(const Texts& labels, const Texts& values) {
    Grid grid;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        grid.push_back({labels[i], i < values.size() ? values[i] : std::string{}});
    }
    return grid;
}

}  // namespace

std::int64_t TotalGames() {
    return ScalarQuery("select count(*) from scores");
}

Grid BiggestWinsGrid() {
    return TopGamesGrid(
        "SELECT TOP 20 [TEAM A], [TEAM B], A, B, A-B as expr, TOURNAMENT FROM scores ORDER BY "
        "Abs(a-b) DESC;",
        "Diff");
}

Grid MostGoalsGrid() {
    return TopGamesGrid(
        "SELECT TOP 20 [TEAM A], [TEAM B], A, B, A+B as expr, TOURNAMENT FROM scores ORDER BY "
        "a+b DESC;",
        "Gls");
}

Texts GeneralStatsTexts() {
    const QueryResult sums = Query(
        "select count(*), sum(a+b), sum(iif(a>b,1,0)), sum(iif(a=b,1,0)), sum(iif(a<b,1,0)), "
        "sum(a), sum(b) from scores");
    std::array<std::int64_t, kGeneralCount> v{};
    for (int i = 0; i < kGeneralCount; ++i) v[i] = NullToZero(sums[0][i]);
    const std::int64_t total = v[0];
    if (total == 0) return Texts(kGeneralCount);
    Texts texts = {std::to_string(total), std::to_string(v[1])};
    for (int i = 2; i <= 4; ++i)
        texts.push_back(ShareText(v[i], PlayerTotals::Ratio(WideInt{v[i]} * 100, total), true));
    for (int i = 5; i <= 6; ++i)
        texts.push_back(ShareText(v[i], PlayerTotals::Ratio(v[i], total), false));
    return texts;
}

Texts RecordHolderTexts(const std::vector<std::string>& players,
                        const std::vector<PlayerTotals>& totals, int minGames) {
    const auto& rules = RecordRules();
    Texts holders(kRecordCount);
    std::array<double, kRecordCount> best{};
    for (int r = 0; r < kRecordCount; ++r) best[r] = rules[r].start;
    for (std::size_t p = 0; p < players.size() && p < totals.size(); ++p) {
        for (int r = 0; r < kRecordCount; ++r) {
            const RecordRule& rule = rules[r];
            if (!Qualifies(rule.needs, totals[p], minGames)) continue;
            const double value = rule.value(totals[p]);
            if (rule.greaterWins ? value > best[r] : value < best[r]) {
                best[r] = value;
                holders[r] = HolderText(players[p], rule, value, r >= 18 && r <= 20);
            }
        }
    }
    return holders;
}

MiscFigures ComputeMiscFigures(const std::vector<std::string>& players, int minGames) {
    return {GeneralStatsTexts(), RecordHolderTexts(players, ReadPlayerTotals(players), minGames)};
}

ViewTexts MiscView(const std::vector<std::string>& players, int minGames) {
    // Like the frame, a database without games shows no figures at all.
    const MiscFigures figures = TotalGames() == 0
                                    ? MiscFigures{Texts(kGeneralCount), Texts(kRecordCount)}
                                    : ComputeMiscFigures(players, minGames);
    ViewTexts view;
    view.set("grdMisc_0", LabelGrid(kGeneralStatsLabels, figures.general));
    view.set("grdMisc_1", BiggestWinsGrid());
    view.set("grdMisc_2", MostGoalsGrid());
    view.set("grdMisc_3", LabelGrid(kRecordCategories, figures.records));
    return view;
}
