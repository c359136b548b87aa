#include "misc/MiscDuzedo.h"

#include "support/TestTables.h"

void WriteMiscDuzedo(const std::string& path, const std::vector<MiscGame>& games,
                     const std::vector<MiscTableRow>& tables,
                     const std::vector<std::string>& players) {
    DuzedoRows d = {.tournaments = {{T("League"), I(1), T("Velmoor"), T("May 2003"), I(0), I(2)}},
                    .months = {"R0503"}};
    for (const MiscGame& g : games) {
        d.scores.push_back(
            {I(std::ssize(d.scores) + 1), T(g.teamA), T(g.teamB), I(g.a), I(g.b), T(g.tournament)});
    }
    for (const MiscTableRow& r : tables) {
        d.tables.push_back(
            StandingRow(r.tournament.c_str(), r.player.c_str(), r.p, I(0), 1, {0, 0, 0, 0, 0, 0}));
    }
    for (const std::string& player : players) {
        d.rankings.push_back({T(player), T("Velmoor"), I(0), I(-1)});
    }
    WriteDuzedo(path, d);
}

void AddGames(std::vector<MiscGame>& games, int n, const std::string& teamA,
              const std::string& teamB, int a, int b) {
    for (int i = 0; i < n; ++i) games.push_back({teamA, teamB, a, b});
}
