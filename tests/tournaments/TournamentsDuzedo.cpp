#include "tournaments/TournamentsDuzedo.h"

#include <utility>
#include <vector>

#include "db/DbFile.h"
#include "support/TestTables.h"

namespace {

std::vector<DbValue> Row(const char* tournament, const char* player, int p, DbValue pts,
                         int chrono) {
    return {T(tournament), T(player), I(p), I(3),           I(1),     I(1),
            I(1),          I(4),      I(4), std::move(pts), I(chrono)};
}

std::vector<DbValue> Game(int id, const char* teamA, const char* teamB, int a, int b,
                          const char* tournament) {
    return {I(id), T(teamA), T(teamB), I(a), I(b), T(tournament)};
}

std::vector<DbValue> Held(const char* tournament, int chrono, const char* country, DbValue date,
                          int cup) {
    return {T(tournament), I(chrono), T(country), std::move(date), I(cup)};
}

}  // namespace

void WriteTournamentsDuzedo(const std::string& path) {
    using enum ColumnType;
    SqliteFileWriter out(path);
    const char* vo = "Velmoor Open";
    AddTable(out, "scores", ScoresColumns(),
             {
                 Game(3, "Ann", "Bob", 1, 0, vo),
                 Game(1, "Bob", "Cid", 2, 2, vo),
                 Game(2, "Cid", "Ann", 0, 3, vo),
                 Game(4, "Cid", "Dan", 1, 1, vo),
                 Game(11, "Gus", "Hal", 1, 2, "O'Hara Cup Semi-finals"),
                 Game(10, "Eve", "Fay", 3, 1, "O'Hara Cup Semi-finals"),
                 Game(12, "Eve", "Hal", 2, 0, "O'Hara Cup Final"),
                 Game(20, "Ann", "Bob", 1, 1, "Dadidurez VII League Round 1 - Group A"),
                 Game(21, "Cid", "Ann", 0, 2, "Dadidurez VII Cup - Final"),
                 Game(30, "Eve", "Fay", 1, 1, "Spring cup"),
                 Game(31, "Gus", "Eve", 0, 1, "Spring cup Final"),
                 Game(40, "Ann", "Bob", 2, 0, "World Cup I Round 1 - Group A"),
                 Game(41, "Cid", "Dan", 1, 0, "World Cup II Round 1 - Group A"),
                 Game(42, "Dan", "Eve", 4, 0, "World Cup III Round 1 - Group A"),
                 Game(43, "Ann", "Cid", 3, 2, "World Cup I Playoffs - Final"),
             });
    AddTable(out, "tables", TablesColumns(),
             {
                 Row(vo, "Bob", 2, I(4), 1),
                 Row(vo, "Ann", 1, I(6), 1),
                 Row("World Cup I ", "Ann", 1, I(9), 3),
                 Row("World Cup I ", "Bob", 2, I(3), 3),
                 Row("Autumn League", "Dan", 1, kNull, 5),
                 Row("Spring cup", "Eve", 1, I(4), 7),
                 Row("Spring cup", "Fay", 1, I(4), 7),
                 Row("World Cup II ", "Cid", 1, I(7), 8),
                 Row("World Cup III ", "Dan", 1, I(7), 9),
             });
    AddTable(out, "tournament players",
             {{"tournament", Text},
              {"chrono", Integer16},
              {"country", Text},
              {"date", DateTime},
              {"Cup?", YesNo}},
             {
                 Held(vo, 1, "Velmoor", D("2003-05-18 00:00:00"), 0),
                 Held("O'Hara Cup", 2, "Ostland", D("2003-06-01 00:00:00"), -1),
                 Held("world cup I (Dartford)", 3, "WC", D("2003-07-01 00:00:00"), 0),
                 Held("dadidurez vii", 4, "Velmoor", D("2003-08-01 00:00:00"), 0),
                 Held("Autumn League", 5, "O'Land", D("2003-10-01 00:00:00"), 0),
                 Held("Worldcup Open", 6, "Velmoor", D("2003-11-01 00:00:00"), 0),
                 Held("Spring cup", 7, "Velmoor", D("2004-03-01 00:00:00"), 0),
             });
    AddTable(out, "rankings", {{"player", Text}, {"country", Text}, {"R0503", Integer16}},
             {{T("Ann"), T("Velmoor"), I(1500)}, {T("Bob"), T("O'Land"), I(1400)}});
    AddTable(out, "World Cup I Tables", TablesColumns(),
             {Row("Group A", "Bob", 2, I(1), 3), Row("Group A", "Ann", 1, I(4), 3)});
    AddTable(out, "World Cup II Tables", TablesColumns(), {Row("Group A", "Cid", 1, I(3), 8)});
    out.finish();
}
