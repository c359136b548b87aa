#include "players/PlayerStats.h"

#include <utility>

#include "core/DisplayFormat.h"
#include "rankings/RankingColumn.h"

namespace {

// Share of n in per cent, whole: "63", or empty when it rounds to 0.
std::string WholePercent(WideInt x, WideInt n) {
    return FormatNumber(WideRatio(x, n) * 100, "###");
}

// Per game, two decimals without a leading zero: "1.75", ".33".
std::string PerGame(WideInt x, WideInt n) {
    return FormatNumber(WideRatio(x, n), ".00");
}

std::string WithPercent(WideInt x, WideInt n) {
    if (n <= 0) return WideText(x);
    return WideText(x) + " (" + WholePercent(x, n) + "%)";
}

std::string WithAverage(WideInt x, WideInt n) {
    if (n <= 0) return WideText(x);
    return WideText(x) + " (" + PerGame(x, n) + ")";
}

ViewTexts FrameTexts(std::string heading, Grid grid, bool enabled, std::string note) {
    ViewTexts view;
    view.set("Label2_1", std::move(heading));
    view.set("grdPlayerStats", std::move(grid));
    for (const std::string_view button : kPlayerButtons) view.set(button, ButtonState{enabled});
    view.set("lblNote", std::move(note));
    return view;
}

}  // namespace

std::string PlayerHeading(const PlayerRecord& r) {
    if (r.RankingPosition == 0) return r.Name;
    const std::string position = r.Name + " ( #" + std::to_string(r.RankingPosition);
    if (r.RankingPointsBeyondRange) return position + " )";
    return position + " - " + std::to_string(r.RankingPoints) + " pts )";
}

std::array<std::string, 19> PlayerStatsCells(const PlayerRecord& r) {
    const Tally all = r.Home + r.Away;
    std::array<std::string, 19> cells = {std::to_string(r.Tournaments), std::to_string(r.WorldCups),
                                         std::to_string(r.TournamentsWon), std::to_string(r.Games)};
    auto cell = cells.begin() + 4;
    // Over all games, then the home and the away games that have both scores.
    for (const auto& [tally, games] :
         {std::pair{all, WideInt{r.Games}}, std::pair{r.Home, r.Home.scored()},
          std::pair{r.Away, r.Away.scored()}}) {
        *cell++ = WithPercent(tally.wins, games);
        *cell++ = WithPercent(tally.draws, games);
        *cell++ = WithPercent(tally.losses, games);
        *cell++ = WithAverage(tally.goalsFor, games);
        *cell++ = WithAverage(tally.goalsAgainst, games);
    }
    return cells;
}

ViewTexts NoPlayerView() {
    Grid grid;
    for (const std::string_view label : kPlayerStatsLabels) {
        grid.push_back({std::string(label), std::string(kNoPlayerCell)});
    }
    return FrameTexts(std::string(kNoPlayerHeading), std::move(grid), false, "");
}

ViewTexts PlayerStatsView(const PlayerRecord& record, std::string note) {
    if (record.Games == 0) return NoPlayerView();
    const std::array<std::string, 19> cells = PlayerStatsCells(record);
    Grid grid;
    for (std::size_t row = 0; row < cells.size(); ++row) {
        grid.push_back({std::string(kPlayerStatsLabels[row]), cells[row]});
    }
    if (record.RankingPointsBeyondRange) {
        note += (note.empty() ? "" : "; ") +
                std::string("The database holds ranking points out of range");
    }
    return FrameTexts(PlayerHeading(record), std::move(grid), true, std::move(note));
}

ViewTexts PlayerStatsView(std::string_view name) {
    const RankingPeriod period = CurrentRankingPeriod();
    return PlayerStatsView(ComputePlayerRecord(name, period.column), period.note);
}
