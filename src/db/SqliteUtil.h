#pragma once

#include <sqlite3.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "db/DbValue.h"

// Small RAII pieces over the SQLite C interface, shared by the loaders and writers.

struct SqliteCloser {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using SqliteDb = std::unique_ptr<sqlite3, SqliteCloser>;

struct StatementFinalizer {
    void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

// Throws DbError with the engine's message when rc is not SQLITE_OK (or the given success code).
void CheckSqlite(sqlite3* db, int rc, std::string_view what, int success = SQLITE_OK);
Statement Prepare(sqlite3* db, std::string_view sql);
// A statement of a query: exactly one, and one that only reads. Throws DbError otherwise.
Statement PrepareQuery(sqlite3* db, std::string_view sql);
void Execute(sqlite3* db, std::string_view sql);

class TableSink;
// Names of the tables of db, in creation order, without the engine's own.
std::vector<std::string> UserTableNames(sqlite3* db);
// Hands every table of db (or every one wanted says yes to), in creation order, with its rows
// in rowid order, to sink.
void CopyAllTables(sqlite3* db, TableSink& sink,
                   const std::function<bool(const std::string&)>& wanted = {});

// A name as an SQL identifier: between double quotes, inner double quotes doubled.
std::string QuoteIdentifier(std::string_view name);

// Binds value; a text is bound without a copy, so value must stay as it is until the statement
// has been stepped.
void BindValue(sqlite3_stmt* stmt, int index, const DbValue& value);
// The value of a result column; dates are recognised by the column's declared type.
DbValue ColumnValue(sqlite3_stmt* stmt, int column, bool isDate, bool isYesNo);
// The same into out, whose text room is reused when it held a text before.
void ReadColumnValue(sqlite3_stmt* stmt, int column, bool isDate, bool isYesNo, DbValue& out);
