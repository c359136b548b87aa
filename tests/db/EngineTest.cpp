// The engine under the program's queries: recordsets and query results, and the Access dialect
// it keeps. Text compares without letter case and trailing blanks but with accents, sorts like a
// dictionary, DISTINCT rows come sorted and TOP n cuts after the order. Checked through the
// program's own functions on the hand-made DUZEDO, whose answers were worked out on paper.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "db/AccessSql.h"
#include "db/Database.h"
#include "db/DbFile.h"
#include "support/ConnectedDuzedo.h"
#include "support/HandMadeDuzedo.h"
#include "support/TempDir.h"

namespace {

using Column = std::vector<std::string>;

class AccessDialect : public ConnectedSuite<WriteHandMadeDuzedo> {
  protected:
    static Column Read(const std::string& sql, int field = 0) {
        Column values;
        for (const Record row : Query(sql)) values.push_back(row[field].toString());
        return values;
    }
};

// Names, LIKE and the sort order as the views meet them are among the report's view cases.
TEST_F(AccessDialect, LikeFoldsCaseKeepsTrailingBlanksAndMatchesTheBareName) {
    // The World Cup final tables are stored under their prefix with its trailing blank.
    EXPECT_EQ(ScalarQuery("select count(*) from tables where tournament='world cup i'"), 2);
    EXPECT_EQ(ScalarQuery("select count(*) from scores where tournament like 'águila%'"), 3);
    EXPECT_EQ(ScalarQuery("select count(*) from scores where tournament like 'WORLD CUP I %'"), 3);
    EXPECT_EQ(ScalarQuery("select count(*) from [tournament players] where tournament like "
                          "'Spring Cup%'"),
              1);
    EXPECT_EQ(ScalarQuery("select count(*) from tables where tournament like 'World Cup I'"), 0);
}

TEST_F(AccessDialect, DistinctRowsComeSortedByEveryColumn) {
    const std::string sql =
        "select distinct tournament, [TEAM B] from scores where tournament='Velmoor Open 2002'";
    EXPECT_EQ(Read(sql, 1),
              (Column{"Abco D", "abel M", "José P", "Müller K", "Vezuv L", "Vodad R"}));
    // Two spellings of one name are one group.
    EXPECT_EQ(Read("select country, count(*) from rankings group by country").size(), 4u);
}

TEST_F(AccessDialect, TopCutsAfterTheOrderAndKeepsItsValuesOutOfTheResult) {
    EXPECT_EQ(Read("select top 3 id from scores order by 1 desc"), (Column{"30", "29", "28"}));
    // Ties of a column named by its position: Abco D was Team A twice.
    EXPECT_EQ(Read("select top 1 [TEAM A], id from scores order by 1").size(), 2u);
    EXPECT_EQ(Read("SELECT TOP 2 id FROM scores ORDER BY a+b DESC, id;"), (Column{"29", "30"}));
    // With no order the first rows are kept, however many there are.
    const Column all = Read("select id from scores");
    EXPECT_EQ(Read("select top 3 id from scores"), Column(all.begin(), all.begin() + 3));
    EXPECT_EQ(Query("SELECT TOP 1 [TEAM A] FROM scores ORDER BY Abs(a-b) DESC").fieldCount(), 1);
    // A TOP inside a quoted name is not a TOP.
    EXPECT_FALSE(TranslateAccessSql("select * from scores where tournament='select top 5 '").top);
}

TEST_F(AccessDialect, QueryResultsAreTheCallersAndSurviveOtherQueries) {
    const QueryResult games =
        Query("select id, [TEAM A] from scores where tournament like 'Spring%' order by id");
    // A query inside the loop leaves the loop's records alone.
    Column seen;
    for (const Record game : games) {
        EXPECT_EQ(ScalarQuery("select count(*) from scores where id=" + game[0].toString()), 1);
        seen.push_back(game["team a"].toString());
    }
    EXPECT_EQ(seen, (Column{"Vodad R", "Ábdo K", "Müller K", "Vodad R"}));
    EXPECT_THROW((void)games[0]["goals"], DbError);
    // The record limit cuts even a TOP query's ties.
    EXPECT_EQ(Query("SELECT TOP 20 id FROM scores ORDER BY a+b DESC", 21).size(), 21u);
}

TEST(NullToZero, ConvertsLikeTheWholeNumberRule) {
    EXPECT_EQ(NullToZero(DbValue()), 0);
    EXPECT_EQ(NullToZero(DbValue::real(2.5)), 2);
    EXPECT_EQ(NullToZero(DbValue::real(3.5)), 4);
    EXPECT_EQ(NullToZero(DbValue::real(-2.5)), -2);
    EXPECT_EQ(NullToZero(DbValue::integer(70000)), 70000);
    EXPECT_EQ(NullToZero(DbValue::text(" 12 ")), 12);
    EXPECT_THROW(NullToZero(DbValue::text("twelve")), DbError);
}

// Files the Access reader refuses are checked with the reader; these are refused before it.
TEST(ConnectDb, RefusesWhatIsNotADuzedo) {
    const TempDir dir("refuse");
    auto refused = [&](const std::string& path) {
        std::string error;
        const bool ok = ConnectDb(path, &error);
        DisconnectDb();
        return !ok && !error.empty();
    };
    EXPECT_TRUE(refused(""));
    EXPECT_TRUE(refused((dir / "missing.mdb").string()));
    {
        SqliteFileWriter other((dir / "other.db").string());
        other.beginTable("people", {{"name", ColumnType::Text}});
        other.endTable();
        other.finish();
    }
    EXPECT_TRUE(refused((dir / "other.db").string()));
    WriteHandMadeDuzedo((dir / "good.mdb").string());
    EXPECT_FALSE(refused((dir / "good.mdb").string()));
}

}  // namespace
