#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// An Access-dialect query rewritten for the in-memory engine, with what the engine cannot say in
// SQL alone: TOP n keeps the rows tied with the n-th one, which the recordset does while reading.
struct TranslatedQuery {
    std::string sql;
    std::optional<long> top;
    // Result columns (by position) whose values decide ties at the TOP cut-off.
    std::vector<int> tieColumns;
    // Trailing result columns added only to carry those values; the recordset hides them.
    int hiddenColumns = 0;
};

// Throws DbError for a TOP count or an ORDER BY position too large to hold.
TranslatedQuery TranslateAccessSql(std::string_view accessSql);
