#include "support/ListsDuzedo.h"

#include <utility>
#include <vector>

#include "db/DbFile.h"
#include "support/TestTables.h"

void WriteListsDuzedo(const std::string& path, bool withCountry) {
    using enum ColumnType;
    SqliteFileWriter out(path);
    for (const char* empty : {"scores", "tables"}) AddTable(out, empty, {{"tournament", Text}}, {});
    AddTable(out, "rankings",
             {{"player", Text},
              {"COUNTRY", Text},
              {"r", Integer16},
              {"R1202", Integer16},
              {"R0103", Integer16},
              {"Rnotes", Text}},
             {{T("Tomas"), T("Spain"), I(1), I(10), I(12), T("")},
              {T("Zora"), T("Spain"), I(2), I(8), I(9), T("")},
              {T("Abel"), kNull, I(3), I(-1), I(5), T("")}});

    std::vector<ColumnDef> columns = {{"tournament", Text}, {"chrono", Integer16}};
    if (withCountry) columns.push_back({"country", Text});
    const std::vector<std::pair<const char*, const char*>> tournaments = {
        {"Spring League", "Velmoor"},
        {"World Cup II (Athens)", "WC"},
        {"WORLD cup III", "WC"},
        {"Worldwide Open", "Ostland"},
        {"Autumn Cup", "Ísland"}};
    std::vector<std::vector<DbValue>> rows;
    int chrono = 0;
    for (const auto& [name, country] : tournaments) {
        rows.push_back({T(name), I(++chrono)});
        if (withCountry) rows.back().push_back(T(country));
    }
    AddTable(out, "tournament players", columns, rows);
    out.finish();
}
