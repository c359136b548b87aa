#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

#include "db/DbFile.h"

struct RecordedTable {
    std::string name;
    std::vector<ColumnDef> columns;
    std::vector<std::vector<DbValue>> rows;
};

// Keeps in memory the tables a writer hands over, in order.
class RecordingSink : public TableSink {
  public:
    void beginTable(const std::string& name, const std::vector<ColumnDef>& columns) override {
        tables.push_back({name, columns, {}});
    }
    void addRow(const std::vector<DbValue>& row) override { tables.back().rows.push_back(row); }
    void endTable() override {}

    const RecordedTable& table(const std::string& name) const {
        for (const auto& t : tables) {
            if (t.name == name) return t;
        }
        throw std::runtime_error("no table " + name);
    }
    std::size_t columnOf(const std::string& table, const std::string& column) const {
        const auto& cols = this->table(table).columns;
        for (std::size_t i = 0; i < cols.size(); ++i) {
            if (cols[i].name == column) return i;
        }
        throw std::runtime_error("no column " + column);
    }

    std::vector<RecordedTable> tables;
};
