// Rows reach the in-memory engine by the batch: whatever the width of a table and however its
// row count falls against the batch size, every row arrives once, in order, with its values.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "db/Connection.h"
#include "jetwriter/JetWriter.h"
#include "support/RecordingSink.h"
#include "support/TempDir.h"
#include "support/TestTables.h"

namespace {

using Table = RecordedTable;

// Values of every kind, with nulls and texts of changing lengths, so that a value left over from
// the row before would show.
Table Scores(int rows) {
    Table t{"scores",
            {{"id", ColumnType::Integer32},
             {"TEAM A", ColumnType::Text},
             {"A", ColumnType::Integer16},
             {"played", ColumnType::DateTime},
             {"Cup?", ColumnType::YesNo},
             {"rate", ColumnType::Real}},
            {}};
    for (int i = 0; i < rows; ++i) {
        t.rows.push_back(
            {I(i), i % 3 == 0 ? kNull : T("Ñandú " + std::string(i % 7, 'x')), I(i % 11),
             i % 5 == 0 ? kNull : D("2003-05-1" + std::to_string(i % 10) + " 00:00:00"),
             I(i % 2 ? -1 : 0), i % 4 == 0 ? kNull : R(i / 4.0)});
    }
    return t;
}

// Wider than a full batch allows: fewer rows go in per statement.
Table Rankings(const std::string& name, int columns, int rows) {
    Table t{name, {{"player", ColumnType::Text}}, {}};
    for (int c = 1; c < columns; ++c)
        t.columns.push_back({"R" + std::to_string(c), ColumnType::Integer16});
    for (int r = 0; r < rows; ++r) {
        std::vector<DbValue> row{T("P" + std::to_string(r))};
        for (int c = 1; c < columns; ++c) row.push_back((r + c) % 9 == 0 ? kNull : I(r * 100 + c));
        t.rows.push_back(std::move(row));
    }
    return t;
}

template <typename Writer>
void Write(const std::string& path, const std::vector<Table>& tables) {
    Writer writer(path);
    for (const Table& t : tables) AddTable(writer, t.name, t.columns, t.rows);
    writer.finish();
}

void ExpectLoaded(Connection& conn, const Table& t) {
    const QueryResult result = RunQuery(conn, "select * from [" + t.name + "]");
    ASSERT_EQ(result.size(), t.rows.size()) << t.name;
    for (std::size_t r = 0; r < t.rows.size(); ++r) {
        for (std::size_t c = 0; c < t.columns.size(); ++c) {
            ASSERT_EQ(result[r][static_cast<int>(c)], t.rows[r][c])
                << t.name << " row " << r << " column " << t.columns[c].name;
        }
    }
}

class BatchedLoading : public testing::TestWithParam<bool> {};

TEST_P(BatchedLoading, EveryRowArrivesOnceInOrderWithItsValues) {
    TempDir dir("batches");
    // 64 rows make one batch: one short of it, exactly one, and several with a remainder.
    const std::vector<Table> tables = {Scores(3 * 64 + 5),
                                       Rankings("rankings", 200, 45 + 3),
                                       {"tables", {{"player", ColumnType::Text}}, {}},
                                       Rankings("tournament players", 12, 64),
                                       Rankings("World Cup I Tables", 5, 63)};
    const std::string path = (dir / (GetParam() ? "f.mdb" : "f.sqlite")).string();
    if (GetParam()) {
        Write<JetFileWriter>(path, tables);
    } else {
        Write<SqliteFileWriter>(path, tables);
    }
    Connection conn;
    conn.open(path, "");
    for (const Table& t : tables) ExpectLoaded(conn, t);
}

INSTANTIATE_TEST_SUITE_P(FileKinds, BatchedLoading, testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Access" : "Sqlite"; });

}  // namespace
