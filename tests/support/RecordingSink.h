#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "db/DbFile.h"

struct RecordedTable {
    std::string name;
    std::vector<ColumnDef> columns;
    std::vector<std::vector<DbValue>> rows;
    bool ended = false;  // its end was handed over too
};

// Keeps in memory the tables a writer hands over, in order.
class RecordingSink : public TableSink {
  public:
    void beginTable(const std::string& name, const std::vector<ColumnDef>& columns) override {
        tables.push_back({name, columns, {}});
    }
    void addRow(const std::vector<DbValue>& row) override { tables.back().rows.push_back(row); }
    void endTable() override { tables.back().ended = true; }

    const RecordedTable& table(const std::string& name) const {
        for (const auto& t : tables) {
            if (t.name == name) return t;
        }
        throw std::runtime_error("no table " + name);
    }

    std::vector<RecordedTable> tables;
};
