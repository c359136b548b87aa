#include "tournaments/TournamentsDuzedo.h"

#include "support/TestTables.h"

namespace {

DbRow Held(const char* tournament, int chrono, const char* country, const char* date, int cup) {
    return {T(tournament), I(chrono), T(country), D(std::string(date) + " 00:00:00"),
            I(cup),        kNull};
}

}  // namespace

void WriteTournamentsDuzedo(const std::string& path) {
    const char* vo = "Velmoor Open";
    // A real date, not a text.
    std::vector<ColumnDef> held = TournamentPlayersColumns();
    held[3].type = ColumnType::DateTime;
    WriteDuzedo(path,
                {.scores =
                     {
                         GameRow(3, "Ann", "Bob", 1, 0, vo),
                         GameRow(1, "Bob", "Cid", 2, 2, vo),
                         GameRow(2, "Cid", "Ann", 0, 3, vo),
                         GameRow(4, "Cid", "Dan", 1, 1, vo),
                         GameRow(11, "Gus", "Hal", 1, 2, "O'Hara Cup Semi-finals"),
                         GameRow(10, "Eve", "Fay", 3, 1, "O'Hara Cup Semi-finals"),
                         GameRow(12, "Eve", "Hal", 2, 0, "O'Hara Cup Final"),
                         GameRow(20, "Ann", "Bob", 1, 1, "Dadidurez VII League Round 1 - Group A"),
                         GameRow(21, "Cid", "Ann", 0, 2, "Dadidurez VII Cup - Final"),
                         GameRow(30, "Eve", "Fay", 1, 1, "Spring cup"),
                         GameRow(31, "Gus", "Eve", 0, 1, "Spring cup Final"),
                         GameRow(40, "Ann", "Bob", 2, 0, "World Cup I Round 1 - Group A"),
                         GameRow(41, "Cid", "Dan", 1, 0, "World Cup II Round 1 - Group A"),
                         GameRow(42, "Dan", "Eve", 4, 0, "World Cup III Round 1 - Group A"),
                         GameRow(43, "Ann", "Cid", 3, 2, "World Cup I Playoffs - Final"),
                     },
                 .tables =
                     {
                         StandingRow(vo, "Bob", 2, I(4), 1),
                         StandingRow(vo, "Ann", 1, I(6), 1),
                         StandingRow("World Cup I ", "Ann", 1, I(9), 3),
                         StandingRow("World Cup I ", "Bob", 2, I(3), 3),
                         StandingRow("Autumn League", "Dan", 1, kNull, 5),
                         StandingRow("Spring cup", "Eve", 1, I(4), 7),
                         StandingRow("Spring cup", "Fay", 1, I(4), 7),
                         StandingRow("World Cup II ", "Cid", 1, I(7), 8),
                         StandingRow("World Cup III ", "Dan", 1, I(7), 9),
                     },
                 .months = {"R0503"},
                 .rankings = {{T("Ann"), T("Velmoor"), kNull, I(1500)},
                              {T("Bob"), T("O'Land"), kNull, I(1400)}},
                 .others = {{"tournament players",
                             held,
                             {
                                 Held(vo, 1, "Velmoor", "2003-05-18", 0),
                                 Held("O'Hara Cup", 2, "Ostland", "2003-06-01", -1),
                                 Held("world cup I (Dartford)", 3, "WC", "2003-07-01", 0),
                                 Held("dadidurez vii", 4, "Velmoor", "2003-08-01", 0),
                                 Held("Autumn League", 5, "O'Land", "2003-10-01", 0),
                                 Held("Worldcup Open", 6, "Velmoor", "2003-11-01", 0),
                                 Held("Spring cup", 7, "Velmoor", "2004-03-01", 0),
                             }},
                            {"World Cup I Tables",
                             TablesColumns(),
                             {StandingRow("Group A", "Bob", 2, I(1), 3),
                              StandingRow("Group A", "Ann", 1, I(4), 3)}},
                            {"World Cup II Tables",
                             TablesColumns(),
                             {StandingRow("Group A", "Cid", 1, I(3), 8)}}}});
}
