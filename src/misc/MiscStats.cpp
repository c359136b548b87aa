#include "misc/MiscStats.h"

#include <array>
#include <cstddef>
#include <functional>
#include <variant>

#include "core/DisplayFormat.h"
#include "db/Database.h"
#include "misc/MiscTexts.h"

namespace {

// Strictly more games than the minimum; half the minimum is a real number (21 gives 10.5). A
// negative minimum from a hand-edited settings file must not let a player without games divide
// by zero.
bool Qualifies(const RecordRow& row, const PlayerTotals& t, int minGames) {
    if (!row.limitsHolders) return true;
    const WideInt games = RecordGamesOf(row.games, t);
    if (row.games == RecordGames::All) return games > minGames && games > 0;
    return games > minGames / 2.0 && games > 0;
}

// A count written plainly, a ratio as "##0.0#".
std::string HolderText(const std::string& player, const RecordValue& value, bool percent) {
    const auto* count = std::get_if<WideInt>(&value);
    const std::string shown =
        count ? WideText(*count) : FormatNumber(std::get<double>(value), "##0.0#");
    return player + " (" + shown + (percent ? "%)" : ")");
}

// "count (share%)" or "goals (per game)".
std::string ShareText(WideInt count, double share, bool percent) {
    return WideText(count) + " (" + FormatNumber(share, "###.##") + (percent ? "%)" : ")");
}

// The engine works a-b and a+b past the 64-bit range as real numbers: whole goals get the exact
// figure here instead.
std::string GameFigure(const Record& game, bool sum) {
    const DbValue& a = game["A"];
    const DbValue& b = game["B"];
    if (a.kind() != DbValue::Kind::Integer || b.kind() != DbValue::Kind::Integer) {
        return game["expr"].toString();
    }
    return WideText(sum ? WideInt{a.toInt64()} + b.toInt64() : WideInt{a.toInt64()} - b.toInt64());
}

Grid TopGamesGrid(const std::string& sql, const char* valueHeader, bool sum) {
    Texts header = kBiggestWinsHeader;
    header[5] = valueHeader;
    Grid grid = {header};
    for (const Record game : Query(sql)) {
        Texts row = {std::to_string(grid.size())};
        for (const char* field : {"TEAM A", "TEAM B", "A", "B"}) {
            row.push_back(game[field].toString());
        }
        row.push_back(GameFigure(game, sum));
        row.push_back(game["TOURNAMENT"].toString());
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
        "Diff", false);
}

Grid MostGoalsGrid() {
    return TopGamesGrid(
        "SELECT TOP 20 [TEAM A], [TEAM B], A, B, A+B as expr, TOURNAMENT FROM scores ORDER BY "
        "a+b DESC;",
        "Gls", true);
}

Texts GeneralStatsTexts() {
    // The goals of the games with both scores, as sum(a+b) counts them, but added up side by
    // side (columns 1 and 7): a game's a+b can pass the 64-bit range.
    const QueryResult sums = Query(
        "select count(*), sum(a+0*b), sum(iif(a>b,1,0)), sum(iif(a=b,1,0)), sum(iif(a<b,1,0)), "
        "sum(a), sum(b), sum(b+0*a) from scores");
    std::array<WideInt, kGeneralCount + 1> v{};
    for (std::size_t i = 0; i < v.size(); ++i) v[i] = WideNullToZero(sums[0][static_cast<int>(i)]);
    const WideInt total = v[0];
    if (total == 0) return Texts(kGeneralCount);
    Texts texts = {WideText(total), WideText(v[1] + v[7])};
    for (int i = 2; i <= 4; ++i)
        texts.push_back(ShareText(v[i], WideRatio(v[i] * 100, total), true));
    for (int i = 5; i <= 6; ++i) texts.push_back(ShareText(v[i], WideRatio(v[i], total), false));
    return texts;
}

Texts RecordHolderTexts(const std::vector<std::string>& players,
                        const std::vector<PlayerTotals>& totals, int minGames) {
    const auto& rows = RecordRows();
    Texts holders(kRecordCount);
    std::array<RecordValue, kRecordCount> best{};
    for (int r = 0; r < kRecordCount; ++r) {
        // A value must beat this to count at all; a count or a ratio, as the row's values.
        const bool count = rows[r].kind == RecordKind::Count;
        best[r] =
            count ? RecordValue{WideInt{0}} : RecordValue{rows[r].higherIsBetter ? 0.0 : 10.0};
    }
    for (std::size_t p = 0; p < players.size() && p < totals.size(); ++p) {
        for (int r = 0; r < kRecordCount; ++r) {
            const RecordRow& row = rows[r];
            if (!Qualifies(row, totals[p], minGames)) continue;
            const RecordValue value = RecordValueOf(row, totals[p], false);
            if (row.higherIsBetter ? value > best[r] : value < best[r]) {
                best[r] = value;
                holders[r] = HolderText(players[p], value, row.kind == RecordKind::Percent);
            }
        }
    }
    return holders;
}

MiscFigures ComputeMiscFigures(const std::vector<std::string>& players, int minGames) {
    return {GeneralStatsTexts(), RecordHolderTexts(players, ReadPlayerTotals(players), minGames)};
}

namespace {

// Like the frame, a database without games shows no figures at all.
ViewTexts MiscViewOf(const std::vector<std::string>& players,
                     const std::function<std::vector<PlayerTotals>()>& totals, int minGames) {
    const MiscFigures figures =
        TotalGames() == 0
            ? MiscFigures{Texts(kGeneralCount), Texts(kRecordCount)}
            : MiscFigures{GeneralStatsTexts(), RecordHolderTexts(players, totals(), minGames)};
    ViewTexts view;
    view.set("grdMisc_0", LabelGrid(kGeneralStatsLabels, figures.general));
    view.set("grdMisc_1", BiggestWinsGrid());
    view.set("grdMisc_2", MostGoalsGrid());
    view.set("grdMisc_3", LabelGrid(RecordLabels(), figures.records));
    return view;
}

}  // namespace

ViewTexts MiscView(const std::vector<std::string>& players, int minGames) {
    return MiscViewOf(
        players, [&] { return ReadPlayerTotals(players); }, minGames);
}

ViewTexts MiscView(const std::vector<std::string>& players, const std::vector<PlayerTotals>& totals,
                   int minGames) {
    return MiscViewOf(
        players, [&] { return totals; }, minGames);
}
