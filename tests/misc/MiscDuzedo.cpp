#include "misc/MiscDuzedo.h"

#include "db/DbFile.h"
#include "support/TestTables.h"

void WriteMiscDuzedo(const std::string& path, const std::vector<MiscGame>& games,
                     const std::vector<MiscTableRow>& tables,
                     const std::vector<std::string>& players) {
    using enum ColumnType;
    SqliteFileWriter out(path);
    std::vector<std::vector<DbValue>> scoreRows;
    for (const MiscGame& g : games) {
        scoreRows.push_back({I(static_cast<std::int64_t>(scoreRows.size()) + 1), T(g.teamA),
                             T(g.teamB), I(g.a), I(g.b), T(g.tournament)});
    }
    AddTable(out, "scores", ScoresColumns(), scoreRows);
    std::vector<std::vector<DbValue>> tableRows;
    for (const MiscTableRow& r : tables) {
        tableRows.push_back(
            {T(r.tournament), T(r.player), I(r.p), I(0), I(0), I(0), I(0), I(0), I(0), I(0), I(1)});
    }
    AddTable(out, "tables", TablesColumns(), tableRows);
    AddTable(out, "tournament players", TournamentPlayersColumns(),
             {{T("League"), I(1), T("Velmoor"), T("May 2003"), I(0), I(2)}});
    std::vector<std::vector<DbValue>> rankingRows;
    for (const std::string& player : players) {
        rankingRows.push_back({T(player), T("Velmoor"), I(0), I(-1)});
    }
    AddTable(out, "rankings",
             {{"player", Text}, {"country", Text}, {"r", Integer16}, {"R0503", Integer16}},
             rankingRows);
    out.finish();
}

void AddGames(std::vector<MiscGame>& games, int n, const std::string& teamA,
              const std::string& teamB, int a, int b) {
    for (int i = 0; i < n; ++i) games.push_back({teamA, teamB, a, b});
}
