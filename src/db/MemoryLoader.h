#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "db/DbFile.h"
#include "db/SqliteUtil.h"

// The tables the program reads; any other table of a file is passed over, so that one the
// program never uses can neither spoil the file nor fill the memory.
bool IsDuzedoTable(const std::string& name);
std::vector<std::string> DuzedoTableNames();

// Creates each table it is handed in the in-memory engine (text columns compared the Jet way)
// and fills it, rows in the order they come. The caller holds the transaction.
class MemoryLoader : public TableSink {
  public:
    explicit MemoryLoader(sqlite3* db) : db_(db) {}

    void beginTable(const std::string& name, const std::vector<ColumnDef>& columns) override;
    // Throws DbError for a row that does not fit its table or a value larger than any DUZEDO's.
    void addRow(const std::vector<DbValue>& row) override;
    void endTable() override;

  private:
    void insertPending();

    sqlite3* db_;
    std::string table_;
    bool skipping_ = false;
    std::size_t columnCount_ = 0;
    // Rows go in by the batch: one statement run per batch instead of one per row, which is
    // what loading a large file mostly costs. The rows of an unfinished batch wait here.
    Statement insertOne_;
    Statement insertBatch_;
    std::size_t batchRows_ = 0;
    std::vector<std::vector<DbValue>> pending_;
    std::size_t pendingCount_ = 0;
};
