// What of an SQLite DUZEDO the program loads: the tables it reads, as SQLite itself reads them.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonObject>
#include <string>
#include <vector>

#include "db/Connection.h"
#include "db/DbFile.h"
#include "db/DbValue.h"
#include "support/HandMadeDuzedo.h"
#include "support/SqliteEdit.h"
#include "support/TempDir.h"
#include "support/TestData.h"

namespace {

// The hand-made DUZEDO, changed by SQLite itself before the program loads it.
class Loading : public testing::Test {
  protected:
    // The first value of each query, loaded after the edit.
    std::vector<std::string> Loaded(const std::string& edit, const std::vector<std::string>& sql) {
        WriteSqlDuzedo(path, "HandMade.sql", edit);
        conn.open(path, "");
        std::vector<std::string> values;
        for (const std::string& query : sql)
            values.push_back(RunQuery(conn, query)[0][0].toString());
        return values;
    }

    TempDir dir{"loading"};
    const std::string path = (dir / "duzedo.sqlite").string();
    Connection conn;
};

TEST_F(Loading, TablesTheProgramDoesNotReadArePassedOver) {
    Loaded(
        "CREATE TABLE notes (k TEXT PRIMARY KEY, v TEXT) WITHOUT ROWID;"
        "INSERT INTO notes VALUES ('a', 'b'); CREATE TABLE scratch (v BLOB)",
        {});
    EXPECT_EQ(conn.tableNames(),
              (std::vector<std::string>{"scores", "tables", "World Cup I Tables",
                                        "World Cup II Tables", "tournament players", "rankings"}));
}

// Tables laid out otherwise than the program writes them (tests/data/LoadedEdits.json).
TEST_F(Loading, ColumnsAreTakenByNameAndRowsInTheTablesOrder) {
    for (const QJsonValue& c : TestJson("LoadedEdits.json").array()) {
        SCOPED_TRACE(JsonText(c["why"]));
        std::vector<std::string> queries, values;
        for (const QJsonValue& query : c["queries"].toArray()) queries.push_back(JsonText(query));
        for (const QJsonValue& value : c["values"].toArray()) values.push_back(JsonText(value));
        EXPECT_EQ(Loaded(JsonText(c["edit"]), queries), values);
    }
}

TEST_F(Loading, CommittedChangesStillInTheWriteAheadLogAreRead) {
    WriteHandMadeDuzedo(path);
    const SqliteHandle writer = OpenForWriting(path);
    Exec(writer.get(), "PRAGMA journal_mode=WAL");
    Exec(writer.get(), "PRAGMA wal_autocheckpoint=0");
    Exec(writer.get(), "UPDATE rankings SET R0303=9999 WHERE player='Vodad R'");
    // The writer stays open, so the change is in the log only.
    conn.open(path, "");
    EXPECT_EQ(RunQuery(conn, "select R0303 from rankings where player='Vodad R'")[0][0].toString(),
              "9999");
}

TEST_F(Loading, AValueNoDuzedoCanHoldIsRefusedWithItsTable) {
    try {
        Loaded("UPDATE rankings SET player=printf('%.*c', 3000000, 'x') WHERE rowid=1", {});
        FAIL() << "loaded a 3 MB name";
    } catch (const DbError& error) {
        EXPECT_NE(std::string(error.what()).find("'rankings'"), std::string::npos) << error.what();
    }
}

}  // namespace
