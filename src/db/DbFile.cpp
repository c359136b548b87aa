#include "db/DbFile.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "db/PartialFile.h"
#include "db/SqliteUtil.h"
#include "db/Utf8Path.h"

namespace {

std::string Upper(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return out;
}

bool Contains(const std::string& haystack, std::string_view needle) {
    return haystack.find(needle) != std::string::npos;
}

// A file name as an SQLite URI path, so that '?', '#' and '%' in it stay part of the name.
std::string FileUri(const std::string& path) {
    std::string uri = "file:";
    for (const char c : path) {
        if (c == '%' || c == '?' || c == '#') {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", static_cast<unsigned char>(c));
            uri += escaped;
        } else {
            uri += c;
        }
    }
    // immutable: the file is only read, so the engine neither locks it nor looks for journals;
    // a write-ahead log beside it holds committed changes, which only a normal reader applies.
    std::error_code error;
    const bool log = std::filesystem::file_size(Utf8Path(path + "-wal"), error) > 0 && !error;
    return uri + (log ? "?mode=ro" : "?mode=ro&immutable=1");
}

}  // namespace

std::vector<std::string> UserTableNames(sqlite3* db) {
    std::vector<std::string> names;
    // Virtual tables need their module to be read, and the shadow tables behind them are theirs.
    Statement stmt = Prepare(db,
                             "SELECT m.name FROM sqlite_master m WHERE m.type='table' AND m.name "
                             "NOT GLOB 'sqlite_*' AND NOT EXISTS (SELECT 1 FROM pragma_table_list "
                             "t WHERE t.schema='main' AND t.name=m.name AND t.type<>'table') "
                             "ORDER BY m.rowid");
    while (sqlite3_step(stmt.get()) == SQLITE_ROW) {
        names.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(stmt.get(), 0)));
    }
    return names;
}

namespace {

// Whether every value of column c (quoted) that is not null meets condition, an SQL condition.
bool Every(sqlite3* db, const std::string& table, const std::string& c,
           const std::string& condition) {
    Statement stmt = Prepare(db, "SELECT 1 FROM " + QuoteIdentifier(table) + " WHERE " + c +
                                     " IS NOT NULL AND NOT (" + condition + ") LIMIT 1");
    const int rc = sqlite3_step(stmt.get());
    if (rc != SQLITE_ROW) CheckSqlite(db, rc, "Reading " + table, SQLITE_DONE);
    return rc == SQLITE_DONE;
}

// The type of a column of a table made by any program, as the engine's affinity rules read its
// declared type; the declared types this program writes (DeclaredType) keep their own.
ColumnType StoredColumnType(sqlite3* db, const std::string& table, const std::string& column,
                            std::string_view declared) {
    const std::string t = Upper(declared);
    const std::string c = QuoteIdentifier(column);
    if (Contains(t, "BOOL") || t == "BIT" || Contains(t, "YESNO")) return ColumnType::YesNo;
    // Dates as "YYYY-MM-DD HH:MM:SS" text, the form a date is read in.
    if ((Contains(t, "DATE") || Contains(t, "TIME")) &&
        Every(db, table, c,
              "typeof(" + c + ")='text' AND " + c +
                  " GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] "
                  "[0-9][0-9]:[0-9][0-9]:[0-9][0-9]'")) {
        return ColumnType::DateTime;
    }
    for (const ColumnType own : {ColumnType::Byte, ColumnType::Integer16, ColumnType::BigInteger,
                                 ColumnType::Currency, ColumnType::Memo, ColumnType::Guid}) {
        if (t == DeclaredType(own)) return own;
    }
    if (Contains(t, "INT")) return ColumnType::Integer32;
    if (Contains(t, "CLOB")) return ColumnType::Memo;
    if (Contains(t, "CHAR") || Contains(t, "TEXT")) return ColumnType::Text;
    // Other values in a column of bytes would come back as bytes themselves.
    if (t.empty() || Contains(t, "BLOB")) {
        return Every(db, table, c, "typeof(" + c + ")='blob'") ? ColumnType::Binary
                                                               : ColumnType::Decimal;
    }
    if (Contains(t, "REAL") || Contains(t, "FLOA") || Contains(t, "DOUB")) return ColumnType::Real;
    return ColumnType::Decimal;
}

// The columns of table, each of the type typeOf gives its declared type.
template <typename TypeOf>
std::vector<ColumnDef> TableColumns(sqlite3* db, const std::string& table, TypeOf typeOf) {
    std::vector<ColumnDef> columns;
    Statement stmt = Prepare(db, "PRAGMA table_info(" + QuoteIdentifier(table) + ")");
    int rc;
    while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
        const auto* name = reinterpret_cast<const char*>(sqlite3_column_text(stmt.get(), 1));
        const auto* type = reinterpret_cast<const char*>(sqlite3_column_text(stmt.get(), 2));
        const std::string column = name != nullptr ? name : "";
        columns.push_back({column, typeOf(column, type != nullptr ? type : "")});
    }
    CheckSqlite(db, rc, "Reading the columns of " + table, SQLITE_DONE);
    return columns;
}

void CopyRows(sqlite3* db, const std::string& table, const std::vector<ColumnDef>& columns,
              TableSink& sink) {
    // By name: "*" would also bring generated columns, shifting every column after them.
    std::string names;
    for (const ColumnDef& column : columns) {
        names += (names.empty() ? "" : ", ") + QuoteIdentifier(column.name);
    }
    if (names.empty()) return;
    // A WITHOUT ROWID table has no rowid to order by; its key order is its stored order.
    const bool hasRowid =
        sqlite3_table_column_metadata(db, "main", table.c_str(), "rowid", nullptr, nullptr, nullptr,
                                      nullptr, nullptr) == SQLITE_OK;
    Statement stmt = Prepare(db, "SELECT " + names + " FROM " + QuoteIdentifier(table) +
                                     (hasRowid ? " ORDER BY rowid" : ""));
    std::vector<DbValue> row(columns.size());
    int rc;
    while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
        for (std::size_t i = 0; i < columns.size(); ++i) {
            ReadColumnValue(stmt.get(), static_cast<int>(i),
                            columns[i].type == ColumnType::DateTime,
                            columns[i].type == ColumnType::YesNo, row[i]);
        }
        sink.addRow(row);
    }
    CheckSqlite(db, rc, "Reading " + table, SQLITE_DONE);
}

}  // namespace

DbFileFormat DetectDbFileFormat(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    char header[32] = {};
    if (!in.read(header, sizeof header)) return DbFileFormat::Unknown;
    const std::string_view head(header, sizeof header);
    if (head.substr(0, 16) == std::string_view("SQLite format 3\0", 16))
        return DbFileFormat::Sqlite;
    if (head.substr(0, 4) != std::string_view("\0\1\0\0", 4)) return DbFileFormat::Unknown;
    if (head.substr(4, 15) == "Standard ACE DB") return DbFileFormat::Ace;
    if (head.substr(4, 15) != "Standard Jet DB") return DbFileFormat::Unknown;
    return header[0x14] == 0 ? DbFileFormat::Jet3 : DbFileFormat::Jet4;
}

std::string_view DeclaredType(ColumnType type) {
    switch (type) {
        case ColumnType::Text:
            return "TEXT";
        case ColumnType::Memo:
            return "LONGTEXT";
        case ColumnType::Byte:
            return "TINYINT";
        case ColumnType::Integer16:
            return "SMALLINT";
        case ColumnType::Integer32:
            return "INTEGER";
        case ColumnType::YesNo:
            return "BOOLEAN";
        case ColumnType::Real:
            return "DOUBLE";
        case ColumnType::Currency:
            return "CURRENCY";
        case ColumnType::DateTime:
        case ColumnType::ExtendedDate:
            return "DATETIME";
        case ColumnType::BigInteger:
            return "BIGINT";
        case ColumnType::Decimal:
            return "NUMERIC";
        case ColumnType::Guid:
            return "GUID";
        case ColumnType::Binary:
        case ColumnType::Ole:
            return "BLOB";
    }
    return "TEXT";
}

ColumnType ColumnTypeFromDeclared(std::string_view declared) {
    const std::string t = Upper(declared);
    if (Contains(t, "DATE") || Contains(t, "TIME")) return ColumnType::DateTime;
    if (Contains(t, "BOOL") || t == "BIT" || Contains(t, "YESNO")) return ColumnType::YesNo;
    if (Contains(t, "TINYINT") || t == "BYTE") return ColumnType::Byte;
    if (Contains(t, "SMALLINT") || Contains(t, "SHORT")) return ColumnType::Integer16;
    if (Contains(t, "INT")) return ColumnType::Integer32;
    if (Contains(t, "CURRENCY") || Contains(t, "MONEY") || Contains(t, "DECIMAL") ||
        Contains(t, "NUMERIC")) {
        return ColumnType::Currency;
    }
    if (Contains(t, "REAL") || Contains(t, "FLOA") || Contains(t, "DOUB")) return ColumnType::Real;
    if (Contains(t, "LONGTEXT") || Contains(t, "MEMO") || Contains(t, "CLOB")) {
        return ColumnType::Memo;
    }
    return ColumnType::Text;
}

namespace {

SqliteDb OpenToRead(const std::string& path) {
    sqlite3* raw = nullptr;
    const int rc =
        sqlite3_open_v2(FileUri(path).c_str(), &raw,
                        SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX, nullptr);
    SqliteDb db(raw);
    CheckSqlite(db.get(), rc, "Opening " + path);
    Execute(db.get(), "PRAGMA cell_size_check=ON");
    return db;
}

void CopyTable(sqlite3* db, const std::string& table, const std::vector<ColumnDef>& columns,
               TableSink& sink) {
    sink.beginTable(table, columns);
    CopyRows(db, table, columns, sink);
    sink.endTable();
}

}  // namespace

void ReadSqliteFile(const std::string& path, TableSink& sink,
                    const std::function<bool(const std::string&)>& wanted) {
    const SqliteDb db = OpenToRead(path);
    CopyAllTables(db.get(), sink, wanted);
}

void ReadSqliteFileAsStored(const std::string& path, TableSink& sink,
                            const std::function<bool(const std::string&)>& wanted) {
    const SqliteDb db = OpenToRead(path);
    for (const std::string& table : UserTableNames(db.get())) {
        if (wanted && !wanted(table)) continue;
        CopyTable(db.get(), table,
                  TableColumns(db.get(), table,
                               [&](const std::string& column, std::string_view declared) {
                                   return StoredColumnType(db.get(), table, column, declared);
                               }),
                  sink);
    }
}

void CopyAllTables(sqlite3* db, TableSink& sink,
                   const std::function<bool(const std::string&)>& wanted) {
    for (const std::string& table : UserTableNames(db)) {
        if (wanted && !wanted(table)) continue;
        CopyTable(db, table,
                  TableColumns(db, table,
                               [](const std::string&, std::string_view t) {
                                   return ColumnTypeFromDeclared(t);
                               }),
                  sink);
    }
}

struct SqliteFileWriter::State {
    explicit State(const std::string& path) : file(path) {}
    // First, so the database is closed before an unfinished file is removed.
    PartialFile file;
    SqliteDb db;
    Statement insert;
    std::vector<bool> bytes;  // columns whose text values are bytes, written as BLOBs
};

SqliteFileWriter::SqliteFileWriter(const std::string& path)
    : state_(std::make_unique<State>(path)) {
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(state_->file.partialPath().c_str(), &raw,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    state_->db.reset(raw);
    CheckSqlite(state_->db.get(), rc, "Creating " + path);
    Execute(state_->db.get(), "PRAGMA journal_mode=OFF");
    Execute(state_->db.get(), "BEGIN");
    // Writes the file's header even when no table follows: an empty file is no SQLite database
    // to the program, nor to most tools.
    Execute(state_->db.get(), "PRAGMA user_version=0");
}

SqliteFileWriter::~SqliteFileWriter() = default;

void SqliteFileWriter::beginTable(const std::string& name, const std::vector<ColumnDef>& columns) {
    std::string create = "CREATE TABLE " + QuoteIdentifier(name) + " (";
    std::string insert = "INSERT INTO " + QuoteIdentifier(name) + " VALUES (";
    for (std::size_t i = 0; i < columns.size(); ++i) {
        create += (i ? ", " : "") + QuoteIdentifier(columns[i].name) + " " +
                  std::string(DeclaredType(columns[i].type));
        insert += i ? ", ?" : "?";
    }
    Execute(state_->db.get(), create + ")");
    state_->insert = Prepare(state_->db.get(), insert + ")");
    state_->bytes.clear();
    for (const ColumnDef& column : columns) {
        state_->bytes.push_back(column.type == ColumnType::Binary ||
                                column.type == ColumnType::Ole);
    }
}

void SqliteFileWriter::addRow(const std::vector<DbValue>& row) {
    sqlite3_stmt* stmt = state_->insert.get();
    for (std::size_t i = 0; i < row.size(); ++i) {
        const int parameter = static_cast<int>(i + 1);
        if (i < state_->bytes.size() && state_->bytes[i] && row[i].kind() == DbValue::Kind::Text) {
            const std::string_view bytes = row[i].chars();
            sqlite3_bind_blob(stmt, parameter, bytes.data(), static_cast<int>(bytes.size()),
                              SQLITE_STATIC);
        } else {
            BindValue(stmt, parameter, row[i]);
        }
    }
    CheckSqlite(state_->db.get(), sqlite3_step(stmt), "Writing a row", SQLITE_DONE);
    sqlite3_reset(stmt);
}

void SqliteFileWriter::endTable() {
    state_->insert.reset();
}

void SqliteFileWriter::finish() {
    state_->insert.reset();
    Execute(state_->db.get(), "COMMIT");
    state_->db.reset();
    state_->file.commit();
}
