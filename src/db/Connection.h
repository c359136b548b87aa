#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "db/DbValue.h"
#include "db/Query.h"

struct sqlite3;

// The one connection to the DUZEDO. The file is read once, read-only, into an in-memory engine
// that answers the program's Access-dialect SQL; the file itself is never written.
class Connection {
  public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Loads the database file at path (Access or SQLite, told apart by content). description is
    // kept as given (the connection string) and never parsed. Throws DbError on any failure.
    void open(const std::string& path, std::string description);
    void close();
    bool isOpen() const { return db_ != nullptr; }

    const std::string& description() const { return description_; }
    const std::string& path() const { return path_; }

    // The in-memory engine, for the recordset and for tools that copy the data out.
    sqlite3* handle() const { return db_; }

    // Names of the loaded tables, in the file's order.
    std::vector<std::string> tableNames() const;

  private:
    sqlite3* db_ = nullptr;
    std::string description_;
    std::string path_;
};

// Cursor and lock types of the recordset's open call, with the values the program passes.
enum CursorType { adOpenForwardOnly = 0, adOpenKeyset = 1 };
enum LockType { adLockReadOnly = 1 };

// The shared recordset: a query is opened on it, read front to back (or again from the first
// record) and closed before the next one. Kept where a procedure works on the one shared cursor;
// everything else reads a QueryResult of its own.
class Recordset {
  public:
    // Runs source (Access-dialect SQL) on conn. Throws DbError when the engine rejects it.
    void open(std::string_view source, Connection& conn, int cursorType = adOpenForwardOnly,
              int lockType = adLockReadOnly);
    void close();
    bool isOpen() const { return open_; }

    bool eof() const { return current_ >= result_.size(); }
    void moveNext();
    void moveFirst() { current_ = 0; }

    int fieldCount() const { return result_.fieldCount(); }
    const std::string& fieldName(int index) const;
    // The current record's field by position or by name (names compared without regard to
    // case). Throws DbError at the end of the records or for an unknown field.
    const DbValue& fields(int index) const;
    const DbValue& fields(std::string_view name) const;

    // Most records an open returns; 0 means no limit. Applies to the next open.
    void setMaxRecords(long n) { maxRecords_ = n < 0 ? 0 : n; }
    long maxRecords() const { return maxRecords_; }

  private:
    bool open_ = false;
    long maxRecords_ = 0;
    QueryResult result_;
    std::size_t current_ = 0;
};

class TableSink;
// Hands every loaded table of conn, with its columns and rows in order, to sink.
void CopyTables(const Connection& conn, TableSink& sink);
