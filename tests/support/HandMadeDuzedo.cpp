#include "support/HandMadeDuzedo.h"

#include <cstdint>
#include <utility>
#include <vector>

#include "db/DbFile.h"
#include "support/TestTables.h"

namespace {

std::vector<DbValue> TableRow(const char* tournament, const char* player, int p, int g, int w,
                              int d, int l, int gs, int gc, DbValue pts, int chrono) {
    return {T(tournament), T(player), I(p),  I(g),           I(w),     I(d),
            I(l),          I(gs),     I(gc), std::move(pts), I(chrono)};
}

std::vector<DbValue> Game(int id, const char* teamA, const char* teamB, int a, int b,
                          const char* tournament) {
    return {I(id), T(teamA), T(teamB), I(a), I(b), T(tournament)};
}

}  // namespace

void WriteHandMadeDuzedo(const std::string& path) {
    using enum ColumnType;
    SqliteFileWriter out(path);

    const char* vo = "Velmoor Open 2002";
    const char* wc1a = "World Cup I Round 1 - Group A";
    const char* wc2a = "World Cup II Round 1 - Group A";
    const char* semi = "Spring Cup Semi-finals";
    const char* dr1 = "Dadidurez VII Round 1";
    const char* ag = "Águila Trophy";
    const char* al = "Autumn League 2003";
    AddTable(out, "scores", ScoresColumns(),
             {
                 Game(1, "Vodad R", "Vezuv L", 3, 1, vo),
                 Game(2, "Müller K", "José P", 3, 0, vo),
                 Game(3, "Abco D", "abel M", 1, 1, vo),
                 Game(4, "Vezuv L", "Müller K", 2, 2, vo),
                 Game(5, "José P", "Vodad R", 0, 4, vo),
                 Game(6, "abel M", "Abco D", 0, 1, vo),
                 Game(7, "VODAD R", "Müller K", 1, 1, vo),
                 Game(8, "Vezuv L", "José P", 3, 0, vo),
                 Game(9, "Vodad R", "Vezuv L", 2, 1, wc1a),
                 Game(10, "Vezuv L", "Vodad R", 0, 0, wc1a),
                 Game(11, "Vodad R", "Müller K", 2, 1, "World Cup I Round 2 - Group E"),
                 Game(12, "Müller K", "Vodad R", 1, 0, wc2a),
                 Game(13, "Vodad R", "Müller K", 0, 0, wc2a),
                 Game(14, "MÜLLER K", "Abco D", 1, 0, "World Cup III Round 1 - Group A"),
                 Game(15, "Vodad R", "Abco D", 3, 2, semi),
                 Game(16, "Ábdo K", "Müller K", 1, 0, semi),
                 Game(18, "Vodad R", "Ábdo K", 2, 1, "Spring Cup Final"),
                 Game(19, "Vezuv L", "O'Neil S", 3, 1, dr1),
                 Game(20, "ÁBDO K", "Vodad R", 1, 3, dr1),
                 Game(21, "O'Neil S", "Vodad R", 1, 2, "Dadidurez VII Round 2"),
                 Game(22, "Vezuv L", "Vodad R", 2, 1, "Dadidurez VII Cup"),
                 Game(23, "Abco D", "Ábdo K", 0, 0, ag),
                 Game(24, "abel M", "Abco D", 0, 2, ag),
                 Game(25, "Ábdo K", "abel M", 2, 2, ag),
                 Game(26, "Vodad R", "Müller K", 4, 2, al),
                 Game(27, "O'Neil S", "Vezuv L", 2, 2, al),
                 Game(28, "Müller K", "Vezuv L", 2, 2, al),
                 Game(29, "Vodad R", "O'Neil S", 20000, 0, al),
                 Game(30, "Vodad R", "Vezuv L", 15000, 1, al),
                 // A second leg entered after everything else.
                 Game(17, "Müller K", "Ábdo K", 0, 0, semi),
             });

    AddTable(out, "tables", TablesColumns(),
             {
                 TableRow(vo, "Vodad R", 1, 5, 4, 1, 0, 12, 4, I(13), 1),
                 TableRow(vo, "Vezuv L", 2, 5, 3, 1, 1, 9, 5, I(10), 1),
                 TableRow(vo, "Müller K", 3, 5, 2, 2, 1, 8, 6, I(8), 1),
                 TableRow(vo, "José P", 6, 5, 0, 0, 5, 2, 14, I(0), 1),
                 TableRow(vo, "Abco D", 4, 5, 2, 0, 3, 6, 8, I(6), 1),
                 TableRow(vo, "abel M", 5, 5, 1, 0, 4, 4, 11, kNull, 1),
                 TableRow("World Cup I ", "Vodad R", 1, 6, 5, 1, 0, 15, 5, I(16), 2),
                 TableRow("World Cup I ", "Vezuv L", 2, 6, 4, 0, 2, 11, 8, I(12), 2),
                 TableRow(ag, "Abco D", 1, 2, 1, 1, 0, 2, 0, I(4), 3),
                 TableRow(ag, "Ábdo K", 1, 2, 1, 1, 0, 3, 1, I(4), 3),
                 TableRow(ag, "ABEL M", 3, 2, 0, 0, 2, 0, 4, I(0), 3),
                 TableRow("DADIDUREZ VII", "Vezuv L", 1, 4, 3, 0, 1, 7, 3, I(9), 4),
                 TableRow("DADIDUREZ VII", "Vodad R", 2, 4, 3, 0, 1, 8, 4, I(9), 4),
                 TableRow("DADIDUREZ VII", "O'Neil S", 3, 4, 1, 0, 3, 3, 7, I(3), 4),
                 TableRow("DADIDUREZ VII", "ÁBDO K", 4, 4, 0, 0, 4, 2, 8, I(0), 4),
                 TableRow(al, "Vodad R", 1, 3, 2, 1, 0, 9, 3, I(7), 5),
                 TableRow(al, "MÜLLER K", 2, 3, 1, 1, 1, 5, 5, I(4), 5),
                 TableRow(al, "Vezuv L", 3, 3, 0, 2, 1, 5, 7, I(2), 5),
                 TableRow(al, "O'Neil S", 4, 3, 0, 2, 1, 4, 8, I(2), 5),
                 TableRow("World Cup II ", "Müller K", 1, 6, 4, 2, 0, 10, 3, I(14), 6),
                 TableRow("World Cup II ", "Vodad R", 2, 6, 3, 2, 1, 9, 5, I(11), 6),
             });

    AddTable(out, "tournament players",
             {{"tournament", Text},
              {"chrono", Integer16},
              {"country", Text},
              {"date", Text},
              {"Cup?", YesNo},
              {"players", Byte}},
             {
                 {T(vo), I(1), T("Velmoor"), T("14/12/2002"), I(0), I(6)},
                 {T("Spring Cup"), I(3), T("Ostland"), T("20/03/2003"), I(-1), I(4)},
                 {T("World Cup I (Dartford)"), I(2), T("WC"), T("01/02/2003"), I(0), I(8)},
                 {T(al), I(5), T("Ísland"), T("18/10/2003"), I(0), I(4)},
                 {T("Dadidurez VII"), I(4), T("Velmoor"), T("10/05/2003"), I(0), I(6)},
                 {T(ag), I(3), T("Spain"), T("25/03/2003"), I(0), I(3)},
                 {T("World Cup II (Athens)"), I(6), T("WC"), T("01/12/2003"), I(0), I(8)},
             });

    AddTable(out, "rankings",
             {{"player", Text},
              {"country", Text},
              {"r", Integer16},
              {"R1202", Integer16},
              {"R0103", Integer16},
              {"R0203", Integer16},
              {"R0303", Integer16}},
             {
                 {T("Vodad R"), T("Velmoor"), I(1), I(1500), I(1520), I(1540), I(1560)},
                 {T("abel M"), T("Velmoor"), I(6), I(-1), I(-1), I(1180), I(1200)},
                 {T("Müller K"), T("Ostland"), I(3), I(1450), I(1460), I(1470), I(1480)},
                 {T("Abco D"), T("Spain"), I(5), I(1300), I(1310), I(1320), I(1330)},
                 {T("O'Neil S"), T("Ísland"), I(0), I(-1), I(-1), I(-1), I(-1)},
                 {T("Ábdo K"), T("Ostland"), I(4), I(-1), I(1350), I(1360), I(1420)},
                 {T("José P"), T("Spain"), I(7), I(1100), I(1120), I(1140), I(1600)},
                 {T("Vezuv L"), T("velmoor"), I(2), I(1400), I(1490), I(1500), I(1500)},
             });

    AddTable(out, "World Cup I Tables", TablesColumns(),
             {
                 TableRow("Group A", "Vezuv L", 2, 2, 0, 1, 1, 1, 2, I(1), 2),
                 TableRow("Group A", "Vodad R", 1, 2, 1, 1, 0, 2, 1, I(4), 2),
                 TableRow("Group E", "Vodad R", 1, 1, 1, 0, 0, 2, 1, I(3), 2),
                 TableRow("Group E", "Müller K", 2, 1, 0, 0, 1, 1, 2, I(0), 2),
             });

    AddTable(out, "World Cup II Tables", TablesColumns(),
             {
                 TableRow("Group A", "Müller K", 1, 2, 1, 1, 0, 1, 0, I(4), 6),
                 TableRow("Group A", "Vodad R", 2, 2, 0, 1, 1, 0, 1, I(1), 6),
             });

    out.finish();
}
