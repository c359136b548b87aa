#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "db/AccessSql.h"
#include "db/Database.h"
#include "db/DbFile.h"
#include "db/JetText.h"
#include "support/ConnectedDuzedo.h"
#include "support/TempDir.h"
#include "support/TestTables.h"

namespace {

namespace fs = std::filesystem;

// Four games with goal totals 5, 5, 3, 5 and two players whose names differ only in case
// handling: enough to see ties, case folding and quoting.
void WriteTinyDuzedo(const fs::path& file) {
    SqliteFileWriter w(file.string());
    using C = ColumnType;
    w.beginTable("scores", {{"id", C::Integer32},
                            {"TEAM A", C::Text},
                            {"TEAM B", C::Text},
                            {"A", C::Integer16},
                            {"B", C::Integer16},
                            {"TOURNAMENT", C::Text}});
    w.addRow({I(1), T("O'Neil S"), T("Müller K"), I(3), I(2), T("Velmoor Open")});
    w.addRow({I(2), T("Müller K"), T("Vodad R"), I(4), I(1), T("Velmoor Open")});
    w.addRow({I(3), T("Vodad R"), T("O'Neil S"), I(1), I(2), T("Spring Cup Final")});
    w.addRow({I(4), T("vodad r"), T("Müller K"), I(0), I(5), T("World Cup I ")});
    w.endTable();
    w.beginTable("tables", {{"tournament", C::Text}, {"player", C::Text}, {"p", C::Integer16}});
    w.addRow({T("Velmoor Open"), T("Müller K"), I(1)});
    w.endTable();
    w.beginTable("tournament players", {{"tournament", C::Text}, {"Cup?", C::YesNo}});
    w.addRow({T("Velmoor Open"), I(0)});
    w.addRow({T("Spring Cup"), I(-1)});
    w.endTable();
    w.beginTable("rankings", {{"player", C::Text}, {"country", C::Text}, {"r", C::Integer16}});
    w.addRow({T("Vodad R"), T("Velmoor"), I(1)});
    w.addRow({T("ábel A"), T("Österreich"), I(2)});
    w.addRow({T("Abe Z"), T("velmoor"), I(3)});
    w.addRow({T("Muller K"), T("Velmoor"), I(0)});
    w.addRow({T("Müller K"), T("Velmoor"), I(4)});
    w.endTable();
    w.finish();
}

class EngineTest : public testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(db_.connected()) << db_.error(); }

    std::vector<std::string> Column(const std::string& sql, int field = 0) {
        std::vector<std::string> values;
        gRs->open(sql, *gConn);
        for (; !gRs->eof(); gRs->moveNext()) values.push_back(gRs->fields(field).toString());
        gRs->close();
        return values;
    }

    ConnectedDuzedo db_{"engine", WriteTinyDuzedo};
};

using Names = std::vector<std::string>;

TEST_F(EngineTest, TopKeepsTheRowsTiedAtTheCutOff) {
    EXPECT_EQ(Column("SELECT TOP 1 id, A+B as expr FROM scores ORDER BY a+b DESC;"),
              (Names{"1", "2", "4"}));
    EXPECT_EQ(Column("SELECT TOP 2 id FROM scores ORDER BY a+b DESC, id"), (Names{"1", "2"}));
    EXPECT_EQ(Column("select top 3 id from scores order by 1 desc"), (Names{"4", "3", "2"}));
    // The ORDER BY values only decide ties; they are not fields of the result.
    gRs->open("SELECT TOP 1 [TEAM A] FROM scores ORDER BY Abs(a-b) DESC", *gConn);
    EXPECT_EQ(gRs->fieldCount(), 1);
    gRs->close();
}

TEST_F(EngineTest, TextComparesWithoutCaseButWithAccentsAndTrailingBlanks) {
    EXPECT_EQ(ScalarQuery("select count(*) from scores where [TEAM A]='VODAD R'"), 2);
    EXPECT_EQ(ScalarQuery("select count(*) from scores where [TEAM B]='MÜLLER K'"), 2);
    EXPECT_EQ(ScalarQuery("select count(*) from rankings where player='Muller K'"), 1);
    EXPECT_EQ(ScalarQuery("select count(*) from scores where tournament='World Cup I'"), 1);
    EXPECT_EQ(ScalarQuery("select count(*) from scores where tournament like 'world cup i %'"), 1);
    EXPECT_EQ(ScalarQuery("select count(*) from scores where [TEAM B] like 'mü%'"), 2);
    EXPECT_EQ(ScalarQuery("select count(*) from scores where [TEAM B] like 'mu%'"), 0);
    EXPECT_EQ(Column("select distinct [TEAM A]  from scores where tournament like 'v%'").size(),
              2u);
}

TEST_F(EngineTest, TextSortsInDictionaryOrder) {
    EXPECT_EQ(Column("select player from rankings order by player"),
              (Names{"Abe Z", "ábel A", "Muller K", "Müller K", "Vodad R"}));
    // Jet sorts to remove duplicates, so DISTINCT rows come sorted.
    EXPECT_EQ(Column("select distinct country from rankings"), (Names{"Österreich", "Velmoor"}));
}

TEST_F(EngineTest, ScalarQueryReadsYesNoNullsAndEmptyResults) {
    EXPECT_EQ(ScalarQuery("select [Cup?] from [tournament players] where tournament ='Spring Cup'"),
              -1);
    EXPECT_EQ(
        ScalarQuery("select [Cup?] from [tournament players] where tournament ='Velmoor Open'"), 0);
    EXPECT_EQ(ScalarQuery("select sum(a) from scores where [TEAM A]='nobody'"), 0);
    EXPECT_EQ(ScalarQuery("select count (*) from scores where a<b and [TEAM A]='nobody'"), 0);
    EXPECT_EQ(ScalarQuery("select r from rankings where player='nobody'"), 0);
    EXPECT_EQ(ScalarQuery("select sum (a) from scores"), 8);
    EXPECT_THROW(ScalarQuery("select player from rankings where r=1"), DbError);
    EXPECT_THROW(ScalarQuery("select nonsense from nowhere"), DbError);
    EXPECT_FALSE(gRs->isOpen());
}

TEST_F(EngineTest, QuotedNamesAreFoundAndOrdinaryNamesUnchanged) {
    EXPECT_EQ(SqlQuote("Vodad R"), "'Vodad R'");
    EXPECT_EQ(SqlQuote("O'Neil S"), "'O''Neil S'");
    EXPECT_EQ(ScalarQuery("select count(*) from scores where [TEAM A]=" + SqlQuote("O'Neil S")), 1);
}

TEST_F(EngineTest, RecordsetCountsMovesAndNamesFields) {
    gRs->open("select * from scores where tournament='Velmoor Open'", *gConn, adOpenKeyset);
    EXPECT_EQ(CountRecords(*gRs), 2);
    EXPECT_EQ(gRs->fields("team a").toString(), "O'Neil S");
    EXPECT_EQ(gRs->fieldName(1), "TEAM A");
    EXPECT_EQ(gRs->fieldCount(), 6);
    EXPECT_THROW(gRs->fields("no such field"), DbError);
    gRs->close();

    gRs->open("select * from rankings where player='0'", *gConn);
    EXPECT_TRUE(gRs->eof());
    EXPECT_EQ(CountRecords(*gRs), 0);
    EXPECT_TRUE(gRs->eof());
    EXPECT_EQ(gRs->fieldCount(), 3);
    EXPECT_THROW(gRs->fields(0), DbError);
    gRs->close();

    gRs->setMaxRecords(2);
    EXPECT_EQ(Column("select id from scores order by id"), (Names{"1", "2"}));
    gRs->setMaxRecords(0);
    EXPECT_EQ(Column("select id from scores order by id").size(), 4u);
}

TEST_F(EngineTest, QueryResultsAreTheCallersAndSurviveOtherQueries) {
    const QueryResult games = Query("select id, [TEAM A] from scores order by id");
    ASSERT_EQ(games.size(), 4u);
    // A query inside the loop, on the shared recordset or not, leaves the loop's records alone.
    std::vector<std::string> seen;
    for (const Record game : games) {
        gRs->open("select count(*) from rankings", *gConn);
        EXPECT_EQ(ScalarQuery("select count(*) from scores where id=" + game[0].toString()), 1);
        seen.push_back(game["team a"].toString());
    }
    gRs->close();
    EXPECT_EQ(seen, (Names{"O'Neil S", "Müller K", "Vodad R", "vodad r"}));

    EXPECT_EQ(games.fieldIndex("TEAM A"), 1);
    EXPECT_THROW((void)games[0]["goals"], DbError);
    EXPECT_THROW((void)games[0][2], DbError);
    // The record limit cuts even a TOP query's ties.
    EXPECT_EQ(Query("SELECT TOP 1 id FROM scores ORDER BY a+b DESC", 2).size(), 2u);
    EXPECT_EQ(Query("select id from scores", 0).size(), 4u);
    EXPECT_TRUE(Query("select id from scores where id=99").empty());
    EXPECT_EQ(Query("select id, A from scores where id=99").fieldCount(), 2);
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

TEST(ConnectDb, RefusesWhatIsNotADuzedo) {
    const TempDir dir("refuse");
    auto refused = [&](const std::string& path) {
        gDbPath = path;
        std::string error;
        const bool ok = ConnectDb(&error);
        DisconnectDb();
        return !ok && !error.empty();
    };
    EXPECT_TRUE(refused(""));
    EXPECT_TRUE(refused((dir / "missing.mdb").string()));
    EXPECT_TRUE(refused(dir.path().string()));
    std::ofstream(dir / "empty.mdb").close();
    EXPECT_TRUE(refused((dir / "empty.mdb").string()));
    std::ofstream(dir / "text.mdb") << "Hello, this is not a database at all.\n";
    EXPECT_TRUE(refused((dir / "text.mdb").string()));

    const fs::path good = dir / "good.mdb";
    WriteTinyDuzedo(good);
    const auto size = fs::file_size(good);
    fs::copy_file(good, dir / "truncated.mdb");
    fs::resize_file(dir / "truncated.mdb", size / 2);
    EXPECT_TRUE(refused((dir / "truncated.mdb").string()));
    {
        SqliteFileWriter other((dir / "other.db").string());
        other.beginTable("people", {{"name", ColumnType::Text}});
        other.endTable();
        other.finish();
    }
    EXPECT_TRUE(refused((dir / "other.db").string()));
    EXPECT_FALSE(refused(good.string()));
}

TEST(ConnectionString, IsTheClassicTextAroundThePath) {
    EXPECT_EQ(ConnectionString("C:\\stats\\duzedo.mdb"),
              "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=C:\\stats\\duzedo.mdb;User "
              "Id=Admin;Password=; Jet OLEDB:Database");
    EXPECT_NE(ConnectionString("").find("Data Source=;"), std::string::npos);
}

TEST(JetText, ComparesAndMatchesLikeTheDatabase) {
    EXPECT_EQ(JetCompare("abc", "ABC  "), 0);
    EXPECT_LT(JetCompare("Ábd", "abe"), 0);
    EXPECT_GT(JetCompare("Ábd", "abc"), 0);
    EXPECT_NE(JetCompare("José", "Jose"), 0);
    EXPECT_TRUE(JetLike("ÑANDÚ P", "ñand%"));
    EXPECT_TRUE(JetLike("World Cup I Round 1 - Group A", "World Cup I %"));
    EXPECT_FALSE(JetLike("World Cup II Final", "World Cup I %"));
    EXPECT_TRUE(JetLike("abc", "a_c"));
    EXPECT_FALSE(JetLike("abc", "a_"));
}

TEST(TranslateAccessSql, LeavesOrdinaryQueriesAlone) {
    const std::string sql = "select count(*) from tables where player='Vodad R'";
    EXPECT_EQ(TranslateAccessSql(sql).sql, sql);
    EXPECT_FALSE(TranslateAccessSql(sql).top);
    // A TOP inside a quoted name is not a TOP.
    EXPECT_FALSE(TranslateAccessSql("select * from scores where tournament='select top 5 '").top);
}

}  // namespace
