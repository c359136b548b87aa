#include "db/SqliteUtil.h"

void CheckSqlite(sqlite3* db, int rc, std::string_view what, int success) {
    if (rc == success) return;
    std::string message(what);
    message += ": ";
    message += db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    throw DbError(message);
}

Statement Prepare(sqlite3* db, std::string_view sql) {
    sqlite3_stmt* raw = nullptr;
    const int rc = sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &raw, nullptr);
    Statement stmt(raw);
    CheckSqlite(db, rc, sql);
    if (!stmt) throw DbError("Empty query");
    return stmt;
}

Statement PrepareQuery(sqlite3* db, std::string_view sql) {
    sqlite3_stmt* raw = nullptr;
    const char* tail = nullptr;
    const int rc = sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &raw, &tail);
    Statement stmt(raw);
    CheckSqlite(db, rc, sql);
    if (!stmt) throw DbError("Empty query");
    const std::string_view rest(tail, static_cast<std::size_t>(sql.data() + sql.size() - tail));
    if (rest.find_first_not_of(" \t\r\n;") != std::string_view::npos) {
        throw DbError("Only one statement can be run at a time");
    }
    // The engine holds a copy of the DUZEDO, yet some statements write files of their own.
    if (!sqlite3_stmt_readonly(raw)) throw DbError("Only queries that read are run");
    return stmt;
}

void Execute(sqlite3* db, std::string_view sql) {
    Statement stmt = Prepare(db, sql);
    int rc;
    while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
    }
    CheckSqlite(db, rc, sql, SQLITE_DONE);
}

std::string QuoteIdentifier(std::string_view name) {
    std::string out = "\"";
    for (const char c : name) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

void BindValue(sqlite3_stmt* stmt, int index, const DbValue& value) {
    switch (value.kind()) {
        case DbValue::Kind::Null:
            sqlite3_bind_null(stmt, index);
            break;
        case DbValue::Kind::Integer:
            sqlite3_bind_int64(stmt, index, value.toInt64());
            break;
        case DbValue::Kind::Real:
            sqlite3_bind_double(stmt, index, value.toDouble());
            break;
        case DbValue::Kind::Text:
        case DbValue::Kind::Date: {
            const std::string_view text = value.chars();
            sqlite3_bind_text(stmt, index, text.data(), static_cast<int>(text.size()),
                              SQLITE_STATIC);
            break;
        }
    }
}

DbValue ColumnValue(sqlite3_stmt* stmt, int column, bool isDate, bool isYesNo) {
    DbValue value;
    ReadColumnValue(stmt, column, isDate, isYesNo, value);
    return value;
}

void ReadColumnValue(sqlite3_stmt* stmt, int column, bool isDate, bool isYesNo, DbValue& out) {
    switch (sqlite3_column_type(stmt, column)) {
        case SQLITE_NULL:
            out = {};
            break;
        case SQLITE_INTEGER: {
            const auto v = sqlite3_column_int64(stmt, column);
            out = DbValue::integer(isYesNo && v != 0 ? -1 : v);
            break;
        }
        case SQLITE_FLOAT:
            out = DbValue::real(sqlite3_column_double(stmt, column));
            break;
        default: {
            // Text first, then its length: asking in this order reads it without conversion.
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
            const std::string_view chars(
                text != nullptr ? text : "",
                text != nullptr ? static_cast<std::size_t>(sqlite3_column_bytes(stmt, column)) : 0);
            if (isDate) {
                out.assignDate(chars);
            } else {
                out.assignText(chars);
            }
        }
    }
}
