#include "db/Connection.h"

#include <algorithm>
#include <array>
#include <filesystem>

#include "db/AccessSql.h"
#include "db/DbFile.h"
#include "db/JetText.h"
#include "db/MemoryLoader.h"
#include "db/SqliteUtil.h"
#include "db/Utf8Path.h"
#include "db/WideSql.h"

namespace {

int JetCollation(void*, int lengthA, const void* a, int lengthB, const void* b) {
    return JetCompare(
        std::string_view(static_cast<const char*>(a), static_cast<std::size_t>(lengthA)),
        std::string_view(static_cast<const char*>(b), static_cast<std::size_t>(lengthB)));
}

std::string_view TextArgument(sqlite3_value* value) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return text ? std::string_view(text, static_cast<std::size_t>(sqlite3_value_bytes(value)))
                : std::string_view();
}

// like(pattern, value): Jet's LIKE ignores letter case for every alphabet, not only ASCII.
void JetLikeFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (argc < 2 || sqlite3_value_type(argv[0]) == SQLITE_NULL ||
        sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    sqlite3_result_int(context, JetLike(TextArgument(argv[1]), TextArgument(argv[0])) ? 1 : 0);
}

void RegisterJetText(sqlite3* db) {
    CheckSqlite(db, sqlite3_create_collation(db, "JET", SQLITE_UTF8, nullptr, JetCollation),
                "Registering the text collation");
    for (const int argc : {2, 3}) {
        CheckSqlite(db,
                    sqlite3_create_function(db, "like", argc, SQLITE_UTF8 | SQLITE_DETERMINISTIC,
                                            nullptr, JetLikeFunction, nullptr, nullptr),
                    "Registering LIKE");
    }
}

bool HasColumn(sqlite3* db, const char* table, const char* column) {
    return sqlite3_table_column_metadata(db, "main", table, column, nullptr, nullptr, nullptr,
                                         nullptr, nullptr) == SQLITE_OK;
}

// The columns the program's queries select on and join by.
void CreateIndexes(sqlite3* db) {
    struct Key {
        const char* table;
        const char* column;
    };
    static constexpr std::array keys{
        Key{"scores", "TEAM A"},
        Key{"scores", "TEAM B"},
        Key{"scores", "TOURNAMENT"},
        Key{"scores", "id"},
        Key{"tables", "player"},
        Key{"tables", "tournament"},
        Key{"tournament players", "tournament"},
        Key{"rankings", "player"},
    };
    int n = 0;
    for (const Key& key : keys) {
        if (!HasColumn(db, key.table, key.column)) continue;
        Execute(db, "CREATE INDEX " + QuoteIdentifier("vpa_index_" + std::to_string(n++)) + " ON " +
                        QuoteIdentifier(key.table) + " (" + QuoteIdentifier(key.column) + ")");
    }
    Execute(db, "ANALYZE");
}

void LoadFile(sqlite3* db, const std::string& path) {
    std::error_code error;
    if (path.empty() || !std::filesystem::is_regular_file(Utf8Path(path), error)) {
        throw DbError("No database file at '" + path + "'");
    }
    MemoryLoader loader(db);
    Execute(db, "BEGIN");
    switch (DetectDbFileFormat(path)) {
        case DbFileFormat::Sqlite:
            ReadSqliteFile(path, loader, IsDuzedoTable);
            break;
        case DbFileFormat::Jet3:
        case DbFileFormat::Jet4:
        case DbFileFormat::Ace:
            ReadAccessFile(path, loader, DuzedoTableNames());
            break;
        case DbFileFormat::Unknown:
            throw DbError("'" + path + "' is not a database file");
    }
    Execute(db, "COMMIT");
    CreateIndexes(db);
}

}  // namespace

Connection::Connection() = default;

Connection::~Connection() {
    close();
}

namespace {

int DenyAttaching(void*, int action, const char*, const char*, const char*, const char*) {
    return action == SQLITE_ATTACH || action == SQLITE_DETACH ? SQLITE_DENY : SQLITE_OK;
}

}  // namespace

void Connection::open(const std::string& path, std::string description) {
    close();
    sqlite3* raw = nullptr;
    const int rc =
        sqlite3_open_v2(":memory:", &raw,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    SqliteDb db(raw);
    CheckSqlite(db.get(), rc, "Creating the in-memory engine");
    RegisterJetText(db.get());
    RegisterWideSql(db.get());
    // The engine is filled once and only read after that: no rollback journal is needed.
    Execute(db.get(), "PRAGMA journal_mode=OFF");
    LoadFile(db.get(), path);
    // Queries only read; ATTACH would create files, and counts as reading to the engine.
    sqlite3_set_authorizer(db.get(), DenyAttaching, nullptr);
    db_ = db.release();
    description_ = std::move(description);
    path_ = path;
}

void Connection::close() {
    if (db_ != nullptr) sqlite3_close_v2(db_);
    db_ = nullptr;
}

std::vector<std::string> Connection::tableNames() const {
    return db_ != nullptr ? UserTableNames(db_) : std::vector<std::string>{};
}

void CopyTables(const Connection& conn, TableSink& sink) {
    if (!conn.isOpen()) throw DbError("The connection is not open");
    CopyAllTables(conn.handle(), sink);
}

namespace {

bool IsDeclared(sqlite3_stmt* stmt, int column, ColumnType type) {
    const char* declared = sqlite3_column_decltype(stmt, column);
    return declared != nullptr && ColumnTypeFromDeclared(declared) == type;
}

bool SameTieValues(const std::vector<DbValue>& a, const std::vector<DbValue>& b,
                   const std::vector<int>& columns) {
    return std::all_of(columns.begin(), columns.end(), [&](int c) {
        const DbValue& x = a[static_cast<std::size_t>(c)];
        const DbValue& y = b[static_cast<std::size_t>(c)];
        if (x.kind() == DbValue::Kind::Text && y.kind() == DbValue::Kind::Text) {
            return JetEqual(x.toString(), y.toString());
        }
        return x == y;
    });
}

}  // namespace

QueryResult RunQuery(Connection& conn, std::string_view source, long maxRecords) {
    if (!conn.isOpen()) throw DbError("The connection is not open");
    const TranslatedQuery query = TranslateAccessSql(source);
    Statement stmt = PrepareQuery(conn.handle(), query.sql);
    sqlite3_stmt* s = stmt.get();
    const int columns = sqlite3_column_count(s);
    const int visible = columns - query.hiddenColumns;
    std::vector<std::string> names;
    std::vector<bool> isDate(static_cast<std::size_t>(columns)), isYesNo(isDate);
    for (int i = 0; i < columns; ++i) {
        if (i < visible) names.emplace_back(sqlite3_column_name(s, i));
        isDate[static_cast<std::size_t>(i)] = IsDeclared(s, i, ColumnType::DateTime);
        isYesNo[static_cast<std::size_t>(i)] = IsDeclared(s, i, ColumnType::YesNo);
    }
    const auto limit = static_cast<std::size_t>(maxRecords < 0 ? 0 : maxRecords);
    std::vector<std::vector<DbValue>> rows;
    int rc;
    while ((rc = sqlite3_step(s)) == SQLITE_ROW) {
        std::vector<DbValue> row(static_cast<std::size_t>(columns));
        for (int i = 0; i < columns; ++i) {
            const auto c = static_cast<std::size_t>(i);
            row[c] = ColumnValue(s, i, isDate[c], isYesNo[c]);
        }
        // Without an order nothing decides a tie: the first n rows, as Access gives them.
        if (query.top && rows.size() >= static_cast<std::size_t>(*query.top) &&
            (rows.empty() || query.tieColumns.empty() ||
             !SameTieValues(rows.back(), row, query.tieColumns))) {
            break;
        }
        rows.push_back(std::move(row));
        if (limit != 0 && rows.size() >= limit) break;
    }
    if (rc != SQLITE_ROW) CheckSqlite(conn.handle(), rc, source, SQLITE_DONE);
    for (auto& row : rows) row.resize(static_cast<std::size_t>(visible));
    return {std::move(names), std::move(rows)};
}

void Recordset::open(std::string_view source, Connection& conn, int, int) {
    close();
    result_ = RunQuery(conn, source, maxRecords_);
    current_ = 0;
    open_ = true;
}

void Recordset::close() {
    open_ = false;
    result_ = {};
    current_ = 0;
}

void Recordset::moveNext() {
    if (!eof()) ++current_;
}

const std::string& Recordset::fieldName(int index) const {
    return result_.fieldName(index);
}

const DbValue& Recordset::fields(int index) const {
    if (eof()) throw DbError("Either BOF or EOF is True, or the current record has been deleted");
    return result_[current_][index];
}

const DbValue& Recordset::fields(std::string_view name) const {
    if (eof()) throw DbError("Either BOF or EOF is True, or the current record has been deleted");
    return result_[current_][name];
}

// QueryResult and Record

const std::string& QueryResult::fieldName(int index) const {
    if (index < 0 || index >= fieldCount()) throw DbError("Item not found in this collection");
    return names_[static_cast<std::size_t>(index)];
}

int QueryResult::fieldIndex(std::string_view name) const {
    for (int i = 0; i < fieldCount(); ++i) {
        if (JetEqual(names_[static_cast<std::size_t>(i)], name)) return i;
    }
    throw DbError("Item '" + std::string(name) + "' not found in this collection");
}

const DbValue& Record::operator[](int index) const {
    if (index < 0 || index >= result_->fieldCount()) {
        throw DbError("Item not found in this collection");
    }
    return result_->values(row_)[static_cast<std::size_t>(index)];
}

const DbValue& Record::operator[](std::string_view name) const {
    return result_->values(row_)[static_cast<std::size_t>(result_->fieldIndex(name))];
}
