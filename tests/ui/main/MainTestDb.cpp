#include "ui/main/MainTestDb.h"

#include "db/DbFile.h"
#include "duzedo/SampleDuzedo.h"

void WriteListsDuzedo(const std::string& path, bool withCountry) {
    using enum ColumnType;
    const auto T = [](const char* text) { return DbValue::text(text); };
    const auto I = [](int value) { return DbValue::integer(value); };
    SqliteFileWriter out(path);
    for (const char* empty : {"scores", "tables"}) {
        out.beginTable(empty, {{"tournament", Text}});
        out.endTable();
    }
    out.beginTable("rankings", {{"player", Text},
                                {"COUNTRY", Text},
                                {"r", Integer16},
                                {"R1202", Integer16},
                                {"R0103", Integer16},
                                {"Rnotes", Text}});
    out.addRow({T("Tomas"), T("Spain"), I(1), I(10), I(12), T("")});
    out.addRow({T("Zora"), T("Spain"), I(2), I(8), I(9), T("")});
    out.addRow({T("Abel"), DbValue(), I(3), I(-1), I(5), T("")});
    out.endTable();

    std::vector<ColumnDef> columns = {{"tournament", Text}, {"chrono", Integer16}};
    if (withCountry) columns.push_back({"country", Text});
    out.beginTable("tournament players", columns);
    const std::vector<std::pair<const char*, const char*>> tournaments = {
        {"Spring League", "Velmoor"},
        {"World Cup II (Athens)", "WC"},
        {"WORLD cup III", "WC"},
        {"Worldwide Open", "Ostland"},
        {"Autumn Cup", "Ísland"}};
    int chrono = 0;
    for (const auto& [name, country] : tournaments) {
        std::vector<DbValue> row = {T(name), I(++chrono)};
        if (withCountry) row.push_back(T(country));
        out.addRow(row);
    }
    out.endTable();
    out.finish();
}

void WriteSampleDb(const std::string& path) {
    SqliteFileWriter out(path);
    WriteSampleDuzedo({}, out);
    out.finish();
}
