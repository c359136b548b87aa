#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "db/DbFile.h"

// Short spellings for the hand-written tables of test databases.
inline DbValue I(std::int64_t v) {
    return DbValue::integer(v);
}
inline DbValue T(const char* v) {
    return DbValue::text(v);
}

inline void AddTable(TableSink& out, const std::string& name, const std::vector<ColumnDef>& columns,
                     const std::vector<std::vector<DbValue>>& rows) {
    out.beginTable(name, columns);
    for (const auto& row : rows) out.addRow(row);
    out.endTable();
}
