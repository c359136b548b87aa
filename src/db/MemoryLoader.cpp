#include "db/MemoryLoader.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "db/JetText.h"

namespace {

constexpr std::array<std::string_view, 6> kDuzedoTables = {"scores",
                                                           "tables",
                                                           "tournament players",
                                                           "rankings",
                                                           "World Cup I Tables",
                                                           "World Cup II Tables"};

// The most one value may hold: ten thousand times the longest text a DUZEDO stores, and still
// far below what would strain the memory.
constexpr std::size_t kMaxValueBytes = 2u << 20;

// Rows per batch, and the most parameters one batch may bind (the engine's own limit is far
// higher; a table too wide for two rows a batch goes in row by row).
constexpr std::size_t kBatchRows = 64;
constexpr std::size_t kMaxBatchParameters = 8192;

bool IsText(ColumnType type) {
    return type == ColumnType::Text || type == ColumnType::Memo;
}

std::string InsertStatement(const std::string& table, std::size_t columns, std::size_t rows) {
    std::string tuple = "(";
    for (std::size_t i = 0; i < columns; ++i) tuple += i ? ", ?" : "?";
    tuple += ")";
    std::string insert = "INSERT INTO " + QuoteIdentifier(table) + " VALUES ";
    for (std::size_t r = 0; r < rows; ++r) insert += (r ? ", " : "") + tuple;
    return insert;
}

}  // namespace

bool IsDuzedoTable(const std::string& name) {
    return std::any_of(kDuzedoTables.begin(), kDuzedoTables.end(),
                       [&](std::string_view table) { return JetEqual(name, table); });
}

std::vector<std::string> DuzedoTableNames() {
    return {kDuzedoTables.begin(), kDuzedoTables.end()};
}

void MemoryLoader::beginTable(const std::string& name, const std::vector<ColumnDef>& columns) {
    skipping_ = !IsDuzedoTable(name);
    if (skipping_) return;
    table_ = name;
    std::string create = "CREATE TABLE " + QuoteIdentifier(name) + " (";
    for (std::size_t i = 0; i < columns.size(); ++i) {
        create += (i ? ", " : "") + QuoteIdentifier(columns[i].name) + " " +
                  std::string(DeclaredType(columns[i].type));
        if (IsText(columns[i].type)) create += " COLLATE JET";
    }
    Execute(db_, create + ")");
    columnCount_ = columns.size();
    insertOne_ = Prepare(db_, InsertStatement(name, columnCount_, 1));
    batchRows_ = std::min(kBatchRows, kMaxBatchParameters / std::max<std::size_t>(columnCount_, 1));
    insertBatch_.reset();
    if (batchRows_ > 1)
        insertBatch_ = Prepare(db_, InsertStatement(name, columnCount_, batchRows_));
    pending_.resize(std::max<std::size_t>(batchRows_, 1));
    pendingCount_ = 0;
}

void MemoryLoader::addRow(const std::vector<DbValue>& row) {
    if (skipping_) return;
    if (row.size() != columnCount_) throw DbError("A row does not match its table");
    for (const DbValue& value : row) {
        if (value.textSize() > kMaxValueBytes) {
            throw DbError("Table '" + table_ + "' holds a value of " +
                          std::to_string(value.textSize()) +
                          " bytes, more than any DUZEDO value can be");
        }
    }
    // Copied into room kept from the previous batch: the caller reuses its row.
    pending_[pendingCount_++] = row;
    if (pendingCount_ == pending_.size()) insertPending();
}

void MemoryLoader::insertPending() {
    const bool batch = insertBatch_ && pendingCount_ == batchRows_;
    int parameter = 1;
    for (std::size_t r = 0; r < pendingCount_; ++r) {
        sqlite3_stmt* stmt = batch ? insertBatch_.get() : insertOne_.get();
        if (!batch) parameter = 1;
        for (const DbValue& value : pending_[r]) BindValue(stmt, parameter++, value);
        if (batch && r + 1 < pendingCount_) continue;
        CheckSqlite(db_, sqlite3_step(stmt), "Loading a row", SQLITE_DONE);
        sqlite3_reset(stmt);
    }
    pendingCount_ = 0;
}

void MemoryLoader::endTable() {
    if (!skipping_) insertPending();
    insertOne_.reset();
    insertBatch_.reset();
}
