#include "misc/RecordTable.h"

namespace {

using T = const PlayerTotals&;
using enum RecordGames;
using enum RecordKind;

// label, caption, header, games, kind, higher is better, limits the list, limits the holders,
// figure.
constexpr std::array<RecordRow, kRecordCount> kRows = {{
    {"Most games played", "Most games played", "", All, Count, true, false, false,
     [](T t) { return t.all().games; }},
    {"Best attack avg", "Attack Average", "Avg", All, Average, true, true, true,
     [](T t) { return t.all().goalsFor; }},
    {"Best defense avg", "Defense Average", "Avg", All, Average, false, true, true,
     [](T t) { return t.all().goalsAgainst; }},
    {"Worst attack avg", "Attack Average", "Avg", All, Average, false, true, true,
     [](T t) { return t.all().goalsFor; }},
    {"Worst defense avg", "Defense Average", "Avg", All, Average, true, true, true,
     [](T t) { return t.all().goalsAgainst; }},
    {"Best Team A attack avg", "Team A Attack Average", "Avg", TeamA, Average, true, true, true,
     [](T t) { return t.asA.goalsFor; }},
    {"Best Team A defense avg", "Team A Defense Average", "Avg", TeamA, Average, false, true, true,
     [](T t) { return t.asA.goalsAgainst; }},
    {"Worst Team A attack avg", "Team A Attack Average", "Avg", TeamA, Average, false, true, true,
     [](T t) { return t.asA.goalsFor; }},
    {"Worst Team A defense avg", "Team A Defense Average", "Avg", TeamA, Average, true, true, true,
     [](T t) { return t.asA.goalsAgainst; }},
    {"Best Team B attack avg", "Team B Attack Average", "Avg", TeamB, Average, true, true, true,
     [](T t) { return t.asB.goalsFor; }},
    {"Best Team B defense avg", "Team B Defense Average", "Avg", TeamB, Average, false, true, true,
     [](T t) { return t.asB.goalsAgainst; }},
    {"Worst Team B attack avg", "Team B Attack Average", "Avg", TeamB, Average, false, true, true,
     [](T t) { return t.asB.goalsFor; }},
    {"Worst Team B defense avg", "Team B Defense Average", "Avg", TeamB, Average, true, true, true,
     [](T t) { return t.asB.goalsAgainst; }},
    {"Most goals scored", "Goals scored", "Goals", All, Count, true, false, false,
     [](T t) { return t.all().goalsFor; }},
    {"Most goals conceeded", "Goals conceeded", "Goals", All, Count, true, false, false,
     [](T t) { return t.all().goalsAgainst; }},
    // Anyone holds these, but the list ranks only the players with enough games.
    {"Most wins", "Wins", "Wins", All, Count, true, true, false, [](T t) { return t.all().wins; }},
    {"Most draws", "Draws", "Draws", All, Count, true, true, false,
     [](T t) { return t.all().draws; }},
    {"Most losses", "Losses", "Losses", All, Count, true, true, false,
     [](T t) { return t.all().losses; }},
    {"Biggest win %", "Win Percentage", "Win %", All, Percent, true, true, true,
     [](T t) { return t.all().wins; }},
    {"Biggest draw %", "Draw Percentage", "Draw %", All, Percent, true, true, true,
     [](T t) { return t.all().draws; }},
    {"Biggest loss %", "Loss Percentage", "Loss %", All, Percent, true, true, true,
     [](T t) { return t.all().losses; }},
    {"Most tournaments won", "Tournaments Won", "Won", Tournaments, Count, true, false, false,
     [](T t) { return t.won; }},
}};

}  // namespace

const std::array<RecordRow, kRecordCount>& RecordRows() {
    return kRows;
}

Texts RecordLabels() {
    Texts labels;
    for (const RecordRow& row : kRows) labels.emplace_back(row.label);
    return labels;
}

WideInt RecordGamesOf(RecordGames games, const PlayerTotals& t) {
    switch (games) {
        case All:
            return t.all().games;
        case TeamA:
            return t.asA.games;
        case TeamB:
            return t.asB.games;
        case Tournaments:
            return t.played;
    }
    return 0;
}

RecordValue RecordValueOf(const RecordRow& row, const PlayerTotals& t, bool hundredLast) {
    const WideInt figure = row.figure(t);
    const WideInt games = RecordGamesOf(row.games, t);
    switch (row.kind) {
        case Count:
            return figure;
        case Average:
            return WideRatio(figure, games);
        case Percent:
            return hundredLast ? WideRatio(figure, games) * 100 : WideRatio(figure * 100, games);
    }
    return figure;
}
