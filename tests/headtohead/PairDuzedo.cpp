#include "headtohead/PairDuzedo.h"

#include "db/DbFile.h"
#include "support/SqliteEdit.h"
#include "support/TestTables.h"

namespace {

std::vector<DbValue> Game(const char* a, const char* b, int goalsA, int goalsB,
                          const char* tournament, int id) {
    return {T(a), T(b), I(goalsA), I(goalsB), T(tournament), I(id)};
}

std::vector<DbValue> Ranked(const char* player, int r, int points) {
    return {T(player), T("Velmoor"), I(r), I(points), I(points)};
}

std::vector<DbValue> Tournament(const char* name, int chrono) {
    return {T(name), I(chrono), T("Velmoor"), T("2003"), I(0), I(8)};
}

}  // namespace

void WritePairDuzedo(const std::string& path) {
    using enum ColumnType;
    SqliteFileWriter out(path);
    AddTable(out, "scores",
             {{"TEAM A", Text},
              {"TEAM B", Text},
              {"A", Integer16},
              {"B", Integer16},
              {"TOURNAMENT", Text},
              {"id", Integer32}},
             {Game("Aris", "Bodo", 3, 1, "Spring League", 2),
              Game("Bodo", "Aris", 2, 0, "Autumn Cup", 1),
              Game("Cleo", "Dara", 1, 1, "Spring League", 3),
              Game("Cleo", "Dara", 2, 0, "Autumn Cup", 4),
              Game("O'Neil", "Aris", 1, 2, "Spring League", 5),
              Game("Eryk", "Aris", 0, 0, "Spring League", 6),
              Game("Hugo", "Ivan", 3, 1, "Spring League", 10),
              Game("Hugo", "Ivan", 2, 2, "Autumn Cup", 11),
              Game("Jan", "Kai", 0, 0, "Spring League", 12),
              Game("Jan", "Kai", 0, 0, "Autumn Cup", 13),
              Game("Lev", "Max", 0, 2, "Spring League", 14),
              Game("Low", "Pia", 1, 1, "Spring League", 15),
              Game("Pia", "High", 1, 1, "Autumn Cup", 16),
              Game("Nils", "Otto", 1, 0, "Delta", 20),
              Game("Nils", "Otto", 1, 0, "Epsilon", 21),
              Game("Nils", "Otto", 1, 0, "Epsilon", 22),
              Game("Nils", "Otto", 5, 0, "Beta Cup", 23),
              Game("Nils", "Otto", 1, 0, "Alpha Cup", 24),
              Game("Nils", "Otto", 9, 0, "Zeta Phase", 25),
              Game("Ruth", "Solo", 2, 1, "Spring League", 30)});
    AddTable(out, "tables", TablesColumns(), {});
    AddTable(
        out, "tournament players", TournamentPlayersColumns(),
        {Tournament("Spring League", 1), Tournament("Autumn Cup", 2), Tournament("Beta Cup", 5),
         Tournament("Alpha Cup", 5), Tournament("Epsilon", 6), Tournament("Delta", 7)});
    AddTable(out, "rankings",
             {{"player", Text},
              {"country", Text},
              {"r", Integer16},
              {"R0103", Integer16},
              {"R0203", Integer16}},
             {Ranked("Aris", 3, 1400), Ranked("Bodo", 12, 900), Ranked("Cleo", 0, -1),
              Ranked("Dara", 5, 1100), Ranked("O'Neil", 7, 1000), Ranked("Hugo", 20, 500),
              Ranked("Ivan", 21, 900), Ranked("Jan", 22, 300), Ranked("Kai", 23, 800),
              Ranked("Lev", 24, 100), Ranked("Max", 25, 1000), Ranked("Low", 0, -1),
              Ranked("High", 26, 1499), Ranked("Pia", 27, 700), Ranked("Nils", 28, 200),
              Ranked("Otto", 29, 900)});
    out.finish();
}

void WritePairDuzedoWithAnIdlePlayer(const std::string& path) {
    WritePairDuzedo(path);
    Exec(OpenForWriting(path).get(),
         "insert into rankings values ('Zeno', 'Velmoor', 30, 600, 600)");
}
