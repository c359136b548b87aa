#include "support/HandMadeDuzedo.h"

#include <algorithm>

#include "support/ListsDuzedo.h"
#include "support/TestDuzedo.h"
#include "support/TestTables.h"

using enum ColumnType;

namespace {

std::vector<ColumnDef> ScoresColumns() {
    return {{"id", Integer32}, {"TEAM A", Text}, {"TEAM B", Text},
            {"A", Integer16},  {"B", Integer16}, {"TOURNAMENT", Text}};
}

std::vector<ColumnDef> RankingsColumns(const std::vector<std::string>& months) {
    std::vector<ColumnDef> columns = {{"player", Text}, {"country", Text}, {"r", Integer16}};
    for (const std::string& month : months) columns.push_back({month, Integer16});
    return columns;
}

}  // namespace

std::vector<ColumnDef> TournamentPlayersColumns() {
    return {{"tournament", Text}, {"chrono", Integer16}, {"country", Text},
            {"date", Text},       {"Cup?", YesNo},       {"players", Integer16}};
}

std::vector<ColumnDef> TablesColumns() {
    return {{"tournament", Text}, {"player", Text},   {"p", Integer16},     {"g", Integer16},
            {"w", Integer16},     {"d", Integer16},   {"l", Integer16},     {"gs", Integer16},
            {"gc", Integer16},    {"pts", Integer16}, {"chrono", Integer16}};
}

void WriteDuzedo(const std::string& path, const DuzedoRows& d) {
    std::vector<RecordedTable> all = {
        {"scores", ScoresColumns(), d.scores},
        {"tables", TablesColumns(), d.tables},
        {"tournament players", TournamentPlayersColumns(), d.tournaments},
        {"rankings", RankingsColumns(d.months), d.rankings}};
    for (const RecordedTable& other : d.others) {
        const auto same = std::ranges::find(all, other.name, &RecordedTable::name);
        if (same != all.end()) {
            *same = other;
        } else {
            all.push_back(other);
        }
    }
    SqliteFileWriter out(path);
    for (const RecordedTable& table : all) AddTable(out, table.name, table.columns, table.rows);
    out.finish();
}

void WriteHandMadeDuzedo(const std::string& path) {
    const char* vo = "Velmoor Open 2002";
    const char* wc1a = "World Cup I Round 1 - Group A";
    const char* wc2a = "World Cup II Round 1 - Group A";
    const char* semi = "Spring Cup Semi-finals";
    const char* dr1 = "Dadidurez VII Round 1";
    const char* ag = "Águila Trophy";
    const char* al = "Autumn League 2003";
    WriteDuzedo(
        path, {.scores =
                   {
                       GameRow(1, "Vodad R", "Vezuv L", 3, 1, vo),
                       GameRow(2, "Müller K", "José P", 3, 0, vo),
                       GameRow(3, "Abco D", "abel M", 1, 1, vo),
                       GameRow(4, "Vezuv L", "Müller K", 2, 2, vo),
                       GameRow(5, "José P", "Vodad R", 0, 4, vo),
                       GameRow(6, "abel M", "Abco D", 0, 1, vo),
                       GameRow(7, "VODAD R", "Müller K", 1, 1, vo),
                       GameRow(8, "Vezuv L", "José P", 3, 0, vo),
                       GameRow(9, "Vodad R", "Vezuv L", 2, 1, wc1a),
                       GameRow(10, "Vezuv L", "Vodad R", 0, 0, wc1a),
                       GameRow(11, "Vodad R", "Müller K", 2, 1, "World Cup I Round 2 - Group E"),
                       GameRow(12, "Müller K", "Vodad R", 1, 0, wc2a),
                       GameRow(13, "Vodad R", "Müller K", 0, 0, wc2a),
                       GameRow(14, "MÜLLER K", "Abco D", 1, 0, "World Cup III Round 1 - Group A"),
                       GameRow(15, "Vodad R", "Abco D", 3, 2, semi),
                       GameRow(16, "Ábdo K", "Müller K", 1, 0, semi),
                       GameRow(18, "Vodad R", "Ábdo K", 2, 1, "Spring Cup Final"),
                       GameRow(19, "Vezuv L", "O'Neil S", 3, 1, dr1),
                       GameRow(20, "ÁBDO K", "Vodad R", 1, 3, dr1),
                       GameRow(21, "O'Neil S", "Vodad R", 1, 2, "Dadidurez VII Round 2"),
                       GameRow(22, "Vezuv L", "Vodad R", 2, 1, "Dadidurez VII Cup"),
                       GameRow(23, "Abco D", "Ábdo K", 0, 0, ag),
                       GameRow(24, "abel M", "Abco D", 0, 2, ag),
                       GameRow(25, "Ábdo K", "abel M", 2, 2, ag),
                       GameRow(26, "Vodad R", "Müller K", 4, 2, al),
                       GameRow(27, "O'Neil S", "Vezuv L", 2, 2, al),
                       GameRow(28, "Müller K", "Vezuv L", 2, 2, al),
                       GameRow(29, "Vodad R", "O'Neil S", 20000, 0, al),
                       GameRow(30, "Vodad R", "Vezuv L", 15000, 1, al),
                       // A second leg entered after everything else.
                       GameRow(17, "Müller K", "Ábdo K", 0, 0, semi),
                   },
               .tables =
                   {
                       StandingRow(vo, "Vodad R", 1, I(13), 1, {5, 4, 1, 0, 12, 4}),
                       StandingRow(vo, "Vezuv L", 2, I(10), 1, {5, 3, 1, 1, 9, 5}),
                       StandingRow(vo, "Müller K", 3, I(8), 1, {5, 2, 2, 1, 8, 6}),
                       StandingRow(vo, "José P", 6, I(0), 1, {5, 0, 0, 5, 2, 14}),
                       StandingRow(vo, "Abco D", 4, I(6), 1, {5, 2, 0, 3, 6, 8}),
                       StandingRow(vo, "abel M", 5, kNull, 1, {5, 1, 0, 4, 4, 11}),
                       StandingRow("World Cup I ", "Vodad R", 1, I(16), 2, {6, 5, 1, 0, 15, 5}),
                       StandingRow("World Cup I ", "Vezuv L", 2, I(12), 2, {6, 4, 0, 2, 11, 8}),
                       StandingRow(ag, "Abco D", 1, I(4), 3, {2, 1, 1, 0, 2, 0}),
                       StandingRow(ag, "Ábdo K", 1, I(4), 3, {2, 1, 1, 0, 3, 1}),
                       StandingRow(ag, "ABEL M", 3, I(0), 3, {2, 0, 0, 2, 0, 4}),
                       StandingRow("DADIDUREZ VII", "Vezuv L", 1, I(9), 4, {4, 3, 0, 1, 7, 3}),
                       StandingRow("DADIDUREZ VII", "Vodad R", 2, I(9), 4, {4, 3, 0, 1, 8, 4}),
                       StandingRow("DADIDUREZ VII", "O'Neil S", 3, I(3), 4, {4, 1, 0, 3, 3, 7}),
                       StandingRow("DADIDUREZ VII", "ÁBDO K", 4, I(0), 4, {4, 0, 0, 4, 2, 8}),
                       StandingRow(al, "Vodad R", 1, I(7), 5, {3, 2, 1, 0, 9, 3}),
                       StandingRow(al, "MÜLLER K", 2, I(4), 5, {3, 1, 1, 1, 5, 5}),
                       StandingRow(al, "Vezuv L", 3, I(2), 5, {3, 0, 2, 1, 5, 7}),
                       StandingRow(al, "O'Neil S", 4, I(2), 5, {3, 0, 2, 1, 4, 8}),
                       StandingRow("World Cup II ", "Müller K", 1, I(14), 6, {6, 4, 2, 0, 10, 3}),
                       StandingRow("World Cup II ", "Vodad R", 2, I(11), 6, {6, 3, 2, 1, 9, 5}),
                   },
               .tournaments =
                   {
                       {T(vo), I(1), T("Velmoor"), T("14/12/2002"), I(0), I(6)},
                       {T("Spring Cup"), I(3), T("Ostland"), T("20/03/2003"), I(-1), I(4)},
                       {T("World Cup I (Dartford)"), I(2), T("WC"), T("01/02/2003"), I(0), I(8)},
                       {T(al), I(5), T("Ísland"), T("18/10/2003"), I(0), I(4)},
                       {T("Dadidurez VII"), I(4), T("Velmoor"), T("10/05/2003"), I(0), I(6)},
                       {T(ag), I(3), T("Spain"), T("25/03/2003"), I(0), I(3)},
                       {T("World Cup II (Athens)"), I(6), T("WC"), T("01/12/2003"), I(0), I(8)},
                   },
               .months = {"R1202", "R0103", "R0203", "R0303"},
               .rankings =
                   {
                       {T("Vodad R"), T("Velmoor"), I(1), I(1500), I(1520), I(1540), I(1560)},
                       {T("abel M"), T("Velmoor"), I(6), I(-1), I(-1), I(1180), I(1200)},
                       {T("Müller K"), T("Ostland"), I(3), I(1450), I(1460), I(1470), I(1480)},
                       {T("Abco D"), T("Spain"), I(5), I(1300), I(1310), I(1320), I(1330)},
                       {T("O'Neil S"), T("Ísland"), I(0), I(-1), I(-1), I(-1), I(-1)},
                       {T("Ábdo K"), T("Ostland"), I(4), I(-1), I(1350), I(1360), I(1420)},
                       {T("José P"), T("Spain"), I(7), I(1100), I(1120), I(1140), I(1600)},
                       {T("Vezuv L"), T("velmoor"), I(2), I(1400), I(1490), I(1500), I(1500)},
                   },
               .others = {{"World Cup I Tables",
                           TablesColumns(),
                           {
                               StandingRow("Group A", "Vezuv L", 2, I(1), 2, {2, 0, 1, 1, 1, 2}),
                               StandingRow("Group A", "Vodad R", 1, I(4), 2, {2, 1, 1, 0, 2, 1}),
                               StandingRow("Group E", "Vodad R", 1, I(3), 2, {1, 1, 0, 0, 2, 1}),
                               StandingRow("Group E", "Müller K", 2, I(0), 2, {1, 0, 0, 1, 1, 2}),
                           }},
                          {"World Cup II Tables",
                           TablesColumns(),
                           {
                               StandingRow("Group A", "Müller K", 1, I(4), 6, {2, 1, 1, 0, 1, 0}),
                               StandingRow("Group A", "Vodad R", 2, I(1), 6, {2, 0, 1, 1, 0, 1}),
                           }}}});
}

void WriteListsDuzedo(const std::string& path, bool withCountry) {
    std::vector<ColumnDef> held = TournamentPlayersColumns();
    held.resize(withCountry ? 3 : 2);
    std::vector<DbRow> tournaments;
    for (const auto& [name, country] : {std::pair{"Spring League", "Velmoor"},
                                        {"World Cup II (Athens)", "WC"},
                                        {"WORLD cup III", "WC"},
                                        {"Worldwide Open", "Ostland"},
                                        {"Autumn Cup", "Ísland"}}) {
        tournaments.push_back({T(name), I(std::ssize(tournaments) + 1)});
        if (withCountry) tournaments.back().push_back(T(country));
    }
    // A stray column after the months, and the country's name in capitals.
    std::vector<ColumnDef> rankings = RankingsColumns({"R1202", "R0103", "Rnotes"});
    rankings[1].name = "COUNTRY";
    rankings.back().type = Text;
    WriteDuzedo(path, {.others = {{"rankings",
                                   rankings,
                                   {{T("Tomas"), T("Spain"), I(1), I(10), I(12), T("")},
                                    {T("Zora"), T("Spain"), I(2), I(8), I(9), T("")},
                                    {T("Abel"), kNull, I(3), I(-1), I(5), T("")}}},
                                  {"tournament players", held, tournaments},
                                  {"scores", {{"tournament", Text}}, {}},
                                  {"tables", {{"tournament", Text}}, {}}}});
}

void WriteTestDuzedo(const std::string& path, TestDuzedoDamage damage) {
    const char* league = "Spring League 2003";
    DuzedoRows d = {.scores = {GameRow(1, "Aris", "Bodo", 2, 1, league),
                               GameRow(2, "Bodo", "Cleo", 0, 0, league),
                               GameRow(3, "Cleo", "Aris", 1, 3, league)},
                    .tables = {StandingRow(league, "Aris", 1, I(6), 1, {2, 2, 0, 0, 5, 2}),
                               StandingRow(league, "Bodo", 2, I(1), 1, {2, 0, 1, 1, 1, 2}),
                               StandingRow(league, "Cleo", 3, I(1), 1, {2, 0, 1, 1, 1, 3})},
                    .tournaments = {{T(league), I(1), T("Velmoor"), T("April 2003"), I(0), I(3)}},
                    .months = {"R0403", "R0503"},
                    .rankings = {{T("Aris"), T("Velmoor"), I(1), I(-1), I(120)},
                                 {T("Bodo"), T("Ostland"), I(2), I(-1), I(95)},
                                 {T("Cleo"), T("Velmoor"), I(3), I(-1), I(80)}}};
    if (damage.goalAsText) {
        d.scores[1][4] = T("two");
        d.others.push_back({"scores", ScoresColumns(), d.scores});
        d.others.back().columns[4].type = Text;
    }
    if (damage.rankingsWithoutCountry) {
        d.others.push_back({"rankings", RankingsColumns(d.months), d.rankings});
        d.others.back().columns[1].name = "land";
    }
    WriteDuzedo(path, d);
}
