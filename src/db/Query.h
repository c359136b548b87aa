#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "db/DbValue.h"

class Connection;
class QueryResult;

// One record of a query result: its fields by position or by name (names compared without
// regard to case). Valid while the result lives.
class Record {
  public:
    Record(const QueryResult& result, std::size_t row) : result_(&result), row_(row) {}

    // Throw DbError for a field the query does not have.
    const DbValue& operator[](int index) const;
    const DbValue& operator[](std::string_view name) const;

  private:
    const QueryResult* result_;
    std::size_t row_;
};

// The records of one query, read whole into memory and owned by the caller: any number of
// results can be read side by side, and nested queries never disturb one another.
class QueryResult {
  public:
    QueryResult() = default;
    QueryResult(std::vector<std::string> names, std::vector<std::vector<DbValue>> rows)
        : names_(std::move(names)), rows_(std::move(rows)) {}

    std::size_t size() const { return rows_.size(); }
    bool empty() const { return rows_.empty(); }

    int fieldCount() const { return static_cast<int>(names_.size()); }
    const std::string& fieldName(int index) const;
    // Position of the named field (without regard to case). Throws DbError when there is none.
    int fieldIndex(std::string_view name) const;

    Record operator[](std::size_t row) const { return {*this, row}; }
    const std::vector<DbValue>& values(std::size_t row) const { return rows_.at(row); }

    class Iterator {
      public:
        Iterator(const QueryResult& result, std::size_t row) : result_(&result), row_(row) {}
        Record operator*() const { return {*result_, row_}; }
        Iterator& operator++() {
            ++row_;
            return *this;
        }
        bool operator==(const Iterator&) const = default;

      private:
        const QueryResult* result_;
        std::size_t row_;
    };
    Iterator begin() const { return {*this, 0}; }
    Iterator end() const { return {*this, rows_.size()}; }

  private:
    std::vector<std::string> names_;
    std::vector<std::vector<DbValue>> rows_;
};

// Runs source (Access-dialect SQL) on conn and reads every record, or the first maxRecords of
// them when maxRecords is above 0. Throws DbError when the engine rejects it.
QueryResult RunQuery(Connection& conn, std::string_view source, long maxRecords = 0);
