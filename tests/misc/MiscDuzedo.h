#pragma once

#include <string>
#include <vector>

// A DUZEDO of given games for the misc statistics: scores holds the games (ids in list order),
// tables one row per (tournament, player, position), rankings the players in the given order;
// [tournament players] holds the one tournament "League".
struct MiscGame {
    std::string teamA, teamB;
    int a = 0, b = 0;
    std::string tournament = "League";
};
struct MiscTableRow {
    std::string tournament, player;
    int p = 1;
};
void WriteMiscDuzedo(const std::string& path, const std::vector<MiscGame>& games,
                     const std::vector<MiscTableRow>& tables,
                     const std::vector<std::string>& players);

// n games of teamA at home to teamB, each with the score a:b.
void AddGames(std::vector<MiscGame>& games, int n, const std::string& teamA,
              const std::string& teamB, int a, int b);
