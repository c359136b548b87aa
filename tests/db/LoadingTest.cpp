// What of an SQLite DUZEDO the program loads: the tables it reads, as SQLite itself reads them.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "db/Connection.h"
#include "db/DbFile.h"
#include "db/DbValue.h"
#include "support/HandMadeDuzedo.h"
#include "support/SqliteEdit.h"
#include "support/TempDir.h"

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

TEST_F(Loading, ColumnsAreTakenByNamePastAGeneratedOne) {
    EXPECT_EQ(Loaded("DROP TABLE rankings; CREATE TABLE rankings (player TEXT, twice INTEGER AS "
                     "(R0303 * 2), country TEXT, r SMALLINT, R0303 SMALLINT);"
                     "INSERT INTO rankings VALUES ('Vodad R', 'Velmoor', 1, 1560)",
                     {"select country from rankings", "select R0303 from rankings"}),
              (std::vector<std::string>{"Velmoor", "1560"}));
}

TEST_F(Loading, AWithoutRowidTableIsReadInItsKeyOrder) {
    EXPECT_EQ(Loaded("CREATE TABLE r2 (player TEXT PRIMARY KEY, country TEXT, r SMALLINT, R0303 "
                     "SMALLINT) WITHOUT ROWID; INSERT INTO r2 SELECT player, country, r, R0303 "
                     "FROM rankings; DROP TABLE rankings; ALTER TABLE r2 RENAME TO rankings",
                     {"select count(*) from rankings", "select player from rankings",
                      "select R0303 from rankings where player='Vodad R'"}),
              (std::vector<std::string>{"8", "Abco D", "1560"}));
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
