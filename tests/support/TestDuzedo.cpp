#include "support/TestDuzedo.h"

#include <vector>

#include "db/DbFile.h"
#include "support/TestTables.h"

void WriteTestDuzedo(const std::string& path, TestDuzedoDamage damage) {
    using enum ColumnType;
    SqliteFileWriter out(path);
    AddTable(out, "scores",
             {{"TEAM A", Text},
              {"TEAM B", Text},
              {"A", Integer16},
              {"B", damage.goalAsText ? Text : Integer16},
              {"TOURNAMENT", Text},
              {"id", Integer32}},
             {{T("Aris"), T("Bodo"), I(2), I(1), T("Spring League 2003"), I(1)},
              {T("Bodo"), T("Cleo"), I(0), damage.goalAsText ? T("two") : I(0),
               T("Spring League 2003"), I(2)},
              {T("Cleo"), T("Aris"), I(1), I(3), T("Spring League 2003"), I(3)}});
    AddTable(
        out, "tables", TablesColumns(),
        {{T("Spring League 2003"), T("Aris"), I(1), I(2), I(2), I(0), I(0), I(5), I(2), I(6), I(1)},
         {T("Spring League 2003"), T("Bodo"), I(2), I(2), I(0), I(1), I(1), I(1), I(2), I(1), I(1)},
         {T("Spring League 2003"), T("Cleo"), I(3), I(2), I(0), I(1), I(1), I(1), I(3), I(1),
          I(1)}});
    AddTable(out, "tournament players", TournamentPlayersColumns(),
             {{T("Spring League 2003"), I(1), T("Velmoor"), T("April 2003"), I(0), I(3)}});
    const std::vector<ColumnDef> rankings = {
        {"player", Text},
        {damage.rankingsWithoutCountry ? "land" : "country", Text},
        {"r", Integer16},
        {"R0403", Integer16},
        {"R0503", Integer16}};
    AddTable(out, "rankings", rankings,
             {{T("Aris"), T("Velmoor"), I(1), I(-1), I(120)},
              {T("Bodo"), T("Ostland"), I(2), I(-1), I(95)},
              {T("Cleo"), T("Velmoor"), I(3), I(-1), I(80)}});
    out.finish();
}
