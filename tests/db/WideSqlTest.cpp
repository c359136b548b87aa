// The engine's sum() and abs() as the connection replaces them: ordinary figures give what they
// always gave, figures at the 64-bit limits the true result instead of an "integer overflow".

#include <gtest/gtest.h>

#include "db/SqliteUtil.h"
#include "db/WideSql.h"

namespace {

DbValue Scalar(const std::string& sql) {
    sqlite3* raw = nullptr;
    sqlite3_open(":memory:", &raw);
    const SqliteDb db(raw);
    RegisterWideSql(db.get());
    const Statement stmt = Prepare(db.get(), sql);
    EXPECT_EQ(sqlite3_step(stmt.get()), SQLITE_ROW) << sql;
    return ColumnValue(stmt.get(), 0, false, false);
}

TEST(WideSql, SumsAndMagnitudesAsTheEngineGivesThemOrTheTrueFigure) {
    const std::string most = "9223372036854775807", least = "(-9223372036854775807 - 1)";
    const struct {
        std::string values;
        DbValue expected;
    } cases[] = {
        {"(2), (NULL), (-7), ('5')", DbValue::integer(0)},
        {"(1), (2.5), (NULL)", DbValue::real(3.5)},
        {"(NULL), (NULL)", DbValue()},
        {"(" + most + "), (" + most + ")", DbValue::text("18446744073709551614")},
        {"(" + most + "), (1), (-2)", DbValue::integer(9223372036854775806)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Scalar("select sum(column1) from (values " + c.values + ")"), c.expected)
            << c.values;
    }
    // As a window: each row's sum of itself and the row before.
    EXPECT_EQ(
        Scalar("select group_concat(s) from (select sum(column1) over (rows 1 preceding) as s "
               "from (values (" +
               most + "), (" + most + "), (-" + most + ")))"),
        DbValue::text("9223372036854775807,18446744073709551614,0"));
    EXPECT_EQ(Scalar("select abs(" + least + ")"), DbValue::real(9223372036854775808.0));
}

}  // namespace
