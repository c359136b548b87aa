#pragma once

#include <gtest/gtest.h>

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

    std::vector<RecordedTable> tables;
};

// The tables match in order, names, column names and types, and every value; each was ended.
inline void ExpectSameTables(const std::vector<RecordedTable>& actual,
                             const std::vector<RecordedTable>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t t = 0; t < expected.size(); ++t) {
        SCOPED_TRACE(expected[t].name);
        EXPECT_EQ(actual[t].name, expected[t].name);
        EXPECT_TRUE(actual[t].ended);
        ASSERT_EQ(actual[t].columns.size(), expected[t].columns.size());
        for (std::size_t c = 0; c < expected[t].columns.size(); ++c) {
            EXPECT_EQ(actual[t].columns[c].name, expected[t].columns[c].name);
            EXPECT_EQ(actual[t].columns[c].type, expected[t].columns[c].type);
        }
        ASSERT_EQ(actual[t].rows.size(), expected[t].rows.size());
        for (std::size_t r = 0; r < expected[t].rows.size(); ++r) {
            ASSERT_EQ(actual[t].rows[r], expected[t].rows[r]) << "row " << r;
        }
    }
}
