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

using DbRow = std::vector<DbValue>;

inline void AddTable(TableSink& out, const std::string& name, const std::vector<ColumnDef>& columns,
                     const std::vector<DbRow>& rows) {
    out.beginTable(name, columns);
    for (const auto& row : rows) out.addRow(row);
    out.endTable();
}
