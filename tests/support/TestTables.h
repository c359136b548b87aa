#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "db/DbFile.h"

// Short spellings for the hand-written tables of test databases.
inline DbValue I(std::int64_t v) {
    return DbValue::integer(v);
}
inline DbValue R(double v) {
    return DbValue::real(v);
}
inline DbValue T(std::string v) {
    return DbValue::text(std::move(v));
}
inline DbValue D(std::string iso) {
    return DbValue::date(std::move(iso));
}
inline const DbValue kNull;

inline void AddTable(TableSink& out, const std::string& name, const std::vector<ColumnDef>& columns,
                     const std::vector<std::vector<DbValue>>& rows) {
    out.beginTable(name, columns);
    for (const auto& row : rows) out.addRow(row);
    out.endTable();
}

// The columns of the DUZEDO's tables as the program's own files have them.
inline std::vector<ColumnDef> ScoresColumns() {
    using enum ColumnType;
    return {{"id", Integer32}, {"TEAM A", Text}, {"TEAM B", Text},
            {"A", Integer16},  {"B", Integer16}, {"TOURNAMENT", Text}};
}
inline std::vector<ColumnDef> TablesColumns() {
    using enum ColumnType;
    return {{"tournament", Text}, {"player", Text},   {"p", Integer16},     {"g", Integer16},
            {"w", Integer16},     {"d", Integer16},   {"l", Integer16},     {"gs", Integer16},
            {"gc", Integer16},    {"pts", Integer16}, {"chrono", Integer16}};
}
inline std::vector<ColumnDef> TournamentPlayersColumns() {
    using enum ColumnType;
    return {{"tournament", Text}, {"chrono", Integer16}, {"country", Text},
            {"date", Text},       {"Cup?", YesNo},       {"players", Integer16}};
}
