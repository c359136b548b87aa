#include "headtohead/PairDuzedo.h"

#include "support/SqliteEdit.h"
#include "support/TestTables.h"

namespace {

DbRow Ranked(const char* player, int r, int points) {
    return {T(player), T("Velmoor"), I(r), I(points), I(points)};
}

DbRow Held(const char* name, int chrono) {
    return {T(name), I(chrono), T("Velmoor"), T("2003"), I(0), I(8)};
}

}  // namespace

void WritePairDuzedo(const std::string& path) {
    WriteDuzedo(
        path,
        {.scores = {GameRow(2, "Aris", "Bodo", 3, 1, "Spring League"),
                    GameRow(1, "Bodo", "Aris", 2, 0, "Autumn Cup"),
                    GameRow(3, "Cleo", "Dara", 1, 1, "Spring League"),
                    GameRow(4, "Cleo", "Dara", 2, 0, "Autumn Cup"),
                    GameRow(5, "O'Neil", "Aris", 1, 2, "Spring League"),
                    GameRow(6, "Eryk", "Aris", 0, 0, "Spring League"),
                    GameRow(10, "Hugo", "Ivan", 3, 1, "Spring League"),
                    GameRow(11, "Hugo", "Ivan", 2, 2, "Autumn Cup"),
                    GameRow(12, "Jan", "Kai", 0, 0, "Spring League"),
                    GameRow(13, "Jan", "Kai", 0, 0, "Autumn Cup"),
                    GameRow(14, "Lev", "Max", 0, 2, "Spring League"),
                    GameRow(15, "Low", "Pia", 1, 1, "Spring League"),
                    GameRow(16, "Pia", "High", 1, 1, "Autumn Cup"),
                    GameRow(20, "Nils", "Otto", 1, 0, "Delta"),
                    GameRow(21, "Nils", "Otto", 1, 0, "Epsilon"),
                    GameRow(22, "Nils", "Otto", 1, 0, "Epsilon"),
                    GameRow(23, "Nils", "Otto", 5, 0, "Beta Cup"),
                    GameRow(24, "Nils", "Otto", 1, 0, "Alpha Cup"),
                    GameRow(25, "Nils", "Otto", 9, 0, "Zeta Phase"),
                    GameRow(30, "Ruth", "Solo", 2, 1, "Spring League")},
         .tournaments = {Held("Spring League", 1), Held("Autumn Cup", 2), Held("Beta Cup", 5),
                         Held("Alpha Cup", 5), Held("Epsilon", 6), Held("Delta", 7)},
         .months = {"R0103", "R0203"},
         .rankings = {Ranked("Aris", 3, 1400), Ranked("Bodo", 12, 900), Ranked("Cleo", 0, -1),
                      Ranked("Dara", 5, 1100), Ranked("O'Neil", 7, 1000), Ranked("Hugo", 20, 500),
                      Ranked("Ivan", 21, 900), Ranked("Jan", 22, 300), Ranked("Kai", 23, 800),
                      Ranked("Lev", 24, 100), Ranked("Max", 25, 1000), Ranked("Low", 0, -1),
                      Ranked("High", 26, 1499), Ranked("Pia", 27, 700), Ranked("Nils", 28, 200),
                      Ranked("Otto", 29, 900)}});
}

void WritePairDuzedoWithAnIdlePlayer(const std::string& path) {
    WritePairDuzedo(path);
    Exec(OpenForWriting(path).get(),
         "insert into rankings values ('Zeno', 'Velmoor', 30, 600, 600)");
}
