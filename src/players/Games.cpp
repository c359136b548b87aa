#include "players/Games.h"

#include <stdexcept>

#include "db/Database.h"
#include "db/WideNumber.h"

namespace {

// A - B as text, empty when either is missing.
std::string Difference(const DbValue& a, const DbValue& b) {
    if (a.isNull() || b.isNull()) return "";
    return WideText(WideInt{a.toInt64()} - b.toInt64());
}

}  // namespace

std::string GamesCaption(std::string_view player, int mode) {
    return std::string(player) + ": " + (mode == kHomeGames ? " home games" : " away games");
}

std::string GamesQuery(std::string_view player, int mode, int order) {
    const bool home = mode == kHomeGames;
    const std::string own = home ? "[TEAM A]" : "[TEAM B]";
    const std::string opponent = home ? "[TEAM B]" : "[TEAM A]";
    const std::string ownGoals = home ? "A" : "B";
    const std::string opponentGoals = home ? "B" : "A";
    const std::string select = "select [TEAM A], [TEAM B], a, b, scores.tournament from scores";
    const std::string where = " where " + own + " = " + SqlQuote(player);
    switch (order) {
        case 0:
            return select + " " + where + " ";
        case 1:
            return select + where + " order by tournament";
        case 2:
            return select + where + " order by " + opponent;
        case 3:
            return select + where + " order by " + ownGoals + " desc";
        case 4:
            return select + where + " order by " + opponentGoals + " desc";
        case 5:
            return select + where + " order by " + ownGoals + " - " + opponentGoals + " desc";
        default:
            throw std::out_of_range("no games order " + std::to_string(order));
    }
}

ViewTexts GamesView(std::string_view player, int mode, int order) {
    std::vector<PlayedGame> games;
    for (const Record game : Query(GamesQuery(player, mode, order))) {
        games.push_back({{},
                         game["TEAM A"].toString(),
                         game["TEAM B"].toString(),
                         game["A"],
                         game["B"],
                         game["TOURNAMENT"].toString()});
    }
    return GamesView(player, mode, games);
}

ViewTexts GamesView(std::string_view player, int mode, const std::vector<PlayedGame>& games) {
    Grid grid = {{"#", "Team A", "Team B", "A", "B", "Dif", "Tournament"}};
    for (const PlayedGame& game : games) {
        grid.push_back({std::to_string(grid.size()), game.teamA, game.teamB, game.a.toString(),
                        game.b.toString(), Difference(game.a, game.b), game.tournament});
    }
    ViewTexts view;
    view.set("frmGames", GamesCaption(player, mode));
    view.set("grdGames", std::move(grid));
    return view;
}
