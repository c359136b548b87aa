#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "db/DbFile.h"
#include "jetwriter/JetWriter.h"
#include "support/RecordingSink.h"
#include "support/TempDir.h"
#include "support/TestTables.h"

namespace {

namespace fs = std::filesystem;
using enum ColumnType;

std::string Repeat(std::string_view unit, std::size_t times) {
    std::string out;
    for (std::size_t i = 0; i < times; ++i) out += unit;
    return out;
}

class JetWriterTest : public testing::Test {
  protected:
    std::string path(const std::string& name) const { return (dir_ / name).string(); }

    static void Write(const std::string& file, const std::vector<RecordedTable>& tables) {
        JetFileWriter writer(file);
        for (const RecordedTable& table : tables)
            AddTable(writer, table.name, table.columns, table.rows);
        writer.finish();
    }

    static std::vector<RecordedTable> Read(const std::string& file) {
        RecordingSink sink;
        ReadAccessFile(file, sink);
        return sink.tables;
    }

    // Writing fails with DbError (giving reason) and leaves neither the file nor its partial copy.
    void expectRefused(const std::vector<RecordedTable>& tables, const std::string& reason = "") {
        const std::string file = path("refused.mdb");
        try {
            Write(file, tables);
            ADD_FAILURE() << "written";
        } catch (const DbError& e) {
            EXPECT_NE(std::string(e.what()).find(reason), std::string::npos) << e.what();
        }
        EXPECT_FALSE(fs::exists(file));
        EXPECT_FALSE(fs::exists(file + ".partial"));
    }

    TempDir dir_{"jet"};
};

// --- Table sizes -------------------------------------------------------------------------------

TEST_F(JetWriterTest, EmptySingleRowFullPageAndHundredThousandRowTables) {
    // Eight texts of characters that cannot be compressed (low byte zero), a memo and a yes/no:
    // 2 bytes of column count, 2 per character, 22 of offsets and 2 of null mask make 2027
    // characters exactly the 4080 bytes a row may have on a 4096-byte page.
    std::vector<ColumnDef> wide;
    for (int i = 1; i <= 8; ++i) wide.push_back({"t" + std::to_string(i), Text});
    wide.push_back({"memo", Memo});
    wide.push_back({"flag", YesNo});
    std::vector<DbValue> fullRow(7, T(Repeat("Ā", 255)));
    fullRow.push_back(T(Repeat("Ā", 242)));
    fullRow.push_back(kNull);
    fullRow.push_back(I(-1));
    RecordedTable big{
        "big", {{"id", Integer32}, {"player", Text}, {"won", YesNo}, {"goals", Integer16}}, {}};
    for (int i = 0; i < 100'000; ++i) {
        const int id = (i * 7919) % 100'000;  // stored order, not id order, must come back
        big.rows.push_back({I(id), T("player " + std::to_string(id)), I(id % 3 == 0 ? -1 : 0),
                            id % 10 == 0 ? kNull : I(id % 11)});
    }
    const std::vector<RecordedTable> tables{{"empty", {{"id", Integer32}, {"note", Memo}}, {}},
                                            {"one", {{"id", Integer32}}, {{I(7)}}},
                                            {"full", wide, {fullRow, fullRow, fullRow}},
                                            big};
    Write(path("sizes.mdb"), tables);
    // Far more data pages than one inline usage map can list.
    EXPECT_GT(fs::file_size(path("sizes.mdb")), 600u * 4096u);
    ExpectSameTables(Read(path("sizes.mdb")), tables);

    const std::string tooLong = "a page holds rows of at most 4080";
    fullRow[7] = T(Repeat("Ā", 243));
    expectRefused({{"full", wide, {fullRow}}}, tooLong);
}

// --- Values ------------------------------------------------------------------------------------

const std::vector<ColumnDef> kEveryType{
    {"text", Text}, {"memo", Memo}, {"byte", Byte},      {"int", Integer16}, {"long", Integer32},
    {"yes", YesNo}, {"real", Real}, {"money", Currency}, {"when", DateTime}};

TEST_F(JetWriterTest, EveryColumnTypeAtItsExtremesAndNull) {
    const double maxMoney = 922337203685477.5807;  // the nearest double, a little above
    const RecordedTable written{
        "types",
        kEveryType,
        {
            {T(Repeat("z", 255)), T("m"), I(255), I(32767), I(2147483647), I(-1),
             R(std::numeric_limits<double>::max()), R(maxMoney), D("9999-12-31 23:59:59")},
            {T(""), T(""), I(0), I(-32768), I(-2147483648LL), I(0),
             R(-std::numeric_limits<double>::denorm_min()), R(-maxMoney), D("0100-01-01 00:00:00")},
            {kNull, kNull, kNull, kNull, kNull, kNull, kNull, kNull, kNull},
            {T("0.1"), T("x"), R(2.5), R(-3.5), T("42"), I(1), R(0.1), R(0.1),
             D("1899-12-29 06:00:00")},
            {T("a"), T("b"), I(1), I(1), I(1), I(0), R(-0.0), R(1995.5), D("2003-05-17 14:30:00")},
            {kNull, kNull, kNull, kNull, kNull, I(0), kNull, R(1.00025), kNull},
            {kNull, kNull, kNull, kNull, kNull, I(0), kNull, R(1.00035), kNull},
        }};
    Write(path("types.mdb"), {written});
    RecordedTable expected = written;
    expected.rows[0][7] = R(922337203685477.5807);  // as the reader's own decimal conversion gives
    expected.rows[1][7] = R(-922337203685477.5808);
    expected.rows[2][5] = I(0);  // a yes/no is never null
    expected.rows[3][2] = I(2);  // whole-number columns round half to even
    expected.rows[3][3] = I(-4);
    expected.rows[3][4] = I(42);
    expected.rows[3][5] = I(-1);
    expected.rows[5][7] = R(1.0002);  // currency rounds a half in the fifth decimal to even
    expected.rows[6][7] = R(1.0004);
    ExpectSameTables(Read(path("types.mdb")), {expected});
}

TEST_F(JetWriterTest, RefusesValuesAndNamesTheFileCannotHold) {
    const auto row = [](std::size_t column, DbValue value) {
        std::vector<DbValue> values(kEveryType.size());
        values[column] = std::move(value);
        return RecordedTable{"types", kEveryType, {values}};
    };
    expectRefused({row(0, T(Repeat("x", 256)))});
    expectRefused({row(2, I(-1))});
    expectRefused({row(3, I(32768))});
    expectRefused({row(7, R(1e15))});
    expectRefused({row(8, D("2003-02-29 00:00:00"))});
    expectRefused({{"t", {{"id", Integer32}}, {{I(1), I(2)}}}});  // a value too many
    expectRefused({{"MSysPlayers", {{"id", Integer32}}, {}}});    // readers would hide it
}

TEST_F(JetWriterTest, NamesAndTextsInAnyAlphabetAndMemosOfAnyLength) {
    std::string longMemo;
    for (int i = 0; longMemo.size() < 150'000; ++i) longMemo += "game " + std::to_string(i) + "; ";
    const std::string wideMemo = Repeat("Ж", 2000);  // 4000 bytes: one long-value page
    const std::vector<RecordedTable> tables{
        {"Spieler & Länder?",
         {{"Cup?", YesNo}, {"名前", Text}, {"[bracket] name", Memo}},
         {
             {I(-1), T("Ñandú \"O'Neil\""), T("Ελλάδα")},
             {I(0), T("😀 beyond the BMP"),
              T("\xEF\xBB\xBF"
                "starts like compressed")},
             {I(-1), T("Ÿ and ÿ and Ā"), T("tab\tand\nnewline")},
         }},
        {"memos",
         {{"id", Integer32}, {"a", Memo}, {"b", Memo}},
         {
             {I(1), T("short"), kNull},
             {I(2), T(wideMemo), T(wideMemo)},  // together too long for a row
             {I(3), T(longMemo), T(Repeat("ab", 3000))},
             {I(4), T(std::string(4076 * 2, 'q')), T("")},  // whole pages exactly
         }},
    };
    Write(path("texts.mdb"), tables);
    ExpectSameTables(Read(path("texts.mdb")), tables);
}

}  // namespace
